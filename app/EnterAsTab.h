#pragma once

#include <QObject>

// Enter moves to the next control in edits, combo boxes and grids, application-wide,
// as the users of the older desktop programs type. Installed on the application.
// Enter goes through unchanged to the search form, to the search box "EBusca" (it
// applies the search) and to the grid "DBGAcumulado".
class EnterAsTab : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
