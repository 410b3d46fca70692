#include "schema/ScriptDatabase.h"

#include "db/Database.h"
#include "db/Error.h"
#include "schema/ScriptRunner.h"
#include "util/Win1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace schema {
namespace {

void runScripts(const QString& path, const QStringList& params, const QString& folder) {
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

} // namespace

QStringList scriptsIn(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
}

// Built under another name and given its own only when every script has run: a failure, a
// full disk or a kill half-way never leaves a file that the next start opens as if whole.
void createFromScripts(const QString& path, const QStringList& params, const QString& folder) {
    if (QFileInfo::exists(path))
        throw db::Error(QStringLiteral("La base de datos %1 ya existe").arg(path));
    const QString partial = path + QStringLiteral(".part");
    QFile::remove(partial); // what a killed build left
    try {
        runScripts(partial, params, folder);
    } catch (...) {
        QFile::remove(partial);
        throw;
    }
    QFile built(partial);
    if (!built.rename(path)) {
        const QString why = built.errorString();
        built.remove();
        throw db::Error(QStringLiteral("No se puede dar su nombre a la base de datos %1: %2")
                            .arg(path, why));
    }
}

} // namespace schema
