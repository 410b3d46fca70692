#pragma once

#include <QString>
#include <QStringList>

namespace config {

// Connects to the database once with the given parameters and lets go; the database's
// own error when it fails.
void testConnection(const QString& connectionString, const QStringList& params);

} // namespace config
