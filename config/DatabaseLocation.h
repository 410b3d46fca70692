#pragma once

#include <QString>
#include <QStringList>

namespace config {

// What the location dialog edits: where the system's database lives, and the
// parameters its connection test uses.
struct DatabaseLocation {
    QString databaseName;
    bool remote = false;
    QString server;
    QString protocol;
    QStringList params;
};

} // namespace config
