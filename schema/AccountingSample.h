#pragma once

#include <QString>
#include <QStringList>

namespace db {
class Database;
}

namespace schema {

// Fills a new sample accounting database (createAccountingDatabase) with the
// accounting of one taxpayer for the years 2016 to 2018: opening entries, invoices
// issued and received with their VAT register rows, payroll, rents and fees with their
// withholdings, intra-community operations, collections and payments, VAT and
// withholding settlements, and the year-end regularisation. Each year has a company
// number of its own: 2016 is company 1, 2017 company 2, 2018 company 3. The same
// options always give the same figures.
class AccountingSample {
public:
    enum class Taxpayer {
        Company,      // a trading company with employees
        SelfEmployed, // a consultant whose customers withhold; pays instalments (model 130)
        Landlord,     // a person who lets premises to businesses that withhold
    };

    struct Options {
        Taxpayer taxpayer = Taxpayer::Company;
        // Invoices drawn at random each month, besides the monthly rents, fees and
        // payroll: the size of the VAT register (about 36 times this many rows).
        int invoicesPerMonth = 10;
        unsigned seed = 1;
    };

    explicit AccountingSample(const Options& options) : options_(options) {}

    void fill(db::Database& database) const;
    // A new database at path, created and filled.
    void create(const QString& path, const QStringList& params) const;

    // The subaccount of the instalments paid for model 130: what a self-employed
    // taxpayer's register names as its CUENTA_PF.
    static QString instalmentAccount();

private:
    Options options_;
};

} // namespace schema
