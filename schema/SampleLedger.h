#pragma once

#include "db/Statement.h"
#include "schema/SampleInvoice.h"

#include <QDate>
#include <QString>

#include <map>
#include <vector>

namespace db {
class Database;
class Transaction;
} // namespace db

namespace schema {

struct SampleParty;

// Writes a company's year into the accounting tables through prepared statements, and
// keeps the balances of what it wrote, so that the sample can settle, pay and close
// from its own figures.
class SampleLedger {
public:
    SampleLedger(db::Database& database, db::Transaction& transaction);

    // Begins a year: entries are numbered from 1 again; the balances start empty, for
    // the opening entry to bring them back.
    void startYear(int company, int year);
    int year() const { return year_; }

    // Posts a balanced entry and returns its number.
    int post(const QDate& date, int period, const QString& description,
             const std::vector<JournalLine>& lines);
    // Posts an invoice's entry in its month and its row of the VAT register.
    void postInvoice(const SampleInvoice& invoice);

    // Balance of the subaccounts under a prefix over the year so far, debit positive.
    qint64 balance(const QString& prefix) const;
    // The non-zero balances under a prefix, by subaccount.
    std::vector<JournalLine> balances(const QString& prefix) const;
    // Debits minus credits of the months so far, without the opening.
    qint64 movements(const QString& prefix) const;

    // The year's chart: every subaccount it used, with the parties' names and numbers;
    // its company's row in T_PARAMETROS; and the VAT settlements of its quarters and
    // months.
    void close(const QString& companyName, const std::vector<SampleParty>& parties);

private:
    static qint64 sumUnder(const std::map<QString, qint64>& amounts, const QString& prefix);
    void registerInvoice(int entry, const SampleInvoice& invoice);
    void writeChart(const std::vector<SampleParty>& parties);
    void settleVat(const QString& period, const QDate& from, const QDate& to);

    db::Statement line_;
    db::Statement invoice_;
    db::Statement subaccount_;
    db::Statement parameters_;
    db::Statement settlement_;
    int company_ = 0;
    int year_ = 0;
    int entry_ = 0;
    std::map<QString, qint64> balances_;
    std::map<QString, qint64> movements_;
};

} // namespace schema
