#include "schema/SampleBookkeeper.h"

#include "schema/AccountingSample.h"
#include "schema/SampleLedger.h"
#include "schema/SampleProfile.h"
#include "schema/SampleRandom.h"

#include <algorithm>
#include <numeric>

namespace schema {
namespace {

const QString kBank = QStringLiteral("57200000");
const QString kResult = QStringLiteral("12900000");
const QString kReserves = QStringLiteral("11300000");
const QString kCapital = QStringLiteral("10000000");
const QString kOwner = QStringLiteral("55000000");
const QString kWages = QStringLiteral("64000000");
const QString kEmployerSocialSecurity = QStringLiteral("64200000");
const QString kSocialSecurity = QStringLiteral("47600000");
const QString kWagesWithheld = QStringLiteral("47510001");
const QString kBorne = QStringLiteral("47300001");
const QString kInputVat = QStringLiteral("47200000");
const QString kOutputVat = QStringLiteral("47700000");
const QString kVatPayable = QStringLiteral("47500000");
const QString kVatReceivable = QStringLiteral("47000000");
constexpr int kEmployeeSocialSecurity = 64; // tenths of a per cent
constexpr int kEmployerSocialSecurityRate = 299;
constexpr int kInstalmentRate = 200;
constexpr int kPaymentDay = 20;
constexpr int kSocialSecurityDay = 25;

JournalLine reversed(const JournalLine& line) {
    return {line.account, line.credit, line.debit};
}

// Lines that move the balances given onto one other account.
std::vector<JournalLine> transfer(const std::vector<JournalLine>& balances, const QString& onto) {
    std::vector<JournalLine> lines;
    qint64 net = 0;
    for (const JournalLine& b : balances) {
        lines.push_back(reversed(b));
        net += b.debit - b.credit;
    }
    if (net != 0)
        lines.push_back({onto, std::max<qint64>(net, 0), std::max<qint64>(-net, 0)});
    return lines;
}

} // namespace

SampleBookkeeper::SampleBookkeeper(SampleLedger& ledger, const SampleProfile& profile,
                                   SampleRandom& random, int invoicesPerMonth)
    : ledger_(ledger), profile_(profile), random_(random), invoicesPerMonth_(invoicesPerMonth) {}

QDate SampleBookkeeper::day(int month, int day) const {
    const QDate first(ledger_.year(), month, 1);
    return first.addDays(std::min(day, first.daysInMonth()) - 1);
}

void SampleBookkeeper::keepYear(int company, int year) {
    ledger_.startYear(company, year);
    issued_ = 0;
    received_ = 0;
    open();
    for (int month = 1; month <= 12; ++month)
        keepMonth(month);
    regularise();
    ledger_.close(profile_.name, profile_.parties);
    carried_ = ledger_.balances(QString());
}

void SampleBookkeeper::open() {
    std::vector<JournalLine> lines = carried_;
    if (first_) {
        for (const auto& [account, cents] : profile_.opening)
            lines.push_back({account, std::max<qint64>(cents, 0), std::max<qint64>(-cents, 0)});
        first_ = false;
    }
    ledger_.post(day(1, 1), 0, QStringLiteral("Asiento de apertura"), lines);
    openingResult_ = ledger_.balance(kResult);
}

void SampleBookkeeper::keepMonth(int month) {
    std::vector<Event> events;
    addInvoices(events, month);
    addPayments(events, month);
    addMonthEnd(events, month);
    std::stable_sort(events.begin(), events.end(),
                     [](const Event& a, const Event& b) { return a.day < b.day; });
    for (const Event& e : events)
        e.post();
}

void SampleBookkeeper::addInvoices(std::vector<Event>& events, int month) {
    for (size_t i = 0; i < profile_.monthly.size(); ++i) {
        const QDate date = day(month, 1 + 4 * int(i));
        const SampleOperation& op = profile_.monthly[i];
        events.push_back({date.day(), [this, &op, date] { postInvoice(op, date); }});
    }
    for (const auto& yearly : profile_.yearly)
        if (yearly.first == month)
            events.push_back({15, [this, &op = yearly.second, date = day(month, 15)] {
                                  postInvoice(op, date);
                              }});
    for (int i = 0; i < invoicesPerMonth_ && !profile_.drawn.empty(); ++i) {
        const QDate date = day(month, int(random_.between(1, 28)));
        const SampleOperation& op = drawOperation();
        events.push_back({date.day(), [this, &op, date] { postInvoice(op, date); }});
    }
}

// What was owed when the month began is paid within it: social security the month
// after, withholdings and VAT on the 20th after each quarter.
void SampleBookkeeper::addPayments(std::vector<Event>& events, int month) {
    const QDate ssDay = day(month, kSocialSecurityDay);
    const std::vector<JournalLine> ss = ledger_.balances(kSocialSecurity);
    events.push_back({ssDay.day(), [this, ss, ssDay] {
                          pay(ssDay, QStringLiteral("Pago Seguridad Social"), ss);
                      }});
    if (month % 3 != 1)
        return;
    const QDate taxDay = day(month, kPaymentDay);
    std::vector<JournalLine> taxes = ledger_.balances(QStringLiteral("4751"));
    const std::vector<JournalLine> vat = ledger_.balances(kVatPayable);
    taxes.insert(taxes.end(), vat.begin(), vat.end());
    const qint64 instalment = pendingInstalment_;
    pendingInstalment_ = 0;
    if (instalment > 0)
        // The fourth quarter's instalment is paid in January, for the owner's past year.
        taxes.push_back(
            {month == 1 ? kOwner : AccountingSample::instalmentAccount(), 0, instalment});
    events.push_back({taxDay.day(), [this, taxes, taxDay] {
                          pay(taxDay, QStringLiteral("Pago impuestos del trimestre"), taxes);
                      }});
}

void SampleBookkeeper::addMonthEnd(std::vector<Event>& events, int month) {
    const QDate last = day(month, 31);
    std::vector<JournalLine> owed;
    for (const SampleParty& party : profile_.parties) {
        const std::vector<JournalLine> b = ledger_.balances(party.account);
        owed.insert(owed.end(), b.begin(), b.end());
    }
    events.push_back({last.day(), [this, last, owed, month] {
                          if (!profile_.employees.empty())
                              postPayroll(last);
                          settleParties(last, owed);
                          if (month == 6)
                              distributeResult(last);
                          if (month % 3 == 0) {
                              settleVat(last);
                              if (profile_.person)
                                  reckonInstalment();
                          }
                      }});
}

const SampleOperation& SampleBookkeeper::drawOperation() {
    const int total =
        std::accumulate(profile_.drawn.begin(), profile_.drawn.end(), 0,
                        [](int sum, const SampleOperation& op) { return sum + op.weight; });
    qint64 pick = random_.between(1, total);
    for (const SampleOperation& op : profile_.drawn) {
        pick -= op.weight;
        if (pick <= 0)
            return op;
    }
    return profile_.drawn.back();
}

void SampleBookkeeper::postInvoice(const SampleOperation& operation, const QDate& date) {
    SampleInvoice invoice =
        SampleInvoice::draw(operation, profile_.parties[size_t(operation.party)], random_);
    invoice.date = date;
    const int year = ledger_.year() % 100;
    invoice.number = operation.book == u'R'
                         ? QStringLiteral("F%1/%2").arg(year).arg(++issued_, 6, 10, QChar(u'0'))
                         : QStringLiteral("FV%1-%2").arg(year).arg(++received_, 6, 10, QChar(u'0'));
    ledger_.postInvoice(invoice);
}

void SampleBookkeeper::postPayroll(const QDate& date) {
    qint64 employer = 0;
    std::vector<JournalLine> net;
    for (const SampleEmployee& e : profile_.employees) {
        const SampleParty& person = profile_.parties[size_t(e.party)];
        const qint64 gross = qint64(e.grossEuros) * 100 + random_.between(0, e.grossEuros * 5);
        const qint64 withheld = percentOf(gross, e.withholdingTenths);
        const qint64 ss = percentOf(gross, kEmployeeSocialSecurity);
        ledger_.post(date, date.month(), QStringLiteral("Nomina ") + person.name,
                     {{kWages, gross, 0},
                      {kWagesWithheld, 0, withheld},
                      {kSocialSecurity, 0, ss},
                      {person.account, 0, gross - withheld - ss}});
        employer += percentOf(gross, kEmployerSocialSecurityRate);
        net.push_back({person.account, 0, gross - withheld - ss});
    }
    ledger_.post(date, date.month(), QStringLiteral("Seguridad Social a cargo de la empresa"),
                 {{kEmployerSocialSecurity, employer, 0}, {kSocialSecurity, 0, employer}});
    pay(date, QStringLiteral("Pago de nominas"), net);
}

void SampleBookkeeper::settleParties(const QDate& date, const std::vector<JournalLine>& owed) {
    for (const JournalLine& balance : owed)
        pay(date,
            (balance.debit ? QStringLiteral("Cobro ") : QStringLiteral("Pago ")) + balance.account,
            {balance});
}

// Clears the balances given against the bank.
void SampleBookkeeper::pay(const QDate& date, const QString& description,
                           const std::vector<JournalLine>& owed) {
    if (!owed.empty())
        ledger_.post(date, date.month(), description, transfer(owed, kBank));
}

void SampleBookkeeper::settleVat(const QDate& date) {
    const qint64 output = -ledger_.balance(kOutputVat);
    const qint64 input = ledger_.balance(kInputVat);
    std::vector<JournalLine> lines = {{kOutputVat, output, 0}, {kInputVat, 0, input}};
    if (output >= input)
        lines.push_back({kVatPayable, 0, output - input});
    else
        lines.push_back({kVatReceivable, input - output, 0});
    ledger_.post(date, date.month(), QStringLiteral("Liquidacion de IVA"), lines);
}

// Model 130: a fifth of the year's yield so far, less the instalments already paid and
// the withholdings borne, is paid on the 20th of the next month.
void SampleBookkeeper::reckonInstalment() {
    const qint64 yield =
        -ledger_.movements(QStringLiteral("7")) - ledger_.movements(QStringLiteral("6"));
    const qint64 due = percentOf(std::max<qint64>(yield, 0), kInstalmentRate) -
                       ledger_.movements(AccountingSample::instalmentAccount()) -
                       ledger_.movements(kBorne);
    pendingInstalment_ = std::max<qint64>(due, 0);
}

void SampleBookkeeper::distributeResult(const QDate& date) {
    if (openingResult_ == 0)
        return;
    const JournalLine result{kResult, std::max<qint64>(openingResult_, 0),
                             std::max<qint64>(-openingResult_, 0)};
    ledger_.post(date, date.month(), QStringLiteral("Distribucion del resultado"),
                 transfer({result}, profile_.person ? kCapital : kReserves));
}

void SampleBookkeeper::regularise() {
    const QDate last = day(12, 31);
    std::vector<JournalLine> results = ledger_.balances(QStringLiteral("6"));
    const std::vector<JournalLine> income = ledger_.balances(QStringLiteral("7"));
    results.insert(results.end(), income.begin(), income.end());
    if (!results.empty())
        ledger_.post(last, 13, QStringLiteral("Regularizacion"), transfer(results, kResult));
    if (profile_.person && !ledger_.balances(QStringLiteral("473")).empty())
        ledger_.post(last, 13, QStringLiteral("Retenciones y pagos a cuenta al titular"),
                     transfer(ledger_.balances(QStringLiteral("473")), kOwner));
}

} // namespace schema
