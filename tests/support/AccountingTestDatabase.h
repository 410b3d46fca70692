#pragma once

#include "db/Database.h"
#include "schema/AccountingSample.h"

#include <QString>

class TempDir;

// A sample accounting database generated once per test binary for each set of options,
// copied into each test's folder and opened: generating one takes a second or so.
class AccountingTestDatabase {
public:
    // A small sample: a few invoices a month, a few hundred register rows in all.
    static schema::AccountingSample::Options smallSample(
        schema::AccountingSample::Taxpayer taxpayer = schema::AccountingSample::Taxpayer::Company);

    AccountingTestDatabase(const TempDir& dir,
                           const schema::AccountingSample::Options& options = smallSample(),
                           const QString& fileName = QStringLiteral("contabilidad.fdb"));

    const QString& path() const { return path_; }
    db::Database& database() { return database_; }

private:
    QString path_;
    db::Database database_;
};
