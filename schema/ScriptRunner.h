#pragma once

#include <QString>

namespace db {
class Database;
}

namespace schema {

// Runs a script on an open database. Definitions are committed one by one, as the
// interactive tool's autoddl does, so the next statement can use them; rows are
// committed together at the next definition, COMMIT or the end. Settings of the
// interactive tool (SET SQL DIALECT, SET NAMES, SET AUTODDL...) are skipped.
// A failing statement throws db::Error naming the script and the statement.
void runScript(db::Database& database, const QString& script, const QString& scriptName);

} // namespace schema
