#include "schema/SystemDatabase.h"

#include "db/Database.h"
#include "db/Error.h"
#include "schema/ScriptRunner.h"
#include "util/Win1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace schema {
namespace {

const QString kScripts = QStringLiteral(":/schema/system");

} // namespace

QStringList systemScripts() {
    return QDir(kScripts).entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
}

void createSystemDatabase(const QString& path, const QStringList& params) {
    if (QFileInfo::exists(path))
        throw db::Error(QStringLiteral("La base de datos %1 ya existe").arg(path));
    db::Database::create(path, params);
    db::Database database;
    database.setDatabaseName(path);
    database.setParams(params);
    database.open();
    for (const QString& name : systemScripts()) {
        QFile file(kScripts + u'/' + name);
        if (!file.open(QIODevice::ReadOnly))
            throw db::Error(QStringLiteral("No se puede leer el guion %1").arg(name));
        runScript(database, util::fromWin1252(file.readAll()), name);
    }
    database.close();
}

} // namespace schema
