// The annual accounts: the balance sheet and the profit and loss account captured from a
// small journal, their totals, the lines typed by hand, the account sums, and the
// taxpayers whose accounting cannot be read.
#include "../returns/M111Fixture.h"
#include "QtPrinters.h"
#include "accounts/TDMBalance.h"
#include "accounts/TDMPyG.h"

#include <map>
#include <span>

namespace {

struct Entry {
    int company;
    int year;
    int period;
    const char* account;
    double debit;
    double credit;
};

// Company 6 keeps 2016 and company 7 keeps 2017; what one books under the other's year
// belongs to no statement. Period 13 closes groups 6 and 7 into 129.
const Entry kJournal[] = {
    {7, 2017, 0, "10000000", 0, 3000},
    {7, 2017, 1, "57200000", 5000, 0},
    {7, 2017, 1, "21000000", 8000, 0},
    {7, 2017, 1, "28100000", 0, 1000}, // its depreciation lowers the asset line
    {7, 2017, 1, "24030000", 700, 0},  // 2403 is a group company, 2405 is not
    {7, 2017, 1, "24050000", 800, 0},
    {7, 2017, 2, "55100000", 300, 0},  // the sign picks the side
    {7, 2017, 2, "55230000", 0, 200},
    {7, 2017, 2, "10340000", 0, 60},   // a current debt, not capital (1030)
    {7, 2017, 3, "43000000", 2000, 0},
    {7, 2017, 3, "40000000", 0, 1500},
    {7, 2017, 5, "70000000", 0, 100000},
    {7, 2017, 5, "60000000", 40000, 0},
    {7, 2017, 13, "70000000", 100000, 0},
    {7, 2017, 13, "60000000", 0, 40000},
    {7, 2017, 13, "12900000", 0, 60000},

    {6, 2016, 1, "57200000", 900, 0},
    {6, 2016, 2, "55100000", 0, 300},
    {6, 2016, 2, "55230000", 400, 0},
    {6, 2016, 3, "70500000", 0, 500},
    {6, 2016, 4, "74600000", 0, 500},  // a grant
    {6, 2016, 13, "70500000", 500, 0},
    {6, 2016, 13, "74600000", 500, 0},
    {6, 2016, 13, "12900000", 0, 1000},

    {7, 2016, 1, "57200000", 77777, 0},
    {7, 2016, 3, "70000000", 0, 99999},
    {7, 2016, 13, "12900000", 0, 5000},
    {6, 2017, 1, "57200000", 66666, 0},
    {6, 2017, 5, "70000000", 0, 88888},
};

QString journalScript() {
    QString script = QStringLiteral(R"(
CREATE TABLE T_PARAMETROS (EJERCICIO INTEGER, EMPRESA INTEGER);
INSERT INTO T_PARAMETROS VALUES (2016, 6);
INSERT INTO T_PARAMETROS VALUES (2017, 7);
CREATE TABLE T_APUNTES (EMPRESA INTEGER, EJERCICIO INTEGER, PERIODO SMALLINT,
    SUBCUENTA VARCHAR(8), DEBE DOUBLE PRECISION, HABER DOUBLE PRECISION);
SET TERM ^ ;
CREATE PROCEDURE pa_saldos_acumula (EMPRESA INTEGER, EJERCICIO INTEGER, CUENTA VARCHAR(30),
    INICIO SMALLINT, FIN SMALLINT)
RETURNS (DEBE DOUBLE PRECISION, HABER DOUBLE PRECISION, SALDO_EXTERNO DOUBLE PRECISION)
AS
BEGIN
    SELECT COALESCE(SUM(DEBE), 0), COALESCE(SUM(HABER), 0) FROM T_APUNTES
        WHERE EMPRESA = :EMPRESA AND EJERCICIO = :EJERCICIO
          AND SUBCUENTA STARTING WITH :CUENTA AND PERIODO BETWEEN :INICIO AND :FIN
        INTO :DEBE, :HABER;
    SALDO_EXTERNO = DEBE - HABER;
    SUSPEND;
END ^
SET TERM ; ^
)");
    for (const Entry& e : kJournal)
        script += QStringLiteral("INSERT INTO T_APUNTES VALUES (%1, %2, %3, '%4', %5, %6);\n")
                      .arg(e.company)
                      .arg(e.year)
                      .arg(e.period)
                      .arg(QLatin1String(e.account))
                      .arg(e.debit, 0, 'f', 2)
                      .arg(e.credit, 0, 'f', 2);
    return script;
}

struct Figure {
    const char* column;
    double value;
    const char* why = "";
};

// Every line by hand, in both years where it matters.
const Figure kByHand[] = {
    {"C11700", 100}, {"C12381", 20}, {"C22000", -50}, {"C32581", 70}, {"C117009", 1}, {"C220009", 2},
};

db::Field& field(AnnualStatement& dm, const char* column) {
    return dm.QMaestro.field(QString::fromLatin1(column));
}

void expectFigures(AnnualStatement& dm, std::span<const Figure> figures) {
    for (const Figure& f : figures)
        EXPECT_DOUBLE_EQ(field(dm, f.column).asFloat(), f.value) << f.column << ' ' << f.why;
}

// EMPRESA, then every line of 2017, then the same lines of 2016.
QStringList columnsOf(const QString& codes) {
    QStringList columns{QStringLiteral("EMPRESA")};
    for (const QString& suffix : {QString(), QStringLiteral("9")})
        for (const QString& code : codes.split(u' ', Qt::SkipEmptyParts))
            columns << u'C' + code + suffix;
    return columns;
}

class AnnualStatementTest : public ::testing::Test {
protected:
    void SetUp() override {
        books.database().close();
        setBooks(12, books.path());
    }

    void setBooks(int taxpayer, const QString& path) {
        db::Statement s(test.main.Database, test.main.TLocal);
        s.setSql(QStringLiteral(
            "update T_CONTRIBUYENTES set FICHERO_CTBLE = :f where CONTRIBUYENTE = :c"));
        s.setParam(QStringLiteral("f"), path);
        s.setParam(QStringLiteral("c"), taxpayer);
        s.execute();
        test.main.TLocal.commit();
    }

    // Taxpayer 12's balance with its lines by hand typed, then captured.
    void captureBalance(TDMBalance& dm) {
        dm.DataModuleCreate();
        dm.FijaEmpresa(12);
        dm.QMaestro.append();
        for (const Figure& f : kByHand)
            field(dm, f.column).setAsFloat(f.value);
        dm.QMaestro.post();
        ASSERT_TRUE(dm.CapturaContabilidad());
    }

    TestMain test{kTaxpayers};
    TestDatabase books{test.work, journalScript(), QStringLiteral("conta.fdb")};
};

} // namespace

// The deposit file writes the columns in the table's order.
TEST_F(AnnualStatementTest, TheColumnsFollowTheOrderOfTheModels) {
    const QStringList balance = columnsOf(QStringLiteral(
        "11000 11100 11200 11300 11400 11500 11600 11700 12000 12200 12300 12380 12381 12382 "
        "12370 12390 12400 12500 12600 12700 10000 20000 21000 21100 21110 21120 21200 21300 "
        "21400 21500 21600 21700 21800 22000 23000 31000 31100 31200 31220 31230 31290 31300 "
        "31400 31500 31600 31700 32000 32200 32300 32320 32330 32390 32400 32500 32580 32581 "
        "32582 32590 32600 32700 30000"));
    const QStringList pyg = columnsOf(QStringLiteral(
        "40100 40200 40300 40400 40500 40600 40700 40800 40900 41000 41100 41300 49100 41400 "
        "41430 41490 41500 41600 41700 41800 49200 49300 41900 49500"));
    ASSERT_EQ(balance.size(), 1 + 2 * 61);
    EXPECT_EQ(accounts::columns(TDMBalance::kBalance), balance);
    EXPECT_EQ(accounts::columns(TDMPyG::kPyG), pyg);

    TDMBalance dm{test.main};
    dm.DataModuleCreate();
    QStringList stored;
    for (const db::Field* f : dm.QMaestro.fields())
        stored << f->name().toUpper();
    EXPECT_EQ(stored, balance) << "the table's own columns";
}

TEST_F(AnnualStatementTest, InsertingCreatesAZeroedBalanceOnceAndThenOpensIt) {
    TDMBalance dm{test.main};
    dm.DataModuleCreate();
    dm.FijaEmpresa(12);
    ASSERT_TRUE(dm.QMaestro.isEmpty());
    EXPECT_FALSE(dm.CapturaContabilidad()) << "no balance yet: nothing to capture into";
    EXPECT_FALSE(dm.BuscaRegistro()) << "and the capture did not create one";

    dm.QMaestro.append();
    EXPECT_EQ(field(dm, "EMPRESA").asInteger(), 12);
    for (const db::Field* f : dm.QMaestro.fields()) {
        if (f->name().toUpper() != QStringLiteral("EMPRESA")) {
            EXPECT_TRUE(!f->isNull() && f->asFloat() == 0) << f->name().toStdString();
        }
    }

    // A line by hand climbs through every total above it, in its own year only.
    field(dm, "C12381").setAsFloat(5);
    const Figure climbed[] = {
        {"C12380", 5}, {"C12300", 5}, {"C12000", 5}, {"C10000", 5}, {"C123809", 0}, {"C100009", 0},
    };
    expectFigures(dm, climbed);
    dm.QMaestro.post();

    dm.QMaestro.append();
    EXPECT_TRUE(dm.QMaestro.editing()) << "inserting again opens the balance there is";
    EXPECT_EQ(dm.QMaestro.recordCount(), 1);
    EXPECT_DOUBLE_EQ(field(dm, "C12381").asFloat(), 5);
    dm.QMaestro.cancel();
    ASSERT_TRUE(dm.BuscaRegistro());
    EXPECT_EQ(dm.QMaestro.recordCount(), 1);
}

TEST_F(AnnualStatementTest, CapturedLinesSumTheirGroupsEachYearFromItsOwnCompany) {
    TDMBalance dm{test.main};
    ASSERT_NO_FATAL_FAILURE(captureBalance(dm));
    for (const db::Field* f : dm.QMaestro.fields())
        EXPECT_FALSE(f->isNull()) << f->name().toStdString() << ": no movement is 0";
    const Figure lines[] = {
        {"C11100", 0, "no movement"},
        {"C11200", 7000, "21 less the depreciation 281"},
        {"C11400", 700},
        {"C11500", 800},
        {"C12382", 2000},
        {"C12400", 0, "5523 in credit goes to the liabilities"},
        {"C12500", 300, "551 in debit"},
        {"C12700", 5000, "not the 66666 of company 6"},
        {"C21110", 3000, "a credit shown positive"},
        {"C21700", 60000, "the closing in period 13 counts"},
        {"C32390", 60, "1034; 551 in debit leaves it alone"},
        {"C32400", 200, "5523 in credit"},
        {"C32582", 1500},
        {"C124009", 400, "5523 in debit"},
        {"C125009", 0, "551 in credit"},
        {"C127009", 900, "2016's company 6, not 2017's company 7"},
        {"C217009", 1000, "129 in credit"},
        {"C323909", 300, "551 in credit"},
        {"C324009", 0, "5523 in debit"},
    };
    expectFigures(dm, lines);
}

TEST_F(AnnualStatementTest, EveryTotalIsTheSumOfItsLinesInBothYears) {
    TDMBalance dm{test.main};
    ASSERT_NO_FATAL_FAILURE(captureBalance(dm));
    const Figure totals[] = {
        {"C11000", 8600, "7000 + 700 + 800 + 100 by hand"},
        {"C12380", 2020, "20 by hand + 2000"},
        {"C12300", 2020},
        {"C12000", 7320, "2020 + 300 + 5000"},
        {"C10000", 15920},
        {"C21100", 3000},
        {"C21000", 63000, "3000 + 60000"},
        {"C20000", 62950, "63000 - 50 by hand"},
        {"C32300", 60},
        {"C32580", 1570, "70 by hand + 1500"},
        {"C32500", 1570},
        {"C32000", 1830, "60 + 200 + 1570"},
        {"C30000", 64780, "62950 + 0 + 1830"},
        {"C110009", 1, "by hand"},
        {"C120009", 1300, "400 + 900"},
        {"C100009", 1301},
        {"C210009", 1000, "129 raises the funds ..."},
        {"C200009", 1002, "... the equity, 2 by hand ..."},
        {"C323009", 300},
        {"C320009", 300},
        {"C300009", 1302, "... and the total"},
    };
    expectFigures(dm, totals);
}

TEST_F(AnnualStatementTest, CapturingAgainGivesTheSameFiguresAndKeepsTheTypedLines) {
    TDMBalance dm{test.main};
    ASSERT_NO_FATAL_FAILURE(captureBalance(dm));
    std::map<QString, double> first;
    for (const db::Field* f : dm.QMaestro.fields())
        first[f->name()] = f->asFloat();

    ASSERT_TRUE(dm.CapturaContabilidad());
    ASSERT_TRUE(dm.BuscaRegistro()) << "read back what was posted";
    for (const db::Field* f : dm.QMaestro.fields())
        EXPECT_DOUBLE_EQ(f->asFloat(), first[f->name()]) << f->name().toStdString();
    expectFigures(dm, kByHand);
}

TEST_F(AnnualStatementTest, AnAccountSumAddsAndSubtractsGroupsOverThePeriodsOfItsYear) {
    TDMBalance dm{test.main};
    dm.DataModuleCreate();
    dm.FijaEmpresa(12);
    ASSERT_TRUE(test.main.AbreContabilidad(12));
    struct Case {
        QList<int> groups;
        int first;
        int last;
        bool previous;
        double sum;
        const char* why;
    };
    const Case cases[] = {
        {{57}, 0, 13, false, 5000, "2017 of company 7 only"},
        {{57}, 0, 13, true, 900, "2016 of company 6 only"},
        {{70}, 0, 12, false, -100000, "a credit is negative"},
        {{70}, 0, 13, false, 0, "period 13 closes it"},
        {{70}, 5, 5, false, -100000, "a single period"},
        {{70}, 6, 12, false, 0, "the periods given only"},
        {{57, -43}, 0, 13, false, 3000, "a negative group subtracts"},
        {{-129}, 0, 13, true, 1000, "a credit subtracted is positive"},
        {{55}, 0, 13, false, 100, "every subaccount beginning so: 300 - 200"},
        {{551, 551}, 0, 13, false, 600, "each entry counts"},
        {{}, 0, 13, false, 0, "nothing listed"},
    };
    for (const Case& c : cases) {
        const double sum = c.previous ? dm.SaldoCuentasAnterior(c.groups, c.first, c.last)
                                      : dm.SaldoCuentas(c.groups, c.first, c.last);
        EXPECT_DOUBLE_EQ(sum, c.sum) << c.why;
    }
}

TEST_F(AnnualStatementTest, TheProfitAndLossCaptureCreatesItsRowAndLeavesTheClosingOut) {
    TDMPyG dm{test.main};
    dm.DataModuleCreate();
    dm.FijaEmpresa(12);
    ASSERT_TRUE(dm.QMaestro.isEmpty());
    const Figure lines[] = {
        {"C40100", 100000, "sales, before their closing in period 13"},
        {"C40400", -40000, "purchases"},
        {"C40200", 0},
        {"C40900", 0},
        {"C49100", 60000},
        {"C41400", 0},
        {"C49300", 60000},
        {"C49500", 60000},
        {"C401009", 500, "company 6 only"},
        {"C409009", 500, "the grant ..."},
        {"C414309", 500, "... again as financial income"},
        {"C414009", 500},
        {"C491009", 1000},
        {"C492009", 500},
        {"C493009", 1500, "the grant counted twice"},
        {"C495009", 1500},
    };
    for (int pass : {1, 2}) {
        SCOPED_TRACE(pass);
        ASSERT_TRUE(dm.CapturaContabilidad());
        ASSERT_TRUE(dm.BuscaRegistro()) << "the row the capture made was stored";
        EXPECT_EQ(dm.QMaestro.recordCount(), 1);
        EXPECT_EQ(field(dm, "EMPRESA").asInteger(), 12);
        expectFigures(dm, lines);
    }
}

TEST_F(AnnualStatementTest, ATaxpayerWhoseAccountingCannotBeReadCapturesNothing) {
    TDMBalance dm{test.main};
    dm.DataModuleCreate();
    dm.FijaEmpresa(13);
    dm.QMaestro.append();
    field(dm, "C22000").setAsFloat(5);
    dm.QMaestro.post();
    const Figure untouched[] = {{"C22000", 5}, {"C20000", 5}, {"C12700", 0}, {"C127009", 0}};

    EXPECT_FALSE(dm.CapturaContabilidad()) << "no accounting database";
    EXPECT_TRUE(test.prompts.log().isEmpty()) << "and nothing said";
    ASSERT_TRUE(dm.BuscaRegistro());
    expectFigures(dm, untouched);

    TDMPyG pyg{test.main};
    pyg.DataModuleCreate();
    pyg.FijaEmpresa(13);
    EXPECT_FALSE(pyg.CapturaContabilidad());
    EXPECT_DOUBLE_EQ(pyg.QMaestro.isEmpty() ? 0 : field(pyg, "C40100").asFloat(), 0);
    if (pyg.QMaestro.editing())
        pyg.QMaestro.cancel();

    const QString missing = test.work.file(QStringLiteral("no-existe.fdb"));
    setBooks(13, missing);
    EXPECT_FALSE(dm.CapturaContabilidad());
    EXPECT_EQ(test.prompts.log(), QStringList{QStringLiteral("error: Imposible abrir ") + missing});
    ASSERT_TRUE(dm.BuscaRegistro());
    expectFigures(dm, untouched);
}
