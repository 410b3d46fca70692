#pragma once

#include <QGroupBox>
#include <QHash>

#include <vector>

class QGridLayout;
class QLineEdit;
namespace db {
class DataSet;
}
namespace framework {
class Prompts;
}

// A group of an official model's boxes: the column headings, then rows of a caption and
// its boxes, each with its number printed before it. Amount boxes turn a typed "." into
// the decimal comma; computed boxes are shaded and never typed in.
class BoxGrid : public QGroupBox {
    Q_OBJECT
public:
    enum class Kind { Count, Amount, Computed };
    struct Box {
        QString numero;
        QString campo;
        Kind kind;
    };

    BoxGrid(const QString& title, const QStringList& headings, db::DataSet& dataSet,
            framework::Prompts& prompts, QWidget* parent = nullptr);

    void addRow(const QString& caption, const std::vector<Box>& boxes);
    QLineEdit* box(const QString& campo) const { return boxes_.value(campo); }

private:
    db::DataSet& dataSet_;
    framework::Prompts& prompts_;
    QGridLayout* grid_;
    QHash<QString, QLineEdit*> boxes_;
};
