// Model 310: the print file field by field against the return's table, the taxpayer's and the
// new record's defaults, box 12 choosing between compensation and payment, the declaration
// type, the quarter, and the print through the agency's outside tool.
#include "returns/periodic/TDMM310.h"
#include "FileBytes.h"
#include "FixedFields.h"
#include "SimplifiedVatTest.h"
#include "returns/FileViewer.h"
#include "util/Error.h"

#include <QDate>

#include <optional>
#include <vector>

namespace {

// Taxpayer 14 records no form of payment.
const QString kNoPayment = QStringLiteral(R"(
INSERT INTO T_CONTRIBUYENTES (CONTRIBUYENTE, NIF, APELLIDOS, FP) VALUES (14, 'X1234567L', 'SIN FORMA DE PAGO', 0);
)");

class TDMM310Test : public SimplifiedVatTest<TDMM310> {
protected:
    TDMM310Test() : SimplifiedVatTest(kNoPayment) {}

    // The agency's tool as a script: it lists its arguments one a line, keeps a copy of the
    // print file it was given, then does what `leaves` says.
    void tool(const QByteArray& leaves) {
        const QString path = work("mipf14pdf.bat");
        writeBytes(path, "#!/bin/sh\n"
                         "for a in \"$@\"; do echo \"$a\"; done > argumentos.txt\n"
                         "cp mod310.txt visto.txt\n" +
                             leaves + "\n");
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QStringList toolArguments() const {
        return QString::fromLatin1(readBytes(work("argumentos.txt")))
            .split(u'\n', Qt::SkipEmptyParts);
    }

    QString agencyName(int taxpayer) {
        db::Statement s(test.main.Database, test.main.TLocal);
        s.setSql(QStringLiteral(
            "select NOMBRE from VER_AGENCIA_TRIBUTARIA where CONTRIBUYENTE = :contribuyente"));
        s.setParam(QStringLiteral("CONTRIBUYENTE"), taxpayer);
        s.execute();
        const QString name = s.eof() ? QString() : s.field(0).asString();
        s.close();
        test.main.TLocal.commitRetaining();
        return name;
    }
};

} // namespace

TEST_F(TDMM310Test, TheRecordFieldByField) {
    choose(12, "2");
    const QDate today = QDate::currentDate();
    const char* const headings[] = {"C3I01A1", "C3I01A2", "C3I01A3", "C3I01A4"};
    const char* const amounts[] = {"C3I02A1", "C3I02A2", "C3I02A3", "C3I02A4"};
    const char* const farms[] = {"C3AGP1", "C3AGP2", "C3AGP3", "C3AGP4"};
    const char* const farmAmounts[] = {"C3AGPC1", "C3AGPC2", "C3AGPC3", "C3AGPC4"};
    const char* const farmNames[] = {"OLIVAR", "VIÑA", "CEREAL", "GANADO  OVINO"};
    const double typed[] = {100.10, 200.20, 300.30, 400.40};
    const double farmTyped[] = {10.01, 20.02, 30.03, 40.04};
    for (int n = 0; n < 4; ++n) {
        box(headings[n]).setAsString(QString::number(6591 + n));
        box(amounts[n]).setAsFloat(typed[n]);
        box(farms[n]).setAsString(QString::fromUtf8(farmNames[n]));
        box(farmAmounts[n]).setAsFloat(farmTyped[n]);
    }
    EXPECT_NEAR(box("C301").asFloat(), 1101.10, 1e-9) << "the eight amounts";
    box("C302").setAsFloat(5);
    box("C303").setAsFloat(6);
    box("C304").setAsFloat(7);
    box("C306").setAsFloat(19.10);
    box("C308").setAsFloat(100);
    box("C310").setAsFloat(50);
    box("C311").setAsFloat(200);
    EXPECT_NEAR(box("C305").asFloat(), 1119.10, 1e-9);
    EXPECT_NEAR(box("C312").asFloat(), 800, 1e-9) << "box 10 enters no formula";
    box("C601").setAsString(QStringLiteral("3101234567890123"));
    box("C602").setAsString(QStringLiteral("3101234567890"));
    // A memo gives line breaks; the record stays one line.
    box("NOTAS").setAsString(QStringLiteral("LINEA UNO\r\nLINEA  DOS\nFIN"));

    test.prompts.answer(false);
    ASSERT_TRUE(dm.GeneraFichero());
    EXPECT_EQ(test.prompts.log(),
              QStringList{QStringLiteral(
                  "question Confirmación: ¿ Desea copiar el fichero creado a disquete ?")})
        << "no message reports the writing";
    EXPECT_TRUE(QDir(drive.file(QStringLiteral("aeat"))).isEmpty())
        << "nothing goes to the agency's folder";

    const QByteArray bytes = readBytes(work("mod310.txt"));
    ASSERT_EQ(bytes.size(), 1145 + 2);
    EXPECT_EQ(bytes.right(2), QByteArray("\r\n"));
    const QString line = QString::fromLatin1(bytes.left(1145));
    EXPECT_EQ(line, dm.ComponeFichero());
    expectFields(line,
                 {
                     {1, 6, "31001 "},
                     {7, 1, "G"},
                     {8, 63, test.main.IdentificacionCorta(12)},
                     {71, 4, "2018"},
                     {75, 2, "2T"},
                     {77, 5, "6591 "},
                     {82, 13, amount13(10010)},
                     {95, 5, "6592 "},
                     {100, 13, amount13(20020)},
                     {113, 5, "6593 "},
                     {118, 13, amount13(30030)},
                     {131, 5, "6594 "},
                     {136, 13, amount13(40040)},
                     {149, 5, blanks(5)},
                     {154, 13, amount13(0)},
                     {167, 50, QStringLiteral("OLIVAR").leftJustified(50)},
                     {217, 13, amount13(1001)},
                     {230, 50, QStringLiteral("VIÑA").leftJustified(50)},
                     {280, 13, amount13(2002)},
                     {293, 50, QStringLiteral("CEREAL").leftJustified(50)},
                     {343, 13, amount13(3003)},
                     {356, 50, QStringLiteral("GANADO OVINO").leftJustified(50)},
                     {406, 13, amount13(4004)},
                     {575, 13, amount13(0)},
                     {588, 16, "3101234567890123"},
                     {604, 13, "3101234567890"},
                     {617, 100, QStringLiteral("LUIS PEREZ").leftJustified(100)},
                     {717, 9, "968123456"},
                     {726, 350, QStringLiteral("LINEA UNO LINEA DOS FIN").leftJustified(350)},
                     {1076, 13, amount13(80000)},
                     {1089, 1, "2"},
                     {1090, 20, kCcc},
                     {1110, 20, QStringLiteral("MURCIA").leftJustified(20)},
                     {1130, 2, QString::number(today.day()).leftJustified(2)},
                     {1132, 10, QString::fromLatin1(kMonths[today.month() - 1]).leftJustified(10)},
                     {1142, 4, QString::number(today.year())},
                 });
    // Boxes 01 to 12, 13 characters each from 419.
    const qint64 boxes[] = {110110, 500,   600,    700,  111910, 1910,
                            110000, 10000, 100000, 5000, 20000,  80000};
    for (int k = 0; k < 12; ++k)
        expectFields(line, {{419 + 13 * k, 13, amount13(boxes[k])}});

    const FileView view = viewFile(bytes);
    EXPECT_TRUE(view.recognized);
    EXPECT_EQ(view.faults, 0) << view.lines.join(u'\n').toStdString();
}

TEST_F(TDMM310Test, ANewRecordTakesTodayAndTheTaxpayersDefaults) {
    // Any recorded form of payment becomes a debit to the account; none, cash.
    struct Case {
        int taxpayer;
        int payment;
        QString account;
    };
    const QDate today = QDate::currentDate();
    for (const Case& c : {Case{12, 2, kCcc}, {13, 2, {}}, {14, 1, {}}}) {
        SCOPED_TRACE(c.taxpayer);
        choose(c.taxpayer, "1");
        EXPECT_EQ(box("C402").asInteger(), c.payment);
        EXPECT_EQ(box("C7CCC").asString(), c.account);
        EXPECT_EQ(box("ESTADO").asInteger(), 0);
        EXPECT_EQ(box("C902").asString(), QString::number(today.day())) << "no leading zero";
        EXPECT_EQ(box("C903").asString(), QString::fromLatin1(kMonths[today.month() - 1]));
        EXPECT_EQ(box("C904").asString(), QString::number(today.year()));
    }
    choose(12, "1");
    EXPECT_EQ(box("C901").asString(), QStringLiteral("MURCIA"));
    EXPECT_EQ(box("CONTACTO").asString(), QStringLiteral("LUIS  PEREZ"));
    EXPECT_EQ(box("TELEFONO").asString(), QStringLiteral("968123456"));
}

TEST_F(TDMM310Test, Box12ChoosesBetweenCompensationAndPayment) {
    choose(12, "1");
    ASSERT_EQ(box("C402").asInteger(), 2);
    box("C306").setAsFloat(150.25);
    EXPECT_DOUBLE_EQ(box("C312").asFloat(), -150.25);
    EXPECT_DOUBLE_EQ(box("C401").asFloat(), 150.25);
    EXPECT_DOUBLE_EQ(box("C701").asFloat(), 0);
    EXPECT_EQ(box("C402").asInteger(), 0);
    EXPECT_EQ(box("TIPO").asInteger(), 1);
    expectFields(dm.ComponeFichero(), {{7, 1, "C"},
                                       {562, 13, "N000000015025"},
                                       {575, 13, amount13(15025)},
                                       {1076, 13, amount13(0)},
                                       {1089, 1, "0"}});

    box("C306").setAsFloat(0);
    EXPECT_DOUBLE_EQ(box("C401").asFloat(), 0);
    EXPECT_DOUBLE_EQ(box("C701").asFloat(), 0);
    EXPECT_EQ(box("TIPO").asInteger(), 0);
    EXPECT_EQ(box("C402").asInteger(), 0) << "zero leaves the form of payment";
    EXPECT_EQ(type(), QStringLiteral("N"));

    box("C402").setAsInteger(3);
    box("C3AGPC2").setAsFloat(300);
    EXPECT_DOUBLE_EQ(box("C312").asFloat(), 300);
    EXPECT_DOUBLE_EQ(box("C701").asFloat(), 300);
    EXPECT_DOUBLE_EQ(box("C401").asFloat(), 0);
    expectFields(
        dm.ComponeFichero(),
        {{7, 1, "U"}, {562, 13, amount13(30000)}, {1076, 13, amount13(30000)}, {1089, 1, "3"}});

    // Each link passes a change on: 04 -> 05 -> 07 -> 09 -> 12 -> payment.
    box("C311").setAsFloat(100);
    box("C304").setAsFloat(10);
    EXPECT_DOUBLE_EQ(box("C305").asFloat(), 310);
    EXPECT_DOUBLE_EQ(box("C307").asFloat(), 310);
    EXPECT_DOUBLE_EQ(box("C309").asFloat(), 310);
    EXPECT_DOUBLE_EQ(box("C312").asFloat(), 210);
    EXPECT_DOUBLE_EQ(box("C701").asFloat(), 210);

    // 0.3 - 0.1 - 0.2 leaves -2.8e-17: nothing to compensate, the declaration not negative.
    choose(12, "2");
    box("C3I02A1").setAsFloat(0.3);
    box("C306").setAsFloat(0.1);
    box("C308").setAsFloat(0.2);
    EXPECT_NEAR(box("C312").asFloat(), 0, 1e-9);
    EXPECT_DOUBLE_EQ(box("C401").asFloat(), 0);
    EXPECT_DOUBLE_EQ(box("C701").asFloat(), 0);
    EXPECT_EQ(box("TIPO").asInteger(), 0);
    EXPECT_EQ(box("C402").asInteger(), 2);
    EXPECT_EQ(type(), QStringLiteral("G"));
}

TEST_F(TDMM310Test, TheTypeCharacterTakesTheFirstRuleThatApplies) {
    struct Case {
        double compensation;
        int negative;
        int payment;
        const char* type;
    };
    choose(12, "3");
    for (const Case& c : {Case{5, 1, 1, "C"},
                          {0, 1, 1, "N"},
                          {0, 0, 0, "N"},
                          {0, 0, 1, "I"},
                          {0, 0, 2, "G"},
                          {0, 0, 3, "U"},
                          {0, 0, 7, " "},
                          {1e-12, 0, 1, "I"}}) {
        SCOPED_TRACE(testing::Message() << c.compensation << " " << c.negative << " " << c.payment);
        box("C401").setAsFloat(c.compensation);
        box("TIPO").setAsInteger(c.negative);
        box("C402").setAsInteger(c.payment);
        EXPECT_EQ(type(), QString::fromLatin1(c.type));
    }
}

TEST_F(TDMM310Test, OnlyAQuarterIsFiled) {
    for (const char* period : {"0", "", "5"}) {
        SCOPED_TRACE(period);
        choose(12, period);
        try {
            dm.GeneraFichero();
            ADD_FAILURE() << "a file for period '" << period << "'";
        } catch (const tributra::Error& e) {
            EXPECT_EQ(e.text(), QStringLiteral("El período debe ser un trimestre, del 1 al 4"));
        }
        EXPECT_FALSE(QFile::exists(work("mod310.txt")));
    }
    choose(12, "4");
    test.prompts.answer(false);
    ASSERT_TRUE(dm.GeneraFichero());
    expectFields(QString::fromLatin1(readBytes(work("mod310.txt"))), {{75, 2, "4T"}});
}

TEST_F(TDMM310Test, ThePrintRunsTheToolAndReportsWhatItLeft) {
    choose(12, "3");
    box("C3I02A1").setAsFloat(120);
    dm.QMaestro.post();
    const QByteArray record = dm.ComponeFichero().toLatin1() + "\r\n";
    const QString name = agencyName(12);
    ASSERT_FALSE(name.isEmpty());

    const QString made =
        QStringLiteral("information: Declaración creada en el fichero mod310.pdf para su "
                       "impresión\nY el fichero mod310.txt para presentación telemática");
    const QString errors = QStringLiteral("errors: Casilla 01: importe erroneo");
    struct Case {
        QByteArray leaves;
        bool copy;
        QString message;
    };
    const Case cases[] = {
        {": > mod310.pdf", false, made},
        {"printf 'Casilla 01: importe erroneo' > Errores.txt", true, errors},
        {"printf 'Casilla 01: importe erroneo' > Errores.txt; : > mod310.pdf", false, errors},
        {"", true, QStringLiteral("information: Posible fallo en la máquina virtual de Java")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.leaves.toStdString());
        for (const char* left :
             {"mod310.txt", "mod310.pdf", "Errores.txt", "argumentos.txt", "visto.txt"})
            QFile::remove(work(left));
        tool(c.leaves);
        std::vector<PeriodicReturn::CondicionesListado> asked;
        const qsizetype before = test.prompts.log().size();

        EXPECT_TRUE(
            dm.ImprimeDeclaracion([&](const PeriodicReturn::CondicionesListado& conditions) {
                asked.push_back(conditions);
                return std::optional<bool>(c.copy);
            }));
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_EQ(asked[0].modelo, QStringLiteral("Modelo 310"));
        EXPECT_EQ(asked[0].contribuyente, name);
        EXPECT_EQ(asked[0].periodo, QStringLiteral("3T"));
        QStringList arguments{QStringLiteral("/E:mod310.txt"), QStringLiteral("/P:mod310.pdf")};
        if (c.copy)
            arguments << QStringLiteral("/C:S");
        EXPECT_EQ(toolArguments(), arguments);
        EXPECT_EQ(readBytes(work("visto.txt")), record)
            << "the print file is written before the tool runs";
        EXPECT_EQ(test.prompts.log().mid(before), QStringList{c.message});
    }
    EXPECT_FALSE(dm.QMaestro.editing());
    EXPECT_EQ(box("ESTADO").asInteger(), 0) << "printing does not mark the record";

    const FileView view = viewFile(record);
    EXPECT_TRUE(view.recognized);
    EXPECT_EQ(view.faults, 0) << view.lines.join(u'\n').toStdString();
}

TEST_F(TDMM310Test, ThePrintDoesNothingWhileEditingAndStopsOnCancel) {
    tool(": > mod310.pdf");
    int asked = 0;
    const auto cancel = [&](const PeriodicReturn::CondicionesListado&) {
        ++asked;
        return std::optional<bool>();
    };
    choose(12, "1");
    box("C3I02A1").setAsFloat(75);
    EXPECT_FALSE(dm.ImprimeDeclaracion(cancel));
    EXPECT_EQ(asked, 0);
    EXPECT_FALSE(QFile::exists(work("mod310.txt")));

    dm.QMaestro.post();
    EXPECT_FALSE(dm.ImprimeDeclaracion(cancel));
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(QFile::exists(work("argumentos.txt"))) << "the tool did not run";
    EXPECT_FALSE(QFile::exists(work("mod310.pdf")));
    EXPECT_EQ(readBytes(work("mod310.txt")), dm.ComponeFichero().toLatin1() + "\r\n")
        << "the print file stays written";
    EXPECT_TRUE(test.prompts.log().isEmpty()) << test.prompts.log().join(u'|').toStdString();
}
