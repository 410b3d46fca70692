// A taxpayer's notes composed from a memoria model, from the dialog's composition and from
// the command line; a memoria copied under a new number.
#include "MemoriaFixture.h"
#include "memoria/CopiaMemoria.h"
#include "memoria/MemoriaCommand.h"
#include "memoria/ObtenMemoria.h"
#include "richtext/Rtf.h"
#include "util/Error.h"
#include "util/UsageError.h"

#include <QDir>
#include <QFile>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// Taxpayer 13 keeps other books: the balance of 57 is 900 there.
const QString kOtrosLibros = QString(kBooks).replace(QStringLiteral("(7, 'S', 13, '57', 400)"),
                                                     QStringLiteral("(7, 'S', 13, '57', 900)"));

class ComposicionTest : public MemoriaTest {
protected:
    void SetUp() override {
        MemoriaTest::SetUp();
        enlaza(13, otros);
        dm.DataModuleCreate();
        // Chapter 1 has no text yet; chapter 3, "Balance", names formula 3.
        dm.QCapitulos.append();
        dm.QCapitulos.field(QStringLiteral("CAPITULO")).setAsInteger(3);
        dm.QCapitulos.field(QStringLiteral("TITULO")).setAsString(QStringLiteral("Balance"));
        QTextDocument texto;
        QTextCursor(&texto).insertText(QStringLiteral("Total: [Formula 003]"));
        dm.QCapitulos.field(QStringLiteral("TEXTO")).setAsBytes(richtext::writeRtf(texto));
        dm.QCapitulos.post();
        formula(dm, 3, QStringLiteral("S13:57"));
    }
    static QString texto(const QString& fichero) {
        QFile f(fichero);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << fichero.toStdString();
        QTextDocument d;
        EXPECT_EQ(richtext::readRtf(f.readAll(), d), richtext::RtfStatus::Intact);
        return d.toPlainText();
    }
    QStringList composiciones() const {
        return QDir::current().entryList({QStringLiteral("memoria*.txt")}, QDir::Files);
    }
    double guardado() {
        EXPECT_TRUE(dm.QCapitulos.locate(QStringLiteral("CAPITULO"), {3}));
        EXPECT_TRUE(dm.QFormulas.locate(QStringLiteral("FORMULA"), {3}));
        return dm.QFormulas.field(QStringLiteral("IMPORTE")).asFloat();
    }

    TestDatabase otros{test.work, kOtrosLibros, QStringLiteral("otros.fdb")};
    TDMMemorias dm{test.main};
};

const QString kAsteriscos = QString(10, u' ') + QString(40, u'*');

TEST_F(ComposicionTest, TheChaptersFollowEachOtherUnderTheirHeadings) {
    dm.setContribuyente(12);
    ASSERT_TRUE(RecalculaMemoria(dm, 1));
    const QString fichero = ComposicionTest::texto(ComponMemoria(dm, 1, true));
    EXPECT_EQ(fichero, QStringLiteral("          1 INMOVILIZADO\n") + kAsteriscos +
                           QStringLiteral("\n          3 Balance\n") + kAsteriscos +
                           QStringLiteral("\nTotal:        400,00"));
}

// Another taxpayer's books give other amounts, stored with the formulas; a second composition
// replaces the first.
TEST_F(ComposicionTest, TheAmountsAreTheChosenTaxpayersAndTheLastCompositionStays) {
    dm.setContribuyente(12);
    ASSERT_TRUE(RecalculaMemoria(dm, 1));
    const QString primera = ComponMemoria(dm, 1, true);
    dm.setContribuyente(13);
    ASSERT_TRUE(RecalculaMemoria(dm, 1));
    const QString segunda = ComponMemoria(dm, 1, false);
    EXPECT_EQ(primera, segunda);
    EXPECT_EQ(QFileInfo(segunda).fileName(), QStringLiteral("memoria001.txt"));
    EXPECT_EQ(composiciones(), QStringList{QStringLiteral("memoria001.txt")});
    EXPECT_EQ(texto(segunda), QStringLiteral("Total:        900,00"));
    EXPECT_DOUBLE_EQ(guardado(), 900);

    // Without readable books the last amounts stay.
    dm.setContribuyente(99);
    EXPECT_FALSE(RecalculaMemoria(dm, 1));
    EXPECT_DOUBLE_EQ(guardado(), 900);
    EXPECT_THROW(RecalculaMemoria(dm, 5), tributra::Error) << "no memoria 5";
}

TEST_F(ComposicionTest, AChapterWithABracketThatIsNoPlaceholderStopsTheComposition) {
    ASSERT_TRUE(dm.QCapitulos.locate(QStringLiteral("CAPITULO"), {1}));
    QTextDocument roto;
    QTextCursor(&roto).insertText(QStringLiteral("Véase [nota]"));
    dm.QCapitulos.edit();
    dm.QCapitulos.field(QStringLiteral("TEXTO")).setAsBytes(richtext::writeRtf(roto));
    dm.QCapitulos.post();
    EXPECT_THROW(ComponMemoria(dm, 1, false), tributra::Error);
    EXPECT_TRUE(composiciones().isEmpty());
}

TEST_F(ComposicionTest, TheCommandLineComposesAndPrintsOnlyWithTheTaxpayersBooks) {
    const QString pdf = QDir::current().filePath(QStringLiteral("notas.pdf"));
    MemoriaCommand orden = MemoriaCommand::parse(
        {QStringLiteral("--memoria"), QStringLiteral("1"), QStringLiteral("--contribuyente"),
         QStringLiteral("13"), QStringLiteral("--cabeceras"), QStringLiteral("--pdf"), pdf});
    EXPECT_EQ(orden.run(test.main), 0);
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith("%PDF"));
    EXPECT_TRUE(
        texto(QStringLiteral("memoria001.txt")).endsWith(QStringLiteral("Total:        900,00")));
    QFile::remove(QStringLiteral("memoria001.txt"));

    orden.contribuyente = 99; // no books
    EXPECT_EQ(orden.run(test.main), 1);
    EXPECT_TRUE(composiciones().isEmpty()) << "no notes with another taxpayer's figures";
    EXPECT_TRUE(test.prompts.log().join(u'\n').contains(QStringLiteral("No se ha calculado")));

    for (const QStringList& mal :
         {QStringList{QStringLiteral("--memoria"), QStringLiteral("1")},
          QStringList{QStringLiteral("--contribuyente"), QStringLiteral("12")},
          QStringList{QStringLiteral("--memoria"), QStringLiteral("uno"),
                      QStringLiteral("--contribuyente"), QStringLiteral("12")},
          QStringList{QStringLiteral("--memoria"), QStringLiteral("1"),
                      QStringLiteral("--contribuyente"), QStringLiteral("12"),
                      QStringLiteral("de_mas")}})
        EXPECT_THROW(MemoriaCommand::parse(mal), tributra::UsageError)
            << mal.join(u' ').toStdString();
}

TEST_F(ComposicionTest, ACopyTakesEveryChapterAndFormulaUnderItsNewNumber) {
    CopiaMemoria(test.main, 1, 4, QStringLiteral("COPIA"));
    dm.QMaestro.close();
    dm.QMaestro.open();
    ASSERT_TRUE(dm.QMaestro.locate(QStringLiteral("MEMORIA"), {4}));
    EXPECT_EQ(dm.QMaestro.field(QStringLiteral("TITULO")).asString(), QStringLiteral("COPIA"));
    EXPECT_EQ(dm.QCapitulos.recordCount(), 2);
    ASSERT_TRUE(dm.QCapitulos.locate(QStringLiteral("CAPITULO"), {3}));
    EXPECT_EQ(dm.QFormulas.recordCount(), 1);
    EXPECT_EQ(dm.QFormulas.field(QStringLiteral("SINTAXIS")).asString(), QStringLiteral("S13:57"));

    // A number taken or a memoria that is not there: an error, and nothing half copied.
    EXPECT_THROW(CopiaMemoria(test.main, 1, 4, QStringLiteral("OTRA")), tributra::Error);
    EXPECT_THROW(CopiaMemoria(test.main, 9, 5, QStringLiteral("OTRA")), tributra::Error);
    dm.QMaestro.close();
    dm.QMaestro.open();
    EXPECT_FALSE(dm.QMaestro.locate(QStringLiteral("MEMORIA"), {5}));
    ASSERT_TRUE(dm.QMaestro.locate(QStringLiteral("MEMORIA"), {4}));
    EXPECT_EQ(dm.QMaestro.field(QStringLiteral("TITULO")).asString(), QStringLiteral("COPIA"));
}

} // namespace
