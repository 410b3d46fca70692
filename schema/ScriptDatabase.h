#pragma once

#include <QString>
#include <QStringList>

namespace schema {

// A new database at path, built from the scripts of a resource folder in the order of
// their names. Fails when the file exists.
void createFromScripts(const QString& path, const QStringList& params, const QString& folder);

// The names of a resource folder's scripts, in order.
QStringList scriptsIn(const QString& folder);

} // namespace schema
