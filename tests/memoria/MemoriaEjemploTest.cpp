// The sample memoria of the demonstration office: every chapter names exactly its own
// formulas, and calculated over the company's books its figures agree with the annual
// accounts.
#include "FakePrompts.h"
#include "QtPrinters.h"
#include "ScopedCurrentDir.h"
#include "ScopedEnv.h"
#include "TempDir.h"
#include "accounts/StatementLine.h"
#include "accounts/TDMBalance.h"
#include "config/TDMMain.h"
#include "memoria/MemoriaEjemplo.h"
#include "memoria/SustituyeFormulas.h"
#include "memoria/TDMMemorias.h"
#include "richtext/Rtf.h"
#include "taxpayers/Demonstration.h"

#include <QRegularExpression>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

class MemoriaEjemploTest : public ::testing::Test {
protected:
    void SetUp() override {
        dm.DataModuleCreate();
        ASSERT_TRUE(dm.QMaestro.locate(QStringLiteral("MEMORIA"), {1}));
        ASSERT_EQ(dm.QMaestro.field(QStringLiteral("TITULO")).asString(), MemoriaEjemplo::kTitulo);
    }
    // Each chapter's formulas by number, as calculated last.
    std::map<int, std::map<int, double>> importes() {
        std::map<int, std::map<int, double>> todos;
        for (dm.QCapitulos.first(); !dm.QCapitulos.eof(); dm.QCapitulos.next())
            for (dm.QFormulas.first(); !dm.QFormulas.eof(); dm.QFormulas.next())
                todos[dm.QCapitulos.field(QStringLiteral("CAPITULO")).asInteger()]
                     [dm.QFormulas.field(QStringLiteral("FORMULA")).asInteger()] =
                    dm.QFormulas.field(QStringLiteral("IMPORTE")).asFloat();
        return todos;
    }

    static Demonstration built(const QString& folder) {
        Demonstration demo(folder);
        demo.build();
        return demo;
    }

    TempDir dir;
    const Demonstration demo = built(dir.file("demo"));
    ScopedEnv windir{"TRIBUTRA_WINDIR", demo.settingsFolder().toLocal8Bit()};
    ScopedCurrentDir current{demo.settingsFolder()};
    FakePrompts prompts;
    TDMMain main{prompts};
    TDMMemorias dm{main};
};

TEST_F(MemoriaEjemploTest, EachChapterNamesExactlyItsFormulas) {
    const QRegularExpression corchete(QStringLiteral("\\[[^\\]]*\\]?"));
    int capitulos = 0;
    for (dm.QCapitulos.first(); !dm.QCapitulos.eof(); dm.QCapitulos.next()) {
        ++capitulos;
        SCOPED_TRACE(dm.QCapitulos.field(QStringLiteral("TITULO")).asString().toStdString());
        QTextDocument texto;
        ASSERT_EQ(richtext::readRtf(dm.QCapitulos.field(QStringLiteral("TEXTO")).asBytes(), texto), richtext::RtfStatus::Intact);
        const QString plano = texto.toPlainText();
        EXPECT_GT(plano.size(), 200) << "a note an adviser can start from";
        std::multiset<QString> nombradas, formulas;
        for (const auto& m : corchete.globalMatch(plano))
            nombradas.insert(m.captured());
        for (dm.QFormulas.first(); !dm.QFormulas.eof(); dm.QFormulas.next())
            formulas.insert(TDMMemorias::Marcador(dm.QFormulas.field(QStringLiteral("FORMULA")).asInteger()));
        EXPECT_EQ(nombradas, formulas);
    }
    EXPECT_EQ(capitulos, 12);
}

// Over the company's 2017 books: the capital it was founded with, the result its profit and
// loss account shows, totals that add up, and the chapter's placeholders replaced by them.
TEST_F(MemoriaEjemploTest, CalculatedForTheCompanyItAgreesWithItsAccounts) {
    TDMBalance balance(main);
    balance.DataModuleCreate();
    balance.FijaEmpresa(1);
    balance.QMaestro.append();
    balance.QMaestro.post();
    ASSERT_TRUE(balance.CapturaContabilidad());
    const double resultado = balance.QMaestro.field(accounts::column("21700", false)).asFloat();
    ASSERT_NE(resultado, 0);

    dm.setContribuyente(1);
    dm.QCapitulos.first();
    dm.CalculaMemoria(1);
    auto f = importes();
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
    ASSERT_EQ(richtext::readRtf(dm.QCapitulos.field(QStringLiteral("TEXTO")).asBytes(), capitulo), richtext::RtfStatus::Intact);
    SustituyeFormulas(capitulo, [&](int n) { return dm.TextoFormula(n); });
    EXPECT_TRUE(capitulo.toPlainText().contains(QStringLiteral("     60000,00")));
    EXPECT_FALSE(capitulo.toPlainText().contains(u'['));
    EXPECT_TRUE(prompts.log().isEmpty()) << prompts.log().join(u'\n').toStdString();
}

} // namespace
