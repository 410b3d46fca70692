#include "schema/SystemDatabase.h"

#include "schema/ScriptDatabase.h"

namespace schema {
namespace {

const QString kScripts = QStringLiteral(":/schema/system");

} // namespace

QStringList systemScripts() {
    return scriptsIn(kScripts);
}

void createSystemDatabase(const QString& path, const QStringList& params) {
    createFromScripts(path, params, kScripts);
}

} // namespace schema
