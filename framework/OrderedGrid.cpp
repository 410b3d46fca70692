#include "framework/OrderedGrid.h"

#include "db/DataSet.h"
#include "framework/GridDelegate.h"
#include "framework/GridHeader.h"
#include "framework/ILOrdGrid.h"
#include "framework/OrderBy.h"
#include "framework/UserCommand.h"

#include <QHeaderView>

namespace framework {
namespace {

int indexIn(const QStringList& names, const QString& name) {
    if (name.isEmpty())
        return -1;
    for (int i = 0; i < names.size(); ++i)
        if (names[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

OrderedGrid::SortState next(OrderedGrid::SortState state) {
    return OrderedGrid::SortState((int(state) + 1) % 3);
}

QString orderClause(const QString& field, OrderedGrid::SortState state) {
    switch (state) {
    case OrderedGrid::SortState::Ascending:
        return field;
    case OrderedGrid::SortState::Descending:
        return field + QStringLiteral(" DESC");
    case OrderedGrid::SortState::Unsorted:
        break;
    }
    return {};
}

} // namespace

OrderedGrid::OrderedGrid(Prompts& prompts, QWidget* parent)
    : QTableView(parent), images(ILOrdGrid()), sortedColor(palette().color(QPalette::ToolTipBase)),
      prompts_(prompts), model_(*new DataSetModel(this)) {
    setHorizontalHeader(new GridHeader(*this));
    setItemDelegate(new GridDelegate(*this, this));
    setModel(&model_);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    setShowGrid(true);
    setTabKeyNavigation(true);
    setWordWrap(false);
    setSelectionMode(SingleSelection);
    // The selection stays visible while another control has the focus.
    QPalette p = palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        p.setColor(QPalette::Inactive, role, p.color(QPalette::Active, role));
    setPalette(p);

    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &OrderedGrid::titleClicked);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &OrderedGrid::moveDataSet);
}

void OrderedGrid::setDataSource(db::DataSet* dataSet) {
    if (db::DataSet* old = dataSource())
        disconnect(old, nullptr, this, nullptr);
    model_.setDataSet(dataSet);
    if (dataSet) {
        connect(dataSet, &db::DataSet::currentChanged, this, [this] {
            showCurrentRow();
            emit rowMoved();
        });
        connect(dataSet, &db::DataSet::aboutToPost, this, &OrderedGrid::commitOpenEditor);
    }
    showCurrentRow();
}

// Declared widths are set once: a reorder resets the model but keeps the header's
// sections, so widths the user dragged stay.
void OrderedGrid::setColumns(std::vector<GridColumn> columns) {
    model_.setColumns(std::move(columns));
    const auto& shown = model_.columns();
    for (int c = 0; c < int(shown.size()); ++c)
        if (shown[c].width > 0)
            setColumnWidth(c, shown[c].width);
    showCurrentRow();
}

int OrderedGrid::sortedColumn() const {
    return sortedField_.isEmpty() ? -1 : model_.columnOf(sortedField_);
}

bool OrderedGrid::run(const std::function<void()>& command) {
    return runCommand(prompts_, command);
}

int OrderedGrid::checkEntry(int column) const {
    return indexIn(checkFields, model_.fieldName(column));
}

void OrderedGrid::commitOpenEditor() {
    if (QWidget* editor = indexWidget(currentIndex()))
        commitData(editor);
}

void OrderedGrid::titleClicked(int column) {
    const QString field = model_.fieldName(column);
    if (indexIn(sortFields, field) < 0)
        return;
    run([&] {
        db::DataSet* dataSet = dataSource();
        if (!dataSet) {
            sortWithoutDataSource();
            return;
        }
        commitOpenEditor();
        state_ = column == sortedColumn() ? next(state_) : SortState::Ascending;
        sortedField_ = field;
        // Grey text: the hint-text grey, which every style keeps readable on a light
        // background (some styles' disabled grey is not).
        const QColor text = greySortedText ? palette().color(QPalette::PlaceholderText) : QColor();
        model_.setHighlight(state_ == SortState::Unsorted ? QString() : field, text, sortedColor);
        horizontalHeader()->viewport()->update();
        OrdenaPor(*dataSet, orderClause(field, state_));
    });
}

void OrderedGrid::showCurrentRow() {
    const db::DataSet* dataSet = dataSource();
    const int row = dataSet ? dataSet->currentRow() : -1;
    if (row < 0 || row >= model_.rowCount() || currentIndex().row() == row)
        return;
    const QModelIndex index = model_.index(row, std::max(currentIndex().column(), 0));
    const auto rows = selectionBehavior() == SelectRows ? QItemSelectionModel::Rows
                                                        : QItemSelectionModel::NoUpdate;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | rows);
    scrollTo(index);
}

void OrderedGrid::moveDataSet(const QModelIndex& current) {
    db::DataSet* dataSet = dataSource();
    if (!dataSet || !dataSet->active() || !current.isValid() ||
        current.row() == dataSet->currentRow())
        return;
    // A row that cannot be left (its edit does not post) stays the current one.
    if (!run([&] { dataSet->moveTo(current.row()); }))
        showCurrentRow();
}

QPixmap OrderedGrid::image(int index) const {
    return index >= 0 && index < images.size() ? images[index] : QPixmap();
}

QPixmap OrderedGrid::titleImage(int column) const {
    if (indexIn(sortFields, model_.fieldName(column)) < 0)
        return {};
    if (column == sortedColumn() && state_ == SortState::Ascending)
        return image(ascendingImage);
    if (column == sortedColumn() && state_ == SortState::Descending)
        return image(descendingImage);
    return image(sortableImage);
}

OrderedGrid::Check OrderedGrid::check(const QModelIndex& index) const {
    const int entry = checkEntry(index.column());
    if (entry < 0)
        return Check::NotACheck;
    // A column without its ticked value is never ticked.
    const bool ticked =
        entry < checkedValues.size() && model_.data(index).toString() == checkedValues[entry];
    return ticked ? Check::Ticked : Check::Unticked;
}

QPixmap OrderedGrid::checkImage() const {
    return image(checkedImage);
}

} // namespace framework
