#include "schema/ScriptDatabase.h"

#include "db/Database.h"
#include "db/Error.h"
#include "schema/ScriptRunner.h"
#include "util/Win1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace schema {

QStringList scriptsIn(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
}

void createFromScripts(const QString& path, const QStringList& params, const QString& folder) {
    if (QFileInfo::exists(path))
        throw db::Error(QStringLiteral("La base de datos %1 ya existe").arg(path));
    db::Database::create(path, params);
    db::Database database;
    database.setDatabaseName(path);
    database.setParams(params);
    database.open();
    for (const QString& name : scriptsIn(folder)) {
        QFile file(folder + u'/' + name);
        if (!file.open(QIODevice::ReadOnly))
            throw db::Error(QStringLiteral("No se puede leer el guion %1").arg(name));
        runScript(database, util::fromWin1252(file.readAll()), name);
    }
    database.close();
}

} // namespace schema
