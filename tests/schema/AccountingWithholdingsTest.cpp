// The withholdings of models 111, 115, 180 and 190 and the instalment figures of model
// 130, checked against the journal lines of the withholding accounts.
#include "AccountingFixture.h"

#include <QMap>

namespace {

// Where the sample keeps each kind of withholding: the account credited, the amounts
// paid and the recipients.
struct Withholding {
    QString key;
    QString account;
    QString paid;
    QString recipients;
};

const Withholding kWages{"A", "47510001", "640", "465"};
const Withholding kFees{"G", "47510002", "623", "410"};
const Withholding kRents{"R", "47510003", "621", "410"};

class AccountingWithholdingsTest : public AccountingTest {
protected:
    // Withholdings made between two dates: the credits of the month lines.
    double withheld(const Withholding& w, const QDate& from, const QDate& to) {
        return -journal(company(2018), 2018,
                        QStringLiteral("SUBCUENTA = :W and PERIODO between 1 and 12 and FECHA "
                                       "between :F and :T and HABER > 0"),
                        {{QStringLiteral("W"), w.account},
                         {QStringLiteral("F"), from},
                         {QStringLiteral("T"), to}});
    }

    // The lines of one group in the entries that withhold between two dates, by recipient
    // when asked.
    QString withholdingEntries(const Withholding& w, const QString& join = {}) {
        return QStringLiteral(
                   "from T_APUNTES a join T_APUNTES r on r.EMPRESA = a.EMPRESA and "
                   "r.EJERCICIO = a.EJERCICIO and r.ASIENTO = a.ASIENTO and r.SUBCUENTA like "
                   "'%1%' %3 where a.EMPRESA = :E and a.EJERCICIO = 2018 and a.PERIODO between 1 "
                   "and 12 "
                   "and a.FECHA between :F and :T and a.SUBCUENTA like cast(:G as varchar(20)) and "
                   "exists (select 1 from T_APUNTES w where "
                   "w.EMPRESA = a.EMPRESA and w.EJERCICIO = a.EJERCICIO and w.ASIENTO = a.ASIENTO "
                   "and w.SUBCUENTA = '%2' and w.HABER > 0)")
            .arg(w.recipients, w.account, join);
    }

    double paid(const Withholding& w, const QDate& from, const QDate& to) {
        return value(QStringLiteral("select sum(a.DEBE - a.HABER) ") + withholdingEntries(w),
                     {{QStringLiteral("E"), company(2018)},
                      {QStringLiteral("F"), from},
                      {QStringLiteral("T"), to},
                      {QStringLiteral("G"), w.paid + u'%'}});
    }

    int recipients(const Withholding& w, const QDate& from, const QDate& to) {
        return int(
            value(QStringLiteral("select count(distinct r.SUBCUENTA) ") + withholdingEntries(w),
                  {{QStringLiteral("E"), company(2018)},
                   {QStringLiteral("F"), from},
                   {QStringLiteral("T"), to},
                   {QStringLiteral("G"), w.paid + u'%'}}));
    }

    // Per recipient's tax number over the year: the amounts of one group in its entries.
    QMap<QString, double> byRecipient(const Withholding& w, const QString& group,
                                      const QString& column) {
        auto q = run(QStringLiteral("select s.CIF, sum(a.%1) ").arg(column) +
                         withholdingEntries(
                             w, QStringLiteral("join T_SUBCUENTAS s on s.EMPRESA = r.EMPRESA and "
                                               "s.EJERCICIO = r.EJERCICIO and s.SUBCUENTA = "
                                               "r.SUBCUENTA")) +
                         QStringLiteral(" group by s.CIF"),
                     {{QStringLiteral("E"), company(2018)},
                      {QStringLiteral("F"), QDate(2018, 1, 1)},
                      {QStringLiteral("T"), QDate(2018, 12, 31)},
                      {QStringLiteral("G"), group + u'%'}});
        QMap<QString, double> sums;
        for (; !q->eof(); q->next())
            sums.insert(q->field(0).asString(), q->field(1).asFloat());
        return sums;
    }
};

TEST_F(AccountingWithholdingsTest,
       Mod110GivesEachKeysRecipientsAmountsAndWithholdingsOfTheQuarter) {
    for (const Quarter& q : quarters(2018)) {
        auto ds =
            open(QStringLiteral(
                     "select * from pa_mod110 (:empresa, :ejercicio, :fecha_ini, :fecha_fin)"),
                 {{QStringLiteral("EMPRESA"), company(2018)},
                  {QStringLiteral("EJERCICIO"), 2018},
                  {QStringLiteral("FECHA_INI"), q.from},
                  {QStringLiteral("FECHA_FIN"), q.to}});
        QStringList keys;
        for (; !ds->eof(); ds->next()) {
            const QString key = ds->field(QStringLiteral("CLAVE")).asString();
            keys << key;
            const Withholding& w = key == u"A" ? kWages : kFees;
            EXPECT_EQ(ds->field(QStringLiteral("PERCEPTORES")).asInteger(),
                      recipients(w, q.from, q.to))
                << key.toStdString() << q.number;
            EXPECT_NEAR(ds->field(QStringLiteral("IMPORTE")).asFloat(), paid(w, q.from, q.to),
                        kCent)
                << key.toStdString() << q.number;
            EXPECT_NEAR(ds->field(QStringLiteral("RETENCION")).asFloat(), withheld(w, q.from, q.to),
                        kCent)
                << key.toStdString() << q.number;
        }
        EXPECT_EQ(keys, QStringList({QStringLiteral("A"), QStringLiteral("G")})) << q.number;
    }
}

TEST_F(AccountingWithholdingsTest, Mod115GivesOneRowOfTheRentsOfTheQuarterOrMonth) {
    for (const auto& [code, from, to] : {std::tuple("1T", QDate(2018, 1, 1), QDate(2018, 3, 31)),
                                         std::tuple("4T", QDate(2018, 10, 1), QDate(2018, 12, 31)),
                                         std::tuple("02", QDate(2018, 2, 1), QDate(2018, 2, 28))}) {
        auto ds =
            open(QStringLiteral(
                     "select * from pa_mod115 (:empresa, :ejercicio, :fecha_ini, :fecha_fin)"),
                 {{QStringLiteral("EMPRESA"), company(2018)},
                  {QStringLiteral("EJERCICIO"), 2018},
                  {QStringLiteral("FECHA_INI"), from},
                  {QStringLiteral("FECHA_FIN"), to}});
        ASSERT_EQ(ds->recordCount(), 1) << code;
        EXPECT_EQ(ds->field(QStringLiteral("PERCEPTORES")).asInteger(), 1) << code;
        EXPECT_NEAR(ds->field(QStringLiteral("IMPORTE")).asFloat(), paid(kRents, from, to), kCent)
            << code;
        EXPECT_NEAR(ds->field(QStringLiteral("RETENCION")).asFloat(), withheld(kRents, from, to),
                    kCent)
            << code;
        EXPECT_GT(ds->field(QStringLiteral("RETENCION")).asFloat(), 0) << code;
    }
}

TEST_F(AccountingWithholdingsTest, Mod190GivesEachRecipientAndKeyOfTheYear) {
    auto ds =
        open(QStringLiteral("select * from pa_mod190(:empresa, :ejercicio)"),
             {{QStringLiteral("EMPRESA"), company(2018)}, {QStringLiteral("EJERCICIO"), 2018}});
    QMap<QString, QMap<QString, double>> expected;
    for (const Withholding* w : {&kWages, &kFees}) {
        const QMap<QString, double> amounts = byRecipient(*w, w->paid, QStringLiteral("DEBE"));
        const QMap<QString, double> withholdings =
            byRecipient(*w, w->account, QStringLiteral("HABER"));
        const QMap<QString, double> socialSecurity =
            byRecipient(*w, QStringLiteral("476"), QStringLiteral("HABER"));
        for (const QString& nif : amounts.keys()) {
            expected[w->key + nif] = {{"PERCEPCIONES", amounts[nif]},
                                      {"RETENCIONES", withholdings[nif]},
                                      {"GASTOS", socialSecurity.value(nif)}};
        }
    }
    EXPECT_EQ(ds->recordCount(), expected.size());
    for (; !ds->eof(); ds->next()) {
        const QString id = ds->field(QStringLiteral("CLAVE")).asString() +
                           ds->field(QStringLiteral("NIF")).asString();
        ASSERT_TRUE(expected.contains(id)) << id.toStdString();
        for (const QString& column : expected[id].keys())
            EXPECT_NEAR(ds->field(column).asFloat(), expected[id][column], kCent)
                << id.toStdString() << ' ' << column.toStdString();
        EXPECT_FALSE(ds->field(QStringLiteral("TITULO")).asString().isEmpty());
    }
}

TEST_F(AccountingWithholdingsTest, Mod180GivesEachLandlordOfTheYear) {
    auto ds =
        open(QStringLiteral("select * from pa_mod180(:empresa, :ejercicio)"),
             {{QStringLiteral("EMPRESA"), company(2018)}, {QStringLiteral("EJERCICIO"), 2018}});
    const QMap<QString, double> rents = byRecipient(kRents, kRents.paid, QStringLiteral("DEBE"));
    const QMap<QString, double> withholdings =
        byRecipient(kRents, kRents.account, QStringLiteral("HABER"));
    ASSERT_EQ(ds->recordCount(), rents.size());
    for (; !ds->eof(); ds->next()) {
        const QString nif = ds->field(QStringLiteral("NIF")).asString();
        EXPECT_NEAR(ds->field(QStringLiteral("PERCEPCIONES")).asFloat(), rents.value(nif), kCent);
        EXPECT_NEAR(ds->field(QStringLiteral("RETENCIONES")).asFloat(), withholdings.value(nif),
                    kCent);
        EXPECT_FALSE(ds->field(QStringLiteral("TITULO")).asString().isEmpty());
    }
}

TEST_F(AccountingWithholdingsTest, TheAnnualSummariesAddUpToTheQuarters) {
    double quarterly = 0;
    for (const Quarter& q : quarters(2018)) {
        auto ds =
            open(QStringLiteral(
                     "select * from pa_mod110 (:empresa, :ejercicio, :fecha_ini, :fecha_fin)"),
                 {{QStringLiteral("EMPRESA"), company(2018)},
                  {QStringLiteral("EJERCICIO"), 2018},
                  {QStringLiteral("FECHA_INI"), q.from},
                  {QStringLiteral("FECHA_FIN"), q.to}});
        for (; !ds->eof(); ds->next())
            quarterly += ds->field(QStringLiteral("RETENCION")).asFloat();
    }
    EXPECT_NEAR(
        value(QStringLiteral("select sum(RETENCIONES) from pa_mod190(:empresa, :ejercicio)"),
              {{QStringLiteral("EMPRESA"), company(2018)}, {QStringLiteral("EJERCICIO"), 2018}}),
        quarterly, kCent);
}

class Mod130Test : public AccountingTest {
protected:
    Mod130Test() : AccountingTest(schema::AccountingSample::Taxpayer::SelfEmployed) {}

    double months(const QString& condition, int last) {
        return journal(company(2018), 2018,
                       condition + QStringLiteral(" and PERIODO between 1 and :N"),
                       {{QStringLiteral("N"), last}});
    }
};

TEST_F(Mod130Test, GivesTheFiguresFromJanuaryToTheQuartersLastMonth) {
    const QString instalments = schema::AccountingSample::instalmentAccount();
    for (int quarter = 1; quarter <= 4; ++quarter) {
        const int month = quarter * 3;
        auto ds =
            open(QStringLiteral("select * from pa_mod130(:empresa, :ejercicio, :periodo, :cta_pf)"),
                 {{QStringLiteral("EMPRESA"), company(2018)},
                  {QStringLiteral("EJERCICIO"), 2018},
                  {QStringLiteral("PERIODO"), month},
                  {QStringLiteral("CTA_PF"), instalments}});
        ASSERT_EQ(ds->recordCount(), 1);
        EXPECT_NEAR(ds->field(QStringLiteral("INGRESOS")).asFloat(),
                    -months(QStringLiteral("SUBCUENTA like '7%'"), month), kCent);
        EXPECT_NEAR(ds->field(QStringLiteral("GASTOS")).asFloat(),
                    months(QStringLiteral("SUBCUENTA like '6%'"), month), kCent);
        EXPECT_NEAR(ds->field(QStringLiteral("PAGOS")).asFloat(),
                    months(QStringLiteral("SUBCUENTA = '") + instalments + u'\'', month), kCent);
        EXPECT_NEAR(
            ds->field(QStringLiteral("RETENCIONES")).asFloat(),
            months(QStringLiteral("SUBCUENTA like '473%' and SUBCUENTA <> '") + instalments + u'\'',
                   month),
            kCent);
        EXPECT_GT(ds->field(QStringLiteral("RETENCIONES")).asFloat(), 0);
        if (quarter > 1) {
            EXPECT_GT(ds->field(QStringLiteral("PAGOS")).asFloat(), 0)
                << "instalments paid before quarter " << quarter;
        }
    }
}

TEST_F(Mod130Test, WithoutAnAccountNoInstalmentsCountAndAllWithholdingsDo) {
    auto ds =
        open(QStringLiteral("select * from pa_mod130(:empresa, :ejercicio, :periodo, :cta_pf)"),
             {{QStringLiteral("EMPRESA"), company(2018)},
              {QStringLiteral("EJERCICIO"), 2018},
              {QStringLiteral("PERIODO"), 12},
              {QStringLiteral("CTA_PF"), QString()}});
    EXPECT_EQ(ds->field(QStringLiteral("PAGOS")).asFloat(), 0);
    EXPECT_NEAR(ds->field(QStringLiteral("RETENCIONES")).asFloat(),
                months(QStringLiteral("SUBCUENTA like '473%'"), 12), kCent);
}

} // namespace
