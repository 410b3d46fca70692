#include "config/ConnectionTest.h"

#include "db/Database.h"

namespace config {

void testConnection(const QString& connectionString, const QStringList& params) {
    db::Database probe;
    probe.setDatabaseName(connectionString);
    probe.setParams(params);
    probe.open();
    probe.close();
}

} // namespace config
