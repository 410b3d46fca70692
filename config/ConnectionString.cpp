#include "config/ConnectionString.h"

namespace config {

QString connectionString(const QString& server, const QString& protocol, const QString& database) {
    if (server == u"LOCAL")
        return database;
    if (protocol == u"TCP")
        return QStringLiteral("%1:%2").arg(server, database);
    if (protocol == u"NETBEUI")
        return QStringLiteral("\\\\%1\\%2").arg(server, database);
    if (protocol == u"SPX")
        return QStringLiteral("%1@%2").arg(server, database);
    return {};
}

} // namespace config
