#include "framework/TDBGridFind.h"

#include "db/DataSet.h"
#include "util/Error.h"

#include <QKeyEvent>

TDBGridFind::TDBGridFind(framework::Prompts& prompts, QWidget* parent)
    : OrderedGrid(prompts, parent) {
    IndiceBitmapChecked = -1;
    greySortedText = false;
    setSelectionBehavior(SelectItems);
    setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed);
    dataModel().setEditable(&prompts);
    connect(this, &OrderedGrid::rowMoved, this, &TDBGridFind::OnRowChange);
    connect(this, &QAbstractItemView::clicked, this, &TDBGridFind::toggle);
}

void TDBGridFind::sortWithoutDataSource() {
    throw tributra::Error(
        QStringLiteral("No hay DataSource asignado al componente %1.").arg(objectName()));
}

void TDBGridFind::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && checkEntry(currentIndex().column()) >= 0) {
        toggle(currentIndex());
        return;
    }
    OrderedGrid::keyPressEvent(event);
}

// Check boxes toggle; they never open an editor. An editor that opens puts its row in
// edit, as typing into a bound edit does, so that a post takes what it holds.
bool TDBGridFind::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (checkEntry(index.column()) >= 0 || !OrderedGrid::edit(index, trigger, event))
        return false;
    if (db::DataSet* dataSet = dataSource(); dataSet && state() == EditingState)
        run([&] { dataSet->edit(); });
    return true;
}

void TDBGridFind::toggle(const QModelIndex& index) {
    const int entry = checkEntry(index.column());
    db::DataSet* dataSet = dataSource();
    db::Field* field = dataModel().field(index.column());
    // Without both values the column has nothing to toggle between.
    if (entry < 0 || !dataSet || !dataSet->canModify() || dataSet->isEmpty() || !field ||
        field->readOnly() || entry >= ColumnasChecked.size() || entry >= ColumnasNoChecked.size())
        return;
    run([&] {
        if (index.row() != dataSet->currentRow())
            dataSet->moveTo(index.row());
        dataSet->edit();
        const bool ticked = field->text() == ColumnasChecked[entry];
        field->setAsString(ticked ? ColumnasNoChecked[entry] : ColumnasChecked[entry]);
        if (AutoPostEnCheckBox)
            dataSet->post();
    });
}
