#pragma once

#include <QString>
#include <QStringList>

namespace schema {

// A new system database at path, built from the scripts of schema/system in the order
// of their names. Fails when the file exists.
void createSystemDatabase(const QString& path, const QStringList& params);

// The names of those scripts, in order.
QStringList systemScripts();

} // namespace schema
