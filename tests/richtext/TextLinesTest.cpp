#include "richtext/TextLines.h"

#include "DocumentProbe.h"
#include "QtPrinters.h"

#include <QAbstractTextDocumentLayout>
#include <QTextCharFormat>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <stdexcept>

using richtext::TextLines;

namespace {

const QString kLineBreak = QString(QChar::LineSeparator);

bool isBold(const QTextDocument& doc, const QString& text) {
    return attributesOf(formatOf(doc, text)).bold;
}

TEST(TextLines, LinesEndAtParagraphsAndLineBreaksNotWhereTheyWrap) {
    const QString longLine = QString(QStringLiteral("palabra ")).repeated(40);
    const ReadDocument r =
        read("{\\rtf1 uno\\par dos\\line tres\\par\\par " + longLine.toLatin1() + "\\par}");
    r.document->setTextWidth(80);
    ASSERT_GT(r.document->documentLayout()->documentSize().height(), 100) << "it wraps";

    const TextLines lines(*r.document);
    ASSERT_EQ(lines.count(), 5);
    const QStringList texts = {lines.text(0), lines.text(1), lines.text(2), lines.text(3),
                               lines.text(4)};
    EXPECT_EQ(texts, QStringList({"uno", "dos", "tres", "", longLine}));
    EXPECT_THROW(lines.text(5), std::out_of_range);
}

TEST(TextLines, APlaceholderInABoldRunBecomesABoldAmount) {
    const ReadDocument r = read("{\\rtf1 Total: {\\b [Formula 003]} euros.\\par}");
    TextLines lines(*r.document);

    lines.replace(0, 7, 13, QStringLiteral("      1234,50"));

    EXPECT_EQ(lines.text(0), QStringLiteral("Total:       1234,50 euros."));
    EXPECT_TRUE(isBold(*r.document, QStringLiteral("1234,50")));
    EXPECT_FALSE(isBold(*r.document, QStringLiteral("Total:")));
    EXPECT_FALSE(isBold(*r.document, QStringLiteral(" euros.")));
}

struct ReplaceCase {
    int position;
    int length;
    const char* text;
    const char* line;
    bool bold; // the format the new text takes
};

class TextLinesReplace : public ::testing::TestWithParam<ReplaceCase> {};

// "uno " is plain, "dos" bold; the paragraph goes on after a line break.
TEST_P(TextLinesReplace, TakesTheFormatOfTheFirstCharacterReplaced) {
    const ReadDocument r =
        read("{\\rtf1 uno {\\b dos}\\line tres {\\b cuatro}\\par siguiente\\par}");
    TextLines lines(*r.document);
    const ReplaceCase& c = GetParam();

    lines.replace(0, c.position, c.length, QString::fromUtf8(c.text));

    EXPECT_EQ(lines.text(0), QString::fromUtf8(c.line));
    if (*c.text) {
        EXPECT_EQ(isBold(*r.document, QString::fromUtf8(c.text)), c.bold);
    }
    EXPECT_EQ(lines.text(1), QStringLiteral("tres cuatro"));
    EXPECT_EQ(lines.text(2), QStringLiteral("siguiente"));
    // The line after the replaced one, in the same paragraph, is still found where it is.
    lines.replace(1, 5, 6, QStringLiteral("CINCO"));
    EXPECT_EQ(lines.text(1), QStringLiteral("tres CINCO"));
    EXPECT_TRUE(isBold(*r.document, QStringLiteral("CINCO")));
}

INSTANTIATE_TEST_SUITE_P(Ranges, TextLinesReplace,
                         ::testing::Values(ReplaceCase{0, 3, "UNO", "UNO dos", false},
                                           ReplaceCase{4, 3, "DOS", "uno DOS", true},
                                           ReplaceCase{2, 3, "XY", "unXYos", false},
                                           ReplaceCase{5, 100, "ZZ", "uno dZZ", true},
                                           ReplaceCase{7, 0, "!!", "uno dos!!", true},
                                           ReplaceCase{100, 5, "??", "uno dos??", true},
                                           ReplaceCase{-3, 1, "<<", "<<no dos", false},
                                           ReplaceCase{1, 2, "", "u dos", false}));

TEST(TextLines, AReplacementWithALineBreakMakesTwoLines) {
    const ReadDocument r = read("{\\rtf1 uno dos\\par tres\\par}");
    TextLines lines(*r.document);

    lines.replace(0, 3, 1, "\t" + kLineBreak);

    ASSERT_EQ(lines.count(), 3);
    EXPECT_EQ(lines.text(0), QStringLiteral("uno\t"));
    EXPECT_EQ(lines.text(1), QStringLiteral("dos"));
    EXPECT_EQ(lines.text(2), QStringLiteral("tres"));
}

} // namespace
