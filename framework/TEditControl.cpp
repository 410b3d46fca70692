#include "framework/TEditControl.h"

#include <QTabWidget>

namespace {

QTabWidget* pageControlOf(QWidget* sheet) {
    for (QWidget* w = sheet ? sheet->parentWidget() : nullptr; w; w = w->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(w))
            return tabs;
    return nullptr;
}

} // namespace

// With visible, the sheet's tab shows and the sheet comes to the front; either way the
// other sheets' tabs take the visibility given.
void TEditControl::showSheet(QWidget* sheet, bool visible) {
    QTabWidget* tabs = pageControlOf(sheet);
    if (!tabs)
        return;
    const int own = tabs->indexOf(sheet);
    if (visible) {
        tabs->setTabVisible(own, true);
        tabs->setCurrentIndex(own);
    }
    for (int i = 0; i < tabs->count(); ++i)
        if (i != own)
            tabs->setTabVisible(i, visible);
}

void TEditControl::Editando(bool editing) {
    if (editing == editing_)
        return;
    editing_ = editing;
    if (FichaExclusiva)
        showSheet(FichaExclusiva, !editing);
    if (FichaEdicion)
        showSheet(FichaEdicion, !editing);
    if (PanelEdicion)
        PanelEdicion->setEnabled(editing);
    if (Complementario)
        Complementario->setEnabled(!editing);
}

void TEditControl::MuestraFicha() {
    if (QTabWidget* tabs = pageControlOf(FichaEdicion))
        tabs->setCurrentWidget(FichaEdicion);
}
