#include "app/EnterAsTab.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

bool isEnter(const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool keepsEnter(const QWidget* control) {
    const QWidget* window = QApplication::activeWindow();
    if (window && window->inherits("TFormBusqueda"))
        return true;
    if (qobject_cast<const QLineEdit*>(control) && control->objectName() == u"EBusca")
        return true;
    return qobject_cast<const QAbstractItemView*>(control) &&
           control->objectName() == u"DBGAcumulado";
}

bool takesEnterAsTab(const QWidget* control) {
    return qobject_cast<const QLineEdit*>(control) ||
           qobject_cast<const QAbstractSpinBox*>(control) ||
           qobject_cast<const QComboBox*>(control) ||
           qobject_cast<const QAbstractItemView*>(control);
}

} // namespace

bool EnterAsTab::eventFilter(QObject* watched, QEvent* event) {
    // The key reaches the focused control first; what it passes on to its parents is
    // no longer the control's Enter.
    QWidget* control = QApplication::focusWidget();
    if (!isEnter(event) || watched != control || keepsEnter(control) || !takesEnterAsTab(control))
        return QObject::eventFilter(watched, event);
    const auto* enter = static_cast<const QKeyEvent*>(event);
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, enter->modifiers() & ~Qt::KeypadModifier);
    QApplication::sendEvent(control, &tab);
    return true;
}
