#include "AccountingTestDatabase.h"

#include "TempDir.h"
#include "TemplateCache.h"
#include "config/AdminAccount.h"

#include <QFile>

namespace {

QString templateFor(const schema::AccountingSample::Options& options) {
    const QString key = QStringLiteral("accounting %1 %2 %3")
                            .arg(int(options.taxpayer))
                            .arg(options.invoicesPerMonth)
                            .arg(options.seed);
    return templates::cached(key, [&](const QString& path) {
        schema::AccountingSample(options).create(path, config::adminParams());
    });
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
