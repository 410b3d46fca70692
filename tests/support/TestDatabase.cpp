#include "TestDatabase.h"

#include "TempDir.h"
#include "config/AdminAccount.h"
#include "schema/ScriptRunner.h"
#include "schema/SystemDatabase.h"

#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <memory>

namespace {

QString templateFor(const QString& setupScript) {
    static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/tributra-templates-XXXXXX"));
    static QHash<QString, QString> made;
    if (const auto it = made.constFind(setupScript); it != made.cend())
        return *it;
    const QString path = folder.filePath(QStringLiteral("template%1.fdb").arg(made.size()));
    schema::createSystemDatabase(path, config::adminParams());
    if (!setupScript.isEmpty()) {
        db::Database database;
        database.setDatabaseName(path);
        database.setParams(config::adminParams());
        database.open();
        schema::runScript(database, setupScript, QStringLiteral("setup"));
        database.close();
    }
    made.insert(setupScript, path);
    return path;
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
