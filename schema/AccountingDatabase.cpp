#include "schema/AccountingDatabase.h"

#include "schema/ScriptDatabase.h"

namespace schema {

void createAccountingDatabase(const QString& path, const QStringList& params) {
    createFromScripts(path, params, QStringLiteral(":/schema/accounting"));
}

} // namespace schema
