// The digital deposit file: one line of XML in the registry program's code page, key by
// key in the questionnaire's order, the equity keys worked out from the books, and an
// earlier file never lost by a transfer that does not finish.
#include "../returns/M111Fixture.h"
#include "FileBytes.h"
#include "QtPrinters.h"
#include "accounts/TDMDepositoXML.h"
#include "db/Statement.h"
#include "db/Transaction.h"
#include "util/Error.h"
#include "util/Win1252.h"

#include <QFileInfo>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

// Taxpayer 12 has every sheet, accents in its texts and amounts with none, one or two
// decimals; 13 has the identification only, with markup characters in its name.
const QString kAccounts = QStringLiteral(R"(
UPDATE T_CONTRIBUYENTES SET FIRMANTE = 'José Ramón Muñoz' WHERE CONTRIBUYENTE = 12;
INSERT INTO IDENTIFICACION (EMPRESA, DEPOSITO, DESCRIPCION, NIF, SA, SL, OTRAS, NOMBRESOCIAL,
    DOMISOCIAL, MUNICIPIO, IDPROVINCIA, CODPOSTAL, TELEFONO, CNAE, ACTIVIDAD, FIJO, FIJO_ANT,
    NOFIJO, NOFIJO_ANT, FECHA_CIERRE, MICROEMPRESA)
VALUES (12, 'CUENTAS', 'Depósito 2017', 'B30123456', 0, 1, ' Coop. agrícola',
    'Compañía Eléctrica Ñandú', ' Calle Ávila, 3 ', 'Águilas', 8, '08001', '968111222', '3514',
    'Distribución de energía', 12, 10.5, 0, 2, '2017-06-30', 1);
INSERT INTO BALANCE (EMPRESA, C11100, C10000) VALUES (12, 1500.75, 1500.75);
INSERT INTO PyG (EMPRESA, C40100, C40400, C49500, C401009, C495009)
VALUES (12, 1534.5, -300, 1234.5, 12, 0.004);
INSERT INTO SOLICITUD (EMPRESA, TOMO, FOLIO, HOJA, PRESENTADOR, DNI, DOMICILIO, CODPOSTAL,
    MUNICIPIO, IDPROVINCIA, TELEFONO, FAX, EMAIL)
VALUES (12, 1234, 56, 7890, 'María Pérez Núñez', '23456789D', ' Plaza Mayor, 1 ', '30001',
    'Murcia', 30, '968000111', '968000222', 'maria@example.com');
INSERT INTO IDENTIFICACION (EMPRESA, DEPOSITO, DESCRIPCION, NIF, SA, SL, NOMBRESOCIAL, DOMISOCIAL,
    FECHA_CIERRE)
VALUES (13, '', 'Cuentas <2017> & más', 'B30000001', 1, 1, 'Talleres Sánchez & Hijos <SL>',
    'Mayor, 5 < 7', '2017-12-31');
)");

// The file as the registry program reads it.
struct Deposit {
    QString xsi;        // the root's xsi namespace
    QStringList header; // "Element=text", in order
    QStringList keys;   // "code=value", in order
};

Deposit parse(const QByteArray& bytes) {
    Deposit d;
    const QString text = util::fromWin1252(bytes);
    QXmlStreamReader xml(text);
    if (!xml.readNextStartElement() || xml.name() != u"Esquema") {
        ADD_FAILURE() << "no Esquema root: " << xml.errorString().toStdString();
        return d;
    }
    for (const QXmlStreamNamespaceDeclaration& ns : xml.namespaceDeclarations())
        if (ns.prefix() == u"xsi")
            d.xsi = ns.namespaceUri().toString();
    while (xml.readNextStartElement()) {
        if (xml.name() == u"Cabecera") {
            while (xml.readNextStartElement())
                d.header << xml.name().toString() + u'=' + xml.readElementText();
        } else if (xml.name() == u"Claves") {
            while (xml.readNextStartElement()) {
                EXPECT_TRUE(xml.name() == u"Clave") << xml.name().toString().toStdString();
                QStringList children;
                QString code, value;
                while (xml.readNextStartElement()) {
                    const QString name = xml.name().toString();
                    children << name;
                    (name == QLatin1String("Codigo") ? code : value) = xml.readElementText();
                }
                EXPECT_EQ(children, (QStringList{"Codigo", "Valor"})) << "after " << d.keys.size();
                EXPECT_TRUE(!code.isEmpty() && std::all_of(code.begin(), code.end(), [](QChar c) {
                    return c.isDigit();
                })) << code.toStdString();
                d.keys << code + u'=' + value;
            }
        } else {
            ADD_FAILURE() << "unexpected " << xml.name().toString().toStdString();
            xml.skipCurrentElement();
        }
    }
    while (!xml.atEnd())
        xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString() << " at "
                                 << xml.characterOffset();
    return d;
}

// The keys that follow the signatory's: the statement of changes in equity.
QStringList equityKeys(const QStringList& keys) {
    const auto signatory = std::find_if(keys.begin(), keys.end(),
                                        [](const QString& k) { return k.startsWith(u"8091001="); });
    return signatory == keys.end() ? QStringList{"no signatory"}
                                   : QStringList(signatory + 1, keys.end());
}

class DepositoTest : public ::testing::Test {
protected:
    void SetUp() override { test.main.DirectorioDeposito = d2.path(); }

    QString file12() const { return d2.file(QStringLiteral("CUENTAS/Deposito.Xml")); }

    TestMain test{kTaxpayers + kAccounts};
    TempDir d2;
    TDMDepositoXML dm{test.main};
};

TEST_F(DepositoTest, TheDocumentIsOneLineWithEveryKeyInTheQuestionnairesOrder) {
    ASSERT_TRUE(dm.GeneraDeposito(12));
    const QByteArray bytes = readBytes(file12());

    EXPECT_TRUE(bytes.startsWith(R"(<?xml version="1.0" encoding="utf-8"?><Esquema )"));
    EXPECT_TRUE(bytes.endsWith("</Claves></Esquema>\r\n"));
    EXPECT_EQ(bytes.count('\n'), 1);
    EXPECT_EQ(bytes.count('\r'), 1);
    EXPECT_TRUE(bytes.contains("</Cabecera><Claves><Clave><Codigo>1010</Codigo><Valor>B30123456"
                               "</Valor></Clave><Clave>"));
    EXPECT_TRUE(bytes.contains(
        util::toWin1252(QStringLiteral("<RazonSocial>Compañía Eléctrica Ñandú</RazonSocial>"))))
        << "the registry program reads its own code page whatever the declaration says";

    const Deposit d = parse(bytes);
    EXPECT_EQ(d.xsi, QStringLiteral("http://www.w3.org/2001/XMLSchema-instance"));
    EXPECT_EQ(d.header, (QStringList{"CIF=B30123456", "RazonSocial=Compañía Eléctrica Ñandú",
                                     "Descripcion=Depósito 2017", "TipoCuestionario=Pymes",
                                     "IdiomaCuestionario=Castellano", "MemoriaNormalizada=False",
                                     "Ejercicio=2017"}));
    // Not S.A.: no 1011. The other form only trimmed, its accent kept. No accounting
    // database: no equity keys after the signatory.
    const QStringList expected{
        "1010=B30123456", "1012=1", "1013=Coop. agrícola", "1020=Compañia Electrica Ñandu",
        "1022=Calle Ávila, 3", "1023=Águilas", "1024=08001", "1025=8", "1031=968111222",
        "2009=Distribucion de energia", "2001=3514", "4001=12", "4002=0", "40019=10.5", "40029=2",
        "1102=01.01.2017", "11021=2017", "11022=1", "11023=1", "110219=2016", "110229=1",
        "110239=1", "1101=30.06.2017", "11011=2017", "11012=06", "11013=30", "110119=2016",
        "110129=06", "110139=30", "1901=7", "1902=1", "11100=1500.75", "10000=1500.75",
        // 0.004 in 2016's result has no cents: no key.
        "40100=1534.5", "40400=-300", "49500=1234.5", "401009=12", "8099000=1", "8009050=1",
        "8081001=29023", "8081002=1234", "8081003=56", "8081004=7890", "8081201=Maria Perez Nuñez",
        "8081202=23456789D", "8081203=Plaza Mayor, 1", "8081205=30001", "8081204=Murcia",
        "8081206=30", "8081208=968000111", "8081207=968000222", "8081209=maria@example.com",
        "8091001=Jose Ramon Muñoz"};
    EXPECT_EQ(d.keys, expected);
}

TEST_F(DepositoTest, MissingSheetsLeaveEmptyValuesAndMarkupIsEscaped) {
    ASSERT_TRUE(dm.GeneraDeposito(13));
    const QByteArray bytes = readBytes(d2.file(QStringLiteral("Deposito.Xml")));
    EXPECT_TRUE(bytes.contains(util::toWin1252(
        QStringLiteral("<RazonSocial>Talleres Sánchez &amp; Hijos &lt;SL></RazonSocial>"))));
    EXPECT_TRUE(bytes.contains(
        util::toWin1252(QStringLiteral("<Descripcion>Cuentas &lt;2017> &amp; más</Descripcion>"))));
    EXPECT_TRUE(
        bytes.contains("<Codigo>1020</Codigo><Valor>Talleres Sanchez &amp; Hijos &lt;SL></Valor>"));

    const Deposit d = parse(bytes);
    EXPECT_TRUE(d.header.contains(QStringLiteral("RazonSocial=Talleres Sánchez & Hijos <SL>")));
    for (const char* key : {"1011=1", "1012=1", "1020=Talleres Sanchez & Hijos <SL>",
                            "1022=Mayor, 5 < 7", "1024=", "1025=0", "1101=31.12.2017"})
        EXPECT_TRUE(d.keys.contains(QString::fromUtf8(key))) << key;
    EXPECT_FALSE(std::any_of(d.keys.begin(), d.keys.end(), [](const QString& k) {
        return k.startsWith(u"1013=");
    })) << "no other legal form";

    // No balance, P&L, request nor signatory: no amounts, and empty request values.
    const qsizetype micro = d.keys.indexOf(QStringLiteral("1902=0"));
    ASSERT_GE(micro, 0);
    EXPECT_EQ(d.keys.mid(micro + 1),
              (QStringList{"8099000=1", "8009050=1", "8081001=29023", "8081002=", "8081003=",
                           "8081004=", "8081201=", "8081202=", "8081203=", "8081205=", "8081204=",
                           "8081206=", "8081208=", "8081207=", "8081209=", "8091001="}));
}

TEST_F(DepositoTest, TheFileGoesIntoTheDepositFolderWithItsFourDocumentFolders) {
    const QString cuentas = d2.file(QStringLiteral("CUENTAS"));
    ASSERT_TRUE(QDir().mkpath(cuentas + QStringLiteral("/Documentos")));
    writeBytes(cuentas + QStringLiteral("/Documentos/escritura.pdf"), QByteArray("pdf"));

    ASSERT_TRUE(dm.GeneraDeposito(12));
    ASSERT_TRUE(dm.GeneraDeposito(13)) << "an empty name: straight into the working folder";

    const QStringList layout{"Deposito.Xml", "Documentos", "Documentos TMP", "Otros Documentos",
                             "Otros Documentos TMP"};
    const auto entries = [](const QString& path) {
        return QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    };
    EXPECT_EQ(entries(cuentas), layout);
    EXPECT_EQ(entries(d2.path()), QStringList{"CUENTAS"} + layout);
    for (const QString& folder : {cuentas, d2.path()})
        for (const QString& name : layout)
            EXPECT_EQ(QFileInfo(folder + u'/' + name).isDir(), name != layout.first())
                << name.toStdString();
    EXPECT_EQ(readBytes(cuentas + QStringLiteral("/Documentos/escritura.pdf")), QByteArray("pdf"))
        << "a folder already there keeps what it holds";
}

TEST_F(DepositoTest, ATaxpayerWithoutIdentificationWritesNothing) {
    EXPECT_FALSE(dm.GeneraDeposito(99));
    ASSERT_EQ(test.prompts.log().size(), 1);
    EXPECT_TRUE(test.prompts.log().first().endsWith(u": No Existen datos de la empresa"))
        << test.prompts.log().first().toStdString();
    EXPECT_TRUE(QDir(d2.path()).isEmpty()) << "not even a folder";
}

TEST_F(DepositoTest, AnEarlierFileIsReplacedOnlyWhenTheUserAgrees) {
    ASSERT_TRUE(dm.GeneraDeposito(12));
    const QByteArray first = readBytes(file12());
    const QByteArray earlier("de otra transferencia\r\n");
    writeBytes(file12(), earlier);

    test.prompts.answer(false);
    EXPECT_FALSE(dm.GeneraDeposito(12));
    EXPECT_EQ(readBytes(file12()), earlier);
    ASSERT_EQ(test.prompts.log().size(), 1);
    EXPECT_TRUE(test.prompts.log().first().endsWith(
        QStringLiteral(": Fichero Deposito.Xml ya existe. ¿Desea reemplazarlo?")))
        << test.prompts.log().first().toStdString();

    test.prompts.answer(true);
    EXPECT_TRUE(dm.GeneraDeposito(12));
    EXPECT_EQ(readBytes(file12()), first);

    writeBytes(file12(), earlier);
    EXPECT_TRUE(dm.GeneraDeposito(12, true));
    EXPECT_EQ(readBytes(file12()), first);
    EXPECT_EQ(test.prompts.log().size(), 2) << "replacing by request asks nothing";
}

struct Entry {
    int company;
    int year;
    int period;
    const char* account;
    double debit;
    double credit;
};

// One accounting company per way the equity can move; the test points both exercises at
// one of them. Company 99 stands for damaged books: its balances fail.
const Entry kJournal[] = {
    // 1: capital only, raised in 2017; no result in either year.
    {1, 2016, 0, "10000000", 0, 3000},
    {1, 2017, 0, "10000000", 0, 3000},
    {1, 2017, 5, "10000000", 0, 1000},

    // 2: every amount moves. 118 and 130 are equity too, but none of these keys'.
    {2, 2016, 0, "10000000", 0, 3000},
    {2, 2016, 0, "11200000", 0, 400},
    {2, 2016, 0, "12000000", 0, 100},
    {2, 2016, 0, "12900000", 0, 200},
    {2, 2016, 0, "11800000", 0, 77},
    {2, 2016, 4, "12900000", 200, 0},
    {2, 2016, 4, "11200000", 0, 200},
    {2, 2016, 13, "12900000", 0, 900},
    {2, 2017, 0, "10000000", 0, 3000},
    {2, 2017, 0, "11200000", 0, 600},
    {2, 2017, 0, "12000000", 0, 100},
    {2, 2017, 0, "12900000", 0, 900},
    {2, 2017, 0, "13000000", 0, 999},
    {2, 2017, 5, "12900000", 900, 0},
    {2, 2017, 5, "11300000", 0, 900},
    {2, 2017, 6, "10000000", 0, 2000},
    {2, 2017, 13, "12900000", 0, 1250.5},

    // 3: a loss carried into 2017 and offset against reserves; no capital.
    {3, 2017, 0, "12900000", 300, 0},
    {3, 2017, 0, "11300000", 0, 300},
    {3, 2017, 7, "12900000", 0, 300},
    {3, 2017, 7, "11300000", 300, 0},

    // 4: 2016 opens with a profit taken to reserves; 2017 opens at 0 and closes in loss.
    {4, 2016, 0, "12900000", 0, 50},
    {4, 2016, 6, "12900000", 50, 0},
    {4, 2016, 6, "11900000", 0, 50},
    {4, 2017, 0, "11900000", 0, 50},
    {4, 2017, 13, "12900000", 75.25, 0},
};

QString booksScript() {
    QString script = QStringLiteral(R"(
CREATE TABLE T_PARAMETROS (EJERCICIO INTEGER, EMPRESA INTEGER);
INSERT INTO T_PARAMETROS VALUES (2016, 1);
INSERT INTO T_PARAMETROS VALUES (2017, 1);
CREATE TABLE T_APUNTES (EMPRESA INTEGER, EJERCICIO INTEGER, PERIODO SMALLINT,
    SUBCUENTA VARCHAR(8), DEBE DOUBLE PRECISION, HABER DOUBLE PRECISION);
CREATE EXCEPTION E_CONTABILIDAD 'Contabilidad corrupta';
SET TERM ^ ;
CREATE PROCEDURE pa_saldos_acumula (EMPRESA INTEGER, EJERCICIO INTEGER, CUENTA VARCHAR(30),
    INICIO SMALLINT, FIN SMALLINT)
RETURNS (DEBE DOUBLE PRECISION, HABER DOUBLE PRECISION, SALDO_EXTERNO DOUBLE PRECISION)
AS
BEGIN
    IF (EMPRESA = 99) THEN EXCEPTION E_CONTABILIDAD;
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

class DepositoEquityTest : public DepositoTest {
protected:
    void SetUp() override {
        DepositoTest::SetUp();
        books.database().close();
        db::Statement s(test.main.Database, test.main.TLocal);
        s.setSql(QStringLiteral(
            "update T_CONTRIBUYENTES set FICHERO_CTBLE = :f where CONTRIBUYENTE = 12"));
        s.setParam(QStringLiteral("f"), books.path());
        s.execute();
        test.main.TLocal.commit();
    }

    // Both exercises of the books kept under one accounting company.
    void keepBooksOf(int company) {
        db::Database& conta = books.database();
        conta.open();
        {
            db::Transaction t(conta);
            db::Statement s(conta, t);
            s.setSql(QStringLiteral("UPDATE T_PARAMETROS SET EMPRESA = :e"));
            s.setParam(QStringLiteral("e"), company);
            s.execute();
            t.commit();
        }
        conta.close();
    }

    TestDatabase books{test.work, booksScript(), QStringLiteral("conta.fdb")};
};

TEST_F(DepositoEquityTest, TheEquityKeysFollowTheCapitalReservesAndResultsOfBothYears) {
    struct Case {
        int company;
        const char* amounts; // A..H worked by hand from the journal above
        QStringList keys;
    };
    // One row per step of the statement: opening, capital, reserves and results, totals.
    // clang-format off
    const Case cases[] = {
        {1, "A 3000, B 4000, the rest 0",
         {"511019=3000", "514019=3000", "51101=3000", "51401=3000", "52501=4000",
          "511139=3000", "514139=3000", "528139=0", "51113=3000", "51413=3000", "52813=0",
          "52513=3000"}},
        {2, "A 3000, B 5000, C 500, D 200, E 700, F 900, G 1600, H 1250.5",
         {"511019=3000", "514019=3000", "51101=3000", "51401=3000", "52501=5000",
          "511049=500", "514049=500", "524049=200", "532049=200", "51104=700", "51404=700",
          "52404=900", "53204=900", "52504=1600",
          "511069=200", "514069=200", "524069=-200", "532069=-200",
          "528089=900", "51108=900", "51408=900", "52408=-900", "53208=-900",
          "52808=1250.5", "52508=1250.5",
          "511139=3700", "514139=3700", "528139=900", "51113=4600", "51413=4600",
          "52813=1250.5", "52513=5850.5"}},
        {3, "F -300, the rest 0: no capital is 0, not -0",
         {"511019=0", "514019=0", "51101=0", "51401=0", "52501=0",
          "52404=-300", "53204=-300",
          "528089=-300", "51108=-300", "51408=-300", "52408=300", "53208=300",
          "511139=0", "514139=0", "528139=-300", "51113=-300", "51413=-300", "52813=0",
          "52513=-300"}},
        {4, "D 50, E 50, G 50, H -75.25, the rest 0",
         {"511019=0", "514019=0", "51101=0", "51401=0", "52501=0",
          "524049=50", "532049=50", "51104=50", "51404=50", "52504=50",
          "511069=50", "514069=50", "524069=-50", "532069=-50",
          "52808=-75.25", "52508=-75.25",
          "511139=50", "514139=50", "528139=0", "51113=50", "51413=50", "52813=-75.25",
          "52513=-25.25"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.amounts);
        keepBooksOf(c.company);
        TDMDepositoXML deposit{test.main};
        ASSERT_TRUE(deposit.GeneraDeposito(12, true));
        const Deposit d = parse(readBytes(file12()));
        EXPECT_EQ(equityKeys(d.keys), c.keys);
        EXPECT_TRUE(d.keys.contains(QStringLiteral("11100=1500.75"))) << "the rest as before";
    }
}

TEST_F(DepositoEquityTest, AnAccountingErrorLeavesNoFileAndTheEarlierOneUntouched) {
    keepBooksOf(99);
    EXPECT_THROW(dm.GeneraDeposito(12), tributra::Error);
    EXPECT_FALSE(QFile::exists(file12()));

    const QByteArray earlier("de otra transferencia\r\n");
    ASSERT_TRUE(QDir().mkpath(d2.file(QStringLiteral("CUENTAS"))));
    writeBytes(file12(), earlier);
    EXPECT_THROW(dm.GeneraDeposito(12, true), tributra::Error);
    EXPECT_EQ(readBytes(file12()), earlier);
}

} // namespace
