// The company of each year and the balances of account groups (balance sheet, profit and
// loss, deposit, memoria formulas), checked against the journal itself.
#include "AccountingFixture.h"

namespace {

class AccountingBalancesTest : public AccountingTest {};

TEST_F(AccountingBalancesTest, EachYearHasACompanyOfItsOwnAndAYearWithoutOneHasNone) {
    QList<int> seen;
    for (int year : {2016, 2017, 2018}) {
        const int number = company(year);
        EXPECT_NE(number, 0) << year;
        EXPECT_FALSE(seen.contains(number)) << year << " shares its company";
        seen << number;
        const auto span = run(QStringLiteral("select min(FECHA), max(FECHA), count(*) from "
                                             "T_APUNTES where EMPRESA = :E and EJERCICIO = :Y"),
                              {{QStringLiteral("E"), number}, {QStringLiteral("Y"), year}});
        EXPECT_EQ(span->field(0).asDate(), QDate(year, 1, 1));
        EXPECT_EQ(span->field(1).asDate(), QDate(year, 12, 31));
        EXPECT_EQ(value(QStringLiteral("select count(*) from T_APUNTES where EMPRESA = :E"),
                        {{QStringLiteral("E"), number}}),
                  span->field(2).asFloat())
            << "company " << number << " keeps another year too";
    }
    EXPECT_EQ(company(2019), 0);
}

struct BalanceCase {
    const char* account;
    int first;
    int last;
};

class SaldosAcumula : public AccountingBalancesTest,
                      public ::testing::WithParamInterface<BalanceCase> {};

// The balance sheet asks for periods 0 to 13, the profit and loss for 0 to 12, the
// deposit for the opening alone.
TEST_P(SaldosAcumula, IsTheJournalsBalanceOfTheGroupOverThePeriods) {
    const BalanceCase c = GetParam();
    for (int year : {2017, 2016}) {
        const int number = company(year);
        db::Statement q(database(), transaction);
        q.setSql(QStringLiteral(
            "select saldo_externo from pa_saldos_acumula (:empresa, :ejercicio, :cuenta, "
            ":inicio,:fin)"));
        q.setParam(QStringLiteral("EMPRESA"), number);
        q.setParam(QStringLiteral("EJERCICIO"), year);
        q.setParam(QStringLiteral("CUENTA"), QString::fromLatin1(c.account));
        q.setParam(QStringLiteral("INICIO"), c.first);
        q.setParam(QStringLiteral("FIN"), c.last);
        q.execute();
        const double expected =
            journal(number, year, QStringLiteral("SUBCUENTA like :P and PERIODO between :A and :B"),
                    {{QStringLiteral("P"), QString::fromLatin1(c.account).trimmed() + u'%'},
                     {QStringLiteral("A"), c.first},
                     {QStringLiteral("B"), c.last}});
        EXPECT_NEAR(q.field(QStringLiteral("SALDO_EXTERNO")).asFloat(), expected, kCent) << year;
        q.next();
        EXPECT_TRUE(q.eof()) << "one row";
    }
}

INSTANTIATE_TEST_SUITE_P(Groups, SaldosAcumula,
                         ::testing::Values(BalanceCase{"572", 0, 13}, BalanceCase{"43", 0, 13},
                                           BalanceCase{"7", 0, 12}, BalanceCase{"640", 0, 12},
                                           BalanceCase{"129", 0, 0}, BalanceCase{"129", 0, 13},
                                           BalanceCase{"100", 0, 13}, BalanceCase{"47", 1, 3},
                                           BalanceCase{"4751", 4, 6}, BalanceCase{"999", 0, 13}));

TEST_F(AccountingBalancesTest, TheRegularisationInPeriod13LeavesTheProfitAndLossAlone) {
    const int number = company(2017);
    auto balance = [&](const char* account, int last) {
        return run(QStringLiteral("select saldo_externo from pa_saldos_acumula (:empresa, "
                                  ":ejercicio, :cuenta, 0, :fin)"),
                   {{QStringLiteral("EMPRESA"), number},
                    {QStringLiteral("EJERCICIO"), 2017},
                    {QStringLiteral("CUENTA"), QString::fromLatin1(account)},
                    {QStringLiteral("FIN"), last}})
            ->field(0)
            .asFloat();
    };
    const double result = -balance("6", 12) - balance("7", 12);
    EXPECT_GT(result, 0) << "the sample makes a profit";
    EXPECT_NEAR(balance("6", 13), 0, kCent);
    EXPECT_NEAR(balance("7", 13), 0, kCent);
    EXPECT_NEAR(balance("129", 13) - balance("129", 12), -result, kCent)
        << "the result is credited to 129";
}

struct FormulaCase {
    const char* kind;
    int period;
    const char* account;
    const char* column; // the journal's figure for the kind
};

class CalculoCuentas : public AccountingBalancesTest,
                       public ::testing::WithParamInterface<FormulaCase> {};

TEST_P(CalculoCuentas, IsTheBalanceDebitOrCreditFromTheOpeningToThePeriod) {
    const FormulaCase c = GetParam();
    const int number = company(2017);
    const auto q = run(QStringLiteral("execute procedure pa_calculo_cuentas(:empresa,:ejercicio,"
                                      ":clave,:periodo,:cuenta)"),
                       {{QStringLiteral("EMPRESA"), number},
                        {QStringLiteral("EJERCICIO"), 2017},
                        {QStringLiteral("CLAVE"), QString::fromLatin1(c.kind)},
                        {QStringLiteral("PERIODO"), c.period},
                        {QStringLiteral("CUENTA"), QString::fromLatin1(c.account)}});
    const double expected =
        value(QStringLiteral("select sum(%1) from T_APUNTES where EMPRESA = :E and "
                             "EJERCICIO = :Y and SUBCUENTA like :P and PERIODO <= :N")
                  .arg(QString::fromLatin1(c.column)),
              {{QStringLiteral("E"), number},
               {QStringLiteral("Y"), 2017},
               {QStringLiteral("P"), QString::fromLatin1(c.account).trimmed() + u'%'},
               {QStringLiteral("N"), c.period}});
    EXPECT_NEAR(q->field(QStringLiteral("IMPORTE")).asFloat(), expected, kCent);
}

INSTANTIATE_TEST_SUITE_P(Terms, CalculoCuentas,
                         ::testing::Values(FormulaCase{"S", 0, "430", "DEBE - HABER"},
                                           FormulaCase{"H", 12, "700", "HABER"},
                                           FormulaCase{"D", 12, "700", "DEBE"},
                                           FormulaCase{"S", 13, "57", "DEBE - HABER"},
                                           FormulaCase{"S", 13, "129 ", "DEBE - HABER"},
                                           FormulaCase{"D", 6, "640", "DEBE"},
                                           FormulaCase{"X", 12, "700", "0"}));

} // namespace
