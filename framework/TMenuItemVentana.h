#pragma once

#include <QAction>
#include <QPointer>

class QMenu;

// The "Ventanas" item of an open form: owned by the form, it leaves the menu with it;
// choosing it runs again the command that opened the form, which brings it to the front.
class TMenuItemVentana : public QAction {
    Q_OBJECT
public:
    TMenuItemVentana(QWidget* form, QAction* command, QMenu* menu);
    // Once out of the menu, the form of the last item left takes the focus.
    ~TMenuItemVentana() override;

private:
    QPointer<QMenu> menu_;
};
