#pragma once

#include <QString>

namespace config {

// How the system's database is named to the client: the path alone for "LOCAL",
// otherwise joined to the server by the protocol's rule ("TCP" server:path, "NETBEUI"
// \\server\path, "SPX" server@path). Anything else, lower case included, is empty.
QString connectionString(const QString& server, const QString& protocol, const QString& database);

} // namespace config
