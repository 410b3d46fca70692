#pragma once

#include "db/DataSet.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QPointer>
#include <QString>

#include <vector>

namespace framework {
class Prompts;

// A column of a list: the field it shows, its title (the field name when empty) and its
// width in pixels (0: the view's default).
struct GridColumn {
    GridColumn(QString field, QString title = {}, int width = 0)
        : field(std::move(field)), title(std::move(title)), width(width) {}

    QString field;
    QString title;
    int width;
};

// The rows of a dataset as a table: each cell the field's display text for that row,
// numbers aligned right. Follows the dataset: opened, closed, rows added or removed,
// a field of the current row changed. Read-only unless made editable.
class DataSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DataSetModel(QObject* parent = nullptr);

    void setDataSet(db::DataSet* dataSet);
    db::DataSet* dataSet() const { return dataSet_; }
    // No columns: every field of the result, titled by its name.
    void setColumns(std::vector<GridColumn> columns);
    const std::vector<GridColumn>& columns() const { return columns_; }

    // Null while the dataset is closed or lacks the field.
    db::Field* field(int column) const;
    QString fieldName(int column) const;
    int columnOf(const QString& fieldName) const;

    // One column drawn in other colours (an invalid colour keeps the view's own).
    void setHighlight(const QString& fieldName, const QColor& text, const QColor& background);
    // Typed cells go into their fields, the dataset editing the cell's row; a value the
    // field refuses is shown through the prompts. Null: read-only.
    void setEditable(Prompts* prompts) { prompts_ = prompts; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    void reset();
    void currentRowEdited();
    QVariant highlight(int column, int role) const;

    QPointer<db::DataSet> dataSet_;
    std::vector<GridColumn> columns_;
    QString highlightField_;
    QColor highlightText_, highlightBackground_;
    Prompts* prompts_ = nullptr;
};

} // namespace framework
