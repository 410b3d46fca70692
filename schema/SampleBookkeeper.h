#pragma once

#include "schema/SampleInvoice.h"

#include <QDate>

#include <functional>
#include <vector>

namespace schema {

class SampleLedger;
class SampleRandom;
struct SampleOperation;
struct SampleProfile;

// Keeps a taxpayer's books year after year, the way its accountant would: invoices
// through the month, payroll and collections at its end, withholdings and VAT paid in
// the month after each quarter, and the year's result closed into 129 and carried.
class SampleBookkeeper {
public:
    SampleBookkeeper(SampleLedger& ledger, const SampleProfile& profile, SampleRandom& random,
                     int invoicesPerMonth);

    // The years must come in order: each opens with the balances the last one left.
    void keepYear(int company, int year);

private:
    struct Event {
        int day;
        std::function<void()> post;
    };

    void open();
    void keepMonth(int month);
    void addInvoices(std::vector<Event>& events, int month);
    void addPayments(std::vector<Event>& events, int month);
    void addMonthEnd(std::vector<Event>& events, int month);
    const SampleOperation& drawOperation();
    void postInvoice(const SampleOperation& operation, const QDate& date);
    void postPayroll(const QDate& date);
    void settleParties(const QDate& date, const std::vector<JournalLine>& owed);
    void pay(const QDate& date, const QString& description, const std::vector<JournalLine>& owed);
    void settleVat(const QDate& date);
    void reckonInstalment();
    void distributeResult(const QDate& date);
    void regularise();
    QDate day(int month, int day) const;

    SampleLedger& ledger_;
    const SampleProfile& profile_;
    SampleRandom& random_;
    int invoicesPerMonth_;
    bool first_ = true;
    std::vector<JournalLine> carried_;
    qint64 openingResult_ = 0;
    qint64 pendingInstalment_ = 0;
    int issued_ = 0;
    int received_ = 0;
};

} // namespace schema
