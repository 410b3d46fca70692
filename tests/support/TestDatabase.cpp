#include "TestDatabase.h"

#include "TempDir.h"
#include "TemplateCache.h"
#include "config/AdminAccount.h"
#include "schema/ScriptRunner.h"
#include "schema/SystemDatabase.h"

#include <QFile>

namespace {

QString templateFor(const QString& setupScript) {
    return templates::cached(QStringLiteral("system\n") + setupScript, [&](const QString& path) {
        schema::createSystemDatabase(path, config::adminParams());
        if (setupScript.isEmpty())
            return;
        db::Database database;
        database.setDatabaseName(path);
        database.setParams(config::adminParams());
        database.open();
        schema::runScript(database, setupScript, QStringLiteral("setup"));
        database.close();
    });
}

} // namespace

TestDatabase::TestDatabase(const TempDir& dir, const QString& setupScript, const QString& fileName)
    : path_(dir.file(fileName)) {
    QFile::copy(templateFor(setupScript), path_);
    QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner);
    configure(database_);
    database_.open();
}

void TestDatabase::configure(db::Database& other) const {
    other.setDatabaseName(path_);
    other.setParams(config::adminParams());
}
