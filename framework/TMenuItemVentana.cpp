#include "framework/TMenuItemVentana.h"

#include <QMenu>

TMenuItemVentana::TMenuItemVentana(QWidget* form, QAction* command, QMenu* menu)
    : QAction(command->text(), form), menu_(menu) {
    connect(this, &QAction::triggered, command, &QAction::trigger);
    menu->addAction(this);
}

TMenuItemVentana::~TMenuItemVentana() {
    if (!menu_)
        return;
    menu_->removeAction(this);
    const QList<QAction*> items = menu_->actions();
    if (items.isEmpty())
        return;
    if (auto* form = qobject_cast<QWidget*>(items.last()->parent()))
        form->activateWindow();
}
