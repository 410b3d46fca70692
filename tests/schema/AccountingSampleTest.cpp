// The generated sample itself: books that balance and carry over for every kind of
// taxpayer, valid tax numbers, the same figures for the same options, and nothing for a
// company that the database does not keep.
#include "AccountingFixture.h"
#include "schema/TaxNumber.h"

namespace {

using Taxpayer = schema::AccountingSample::Taxpayer;

class SampleBooks : public AccountingTest, public ::testing::WithParamInterface<Taxpayer> {
protected:
    SampleBooks() : AccountingTest(GetParam()) {}
};

TEST_P(SampleBooks, EveryEntryBalancesAndEveryInvoiceHasItsEntry) {
    EXPECT_EQ(value(QStringLiteral("select count(*) from (select ASIENTO from T_APUNTES group by "
                                   "EMPRESA, EJERCICIO, ASIENTO having abs(sum(DEBE - HABER)) > "
                                   "0.001)"),
                    {}),
              0);
    EXPECT_EQ(value(QStringLiteral("select count(*) from T_REGISTRO_IVA r where not exists "
                                   "(select 1 from T_APUNTES a where a.EMPRESA = r.EMPRESA and "
                                   "a.EJERCICIO = r.EJERCICIO and a.ASIENTO = r.ASIENTO and "
                                   "a.FECHA = r.FECHA)"),
                    {}),
              0);
    EXPECT_GT(value(QStringLiteral("select count(*) from T_REGISTRO_IVA"), {}), 100);
}

TEST_P(SampleBooks, EachYearOpensWithTheBalancesThePreviousOneLeft) {
    for (int year : {2017, 2018}) {
        auto q = run(
            QStringLiteral("select SUBCUENTA, sum(DEBE - HABER) from T_APUNTES where EMPRESA = :E "
                           "and EJERCICIO = :Y group by SUBCUENTA having abs(sum(DEBE - HABER)) > "
                           "0.001"),
            {{QStringLiteral("E"), company(year - 1)}, {QStringLiteral("Y"), year - 1}});
        int accounts = 0;
        for (; !q->eof(); q->next(), ++accounts) {
            const QString account = q->field(0).asString();
            EXPECT_LT(account.left(1).toInt(), 6)
                << "results are closed: " << account.toStdString();
            EXPECT_NEAR(journal(company(year), year,
                                QStringLiteral("PERIODO = 0 and SUBCUENTA = :S"),
                                {{QStringLiteral("S"), account}}),
                        q->field(1).asFloat(), kCent)
                << account.toStdString() << ' ' << year;
        }
        EXPECT_GT(accounts, 3);
        EXPECT_EQ(value(QStringLiteral("select count(distinct SUBCUENTA) from T_APUNTES where "
                                       "EMPRESA = :E and EJERCICIO = :Y and PERIODO = 0"),
                        {{QStringLiteral("E"), company(year)}, {QStringLiteral("Y"), year}}),
                  accounts);
    }
}

TEST_P(SampleBooks, EveryAccountUsedIsInTheChart) {
    EXPECT_EQ(value(QStringLiteral("select count(*) from T_APUNTES a where not exists (select 1 "
                                   "from T_SUBCUENTAS s where s.EMPRESA = a.EMPRESA and "
                                   "s.EJERCICIO = a.EJERCICIO and s.SUBCUENTA = a.SUBCUENTA)"),
                    {}),
              0);
}

INSTANTIATE_TEST_SUITE_P(Taxpayers, SampleBooks,
                         ::testing::Values(Taxpayer::Company, Taxpayer::SelfEmployed,
                                           Taxpayer::Landlord));

TEST(TaxNumber, CarriesTheCheckCharacterOfItsDigits) {
    EXPECT_EQ(schema::nifOf(12345678), QStringLiteral("12345678Z"));
    EXPECT_EQ(schema::nifOf(0), QStringLiteral("00000000T"));
    EXPECT_EQ(schema::cifOf(u'Q', 2826000), QStringLiteral("Q2826000H")) << "a letter";
    EXPECT_EQ(schema::cifOf(u'B', 1231231), QStringLiteral("B12312310")) << "a digit";
    EXPECT_EQ(schema::cifOf(u'A', 2801586), QStringLiteral("A28015865"));
}

TEST(AccountingSample, TheSameOptionsGiveTheSameFigures) {
    TempDir dir;
    const schema::AccountingSample::Options options =
        AccountingTestDatabase::smallSample(Taxpayer::Landlord);
    AccountingTestDatabase shared(dir, options);
    const QString fresh = dir.file(QStringLiteral("otra.fdb"));
    schema::AccountingSample(options).create(fresh, shared.database().params());
    auto fingerprint = [](db::Database& database) {
        db::Transaction t(database);
        db::Statement q(database, t);
        q.setSql(QStringLiteral("select count(*), sum(DEBE * ASIENTO), sum(HABER * APUNTE) from "
                                "T_APUNTES"));
        q.execute();
        return QStringList{q.field(0).asString(), q.field(1).asString(), q.field(2).asString()};
    };
    db::Database other;
    other.setDatabaseName(fresh);
    other.setParams(shared.database().params());
    other.open();
    EXPECT_EQ(fingerprint(other), fingerprint(shared.database()));
}

// A year that the accounting does not keep gives company 0, and company 0 finds nothing.
class NoCompany : public AccountingTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(NoCompany, FindsNothing) {
    ASSERT_EQ(company(2019), 0);
    auto ds = open(QString::fromLatin1(GetParam()),
                   {{QStringLiteral("EMPRESA"), company(2019)},
                    {QStringLiteral("EJERCICIO"), 2018},
                    {QStringLiteral("FECHA_INI"), QDate(2018, 1, 1)},
                    {QStringLiteral("FECHA_FIN"), QDate(2018, 12, 31)},
                    {QStringLiteral("PERIODO"), QStringLiteral("12")},
                    {QStringLiteral("CTA_PF"), schema::AccountingSample::instalmentAccount()},
                    {QStringLiteral("CUENTA"), QStringLiteral("4")},
                    {QStringLiteral("INICIO"), 0},
                    {QStringLiteral("FIN"), 13},
                    {QStringLiteral("TRIMESTRE"), 0}});
    for (; !ds->eof(); ds->next()) {
        for (const db::Field* f : ds->fields()) {
            if (f->type() == db::FieldType::Float || f->type() == db::FieldType::Integer) {
                EXPECT_EQ(f->asFloat(), 0) << f->name().toStdString();
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Statements, NoCompany,
    ::testing::Values(
        "select * from pa_mod110 (:empresa, :ejercicio, :fecha_ini, :fecha_fin)",
        "select * from pa_mod115 (:empresa, :ejercicio, :fecha_ini, :fecha_fin)",
        "select * from pa_mod130(:empresa, :ejercicio, :periodo, :cta_pf)",
        "select * from pa_mod190(:empresa, :ejercicio)",
        "select * from pa_mod180(:empresa, :ejercicio)",
        "select saldo_externo from pa_saldos_acumula (:empresa, :ejercicio, :cuenta, :inicio,:fin)",
        "SELECT * FROM PA_MOD349(:EMPRESA, :FECHA_INI, :FECHA_FIN, :TRIMESTRE)ORDER BY CUENTA, "
        "CLAVE",
        "select * from T_LIQUIDACIONES_IVA where empresa = :empresa and ejercicio = :ejercicio "
        "and periodo = :periodo",
        "select asiento, base0, base1 from t_registro_iva where empresa = :empresa and ejercicio "
        "= :ejercicio order by fecha"));

} // namespace
