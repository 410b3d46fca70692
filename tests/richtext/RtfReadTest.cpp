// Streams in the shapes that RichEdit and Word write, and the control words one by one.
#include "DocumentProbe.h"
#include "QtPrinters.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <gtest/gtest.h>

using richtext::RtfStatus;

namespace {

constexpr double kPixelsPerTwip = 96.0 / 1440.0;

// As the Windows rich-text control saves a chapter.
const QByteArray kRichEdit =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang3082{\\fonttbl{\\f0\\fnil\\fcharset0 "
    "Calibri;}{\\f1\\fnil\\fcharset2 Symbol;}{\\f2\\fswiss\\fprq2\\fcharset0 Arial;}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green77\\blue187;}\r\n"
    "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
    "\\pard\\sa200\\sl276\\slmult1\\qc\\f2\\fs28\\lang10 Memoria \\b del ejercicio\\b0\\par\r\n"
    "\\pard\\sa200\\sl276\\slmult1\\cf1\\f0\\fs22 Pe\\'f1a \\u8364?\\cf0  y \\cf2\\ul "
    "otros\\cf0\\ulnone\\par\r\n"
    "\\pard{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}\\fi-"
    "360\\li720"
    "\\sa200\\sl276\\slmult1 uno\\par\r\n"
    "{\\pntext\\f1\\'B7\\tab}dos\\par\r\n"
    "\\pard\\sa200\\sl276\\slmult1\\i fin\\i0\\par\r\n"
    "}\r\n";

// As Word saves a document: style sheet, information, list tables, \listtext and \ls.
const QByteArray kWord =
    "{\\rtf1\\adeflang1025\\ansi\\ansicpg1252\\uc1\\adeff0\\deff0\\stshfdbch0\\stshfloch0"
    "{\\fonttbl{\\f0\\fbidi \\froman\\fcharset0\\fprq2{\\*\\panose 02020603050405020304}Times New "
    "Roman;}{\\f3\\fbidi \\froman\\fcharset2\\fprq2{\\*\\panose 05050102010706020507}Symbol;}}\r\n"
    "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
    "{\\stylesheet{\\ql \\li0\\ri0\\widctlpar\\wrapdefault\\aspalpha\\aspnum\\faauto\\adjustright"
    "\\rin0\\lin0\\itap0 \\rtlch\\fcs1 \\af0\\afs24\\alang1025 \\ltrch\\fcs0 \\fs24\\lang3082 "
    "\\snext0 \\sqformat \\spriority0 Normal;}}\r\n"
    "{\\info{\\title Memoria}{\\author Asesor}}\r\n"
    "{\\*\\listtable{\\list\\listtemplateid-1{\\listlevel\\levelnfc23{\\leveltext\\'01\\u-3913 ?;}"
    "{\\levelnumbers;}\\f3\\fi-360\\li720}\\listid1}}\r\n"
    "{\\*\\listoverridetable{\\listoverride\\listid1\\listoverridecount0\\ls1}}\r\n"
    "\\pard\\plain \\ltrpar\\qj \\li0\\ri0\\widctlpar\\wrapdefault\\faauto\\rin0\\lin0\\itap0 "
    "\\rtlch\\fcs1 \\af0\\afs24 \\ltrch\\fcs0 \\fs24\\lang3082 {\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 "
    "\\i Texto \\cf2 azul}{\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\par }\r\n"
    "{\\listtext\\pard\\plain\\ltrpar \\rtlch\\fcs1 \\af0\\afs24 \\ltrch\\fcs0 \\f3\\fs24 "
    "\\loch\\af3\\hich\\af3\\dbch\\af0 \\'b7\\tab}\\pard\\plain \\ltrpar\\ql \\fi-360\\li720\\ri0"
    "\\widctlpar\\jclisttab\\tx720\\wrapdefault\\faauto\\ls1\\rin0\\lin720\\itap0 \\fs24 "
    "{\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 elemento\\par }}";

TEST(RtfRead, RichEditStream) {
    const ReadDocument r = read(kRichEdit);
    ASSERT_EQ(r.status, RtfStatus::Intact);
    const QTextDocument& doc = *r.document;
    EXPECT_EQ(paragraphs(doc),
              QStringList({"Memoria del ejercicio", "Peña € y otros", "uno", "dos", "fin"}));

    const QTextBlock title = doc.findBlockByNumber(0);
    EXPECT_EQ(title.blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(runsOf(title), (Runs{{"Memoria ", chars("Arial", 14)},
                                   {"del ejercicio", chars("Arial", 14, Bold)}}));
    EXPECT_EQ(runsOf(doc.findBlockByNumber(1)),
              (Runs{{"Peña €", chars("Calibri", 11, Plain, qRgb(255, 0, 0))},
                    {" y ", chars("Calibri", 11)},
                    {"otros", chars("Calibri", 11, Underline, qRgb(0, 77, 187))}}));

    // A bullet paragraph's text starts at its left indent, the bullet hangs before it.
    for (const int n : {2, 3}) {
        EXPECT_EQ(paragraphOf(doc.findBlockByNumber(n)),
                  (ParagraphAttributes{Qt::AlignLeft, 720 * kPixelsPerTwip, 0, 0, true}))
            << n;
    }
    EXPECT_EQ(doc.findBlockByNumber(2).textList(), doc.findBlockByNumber(3).textList());
    const QTextBlock end = doc.findBlockByNumber(4);
    EXPECT_EQ(paragraphOf(end), (ParagraphAttributes{Qt::AlignLeft, 0, 0, 0, false}));
    EXPECT_EQ(runsOf(end), (Runs{{"fin", chars("Calibri", 11, Italic)}}));
}

TEST(RtfRead, WordStream) {
    const ReadDocument r = read(kWord);
    ASSERT_EQ(r.status, RtfStatus::Intact);
    const QTextDocument& doc = *r.document;
    EXPECT_EQ(paragraphs(doc), QStringList({"Texto azul", "elemento"}));
    EXPECT_EQ(doc.findBlockByNumber(0).blockFormat().alignment(), Qt::AlignJustify);
    const QString times = QStringLiteral("Times New Roman");
    EXPECT_EQ(runsOf(doc.findBlockByNumber(0)),
              (Runs{{"Texto ", chars(times, 12, Italic)},
                    {"azul", chars(times, 12, Italic, qRgb(0, 0, 255))}}));
    EXPECT_EQ(paragraphOf(doc.findBlockByNumber(1)),
              (ParagraphAttributes{Qt::AlignLeft, 720 * kPixelsPerTwip, 0, 0, true}));
}

struct TextCase {
    const char* body; // between "{\rtf1\ansi\ansicpg1252 " and "}"
    QString text;     // the paragraphs joined by '|'
};

class RtfReadText : public ::testing::TestWithParam<TextCase> {};

TEST_P(RtfReadText, GivesTheText) {
    const ReadDocument r = read(QByteArray("{\\rtf1\\ansi\\ansicpg1252 ") + GetParam().body + "}");
    EXPECT_EQ(r.status, RtfStatus::Intact);
    EXPECT_EQ(paragraphs(*r.document).join(u'|'), GetParam().text);
}

const QString kLineBreak = QString(QChar::LineSeparator);

INSTANTIATE_TEST_SUITE_P(
    Escapes, RtfReadText,
    ::testing::Values(TextCase{"Pe\\'f1a \\'80 \\'bf", "Peña € ¿"},
                      TextCase{"raw Pe\xF1"
                               "a \x80",
                               "raw Peña €"},
                      TextCase{"\\u8364? \\u241\\'f1", "€ ñ"}, TextCase{"\\u-10179?\\u-8704?", "😀"},
                      TextCase{"\\uc2\\u8364\\'80\\'80x \\uc0\\u937 y", "€x Ωy"},
                      TextCase{"{\\uc3\\u8364 a}b", "€b"}, TextCase{"\\\\ \\{ \\}", "\\ { }"},
                      TextCase{"a\\~b\\emdash c\\lquote d\\rdblquote", "a\u00A0b—c‘d”"},
                      TextCase{"no\r\nbreak", "nobreak"}));

INSTANTIATE_TEST_SUITE_P(Breaks, RtfReadText,
                         ::testing::Values(TextCase{"a\\tab b", "a\tb"},
                                           TextCase{"a\\line b", "a" + kLineBreak + "b"},
                                           TextCase{"a\\par b", "a|b"}, TextCase{"a\\\r\nb", "a|b"},
                                           TextCase{"a\\par", "a"}, TextCase{"a\\par\\par", "a|"},
                                           TextCase{"\\par a", "|a"}, TextCase{"", ""}));

INSTANTIATE_TEST_SUITE_P(SkippedGroups, RtfReadText,
                         ::testing::Values(TextCase{"{\\*\\generator Riched20 10.0;}a", "a"},
                                           TextCase{"{\\*\\unknown {nested} text}a", "a"},
                                           TextCase{"\\unknownword12 a\\madeup b", "ab"},
                                           TextCase{"{\\unknowngroup kept}", "kept"},
                                           TextCase{"{\\info{\\title T}{\\author A}}a", "a"},
                                           TextCase{"{\\stylesheet{\\s0 Normal;}}a", "a"},
                                           TextCase{"{\\pict\\pngblip 89504e470d0a}a", "a"},
                                           TextCase{"{\\*\\blob\\bin4 {}\\}b}a", "a"},
                                           TextCase{"{\\field{\\*\\fldinst PAGE}{\\fldrslt 7}}",
                                                    "7"},
                                           TextCase{"{\\pntext\\'B7\\tab}a", "a"}));

TEST(RtfRead, FormatsFollowGroupsAndResets) {
    const ReadDocument r = read("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}"
                                "{\\b\\f1\\fs40 in}out \\i\\strike x\\plain plain\\par"
                                "\\qc\\li300 centred\\par\\pard left\\par "
                                "also \\qr right\\par}");
    ASSERT_EQ(r.status, RtfStatus::Intact);
    const QTextDocument& doc = *r.document;
    ASSERT_EQ(doc.blockCount(), 4);
    EXPECT_EQ(runsOf(doc.findBlockByNumber(0)), (Runs{{"in", chars("Courier New", 20, Bold)},
                                                      {"out ", chars("Arial", 12)},
                                                      {"x", chars("Arial", 12, Italic | StrikeOut)},
                                                      {"plain", chars("Arial", 12)}}));
    EXPECT_EQ(paragraphOf(doc.findBlockByNumber(1)),
              (ParagraphAttributes{Qt::AlignHCenter, 300 * kPixelsPerTwip, 0, 0, false}));
    EXPECT_EQ(paragraphOf(doc.findBlockByNumber(2)),
              (ParagraphAttributes{Qt::AlignLeft, 0, 0, 0, false}));
    // What is in force at the mark formats the whole paragraph.
    EXPECT_EQ(paragraphOf(doc.findBlockByNumber(3)),
              (ParagraphAttributes{Qt::AlignRight, 0, 0, 0, false}));
}

TEST(RtfRead, FontTablesWithoutGroupsOrSemicolonsAndUnusualColours) {
    const ReadDocument r =
        read("{\\rtf1\\deff1{\\fonttbl\\f0\\froman Times;\\f1\\fswiss Helv\\'e9tica}"
             "{\\colortbl;\\red10\\green20\\blue30;;\\red300\\blue-5;}"
             "a\\cf1 b\\cf2 c\\cf3 d\\cf9 e\\f0 f}");
    ASSERT_EQ(r.status, RtfStatus::Intact);
    const QString helvetica = QStringLiteral("Helvética");
    EXPECT_EQ(runsOf(r.document->firstBlock()),
              (Runs{{"a", chars(helvetica, 12)},
                    {"b", chars(helvetica, 12, Plain, qRgb(10, 20, 30))},
                    {"c", chars(helvetica, 12)},
                    {"d", chars(helvetica, 12, Plain, qRgb(255, 0, 0))},
                    {"e", chars(helvetica, 12)},
                    {"f", chars("Times", 12)}}));
}

} // namespace
