#pragma once

#include "framework/DataSetModel.h"

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QStringList>
#include <QTableView>

#include <functional>
#include <vector>

namespace framework {
class Prompts;

// A list of a dataset's rows whose sortable titles re-order it on the database side:
// a click sorts ascending, the next descending, the next back to the table's natural
// order; the sorted column is coloured and sortable titles carry images. Columns can
// show a field as a check box. The view's current row is the dataset's.
//
// The grids of the forms derive from it and publish its settings under their names.
class OrderedGrid : public QTableView {
    Q_OBJECT
public:
    enum class SortState { Unsorted, Ascending, Descending };
    enum class Check { NotACheck, Unticked, Ticked };

    explicit OrderedGrid(Prompts& prompts, QWidget* parent = nullptr);

    void setDataSource(db::DataSet* dataSet);
    db::DataSet* dataSource() const { return model_.dataSet(); }
    // The columns shown, with titles and widths; none: every field of the result.
    void setColumns(std::vector<GridColumn> columns);
    DataSetModel& dataModel() const { return model_; }

    // -1 when no shown column is sorted.
    int sortedColumn() const;
    SortState sortState() const { return state_; }

    // What the title of a column shows beside its text; null for none.
    QPixmap titleImage(int column) const;
    Check check(const QModelIndex& index) const;
    // The image of a ticked check; null: the square is filled instead.
    QPixmap checkImage() const;

signals:
    // The dataset's current row changed (the view already shows it).
    void rowMoved();

protected:
    // The settings.
    QStringList sortFields;
    QList<QPixmap> images;
    int sortableImage = 0;
    int ascendingImage = 1;
    int descendingImage = 2;
    int checkedImage = 3;
    QColor sortedColor;
    bool greySortedText = true;
    QStringList checkFields;
    QStringList checkedValues;
    QStringList uncheckedValues;

    // A title click on a sortable column while no dataset is set; it may throw.
    virtual void sortWithoutDataSource() {}
    // Runs a user command; an error is shown and false returned.
    bool run(const std::function<void()>& command);
    // The position of the column's field in checkFields, or -1.
    int checkEntry(int column) const;
    // What a cell editor still holds goes into its field.
    void commitOpenEditor();

private:
    void titleClicked(int column);
    void showCurrentRow();
    void moveDataSet(const QModelIndex& current);
    QPixmap image(int index) const;

    Prompts& prompts_;
    DataSetModel& model_;
    QString sortedField_;
    SortState state_ = SortState::Unsorted;
};

} // namespace framework
