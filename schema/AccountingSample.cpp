#include "schema/AccountingSample.h"

#include "db/Database.h"
#include "db/Transaction.h"
#include "schema/AccountingDatabase.h"
#include "schema/SampleBookkeeper.h"
#include "schema/SampleLedger.h"
#include "schema/SampleProfile.h"
#include "schema/SampleRandom.h"

namespace schema {
namespace {

constexpr int kFirstYear = 2016;
constexpr int kLastYear = 2018;

// A year mixed up with another shows at once: no two years share a company number.
int companyOf(int year) {
    return year - kFirstYear + 1;
}

} // namespace

QString AccountingSample::instalmentAccount() {
    return QStringLiteral("47300002");
}

void AccountingSample::fill(db::Database& database) const {
    const SampleProfile profile = sampleProfile(options_.taxpayer);
    SampleRandom random(options_.seed);
    db::Transaction transaction(database);
    SampleLedger ledger(database, transaction);
    SampleBookkeeper bookkeeper(ledger, profile, random, options_.invoicesPerMonth);
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        bookkeeper.keepYear(companyOf(year), year);
        transaction.commit();
    }
}

void AccountingSample::create(const QString& path, const QStringList& params) const {
    createAccountingDatabase(path, params);
    db::Database database;
    database.setDatabaseName(path);
    database.setParams(params);
    database.open();
    fill(database);
    database.close();
}

} // namespace schema
