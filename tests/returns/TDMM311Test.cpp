// Model 311: the print file field by field against the return's table (three rows of each
// kind written, four counted), the refund and the compensation that exclude each other,
// box 16, the declaration type, the one row per taxpayer, and the print.
#include "returns/periodic/TDMM311.h"
#include "FileBytes.h"
#include "FixedFields.h"
#include "SimplifiedVatTest.h"
#include "returns/FileViewer.h"

#include <QDate>

#include <optional>
#include <utility>
#include <vector>

namespace {

class TDMM311Test : public SimplifiedVatTest<TDMM311> {
protected:
    // The taxpayer's return: its stored row, or a new one.
    void start(int taxpayer) {
        if (dm.QMaestro.editing())
            dm.QMaestro.cancel();
        dm.QMaestro.append();
        box("CONTRIBUYENTE").setAsInteger(taxpayer);
    }
};

} // namespace

TEST_F(TDMM311Test, TheRecordFieldByField) {
    start(12);
    const QDate today = QDate::currentDate();
    EXPECT_EQ(box("C701").asInteger(), 2) << "direct debit recorded: a debit to the account";
    EXPECT_EQ(box("C7CCC").asString(), kCcc);
    EXPECT_EQ(box("C501").asInteger(), 1) << "without activity, from the register";
    EXPECT_EQ(box("TIPO").asInteger(), 0) << "the register's mark does not tick the box";
    EXPECT_EQ(box("C801").asInteger(), 0);
    EXPECT_EQ(box("ESTADO").asInteger(), 0);

    const char* const headings[] = {"C3I01A1", "C3I01A2", "C3I01A3", "C3I01A4"};
    const char* const amounts[] = {"C3I02A1", "C3I02A2", "C3I02A3", "C3I02A4"};
    const char* const farms[] = {"C3AGP1", "C3AGP2", "C3AGP3", "C3AGP4"};
    const char* const farmAmounts[] = {"C3AGPC1", "C3AGPC2", "C3AGPC3", "C3AGPC4"};
    const char* const farmNames[] = {"OLIVAR", "VIÑA  VIEJA", "CEREAL", "GANADO"};
    const double typed[] = {100.10, 200.20, 300.30, 400.40};
    const double farmTyped[] = {10.01, 20.02, 30.03, 40.04};
    for (int n = 0; n < 4; ++n) {
        box(headings[n]).setAsString(QString::number(6591 + n));
        box(amounts[n]).setAsFloat(typed[n]);
        box(farms[n]).setAsString(QString::fromUtf8(farmNames[n]));
        box(farmAmounts[n]).setAsFloat(farmTyped[n]);
    }
    EXPECT_NEAR(box("C301").asFloat(), 1101.10, 1e-9) << "the hidden fourth rows count";
    for (const auto& [name, value] : {std::pair{"C302", 1.10},
                                      {"C304", 4.0},
                                      {"C305", 5.0},
                                      {"C306", 6.0},
                                      {"C308", 8.0},
                                      {"C309", 7.0},
                                      {"C312", 100.0},
                                      {"C314", 14.0},
                                      {"C315", 200.0}})
        box(name).setAsFloat(value);
    EXPECT_NEAR(box("C316").asFloat(), 800, 1e-9) << "box 14 enters no formula";
    EXPECT_NEAR(box("C702").asFloat(), 800, 1e-9);
    box("C6").setAsString(QStringLiteral("3111234567890123"));
    box("C802").setAsString(QStringLiteral("3111234567890"));
    box("NOTAS").setAsString(QStringLiteral("LINEA UNO\r\nLINEA  DOS\nFIN"));

    test.prompts.answer(false);
    ASSERT_TRUE(dm.GeneraFichero());
    EXPECT_EQ(test.prompts.log(),
              QStringList{QStringLiteral(
                  "question Confirmación: ¿ Desea copiar el fichero creado a disquete ?")});
    EXPECT_TRUE(QDir(drive.file(QStringLiteral("aeat"))).isEmpty())
        << "nothing goes to the agency's folder";

    const QByteArray bytes = readBytes(work("mod311.txt"));
    ASSERT_EQ(bytes.size(), 1203 + 2);
    EXPECT_EQ(bytes.right(2), QByteArray("\r\n"));
    const QString line = QString::fromLatin1(bytes.left(1203));
    EXPECT_EQ(line, dm.ComponeFichero());
    EXPECT_FALSE(line.contains(QStringLiteral("6594")) || line.contains(QStringLiteral("GANADO")))
        << "the fourth rows are not written";
    expectFields(line,
                 {
                     {1, 6, "31101 "},
                     {7, 1, "G"},
                     {8, 141, test.main.IdentificacionCompleta(12)},
                     {149, 4, "2018"},
                     {153, 5, "6591 "},
                     {158, 13, amount13(10010)},
                     {171, 5, "6592 "},
                     {176, 13, amount13(20020)},
                     {189, 5, "6593 "},
                     {194, 13, amount13(30030)},
                     {207, 50, QStringLiteral("OLIVAR").leftJustified(50)},
                     {257, 13, amount13(1001)},
                     {270, 50, QStringLiteral("VIÑA VIEJA").leftJustified(50)},
                     {320, 13, amount13(2002)},
                     {333, 50, QStringLiteral("CEREAL").leftJustified(50)},
                     {383, 13, amount13(3003)},
                     {604, 13, amount13(0)},
                     {617, 13, amount13(0)},
                     {630, 20, blanks(20)},
                     {650, 1, "2"},
                     {651, 13, amount13(80000)},
                     {664, 20, kCcc},
                     {684, 16, "3111234567890123"},
                     {700, 13, "3111234567890"},
                     {713, 100, QStringLiteral("LUIS PEREZ").leftJustified(100)},
                     {813, 9, "968123456"},
                     {822, 350, QStringLiteral("LINEA UNO LINEA DOS FIN").leftJustified(350)},
                     {1172, 16, QStringLiteral("MURCIA").leftJustified(16)},
                     {1188, 2, QString::number(today.day()).leftJustified(2)},
                     {1190, 10, QString::fromLatin1(kMonths[today.month() - 1]).leftJustified(10)},
                     {1200, 4, QString::number(today.year())},
                 });
    // Boxes 01 to 16, 13 characters each from 396.
    const qint64 boxes[] = {110110, 110,  110000, 400,   500,    600,  111500, 800,
                            700,    1500, 110000, 10000, 100000, 1400, 20000,  80000};
    for (int k = 0; k < 16; ++k)
        expectFields(line, {{396 + 13 * k, 13, amount13(boxes[k])}});

    const FileView view = viewFile(bytes);
    EXPECT_TRUE(view.recognized);
    EXPECT_EQ(view.faults, 0) << view.lines.join(u'\n').toStdString();
}

TEST_F(TDMM311Test, RefundAndCompensationExcludeEachOther) {
    start(12);
    box("C3I02A1").setAsFloat(100);
    ASSERT_DOUBLE_EQ(box("C702").asFloat(), 100);

    box("C401").setAsFloat(30);
    EXPECT_EQ(box("C701").asInteger(), 0);
    EXPECT_DOUBLE_EQ(box("C702").asFloat(), 0);
    EXPECT_TRUE(box("C7CCC").asString().isEmpty());
    EXPECT_TRUE(box("C6CCC").asString().isEmpty());
    EXPECT_DOUBLE_EQ(box("C6D").asFloat(), 0);
    EXPECT_EQ(type(), QStringLiteral("C"));

    box("C6D").setAsFloat(50);
    EXPECT_DOUBLE_EQ(box("C401").asFloat(), 0);
    EXPECT_EQ(box("C6CCC").asString(), kCcc) << "the refund goes to the taxpayer's account";
    EXPECT_TRUE(box("C7CCC").asString().isEmpty());
    expectFields(dm.ComponeFichero(), {{7, 1, "N"},
                                       {604, 13, amount13(0)},
                                       {617, 13, amount13(5000)},
                                       {630, 20, kCcc},
                                       {650, 1, "0"},
                                       {651, 13, amount13(0)},
                                       {664, 20, blanks(20)}});

    box("C401").setAsFloat(20);
    EXPECT_DOUBLE_EQ(box("C6D").asFloat(), 0);
    EXPECT_TRUE(box("C6CCC").asString().isEmpty());
    expectFields(
        dm.ComponeFichero(),
        {{7, 1, "C"}, {604, 13, amount13(2000)}, {617, 13, amount13(0)}, {630, 20, blanks(20)}});
}

TEST_F(TDMM311Test, Box16PaysWhenPositiveAndCompensatesWhenNegative) {
    start(12);
    box("C308").setAsFloat(50);
    EXPECT_DOUBLE_EQ(box("C316").asFloat(), -50);
    EXPECT_DOUBLE_EQ(box("C401").asFloat(), 50);
    EXPECT_EQ(box("C701").asInteger(), 0) << "a compensation excludes the payment";
    EXPECT_TRUE(box("C7CCC").asString().isEmpty());
    EXPECT_EQ(type(), QStringLiteral("C"));

    // Turning positive pays, but the compensation typed stays until the user clears it.
    box("C3I02A1").setAsFloat(80);
    EXPECT_DOUBLE_EQ(box("C316").asFloat(), 30);
    EXPECT_DOUBLE_EQ(box("C702").asFloat(), 30);
    EXPECT_DOUBLE_EQ(box("C401").asFloat(), 50);
    expectFields(dm.ComponeFichero(), {{7, 1, "C"},
                                       {591, 13, amount13(3000)},
                                       {604, 13, amount13(5000)},
                                       {651, 13, amount13(3000)}});
    box("C401").setAsFloat(0);
    EXPECT_EQ(type(), QStringLiteral("N")) << "the payment form was cleared";
    box("C701").setAsInteger(3);
    EXPECT_EQ(type(), QStringLiteral("U"));

    // 0.3 - 0.1 - 0.2 leaves -2.8e-17: no compensation, the payment form stays.
    start(12);
    box("C3I02A1").setAsFloat(0.3);
    box("C302").setAsFloat(0.1);
    box("C312").setAsFloat(0.2);
    EXPECT_NEAR(box("C316").asFloat(), 0, 1e-9);
    EXPECT_NEAR(box("C702").asFloat(), 0, 1e-9);
    EXPECT_DOUBLE_EQ(box("C401").asFloat(), 0);
    EXPECT_EQ(box("C701").asInteger(), 2);
    EXPECT_EQ(box("C7CCC").asString(), kCcc);
    EXPECT_EQ(type(), QStringLiteral("G"));
}

TEST_F(TDMM311Test, TheTypeCharacterTakesTheFirstRuleThatApplies) {
    struct Case {
        double compensation;
        int withoutActivity;
        int payment;
        const char* type;
    };
    start(12);
    for (const Case& c : {Case{5, 1, 1, "C"},
                          {0, 1, 1, "N"},
                          {0, 0, 0, "N"},
                          {0, 0, 1, "I"},
                          {0, 0, 2, "G"},
                          {0, 0, 3, "U"},
                          {0, 0, 7, " "},
                          {1e-12, 0, 1, "I"}}) {
        SCOPED_TRACE(testing::Message()
                     << c.compensation << " " << c.withoutActivity << " " << c.payment);
        box("C401").setAsFloat(c.compensation);
        box("TIPO").setAsInteger(c.withoutActivity);
        box("C701").setAsInteger(c.payment);
        EXPECT_EQ(type(), QString::fromLatin1(c.type));
    }
}

TEST_F(TDMM311Test, OneRowPerTaxpayerComesBackWithFreshDefaults) {
    start(12);
    box("C3I02A1").setAsFloat(70);
    box("C901").setAsString(QStringLiteral("CARTAGENA"));
    box("C802").setAsString(QStringLiteral("3111234567890"));
    dm.QMaestro.post();
    EXPECT_EQ(box("C801").asInteger(), 1) << "a receipt number makes it complementary";

    start(13);
    EXPECT_DOUBLE_EQ(box("C3I02A1").asFloat(), 0);
    EXPECT_EQ(box("C701").asInteger(), 2) << "cash recorded: still a debit";

    start(12);
    EXPECT_EQ(dm.QMaestro.state(), db::DataSet::State::Edit) << "the stored row, not a new one";
    EXPECT_DOUBLE_EQ(box("C3I02A1").asFloat(), 70);
    EXPECT_EQ(box("C801").asInteger(), 1);
    EXPECT_EQ(box("C901").asString(), QStringLiteral("MURCIA"))
        << "the taxpayer's defaults come again";
    box("C802").clear();
    dm.QMaestro.post();
    EXPECT_EQ(box("C801").asInteger(), 0);
    start(12);
    EXPECT_EQ(box("C801").asInteger(), 0);
}

TEST_F(TDMM311Test, ThePrintAsksTheConditionsAndRunsTheTool) {
    const QString path = work("mipf14pdf.bat");
    writeBytes(path, "#!/bin/sh\n"
                     "for a in \"$@\"; do echo \"$a\"; done > argumentos.txt\n"
                     "cp mod311.txt visto.txt\n"
                     ": > mod311.pdf\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    std::vector<PeriodicReturn::CondicionesListado> asked;
    const auto withCopy = [&](const PeriodicReturn::CondicionesListado& conditions) {
        asked.push_back(conditions);
        return std::optional<bool>(true);
    };

    start(12);
    box("C3I02A1").setAsFloat(10);
    EXPECT_FALSE(dm.ImprimeDeclaracion(withCopy)) << "not while the record is being edited";
    EXPECT_TRUE(asked.empty());
    EXPECT_FALSE(QFile::exists(work("mod311.txt")));

    dm.QMaestro.post();
    const QByteArray record = dm.ComponeFichero().toLatin1() + "\r\n";
    db::Statement s(test.main.Database, test.main.TLocal);
    s.setSql(QStringLiteral("select NOMBRE from VER_AGENCIA_TRIBUTARIA where CONTRIBUYENTE = 12"));
    s.execute();
    const QString name = s.field(0).asString();
    s.close();

    EXPECT_TRUE(dm.ImprimeDeclaracion(withCopy));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].modelo, QStringLiteral("Modelo 311"));
    EXPECT_EQ(asked[0].contribuyente, name);
    EXPECT_EQ(asked[0].periodo, QStringLiteral("4T"));
    EXPECT_EQ(
        QString::fromLatin1(readBytes(work("argumentos.txt"))).split(u'\n', Qt::SkipEmptyParts),
        (QStringList{"/E:mod311.txt", "/P:mod311.pdf", "/C:S"}));
    EXPECT_EQ(readBytes(work("visto.txt")), record)
        << "the print file is written before the tool runs";
    EXPECT_EQ(test.prompts.log(),
              QStringList{QStringLiteral(
                  "information: Declaración creada en el fichero mod311.pdf para su "
                  "impresión\nY el fichero mod311.txt para presentación telemática")});
    const FileView view = viewFile(record);
    EXPECT_TRUE(view.recognized);
    EXPECT_EQ(view.faults, 0) << view.lines.join(u'\n').toStdString();
}
