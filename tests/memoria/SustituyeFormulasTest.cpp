// A chapter's placeholders replaced by their amounts, the text and its format around them kept.
#include "memoria/SustituyeFormulas.h"
#include "util/Error.h"

#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

// Formula 3 is worth 1234.5, formula 12 −7; as TextoFormula writes them.
QString importe(int formula) {
    switch (formula) {
    case 3:
        return QStringLiteral("      1234,50");
    case 12:
        return QStringLiteral("        -7,00");
    default:
        return QStringLiteral("         0,00");
    }
}

TEST(SustituyeFormulasTest, EachPlaceholderBecomesItsAmountRightAligned) {
    QTextDocument capitulo;
    capitulo.setPlainText(QStringLiteral("Inmovilizado\n"
                                         "Total: [Formula 003] euros.\n"
                                         "[Formula 012] y [Formula 003]\n"
                                         "Sin formulas"));
    SustituyeFormulas(capitulo, importe);
    EXPECT_EQ(capitulo.toPlainText(), QStringLiteral("Inmovilizado\n"
                                                     "Total:       1234,50 euros.\n"
                                                     "        -7,00 y       1234,50\n"
                                                     "Sin formulas"));
}

TEST(SustituyeFormulasTest, TheTextAroundKeepsItsFormat) {
    QTextDocument capitulo;
    QTextCursor cursor(&capitulo);
    QTextCharFormat negrita;
    negrita.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("Total: "), negrita);
    cursor.insertText(QStringLiteral("[Formula 003]"), QTextCharFormat());
    cursor.insertText(QStringLiteral(" euros"), negrita);
    SustituyeFormulas(capitulo, importe);
    EXPECT_EQ(capitulo.toPlainText(), QStringLiteral("Total:       1234,50 euros"));
    QTextCursor probe(&capitulo);
    probe.setPosition(3);
    EXPECT_EQ(probe.charFormat().fontWeight(), QFont::Bold);
    probe.setPosition(capitulo.toPlainText().indexOf(QStringLiteral("euros")) + 1);
    EXPECT_EQ(probe.charFormat().fontWeight(), QFont::Bold);
}

// A bracket that is no placeholder stops it; the lines before are replaced already.
TEST(SustituyeFormulasTest, ABracketThatIsNoPlaceholderStopsIt) {
    QTextDocument capitulo;
    capitulo.setPlainText(QStringLiteral("A [Formula 003]\nB [nota al pie]\nC [Formula 003]"));
    EXPECT_THROW(SustituyeFormulas(capitulo, importe), tributra::Error);
    EXPECT_EQ(capitulo.toPlainText(),
              QStringLiteral("A       1234,50\nB [nota al pie]\nC [Formula 003]"));
}

} // namespace
