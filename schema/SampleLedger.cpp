#include "schema/SampleLedger.h"

#include "db/Error.h"
#include "schema/SampleProfile.h"

#include <QHash>

#include <algorithm>

namespace schema {
namespace {

double euros(qint64 cents) {
    return double(cents) / 100.0;
}

// Titles of the chart's accounts, by the longest prefix that has one.
QString titleOf(const QString& account) {
    static const QHash<QString, QString> titles = {
        {"100", "Capital"},
        {"113", "Reservas voluntarias"},
        {"129", "Resultado del ejercicio"},
        {"210", "Terrenos y bienes naturales"},
        {"211", "Construcciones"},
        {"216", "Mobiliario"},
        {"217", "Equipos para procesos de informacion"},
        {"4700", "Hacienda Publica, deudora por IVA"},
        {"472", "Hacienda Publica, IVA soportado"},
        {"47300001", "Retenciones soportadas"},
        {"47300002", "Pagos fraccionados modelo 130"},
        {"4750", "Hacienda Publica, acreedora por IVA"},
        {"47510001", "Retenciones rendimientos del trabajo"},
        {"47510002", "Retenciones actividades profesionales"},
        {"47510003", "Retenciones arrendamientos urbanos"},
        {"476", "Organismos de la Seguridad Social"},
        {"477", "Hacienda Publica, IVA repercutido"},
        {"550", "Titular de la explotacion"},
        {"572", "Bancos"},
        {"600", "Compras de mercaderias"},
        {"621", "Arrendamientos y canones"},
        {"622", "Reparaciones y conservacion"},
        {"623", "Servicios profesionales independientes"},
        {"628", "Suministros"},
        {"629", "Otros servicios"},
        {"640", "Sueldos y salarios"},
        {"642", "Seguridad Social a cargo de la empresa"},
        {"700", "Ventas de mercaderias"},
        {"705", "Prestaciones de servicios"},
        {"752", "Ingresos por arrendamientos"},
    };
    for (qsizetype n = account.size(); n > 0; --n)
        if (const auto it = titles.constFind(account.left(n)); it != titles.cend())
            return *it;
    return account;
}

} // namespace

SampleLedger::SampleLedger(db::Database& database, db::Transaction& transaction)
    : line_(database, transaction), invoice_(database, transaction),
      subaccount_(database, transaction), parameters_(database, transaction),
      settlement_(database, transaction) {
    line_.setSql(QStringLiteral(
        "insert into T_APUNTES (EMPRESA, EJERCICIO, ASIENTO, APUNTE, FECHA, PERIODO, SUBCUENTA, "
        "DEBE, HABER, CONCEPTO) values (:EMPRESA, :EJERCICIO, :ASIENTO, :APUNTE, :FECHA, "
        ":PERIODO, :SUBCUENTA, :DEBE, :HABER, :CONCEPTO)"));
    invoice_.setSql(QStringLiteral(
        "insert into T_REGISTRO_IVA (EMPRESA, EJERCICIO, ASIENTO, FECHA, FECHA_DCTO, NUMERO_FRA, "
        "NOMBRE, CIF, TIPOREGISTRO, TIPOIVA, TIPOASIENTO, SUBCUENTA_DEBE, SUBCUENTA_HABER, "
        "BASE0, BASE1, BASE2, BASE3, TIPO1, TIPO2, TIPO3, IVA1, IVA2, IVA3, "
        "BASE_REC1, BASE_REC2, BASE_REC3, TIPO_REC1, TIPO_REC2, TIPO_REC3, "
        "IVA_REC1, IVA_REC2, IVA_REC3) values (:EMPRESA, :EJERCICIO, :ASIENTO, :FECHA, :FECHA, "
        ":NUMERO_FRA, :NOMBRE, :CIF, :TIPOREGISTRO, :TIPOIVA, :TIPOASIENTO, :SUBCUENTA_DEBE, "
        ":SUBCUENTA_HABER, :BASE0, :BASE1, :BASE2, :BASE3, :TIPO1, :TIPO2, :TIPO3, "
        ":IVA1, :IVA2, :IVA3, :BASE_REC1, :BASE_REC2, :BASE_REC3, :TIPO_REC1, :TIPO_REC2, "
        ":TIPO_REC3, :IVA_REC1, :IVA_REC2, :IVA_REC3)"));
    subaccount_.setSql(QStringLiteral(
        "insert into T_SUBCUENTAS (EMPRESA, EJERCICIO, SUBCUENTA, TITULO, CIF, COD_POSTAL) "
        "values (:EMPRESA, :EJERCICIO, :SUBCUENTA, :TITULO, :CIF, :COD_POSTAL)"));
    parameters_.setSql(QStringLiteral("insert into T_PARAMETROS (EJERCICIO, EMPRESA, NOMBRE) "
                                      "values (:EJERCICIO, :EMPRESA, :NOMBRE)"));
    settlement_.setSql(
        QStringLiteral("execute procedure pa_liquida_iva :EMPRESA, :EJERCICIO, :PERIODO, "
                       ":FECHA_INICIO, :FECHA_FIN"));
}

void SampleLedger::startYear(int company, int year) {
    company_ = company;
    year_ = year;
    entry_ = 0;
    balances_.clear();
    movements_.clear();
}

int SampleLedger::post(const QDate& date, int period, const QString& description,
                       const std::vector<JournalLine>& lines) {
    qint64 difference = 0;
    for (const JournalLine& l : lines)
        difference += l.debit - l.credit;
    if (difference != 0)
        throw db::Error(QStringLiteral("Asiento descuadrado: %1").arg(description));
    ++entry_;
    line_.setParam(QStringLiteral("EMPRESA"), company_);
    line_.setParam(QStringLiteral("EJERCICIO"), year_);
    line_.setParam(QStringLiteral("ASIENTO"), entry_);
    line_.setParam(QStringLiteral("FECHA"), date);
    line_.setParam(QStringLiteral("PERIODO"), period);
    line_.setParam(QStringLiteral("CONCEPTO"), description.left(40));
    int number = 0;
    for (const JournalLine& l : lines) {
        line_.setParam(QStringLiteral("APUNTE"), ++number);
        line_.setParam(QStringLiteral("SUBCUENTA"), l.account);
        line_.setParam(QStringLiteral("DEBE"), euros(l.debit));
        line_.setParam(QStringLiteral("HABER"), euros(l.credit));
        line_.execute();
        balances_[l.account] += l.debit - l.credit;
        if (period >= 1 && period <= 12)
            movements_[l.account] += l.debit - l.credit;
    }
    return entry_;
}

void SampleLedger::postInvoice(const SampleInvoice& invoice) {
    const QString description =
        QStringLiteral("Fra. %1 %2").arg(invoice.number, invoice.party->name);
    registerInvoice(post(invoice.date, invoice.date.month(), description, invoice.lines()),
                    invoice);
}

void SampleLedger::registerInvoice(int entry, const SampleInvoice& invoice) {
    const SampleOperation& op = *invoice.operation;
    const bool issued = op.book == u'R';
    db::Statement& s = invoice_;
    s.setParam(QStringLiteral("EMPRESA"), company_);
    s.setParam(QStringLiteral("EJERCICIO"), year_);
    s.setParam(QStringLiteral("ASIENTO"), entry);
    s.setParam(QStringLiteral("FECHA"), invoice.date);
    s.setParam(QStringLiteral("NUMERO_FRA"), invoice.number);
    s.setParam(QStringLiteral("NOMBRE"), invoice.party->name.left(42));
    s.setParam(QStringLiteral("CIF"), invoice.party->taxNumber);
    s.setParam(QStringLiteral("TIPOREGISTRO"), QString(op.book));
    s.setParam(QStringLiteral("TIPOIVA"), QString(op.vatKind));
    s.setParam(QStringLiteral("TIPOASIENTO"), QString(op.entryKind));
    s.setParam(QStringLiteral("SUBCUENTA_DEBE"), issued ? invoice.party->account : op.account);
    s.setParam(QStringLiteral("SUBCUENTA_HABER"), issued ? op.account : invoice.party->account);
    s.setParam(QStringLiteral("BASE0"), euros(invoice.exempt));
    for (size_t i = 0; i < 3; ++i) {
        const QString n = QString::number(i + 1);
        const bool used = invoice.bases[i] != 0;
        const bool surcharged = invoice.surcharges[i] != 0;
        s.setParam(QStringLiteral("BASE") + n, euros(invoice.bases[i]));
        s.setParam(QStringLiteral("TIPO") + n, used ? SampleInvoice::kRates[i] / 10.0 : 0.0);
        s.setParam(QStringLiteral("IVA") + n, euros(invoice.quotas[i]));
        s.setParam(QStringLiteral("BASE_REC") + n, euros(surcharged ? invoice.bases[i] : 0));
        s.setParam(QStringLiteral("TIPO_REC") + n,
                   surcharged ? SampleInvoice::kSurcharges[i] / 10.0 : 0.0);
        s.setParam(QStringLiteral("IVA_REC") + n, euros(invoice.surcharges[i]));
    }
    s.execute();
}

qint64 SampleLedger::sumUnder(const std::map<QString, qint64>& amounts, const QString& prefix) {
    qint64 total = 0;
    for (auto it = amounts.lower_bound(prefix); it != amounts.end() && it->first.startsWith(prefix);
         ++it)
        total += it->second;
    return total;
}

qint64 SampleLedger::balance(const QString& prefix) const {
    return sumUnder(balances_, prefix);
}

qint64 SampleLedger::movements(const QString& prefix) const {
    return sumUnder(movements_, prefix);
}

std::vector<JournalLine> SampleLedger::balances(const QString& prefix) const {
    std::vector<JournalLine> found;
    for (auto it = balances_.lower_bound(prefix);
         it != balances_.end() && it->first.startsWith(prefix); ++it)
        if (it->second != 0)
            found.push_back(
                {it->first, std::max<qint64>(it->second, 0), std::max<qint64>(-it->second, 0)});
    return found;
}

void SampleLedger::close(const QString& companyName, const std::vector<SampleParty>& parties) {
    writeChart(parties);
    parameters_.setParam(QStringLiteral("EJERCICIO"), year_);
    parameters_.setParam(QStringLiteral("EMPRESA"), company_);
    parameters_.setParam(QStringLiteral("NOMBRE"), companyName);
    parameters_.execute();
    for (int quarter = 1; quarter <= 4; ++quarter) {
        const QDate from(year_, quarter * 3 - 2, 1);
        settleVat(QStringLiteral("%1T").arg(quarter), from, from.addMonths(3).addDays(-1));
    }
    for (int month = 1; month <= 12; ++month) {
        const QDate from(year_, month, 1);
        settleVat(QStringLiteral("%1").arg(month, 2, 10, QChar(u'0')), from,
                  from.addMonths(1).addDays(-1));
    }
}

void SampleLedger::writeChart(const std::vector<SampleParty>& parties) {
    subaccount_.setParam(QStringLiteral("EMPRESA"), company_);
    subaccount_.setParam(QStringLiteral("EJERCICIO"), year_);
    for (const auto& balance : balances_) {
        const QString& account = balance.first; // a lambda may capture it (clang 14 cannot a binding)
        const auto party = std::find_if(parties.begin(), parties.end(),
                                        [&](const SampleParty& p) { return p.account == account; });
        const bool known = party != parties.end();
        subaccount_.setParam(QStringLiteral("SUBCUENTA"), account);
        subaccount_.setParam(QStringLiteral("TITULO"), known ? party->name : titleOf(account));
        subaccount_.setParam(QStringLiteral("CIF"), known ? party->taxNumber : QVariant());
        subaccount_.setParam(QStringLiteral("COD_POSTAL"), known ? party->postalCode : QVariant());
        subaccount_.execute();
    }
}

void SampleLedger::settleVat(const QString& period, const QDate& from, const QDate& to) {
    settlement_.setParam(QStringLiteral("EMPRESA"), company_);
    settlement_.setParam(QStringLiteral("EJERCICIO"), year_);
    settlement_.setParam(QStringLiteral("PERIODO"), period);
    settlement_.setParam(QStringLiteral("FECHA_INICIO"), from);
    settlement_.setParam(QStringLiteral("FECHA_FIN"), to);
    settlement_.execute();
}

} // namespace schema
