// Model 130: its page field by field against the return's table, the chain of computed boxes
// with its floors, the type the result chooses, and the capture of cumulative figures scaled
// by the taxpayer's share.
#include "returns/periodic/TDMM130.h"
#include "FileBytes.h"
#include "FixedFields.h"
#include "ReturnModuleTest.h"
#include "returns/FileViewer.h"
#include "util/Error.h"

#include <utility>

namespace {

// A procedure that tells what it was asked: the month and the company in the income, the
// account's length and the year in the expenses. Payments and withholdings carry cents a
// share would change. A second row that must be ignored.
const QString kBooks = QStringLiteral(R"(
CREATE TABLE T_PARAMETROS (EJERCICIO INTEGER, EMPRESA INTEGER);
INSERT INTO T_PARAMETROS VALUES (2017, 6);
INSERT INTO T_PARAMETROS VALUES (2018, 7);
SET TERM ^ ;
CREATE PROCEDURE pa_mod130 (EMPRESA INTEGER, EJERCICIO INTEGER, PERIODO INTEGER, CTA_PF VARCHAR(20))
RETURNS (INGRESOS DOUBLE PRECISION, GASTOS DOUBLE PRECISION, PAGOS DOUBLE PRECISION,
         RETENCIONES DOUBLE PRECISION)
AS
BEGIN
    INGRESOS = PERIODO * 10000 + EMPRESA;
    GASTOS = CHAR_LENGTH(COALESCE(CTA_PF, '')) * 1000 + EJERCICIO - 2000;
    PAGOS = 50.5; RETENCIONES = 30.25; SUSPEND;
    INGRESOS = 99; GASTOS = 99; PAGOS = 99; RETENCIONES = 99; SUSPEND;
END ^
SET TERM ; ^
)");

class TDMM130Test : public ReturnModuleTest<TDMM130> {
protected:
    QString page() { return ReturnModuleTest::page(0, 600); }
    // Where box 01..19 is written.
    static int at(int number) { return 109 + 17 * (number - 1); }
};

} // namespace

TEST_F(TDMM130Test, TheLineHoldsTagsAndThePageFieldByField) {
    choose(12, "2");
    EXPECT_EQ(box("TIPO").asString(), QStringLiteral("U"));
    EXPECT_EQ(box("IBAN").asString(), kIban);
    // Every box a different amount, so two swapped ones show.
    for (const auto& [name, value] : {std::pair{"C301", 10000.0},
                                      {"C302", 4000.25},
                                      {"C305", 150.0},
                                      {"C306", 200.0},
                                      {"C308", 5000.0},
                                      {"C310", 30.0},
                                      {"C313", 20.0},
                                      {"C315", 40.0},
                                      {"C316", 65.0},
                                      {"C318", 250.0}})
        box(name).setAsFloat(value);
    EXPECT_NEAR(box("C319").asFloat(), 544.95, 1e-9);
    EXPECT_EQ(box("TIPO").asString(), QStringLiteral("U"));
    box("ES_COMPLEMENTARIA").setAsInteger(1);
    box("C402").setAsString(QStringLiteral("1301234567890"));
    ASSERT_TRUE(dm.GeneraFichero());

    const QByteArray bytes = readBytes(test.work.file(QStringLiteral("mod130.txt")));
    ASSERT_EQ(bytes.size(), 946 + 2);
    EXPECT_EQ(bytes.right(2), QByteArray("\r\n"));
    const QString line = QString::fromLatin1(bytes.left(946));
    expectFields(line, {{1, 17, "<T130020182T0000>"},
                        {18, 5, "<AUX>"},
                        {23, 70, blanks(70)},
                        {93, 4, "1.1 "},
                        {101, 9, "B12312312"},
                        {323, 6, "</AUX>"},
                        {929, 18, "</T130020182T0000>"}});
    const QString p = line.mid(328, 600);
    expectFields(p, {
                        {1, 12, "<T13001000> "},
                        {13, 1, "U"},
                        {14, 9, "12345678Z"},
                        {23, 60, QStringLiteral("GARCIA DE LA FUENTE").leftJustified(60)},
                        {83, 20, QStringLiteral("ANA MARIA").leftJustified(20)},
                        {103, 4, "2018"},
                        {107, 2, "2T"},
                        {432, 1, "X"},
                        {433, 13, "1301234567890"},
                        {446, 34, kIban.leftJustified(34)},
                        {480, 96, blanks(96)},
                        {576, 13, blanks(13)},
                        {589, 12, "</T13001000>"},
                    });
    // Boxes 01 to 19, computed ones included: 03 = 01 - 02, 04 = 20 % of 03, 07 = 04 - 05 - 06,
    // 09 = 2 % of 08, 11 = 09 - 10, 12 = 07 + 11, 14 = 12 - 13, 17 = 14 - 15 - 16, 19 = 17 - 18.
    const qint64 cents[] = {1000000, 400025, 599975, 119995, 15000, 20000, 84995,
                            500000,  10000,  3000,   7000,   91995, 2000,  89995,
                            4000,    6500,   79495,  25000,  54495};
    for (int n = 1; n <= 19; ++n) {
        SCOPED_TRACE(n);
        expectFields(p, {{at(n), 17, amount17(cents[n - 1])}});
    }

    const FileView view = viewFile(bytes);
    EXPECT_TRUE(view.recognized);
    EXPECT_EQ(view.faults, 0) << view.lines.join(u'\n').toStdString();
    const QString copy = drive.file(QStringLiteral("aeat/130_2018/GARCIA  DE LA FUENTE_2T.130"));
    EXPECT_EQ(readBytes(copy), bytes) << copy.toStdString();
}

TEST_F(TDMM130Test, TheComplementaryMarkFollowsTheFlagNotTheReceipt) {
    choose(12, "1");
    struct Case {
        int flag;
        const char* receipt;
        const char* written;
    };
    for (const Case& c :
         {Case{0, "1301234567890", " 1301234567890"}, {1, nullptr, "X             "}}) {
        SCOPED_TRACE(c.flag);
        box("ES_COMPLEMENTARIA").setAsInteger(c.flag);
        if (c.receipt)
            box("C402").setAsString(QString::fromLatin1(c.receipt));
        else
            box("C402").clear();
        expectFields(page(), {{432, 14, c.written}});
    }
}

TEST_F(TDMM130Test, ComputedBoxesKeepTheirFloors) {
    choose(12, "1");
    box("C302").setAsFloat(1000);
    EXPECT_DOUBLE_EQ(box("C303").asFloat(), -1000);
    EXPECT_DOUBLE_EQ(box("C304").asFloat(), 0) << "no 20 % of a loss";
    box("C301").setAsFloat(2000);
    EXPECT_DOUBLE_EQ(box("C304").asFloat(), 200);
    EXPECT_DOUBLE_EQ(box("C319").asFloat(), 200);

    box("C305").setAsFloat(500);
    box("C308").setAsFloat(5000);
    EXPECT_DOUBLE_EQ(box("C307").asFloat(), -300) << "box 07 may be negative";
    EXPECT_DOUBLE_EQ(box("C311").asFloat(), 100);
    EXPECT_DOUBLE_EQ(box("C312").asFloat(), 0) << "07 + 11 = -200 is floored";
    EXPECT_DOUBLE_EQ(box("C319").asFloat(), 0);
    expectFields(page(), {{at(7), 17, "N0000000000030000"}, {at(12), 17, amount17(0)}});
}

TEST_F(TDMM130Test, TheResultInCentsChoosesTheType) {
    choose(12, "1");
    box("C301").setAsFloat(25); // boxes 04 to 17 become 5
    EXPECT_DOUBLE_EQ(box("C317").asFloat(), 5);
    struct Case {
        double box18;
        const char* type;
        const char* box19;
    };
    // Each case starts from a type the user chose: the result decides, not the record.
    for (const Case& c : {Case{10, "B", "N0000000000000500"},
                          {5, "N", "00000000000000000"},
                          {0, "U", "00000000000000500"}}) {
        SCOPED_TRACE(c.box18);
        box("TIPO").setAsString(QStringLiteral("I"));
        box("C318").setAsFloat(c.box18);
        EXPECT_EQ(box("TIPO").asString(), QString::fromLatin1(c.type));
        const bool negative = *c.type == 'N';
        expectFields(page(), {{13, 1, c.type},
                              {at(19), 17, c.box19},
                              {446, 34, negative ? blanks(34) : kIban.leftJustified(34)}});
    }

    // 1 - 0.7 - 0.3 leaves 5.55e-17 in box 19: no cent to pay.
    choose(12, "3");
    box("C301").setAsFloat(5);
    box("C315").setAsFloat(0.7);
    EXPECT_EQ(box("TIPO").asString(), QStringLiteral("U"));
    box("C318").setAsFloat(0.3);
    EXPECT_NEAR(box("C319").asFloat(), 0, 1e-9);
    EXPECT_EQ(box("TIPO").asString(), QStringLiteral("N"));
    expectFields(page(), {{at(19), 17, amount17(0)}, {446, 34, blanks(34)}});
}

TEST_F(TDMM130Test, TheCaptureAsksForTheQuartersLastMonthAndScalesByTheShare) {
    TestDatabase books(test.work, kBooks, QStringLiteral("conta.fdb"));
    books.database().close();
    const auto update = [this](const QString& set) {
        db::Statement s(test.main.Database, test.main.TLocal);
        s.setSql(
            QStringLiteral("update T_CONTRIBUYENTES set %1 where CONTRIBUYENTE = 12").arg(set));
        s.execute();
        test.main.TLocal.commit();
    };
    update(QStringLiteral("FICHERO_CTBLE = '%1'").arg(books.path()));

    // No share and no account recorded: income and expenses come as 0, the rest whole.
    choose(12, "1");
    box("C301").setAsFloat(999);
    box("C302").setAsFloat(999);
    ASSERT_TRUE(dm.CapturaContabilidad());
    EXPECT_DOUBLE_EQ(box("C301").asFloat(), 0);
    EXPECT_DOUBLE_EQ(box("C302").asFloat(), 0);
    EXPECT_DOUBLE_EQ(box("C305").asFloat(), 50.5);
    EXPECT_DOUBLE_EQ(box("C306").asFloat(), 30.25);
    EXPECT_DOUBLE_EQ(box("C307").asFloat(), -80.75) << "box 07 follows";

    dm.QMaestro.cancel();
    update(QStringLiteral("PARTICIPACION = 50, CUENTA_PF = '4730001'"));
    struct Case {
        const char* quarter;
        int lastMonth;
    };
    for (const Case& c : {Case{"1", 3}, {"2", 6}, {"4", 12}}) {
        SCOPED_TRACE(c.quarter);
        choose(12, c.quarter);
        ASSERT_TRUE(dm.CapturaContabilidad());
        const double income = (c.lastMonth * 10000 + 7) / 2.0; // 2018's company, halved
        EXPECT_DOUBLE_EQ(box("C301").asFloat(), income);
        EXPECT_DOUBLE_EQ(box("C302").asFloat(), 7018 / 2.0) << "a 7-character account, halved";
        EXPECT_DOUBLE_EQ(box("C305").asFloat(), 50.5) << "payments are not shared";
        EXPECT_DOUBLE_EQ(box("C306").asFloat(), 30.25) << "withholdings are not shared";
        EXPECT_NEAR(box("C307").asFloat(), (income - 3509) * 0.2 - 80.75, 1e-6);
    }

    choose(12, "0");
    try {
        dm.CapturaContabilidad();
        ADD_FAILURE() << "a capture without a period";
    } catch (const tributra::Error& e) {
        EXPECT_EQ(e.text(), QStringLiteral("Debe Elegir un periodo"));
    }
}
