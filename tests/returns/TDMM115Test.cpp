// Model 115: its page field by field against the return's table, the computed boxes, and
// the capture of a quarter or a month.
#include "returns/periodic/TDMM115.h"
#include "FixedFields.h"
#include "ReturnModuleTest.h"
#include "util/Error.h"

namespace {

// A procedure that tells what it was asked: the first month as recipients, the last day
// as the amount; a second row that must be ignored.
const QString kBooks = QStringLiteral(R"(
CREATE TABLE T_PARAMETROS (EJERCICIO INTEGER, EMPRESA INTEGER);
INSERT INTO T_PARAMETROS VALUES (2018, 7);
SET TERM ^ ;
CREATE PROCEDURE pa_mod115 (EMPRESA INTEGER, EJERCICIO INTEGER, FECHA_INI DATE, FECHA_FIN DATE)
RETURNS (PERCEPTORES INTEGER, IMPORTE DOUBLE PRECISION, RETENCION DOUBLE PRECISION)
AS
BEGIN
    PERCEPTORES = EXTRACT(MONTH FROM FECHA_INI); IMPORTE = EXTRACT(DAY FROM FECHA_FIN);
    RETENCION = EMPRESA + 0.5; SUSPEND;
    PERCEPTORES = 99; IMPORTE = 99; RETENCION = 99; SUSPEND;
END ^
SET TERM ; ^
)");

class TDMM115Test : public ReturnModuleTest<TDMM115> {
protected:
    QString page() {
        QFile f(test.work.file(QStringLiteral("mod115.txt")));
        return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()).mid(328, 500)
                                           : QString();
    }
};

} // namespace

TEST_F(TDMM115Test, TheLineHoldsTagsAndThePageFieldByField) {
    choose(12, "02");
    EXPECT_EQ(box("TIPO").asString(), QStringLiteral("U"));
    box("C301").setAsInteger(3);
    box("C302").setAsFloat(1000);
    box("C303").setAsFloat(100);
    box("C304").setAsFloat(150);
    EXPECT_DOUBLE_EQ(box("C305").asFloat(), -50) << "box 05 = 03 - 04";
    EXPECT_DOUBLE_EQ(box("C502").asFloat(), -50) << "the payment follows box 05";
    box("ES_COMPLEMENTARIA").setAsInteger(1);
    box("C402").setAsString(QStringLiteral("1151234567890"));
    ASSERT_TRUE(dm.GeneraFichero());

    QFile f(test.work.file(QStringLiteral("mod115.txt")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    ASSERT_EQ(bytes.size(), 846 + 2);
    const QString line = QString::fromLatin1(bytes.left(846));
    expectFields(line,
                 {{1, 17, "<T11502018020000>"}, {18, 5, "<AUX>"}, {829, 18, "</T11502018020000>"}});
    expectFields(page(),
                 {
                     {1, 12, "<T11501000> "},
                     {13, 1, "U"},
                     {14, 9, "12345678Z"},
                     {23, 60, QStringLiteral("GARCIA DE LA FUENTE").leftJustified(60)},
                     {83, 20, QStringLiteral("ANA MARIA").leftJustified(20)},
                     {103, 4, "2018"},
                     {107, 2, "02"},
                     {109, 15, "000000000000003"},
                     {124, 17, amount17(100000)},
                     {141, 17, amount17(10000)},
                     {158, 17, amount17(15000)},
                     {175, 17, "N0000000000005000"},
                     {192, 1, "X"},
                     {193, 13, "1151234567890"},
                     {206, 34, QStringLiteral("ES9121000418450200051332").leftJustified(34)},
                     {240, 236, blanks(236)},
                     {476, 13, blanks(13)},
                     {489, 12, "</T11501000>"},
                 });
    EXPECT_TRUE(
        QFile::exists(drive.file(QStringLiteral("aeat/115_2018/GARCIA  DE LA FUENTE_02.115"))));
}

TEST_F(TDMM115Test, ANegativeDeclarationCarriesNoAccount) {
    choose(12, "1T");
    box("TIPO").setAsString(QStringLiteral("N"));
    ASSERT_TRUE(dm.GeneraFichero());
    expectFields(page(),
                 {{13, 1, "N"}, {192, 1, " "}, {193, 13, blanks(13)}, {206, 34, blanks(34)}});
}

TEST_F(TDMM115Test, TheCaptureAsksForThePeriodsDatesAndTakesTheFirstRow) {
    TestDatabase books(test.work, kBooks, QStringLiteral("conta.fdb"));
    books.database().close();
    db::Statement s(test.main.Database, test.main.TLocal);
    s.setSql(
        QStringLiteral("update T_CONTRIBUYENTES set FICHERO_CTBLE = '%1' where CONTRIBUYENTE = 12")
            .arg(books.path()));
    s.execute();
    test.main.TLocal.commit();

    struct Case {
        const char* period;
        int firstMonth;
        double lastDay;
    };
    for (const Case& c : {Case{"02", 2, 28}, Case{"2T", 4, 30}, Case{"12", 12, 31}}) {
        choose(12, c.period);
        ASSERT_TRUE(dm.CapturaContabilidad()) << c.period;
        EXPECT_EQ(box("C301").asInteger(), c.firstMonth) << c.period;
        EXPECT_DOUBLE_EQ(box("C302").asFloat(), c.lastDay) << c.period;
        EXPECT_DOUBLE_EQ(box("C303").asFloat(), 7.5) << "2018's company, first row only";
        EXPECT_DOUBLE_EQ(box("C305").asFloat(), 7.5) << "box 05 follows";
        dm.QMaestro.cancel();
    }
    choose(12, "00");
    try {
        dm.CapturaContabilidad();
        ADD_FAILURE() << "a capture without a period";
    } catch (const tributra::Error& e) {
        EXPECT_EQ(e.text(), QStringLiteral("Debe Elegir un periodo"));
    }
}
