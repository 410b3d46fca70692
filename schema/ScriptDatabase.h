#pragma once

#include <QString>
#include <QStringList>

namespace schema {

// A new database at a local path, built from the scripts of a folder (a resource folder
// or one on disk) in the order of their names. Fails when the file exists; a failing
// script leaves no file behind and names itself and its statement.
void createFromScripts(const QString& path, const QStringList& params, const QString& folder);

// The names of a resource folder's scripts, in order.
QStringList scriptsIn(const QString& folder);

} // namespace schema
