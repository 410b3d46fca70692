// Model 111's record: defaults, the choice of a record by its key, the computed boxes
// and the capture from the taxpayer's accounting database.
#include "AccountingTestDatabase.h"
#include "M111Fixture.h"
#include "config/AdminAccount.h"
#include "db/Statement.h"
#include "util/Error.h"

#include <QDate>

namespace {

const QStringList kBoxes = {
    "C3I01",   "C3I02",   "C3I03",  "C3I04",  "C3I05",   "C3I06",   "C3II01",  "C3II02",
    "C3II03",  "C3II04",  "C3II05", "C3II06", "C3III01", "C3III02", "C3III03", "C3III04",
    "C3III05", "C3III06", "C3IV01", "C3IV02", "C3IV03",  "C3IV04",  "C3IV05",  "C3IV06",
    "C3V01",   "C3V02",   "C3V03",  "C3T01",  "C3T02",   "C3T03",   "C401",    "C501"};

class TDMM111Test : public M111Test {};

TEST_F(TDMM111Test, ANewRecordStartsAtZeroAndTakesTheTaxpayersDefaults) {
    record().append();
    for (const QString& name : kBoxes) {
        ASSERT_FALSE(dm.QMaestro.field(name).isNull()) << name.toStdString();
        EXPECT_EQ(dm.QMaestro.field(name).asFloat(), 0) << name.toStdString();
    }
    EXPECT_TRUE(box("CONTRIBUYENTE").isNull()) << "typed or looked up by the user";
    EXPECT_EQ(box("TIPO").asString(), QStringLiteral("I"));
    EXPECT_EQ(box("PERIODO").asString(), QStringLiteral("00"));
    EXPECT_EQ(box("C3I02").text(), QStringLiteral("0,00"));

    box("CONTRIBUYENTE").setAsInteger(12);
    EXPECT_EQ(box("TIPO").asString(), QStringLiteral("U")) << "pays by direct debit";
    EXPECT_EQ(box("C501").asInteger(), 1);
    EXPECT_EQ(box("IBAN").asString(), QStringLiteral("ES9121000418450200051332"));
    EXPECT_EQ(dm.xAgencia.field(QStringLiteral("TITULO_ADMON")).asString(),
              QStringLiteral("MURCIA"));
    EXPECT_EQ(dm.xAgencia.field(QStringLiteral("ADMINISTRACION")).asString(),
              QStringLiteral("30600"));

    box("CONTRIBUYENTE").setAsInteger(13);
    EXPECT_EQ(box("TIPO").asString(), QStringLiteral("I"));
    EXPECT_EQ(box("C501").asInteger(), 0);
    EXPECT_TRUE(box("IBAN").asString().isEmpty());
    EXPECT_TRUE(dm.xAgencia.field(QStringLiteral("ADMINISTRACION")).asString().isEmpty());
}

TEST_F(TDMM111Test, ThePeriodChoosesTheStoredRecordOrANewOneWithThatKey) {
    // A stored row whose totals disagree with its boxes: loading it recomputes nothing.
    execute(
        QStringLiteral("insert into T_MOD111 (CONTRIBUYENTE, PERIODO, TIPO, C3I03, C3T01, C3T03) "
                       "values (12, '2T', 'I', 1, 99, 99)"));
    choose(12, "2T");
    ASSERT_EQ(record().state(), db::DataSet::State::Edit);
    EXPECT_EQ(box("C3T01").asFloat(), 99);
    EXPECT_EQ(box("TIPO").asString(), QStringLiteral("I")) << "a stored record keeps its own data";

    box("C3I02").setAsFloat(500); // typed, not posted
    box("PERIODO").setAsString(QStringLiteral("1T"));
    ASSERT_EQ(record().state(), db::DataSet::State::Insert);
    EXPECT_EQ(box("CONTRIBUYENTE").asInteger(), 12);
    EXPECT_EQ(box("PERIODO").asString(), QStringLiteral("1T"));
    EXPECT_EQ(box("C3I02").asFloat(), 0);
    EXPECT_EQ(box("TIPO").asString(), QStringLiteral("U"))
        << "a new one takes the taxpayer's defaults";
    box("C3I02").setAsFloat(70);
    record().post();

    choose(12, "2T"); // back to the other: the typed amount was dropped
    EXPECT_EQ(box("C3I02").asFloat(), 0);
    choose(12, "1T");
    ASSERT_EQ(record().state(), db::DataSet::State::Edit);
    EXPECT_EQ(box("C3I02").asFloat(), 70);
}

TEST_F(TDMM111Test, EveryPaymentColumnRipplesToBoxes28And30AndThePayment) {
    choose(13, "1T");
    box("C3I03").setAsFloat(10);
    box("C3II06").setAsFloat(2.5);
    box("C3V03").setAsFloat(1);
    box("C3I02").setAsFloat(1000); // an amount paid, not withheld
    EXPECT_DOUBLE_EQ(box("C3T01").asFloat(), 13.5);
    EXPECT_DOUBLE_EQ(box("C3T03").asFloat(), 13.5);
    box("C3T02").setAsFloat(20);
    EXPECT_DOUBLE_EQ(box("C3T03").asFloat(), -6.5) << "box 30 may be negative";
    EXPECT_DOUBLE_EQ(box("C401").asFloat(), -6.5);
}

TEST_F(TDMM111Test, AReturnOfNoRegisteredTaxpayerIsNotStored) {
    choose(99, "1T");
    EXPECT_THROW(record().post(), tributra::Error);
    EXPECT_TRUE(record().editing()) << "the record stays on screen";
}

class M111CaptureTest : public TDMM111Test {
protected:
    void useAccounting(const QString& path) {
        execute(QStringLiteral(
                    "update T_CONTRIBUYENTES set FICHERO_CTBLE = '%1' where CONTRIBUYENTE = 12")
                    .arg(path));
    }
};

TEST_F(M111CaptureTest, FillsTheMonetaryRowsOfItsKeysAndTheTotalsFollow) {
    TestDatabase accounting(test.work, kAccounting, QStringLiteral("conta.fdb"));
    accounting.database().close();
    useAccounting(accounting.path());
    choose(12, "2T");
    box("C3I06").setAsFloat(5); // in kind: never touched by a capture
    box("C3V03").setAsFloat(1);
    box("C3T02").setAsFloat(18.5);
    box("C3I05").setAsFloat(7);
    ASSERT_TRUE(dm.CapturaContabilidad());

    struct Expected {
        const char* box;
        double value;
    };
    const Expected expected[] = {
        {"C3I01", 7},
        {"C3I02", 430},
        {"C3I03", 43.5}, // the later "A" row: 2018's company,
                         // 1/4-30/6
        {"C3I04", 0},
        {"C3I05", 7},
        {"C3I06", 5},
        {"C3II01", 3},
        {"C3II02", 200},
        {"C3II03", 30},
        {"C3III01", 4},
        {"C3III02", 300},
        {"C3III03", 60},
        {"C3IV01", 5},
        {"C3IV02", 400},
        {"C3IV03", 80},
        {"C3V03", 1},
        {"C3T01", 219.5},
        {"C3T02", 18.5},
        {"C3T03", 201},
        {"C401", 201},
    };
    for (const Expected& e : expected)
        EXPECT_DOUBLE_EQ(box(e.box).asFloat(), e.value) << e.box;
    EXPECT_TRUE(record().editing()) << "the user still posts it";
    EXPECT_FALSE(test.main.DBConta.connected()) << "the accounting database is closed again";
    EXPECT_TRUE(test.prompts.log().isEmpty());
}

TEST_F(M111CaptureTest, WithoutAQuarterOrAnAccountingDatabaseNothingIsCaptured) {
    TestDatabase accounting(test.work, kAccounting, QStringLiteral("conta.fdb"));
    accounting.database().close();
    useAccounting(accounting.path());
    choose(12, "00");
    EXPECT_THROW(
        {
            try {
                dm.CapturaContabilidad();
            } catch (const tributra::Error& e) {
                EXPECT_EQ(e.text(), QStringLiteral("Debe Elegir un periodo"));
                throw;
            }
        },
        tributra::Error);
    EXPECT_FALSE(test.main.DBConta.connected());
    EXPECT_EQ(box("C3I02").asFloat(), 0);

    choose(13, "1T"); // no accounting database: nothing, silently
    EXPECT_FALSE(dm.CapturaContabilidad());
    EXPECT_TRUE(test.prompts.log().isEmpty());

    useAccounting(test.work.file(QStringLiteral("missing.fdb")));
    choose(12, "1T");
    EXPECT_FALSE(dm.CapturaContabilidad());
    EXPECT_EQ(test.prompts.log(), QStringList{QStringLiteral("error: Imposible abrir ") +
                                              test.work.file(QStringLiteral("missing.fdb"))});
}

// The generated books withhold from wages (key "A") and professional fees ("G"); a few
// prizes ("K") and a forest gain ("J") are booked on top, one prize after the quarter.
const QString kPrizesAndForest = QStringLiteral(R"(
INSERT INTO T_CLAVES_RETENCION VALUES ('47510004', 111, 'K', '629', '410', 'Retenciones premios');
INSERT INTO T_CLAVES_RETENCION VALUES ('47510005', 111, 'J', '607', '410', 'Retenciones montes');
INSERT INTO T_APUNTES VALUES (:E, 2018, 900001, 1, '2018-02-10', 2, '62900001', 1000, 0, 'Premio');
INSERT INTO T_APUNTES VALUES (:E, 2018, 900001, 2, '2018-02-10', 2, '47510004', 0, 190, 'Premio');
INSERT INTO T_APUNTES VALUES (:E, 2018, 900001, 3, '2018-02-10', 2, '41000901', 0, 810, 'Premio');
INSERT INTO T_APUNTES VALUES (:E, 2018, 900002, 1, '2018-03-15', 3, '62900001', 500, 0, 'Premio');
INSERT INTO T_APUNTES VALUES (:E, 2018, 900002, 2, '2018-03-15', 3, '47510004', 0, 95, 'Premio');
INSERT INTO T_APUNTES VALUES (:E, 2018, 900002, 3, '2018-03-15', 3, '41000902', 0, 405, 'Premio');
INSERT INTO T_APUNTES VALUES (:E, 2018, 900003, 1, '2018-04-02', 4, '62900001', 300, 0, 'Premio');
INSERT INTO T_APUNTES VALUES (:E, 2018, 900003, 2, '2018-04-02', 4, '47510004', 0, 57, 'Premio');
INSERT INTO T_APUNTES VALUES (:E, 2018, 900003, 3, '2018-04-02', 4, '41000903', 0, 243, 'Premio');
INSERT INTO T_APUNTES VALUES (:E, 2018, 900004, 1, '2018-01-20', 1, '60700001', 2000, 0, 'Monte');
INSERT INTO T_APUNTES VALUES (:E, 2018, 900004, 2, '2018-01-20', 1, '47510005', 0, 380, 'Monte');
INSERT INTO T_APUNTES VALUES (:E, 2018, 900004, 3, '2018-01-20', 1, '41000904', 0, 1620, 'Monte');
)");

TEST_F(M111CaptureTest, FromTheBooksOfAGeneratedCompany) {
    AccountingTestDatabase books(test.work);
    useAccounting(books.path());
    db::Transaction write(books.database());
    for (const QString& sql : kPrizesAndForest.trimmed().split(u'\n')) {
        db::Statement insert(books.database(), write);
        insert.setSql(sql.chopped(1));
        if (sql.contains(u":E"))
            insert.setParam(QStringLiteral("E"), 3); // the 2018 company of the sample
        insert.execute();
    }
    write.commit();
    // What the books withheld in the first quarter, straight from their procedure.
    db::Transaction read(books.database());
    db::Statement rows(books.database(), read);
    rows.setSql(QStringLiteral("select * from pa_mod110 ((select EMPRESA from T_PARAMETROS where "
                               "EJERCICIO = 2018), 2018, :F, :T)"));
    rows.setParam(QStringLiteral("F"), QDate(2018, 1, 1));
    rows.setParam(QStringLiteral("T"), QDate(2018, 3, 31));
    rows.execute();
    QMap<QString, std::tuple<int, double, double>> books1T;
    for (; !rows.eof(); rows.next())
        books1T[rows.field(QStringLiteral("CLAVE")).asString()] = {
            rows.field(QStringLiteral("PERCEPTORES")).asInteger(),
            rows.field(QStringLiteral("IMPORTE")).asFloat(),
            rows.field(QStringLiteral("RETENCION")).asFloat()};
    rows.close();
    read.commit();
    books.database().close();
    ASSERT_TRUE(books1T.contains(QStringLiteral("A")) && books1T.contains(QStringLiteral("G")));

    choose(12, "1T");
    ASSERT_TRUE(dm.CapturaContabilidad());
    const auto [wageEarners, wages, wageWithholdings] = books1T[QStringLiteral("A")];
    const auto [professionals, fees, feeWithholdings] = books1T[QStringLiteral("G")];
    EXPECT_GT(wageWithholdings, 0);
    EXPECT_EQ(box("C3I01").asInteger(), wageEarners);
    EXPECT_DOUBLE_EQ(box("C3I02").asFloat(), wages);
    EXPECT_DOUBLE_EQ(box("C3I03").asFloat(), wageWithholdings);
    EXPECT_EQ(box("C3II01").asInteger(), professionals);
    EXPECT_DOUBLE_EQ(box("C3II02").asFloat(), fees);
    EXPECT_DOUBLE_EQ(box("C3II03").asFloat(), feeWithholdings);
    // The two prizes of the quarter and the forest gain, as booked above.
    EXPECT_EQ(box("C3III01").asInteger(), 2);
    EXPECT_DOUBLE_EQ(box("C3III02").asFloat(), 1500);
    EXPECT_DOUBLE_EQ(box("C3III03").asFloat(), 285);
    EXPECT_EQ(box("C3IV01").asInteger(), 1);
    EXPECT_DOUBLE_EQ(box("C3IV02").asFloat(), 2000);
    EXPECT_DOUBLE_EQ(box("C3IV03").asFloat(), 380);
    const double total = wageWithholdings + feeWithholdings + 285 + 380;
    EXPECT_DOUBLE_EQ(box("C3T01").asFloat(), total);
    EXPECT_DOUBLE_EQ(box("C3T03").asFloat(), total);
    EXPECT_DOUBLE_EQ(box("C401").asFloat(), total);
}

} // namespace
