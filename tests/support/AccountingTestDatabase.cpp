#include "AccountingTestDatabase.h"

#include "TempDir.h"
#include "config/AdminAccount.h"

#include <QFile>
#include <QMap>
#include <QTemporaryDir>

#include <tuple>

namespace {

QString templateFor(const schema::AccountingSample::Options& options) {
    static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/tributra-accounting-XXXXXX"));
    static QMap<std::tuple<int, int, unsigned>, QString> made;
    const auto key = std::make_tuple(int(options.taxpayer), options.invoicesPerMonth, options.seed);
    if (const auto it = made.constFind(key); it != made.cend())
        return *it;
    const QString path = folder.filePath(QStringLiteral("sample%1.fdb").arg(made.size()));
    try {
        schema::AccountingSample(options).create(path, config::adminParams());
    } catch (...) {
        // Every later test should fail on the same error, not on a half-made file.
        QFile::remove(path);
        throw;
    }
    made.insert(key, path);
    return path;
}

} // namespace

schema::AccountingSample::Options
AccountingTestDatabase::smallSample(schema::AccountingSample::Taxpayer taxpayer) {
    schema::AccountingSample::Options options;
    options.taxpayer = taxpayer;
    options.invoicesPerMonth = 6;
    return options;
}

AccountingTestDatabase::AccountingTestDatabase(const TempDir& dir,
                                               const schema::AccountingSample::Options& options,
                                               const QString& fileName)
    : path_(dir.file(fileName)) {
    QFile::copy(templateFor(options), path_);
    QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner);
    database_.setDatabaseName(path_);
    database_.setParams(config::adminParams());
    database_.open();
}
