#include "framework/TDBGridOrder.h"

#include <QKeyEvent>
#include <QTabWidget>

TDBGridOrder::TDBGridOrder(framework::Prompts& prompts, QWidget* parent)
    : OrderedGrid(prompts, parent) {
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
}

void TDBGridOrder::keyReleaseEvent(QKeyEvent* event) {
    OrderedGrid::keyReleaseEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        showCard();
}

void TDBGridOrder::mouseDoubleClickEvent(QMouseEvent* event) {
    OrderedGrid::mouseDoubleClickEvent(event);
    showCard();
}

void TDBGridOrder::showCard() {
    if (!PermutaPaneles || !TabFicha)
        return;
    // A sheet sits in the tab widget's page stack: the tab widget is further up.
    for (QWidget* w = TabFicha->parentWidget(); w; w = w->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(w); tabs && tabs->indexOf(TabFicha) >= 0) {
            tabs->setCurrentWidget(TabFicha);
            return;
        }
    }
}
