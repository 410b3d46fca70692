#include "taxpayers/Demonstration.h"
#include "FakePrompts.h"
#include "QtPrinters.h"
#include "ScopedCurrentDir.h"
#include "ScopedEnv.h"
#include "TempDir.h"
#include "accounts/StatementLine.h"
#include "accounts/TDMBalance.h"
#include "accounts/TDMPyG.h"
#include "config/TDMMain.h"
#include "framework/TDMBase.h"
#include "memoria/MemoriaEjemplo.h"
#include "memoria/SustituyeFormulas.h"
#include "memoria/TDMMemorias.h"
#include "returns/FileViewer.h"
#include "returns/informative/TDMM347.h"
#include "returns/informative/TDMM349.h"
#include "returns/periodic/TDMM130.h"
#include "returns/periodic/TDMM300.h"
#include "richtext/Rtf.h"
#include "schema/TaxNumber.h"
#include "util/Cents.h"
#include "util/Win1252.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

TEST(Demonstration, StartsOnItsTaxpayersEachWithItsAccounting) {
    TempDir dir;
    const Demonstration demo(dir.file("demo"));
    demo.build();
    demo.build(); // a second run keeps what is there
    EXPECT_TRUE(QFileInfo(QDir(demo.driveFolder()).filePath(QStringLiteral("aeat"))).isDir())
        << "the agency's folder the returns copy into";

    ScopedEnv windir("TRIBUTRA_WINDIR", demo.settingsFolder().toLocal8Bit());
    ScopedCurrentDir current(demo.settingsFolder());
    FakePrompts prompts;
    TDMMain main(prompts);
    ASSERT_FALSE(main.terminating());
    TDMBase accounting(main);

    db::Statement q(main.Database, main.TLocal);
    q.setSql(QStringLiteral(
        "select CONTRIBUYENTE, TITULO from T_CONTRIBUYENTES order by CONTRIBUYENTE"));
    QStringList taxpayers;
    for (q.execute(); !q.eof(); q.next())
        taxpayers << q.field(1).asString();
    EXPECT_EQ(taxpayers.size(), 5);
    for (int number : {1, 2, 3}) {
        SCOPED_TRACE(number);
        ASSERT_TRUE(main.AbreContabilidad(number));
        EXPECT_EQ(accounting.EmpresaContable(2018), 3) << "the 2018 company of its accounting";
    }
    for (int number : {4, 5})
        EXPECT_FALSE(main.AbreContabilidad(number)) << "those without accounting";
    EXPECT_TRUE(prompts.log().isEmpty());
}

Demonstration built(const QString& folder) {
    Demonstration demo(folder);
    demo.build();
    return demo;
}

// A workstation on a freshly built demonstration office.
class DemonstrationOffice : public ::testing::Test {
protected:
    TempDir dir;
    const Demonstration demo = built(dir.file("demo"));
    ScopedEnv windir{"TRIBUTRA_WINDIR", demo.settingsFolder().toLocal8Bit()};
    ScopedCurrentDir current{demo.settingsFolder()};
    FakePrompts prompts;
    TDMMain main{prompts};

    // The company's balance sheet of 2017 and 2016, captured from its books.
    void captura(TDMBalance& balance) {
        balance.DataModuleCreate();
        balance.FijaEmpresa(1);
        balance.QMaestro.append();
        balance.QMaestro.post();
        ASSERT_TRUE(balance.CapturaContabilidad());
    }
};

// Every taxpayer with books settles each quarter's VAT; among them a quarter ends in a
// credit that the next one carries, and the company has intra-community and
// reverse-charge purchases.
TEST_F(DemonstrationOffice, ItsBooksGiveModel303RealQuarters) {
    TDMM300 dm(main);
    dm.DataModuleCreate();
    auto box = [&](const char* name) {
        return dm.QMaestro.field(QString::fromLatin1(name)).asFloat();
    };

    int carried = 0;
    bool intraCommunity = false, reverseCharge = false;
    for (int taxpayer : {1, 2, 3}) {
        double credit = 0;
        for (const char* quarter : {"1T", "2T", "3T", "4T"}) {
            SCOPED_TRACE(testing::Message() << taxpayer << ' ' << quarter);
            dm.QMaestro.append();
            dm.QMaestro.field(QStringLiteral("CONTRIBUYENTE")).setAsInteger(taxpayer);
            dm.QMaestro.field(QStringLiteral("PERIODO")).setAsString(QString::fromLatin1(quarter));
            ASSERT_TRUE(dm.CapturaContabilidad());
            EXPECT_GT(box("C327"), 0) << "VAT accrued";
            // The settled quotas stand beside the return's own rates (each invoice rounds
            // its quota, so a few cents apart).
            for (const auto& [base, rate, quota] : {std::tuple{"C301", "C302", "C303"},
                                                    {"C304", "C305", "C306"},
                                                    {"C307", "C308", "C309"}})
                EXPECT_NEAR(box(quota), box(base) * box(rate) / 100, 1.0) << quota;
            EXPECT_NEAR(box("C371"), box("C327") - box("C345") - box("C367"), 0.005);
            EXPECT_NEAR(box("C367"), credit, 0.005) << "the previous quarter's credit";
            credit = util::cents(box("C371")) < 0 ? -box("C371") : 0;
            if (credit > 0) {
                ++carried;
                EXPECT_EQ(dm.QMaestro.field(QStringLiteral("TIPO")).asString(),
                          QStringLiteral("C"));
            }
            intraCommunity = intraCommunity || box("C311") > 0;
            reverseCharge = reverseCharge || box("C313") > 0;
            dm.QMaestro.cancel();
        }
    }
    EXPECT_GT(carried, 0);
    EXPECT_TRUE(intraCommunity);
    EXPECT_TRUE(reverseCharge);
    EXPECT_TRUE(prompts.log().isEmpty()) << prompts.log().join(u'\n').toStdString();
}

} // namespace

// The self-employed person's books give model 130 the income, expenses and withholdings
// since 1 January, and the instalments already paid: each quarter deducts what the earlier
// ones declared.
TEST_F(DemonstrationOffice, ItsBooksGiveModel130TheYearsFiguresAndEarlierInstalments) {
    TDMM130 dm(main);
    dm.DataModuleCreate();
    auto box = [&](const char* name) {
        return dm.QMaestro.field(QString::fromLatin1(name)).asFloat();
    };

    double declared = 0, income = 0;
    for (const char* quarter : {"1", "2", "3", "4"}) {
        SCOPED_TRACE(quarter);
        dm.QMaestro.append();
        dm.QMaestro.field(QStringLiteral("CONTRIBUYENTE")).setAsInteger(2);
        dm.QMaestro.field(QStringLiteral("PERIODO")).setAsString(QString::fromLatin1(quarter));
        ASSERT_TRUE(dm.CapturaContabilidad());
        EXPECT_GT(box("C301"), income) << "income since 1 January grows";
        EXPECT_GT(box("C302"), 0);
        EXPECT_GT(box("C306"), 0) << "withholdings borne";
        EXPECT_NEAR(box("C305"), declared, 0.005) << "the earlier quarters' instalments";
        EXPECT_GT(box("C307"), 0);
        income = box("C301");
        declared += box("C307");
        dm.QMaestro.post();
    }
    EXPECT_TRUE(prompts.log().isEmpty()) << prompts.log().join(u'\n').toStdString();
}

// The company's books give its annual accounts of 2017 and 2016 (each year its own
// accounting company): the balance sheet balances, the lines of a small company's chart
// have figures, and the profit carried to account 129 is the one the P&L shows.
TEST_F(DemonstrationOffice, ItsCompanysAccountsBalanceInBothYears) {
    TDMBalance balance(main);
    captura(balance);
    TDMPyG pyg(main);
    pyg.DataModuleCreate();
    pyg.FijaEmpresa(1);
    ASSERT_TRUE(pyg.CapturaContabilidad());

    auto line = [](TDMBase& dm, const char* code, bool previous) {
        return dm.QMaestro.field(accounts::column(code, previous)).asFloat();
    };
    for (bool previous : {false, true}) {
        SCOPED_TRACE(previous ? "2016" : "2017");
        EXPECT_GT(line(balance, "10000", previous), 0);
        EXPECT_NEAR(line(balance, "10000", previous), line(balance, "30000", previous), 0.005)
            << "assets against equity and liabilities";
        for (const char* code : {"11200", "12200", "12382", "12390", "12700", "21110", "21300",
                                 "31220", "32320", "32582", "32590"})
            EXPECT_NE(line(balance, code, previous), 0) << code;
        for (const char* code : {"40100", "40400", "40600", "40700"})
            EXPECT_NE(line(pyg, code, previous), 0) << code;
        EXPECT_NEAR(line(balance, "21700", previous), line(pyg, "49500", previous), 0.005)
            << "the year's result";
    }
    EXPECT_TRUE(prompts.log().isEmpty()) << prompts.log().join(u'\n').toStdString();
}

namespace {

// The sample memoria, in the demonstration as memoria 1.
void abreEjemplo(TDMMemorias& dm) {
    dm.DataModuleCreate();
    ASSERT_TRUE(dm.QMaestro.locate(QStringLiteral("MEMORIA"), {1}));
    ASSERT_EQ(dm.QMaestro.field(QStringLiteral("TITULO")).asString(), MemoriaEjemplo::kTitulo);
}

// Each chapter's formulas by number, as calculated last.
std::map<int, std::map<int, double>> importes(TDMMemorias& dm) {
    std::map<int, std::map<int, double>> todos;
    for (dm.QCapitulos.first(); !dm.QCapitulos.eof(); dm.QCapitulos.next())
        for (dm.QFormulas.first(); !dm.QFormulas.eof(); dm.QFormulas.next())
            todos[dm.QCapitulos.field(QStringLiteral("CAPITULO")).asInteger()]
                 [dm.QFormulas.field(QStringLiteral("FORMULA")).asInteger()] =
                     dm.QFormulas.field(QStringLiteral("IMPORTE")).asFloat();
    return todos;
}

// The sample memoria: every chapter names exactly its own formulas, and calculated over the
// company's books its figures agree with the annual accounts.
TEST_F(DemonstrationOffice, ItsSampleMemoriaNamesExactlyEachChaptersFormulas) {
    TDMMemorias dm(main);
    abreEjemplo(dm);
    const QRegularExpression corchete(QStringLiteral("\\[[^\\]]*\\]?"));
    int capitulos = 0;
    for (dm.QCapitulos.first(); !dm.QCapitulos.eof(); dm.QCapitulos.next()) {
        ++capitulos;
        SCOPED_TRACE(dm.QCapitulos.field(QStringLiteral("TITULO")).asString().toStdString());
        QTextDocument texto;
        ASSERT_EQ(richtext::readRtf(dm.QCapitulos.field(QStringLiteral("TEXTO")).asBytes(), texto),
                  richtext::RtfStatus::Intact);
        const QString plano = texto.toPlainText();
        EXPECT_GT(plano.size(), 200) << "a note an adviser can start from";
        std::multiset<QString> nombradas, formulas;
        for (const auto& m : corchete.globalMatch(plano))
            nombradas.insert(m.captured());
        for (dm.QFormulas.first(); !dm.QFormulas.eof(); dm.QFormulas.next())
            formulas.insert(
                TDMMemorias::Marcador(dm.QFormulas.field(QStringLiteral("FORMULA")).asInteger()));
        EXPECT_EQ(nombradas, formulas);
    }
    EXPECT_EQ(capitulos, 12);
}

// Over the company's 2017 books: the capital it was founded with, the result its profit and
// loss account shows, totals that add up, and the chapter's placeholders replaced by them.
TEST_F(DemonstrationOffice, ItsSampleMemoriaCalculatedForTheCompanyAgreesWithItsAccounts) {
    TDMBalance balance(main);
    captura(balance);
    TDMMemorias dm(main);
    abreEjemplo(dm);
    const double resultado = balance.QMaestro.field(accounts::column("21700", false)).asFloat();
    ASSERT_NE(resultado, 0);

    dm.setContribuyente(1);
    dm.QCapitulos.first();
    dm.CalculaMemoria(1);
    auto f = importes(dm);
    EXPECT_NEAR(f[3][1], resultado, 0.005);
    EXPECT_NEAR(f[3][2], resultado, 0.005);
    EXPECT_NEAR(f[8][1], 60000, 0.005) << "the capital";
    EXPECT_NEAR(f[8][3], resultado, 0.005);
    EXPECT_NEAR(f[8][4], f[8][1] + f[8][2] + f[8][3], 0.005);
    EXPECT_GT(f[5][6], 0) << "furniture, equipment and a van";
    EXPECT_NEAR(f[5][10], f[5][2] + f[5][6] - f[5][9], 0.005);
    EXPECT_GT(f[6][4], 0) << "the bank";
    EXPECT_GT(f[10][1], 0) << "the turnover";
    EXPECT_GT(f[10][3], 0) << "the wages";

    ASSERT_TRUE(dm.QCapitulos.locate(QStringLiteral("CAPITULO"), {8}));
    QTextDocument capitulo;
    ASSERT_EQ(richtext::readRtf(dm.QCapitulos.field(QStringLiteral("TEXTO")).asBytes(), capitulo),
              richtext::RtfStatus::Intact);
    SustituyeFormulas(capitulo, [&](int n) { return dm.TextoFormula(n); });
    EXPECT_TRUE(capitulo.toPlainText().contains(QStringLiteral("     60000,00")));
    EXPECT_FALSE(capitulo.toPlainText().contains(u'['));
    EXPECT_TRUE(prompts.log().isEmpty()) << prompts.log().join(u'\n').toStdString();
}

// The informative returns have something to declare: parties above the threshold both ways,
// the adviser billed exactly 3.005,06 left out, the landlord's premises, intra-community
// deliveries and acquisitions in more than one quarter, and a correction of last year.
TEST_F(DemonstrationOffice, ItsBooksGiveTheInformativeReturnsSomethingToDeclare) {
    TDMM347 m347(main);
    m347.DataModuleCreate();
    m347.FijaDeclarante(1);
    m347.QMaestro.post();
    ASSERT_TRUE(m347.CapturaContabilidad());
    std::set<QString> claves;
    for (m347.QDeclarados.first(); !m347.QDeclarados.eof(); m347.QDeclarados.next()) {
        claves.insert(m347.QDeclarados.field(QStringLiteral("CLAVE")).asString());
        EXPECT_GT(util::cents(m347.QDeclarados.field(QStringLiteral("IMPORTE")).asFloat()), 300506);
        EXPECT_NE(m347.QDeclarados.field(QStringLiteral("NIF")).asString(),
                  schema::cifOf(u'B', 3045678));
    }
    EXPECT_EQ(claves, (std::set<QString>{QStringLiteral("A"), QStringLiteral("B")}));
    db::Statement justo(main.Database, main.TLocal);
    justo.setSql(QStringLiteral(
        "select IMPORTE from T_REGISTRO_IVA where DECLARANTE = 1 and NIF_DECLARADO = :NIF"));
    justo.setParam(QStringLiteral("NIF"), schema::cifOf(u'B', 3045678));
    justo.execute();
    ASSERT_FALSE(justo.eof()) << "the adviser was captured";
    EXPECT_EQ(util::cents(justo.field(0).asFloat()), 300506);
    justo.close();
    // The working rows add up to the register's invoices the declaration takes.
    justo.setSql(
        QStringLiteral("select sum(IMPORTE + IMPORTECC) from T_REGISTRO_IVA where DECLARANTE = 1"));
    justo.execute();
    const qint64 capturado = util::cents(justo.field(0).asFloat());
    justo.close();
    ASSERT_TRUE(main.AbreContabilidad(1));
    db::Statement registro(main.DBConta, main.TConta);
    registro.setSql(QStringLiteral(
        "select sum(BASE0+BASE1+BASE2+BASE3+IVA1+IVA2+IVA3+IVA_REC1+IVA_REC2+IVA_REC3) "
        "from T_REGISTRO_IVA r join T_PARAMETROS p on p.EMPRESA = r.EMPRESA and p.EJERCICIO = 2018 "
        "where r.EJERCICIO = 2018 and not ((TIPOREGISTRO = 'S' and TIPOIVA in ('2', '6')) or "
        "(TIPOREGISTRO = 'R' and TIPOIVA in ('5', '6')))"));
    registro.execute();
    EXPECT_NEAR(double(capturado), double(util::cents(registro.field(0).asFloat())), 1.0);
    registro.close();
    EXPECT_EQ(viewFile(util::toWin1252(m347.ComponeFichero())).faults, 0);

    m347.FijaDeclarante(3);
    EXPECT_EQ(m347.QInmuebles.recordCount(), 1) << "the landlord's premises";
    EXPECT_TRUE(m347.ComponeFichero().contains(QStringLiteral("ASESORES REUNIDOS DEL TURIA SL")));

    TDMM349 m349(main);
    m349.DataModuleCreate();
    std::map<QString, int> trimestres; // by key, the quarters that have it
    for (const char* trimestre : {"1T", "2T", "3T", "4T"}) {
        SCOPED_TRACE(trimestre);
        m349.FijaDeclaracion(1, QString::fromLatin1(trimestre));
        m349.QMaestro.post();
        ASSERT_TRUE(m349.CapturaContabilidad());
        std::set<QString> operaciones;
        for (m349.QOperaciones.first(); !m349.QOperaciones.eof(); m349.QOperaciones.next())
            operaciones.insert(m349.QOperaciones.field(QStringLiteral("CLAVE")).asString());
        for (const QString& clave : operaciones)
            ++trimestres[clave];
    }
    EXPECT_GE(trimestres[QStringLiteral("E")], 2) << "deliveries";
    EXPECT_GE(trimestres[QStringLiteral("A")], 2) << "acquisitions";
    m349.FijaDeclaracion(1, QStringLiteral("0A"));
    EXPECT_EQ(m349.QRectificaciones.recordCount(), 1) << "last year's correction";
    const FileView vista = viewFile(util::toWin1252(m349.ComponeFichero()));
    EXPECT_EQ(vista.faults, 0) << vista.lines.join(u'\n').toStdString();
    EXPECT_EQ(vista.lines.filter(QStringLiteral("registro de rectificación")).size(), 1);
    EXPECT_TRUE(prompts.log().isEmpty()) << prompts.log().join(u'\n').toStdString();
}

} // namespace
