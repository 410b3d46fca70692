#pragma once

#include <QGroupBox>
#include <QHash>

#include <vector>

#include "returns/periodic/PeriodicReturn.h"

class QGridLayout;
class QLineEdit;
namespace framework {
class Prompts;
}

// A group of an official model's boxes as the form draws it: a title, the column
// headings, and rows of a caption and the numbers of its boxes; an empty number leaves its
// column free (a quota with no rate).
struct BoxGroup {
    struct Row {
        const char* caption;
        std::vector<const char*> boxes;
    };
    const char* title;
    std::vector<const char*> headings;
    std::vector<Row> rows;
};

// A group laid out, each box with its number printed before it. What a box is comes from
// the model's tables: its field and kind from the page row of its number, its shade from
// the computed boxes. Amount boxes turn a typed "." into the decimal comma; computed boxes
// are shaded and never typed in.
class BoxGrid : public QGroupBox {
    Q_OBJECT
public:
    BoxGrid(const BoxGroup& group, PeriodicReturn& module, framework::Prompts& prompts,
            QWidget* parent = nullptr);
    // Boxes of a record beside the return (a detail), with its own computed boxes.
    BoxGrid(const BoxGroup& group, const PeriodicReturn::Model& model, db::DataSet& record,
            const ComputedBoxes& computed, framework::Prompts& prompts, QWidget* parent = nullptr);

    QLineEdit* box(const QString& campo) const { return boxes_.value(campo); }

private:
    void addRow(const BoxGroup::Row& row);

    const PeriodicReturn::Model& model_;
    db::DataSet& record_;
    const ComputedBoxes& computed_;
    framework::Prompts& prompts_;
    QGridLayout* grid_;
    QHash<QString, QLineEdit*> boxes_;
};
