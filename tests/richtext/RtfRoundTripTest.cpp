// A document written as RTF and read back is the same document, attribute by attribute.
#include "DocumentProbe.h"
#include "QtPrinters.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <gtest/gtest.h>

using richtext::RtfStatus;

namespace {

QTextCharFormat base() {
    QTextCharFormat f;
    f.setFontFamilies({QStringLiteral("Arial")});
    f.setFontPointSize(10);
    return f;
}

QTextCharFormat with(void (*change)(QTextCharFormat&)) {
    QTextCharFormat f = base();
    change(f);
    return f;
}

QTextBlockFormat paragraph(Qt::Alignment alignment, double left = 0, double right = 0,
                           double first = 0) {
    QTextBlockFormat f;
    f.setAlignment(alignment);
    f.setLeftMargin(left);
    f.setRightMargin(right);
    f.setTextIndent(first);
    return f;
}

std::unique_ptr<QTextDocument> roundTrip(const QTextDocument& source) {
    ReadDocument back = read(richtext::writeRtf(source));
    EXPECT_EQ(back.status, RtfStatus::Intact);
    return std::move(back.document);
}

void expectSameDocument(const QTextDocument& expected, const QTextDocument& actual) {
    ASSERT_EQ(actual.blockCount(), expected.blockCount());
    QTextBlock a = actual.begin();
    for (QTextBlock e = expected.begin(); e.isValid(); e = e.next(), a = a.next()) {
        SCOPED_TRACE(e.blockNumber());
        EXPECT_EQ(a.text(), e.text());
        EXPECT_EQ(runsOf(a), runsOf(e));
        EXPECT_EQ(paragraphOf(a), paragraphOf(e));
    }
}

TEST(RtfRoundTrip, EveryCharacterAttributeSurvives) {
    const std::vector<std::pair<QString, QTextCharFormat>> runs = {
        {QStringLiteral("plain "), base()},
        {QStringLiteral("courier "),
         with([](QTextCharFormat& f) { f.setFontFamilies({QStringLiteral("Courier New")}); })},
        {QStringLiteral("big "), with([](QTextCharFormat& f) { f.setFontPointSize(17.5); })},
        {QStringLiteral("red "),
         with([](QTextCharFormat& f) { f.setForeground(QColor(0xC0, 0x10, 0x20)); })},
        {QStringLiteral("blue "), with([](QTextCharFormat& f) { f.setForeground(Qt::blue); })},
        {QStringLiteral("bold "), with([](QTextCharFormat& f) { f.setFontWeight(QFont::Bold); })},
        {QStringLiteral("italic "), with([](QTextCharFormat& f) { f.setFontItalic(true); })},
        {QStringLiteral("underline "), with([](QTextCharFormat& f) { f.setFontUnderline(true); })},
        {QStringLiteral("strike "), with([](QTextCharFormat& f) { f.setFontStrikeOut(true); })},
        {QStringLiteral("all "), with([](QTextCharFormat& f) {
             f.setFontFamilies({QStringLiteral("Times New Roman")});
             f.setFontPointSize(8);
             f.setForeground(QColor(0xC0, 0x10, 0x20));
             f.setFontWeight(QFont::Bold);
             f.setFontItalic(true);
             f.setFontUnderline(true);
             f.setFontStrikeOut(true);
         })},
        {QStringLiteral("plain again"), base()},
    };
    QTextDocument source;
    QTextCursor cursor(&source);
    for (const auto& [text, format] : runs)
        cursor.insertText(text, format);
    // The same attributes again in a second paragraph: nothing leaks over its mark.
    cursor.insertBlock();
    for (auto it = runs.rbegin(); it != runs.rend(); ++it)
        cursor.insertText(it->first, it->second);

    expectSameDocument(source, *roundTrip(source));
}

TEST(RtfRoundTrip, EveryParagraphAttributeSurvives) {
    struct Paragraph {
        const char* text;
        QTextBlockFormat format;
        bool bullet;
    };
    const Paragraph table[] = {
        {"left", paragraph(Qt::AlignLeft), false},
        {"right", paragraph(Qt::AlignRight), false},
        {"centre", paragraph(Qt::AlignHCenter), false},
        {"justified", paragraph(Qt::AlignJustify), false},
        {"indents", paragraph(Qt::AlignLeft, 30, 12, 20), false},
        {"hanging", paragraph(Qt::AlignJustify, 48, 0, -24), false},
        {"bullet one", paragraph(Qt::AlignLeft, 24), true},
        {"bullet two", paragraph(Qt::AlignLeft, 24, 6, 10), true},
        {"after the list", paragraph(Qt::AlignLeft), false},
        {"a new list", paragraph(Qt::AlignRight, 60, 0, -8), true},
    };
    QTextDocument source;
    QTextCursor cursor(&source);
    QTextList* list = nullptr;
    for (const Paragraph& p : table) {
        if (&p != table)
            cursor.insertBlock();
        cursor.setBlockFormat(p.format);
        cursor.insertText(QString::fromUtf8(p.text), base());
        if (!p.bullet)
            list = nullptr;
        else if (list)
            list->add(cursor.block());
        else
            list = cursor.createList(QTextListFormat::ListDisc);
    }

    const auto back = roundTrip(source);
    expectSameDocument(source, *back);
    EXPECT_EQ(back->findBlockByNumber(6).textList(), back->findBlockByNumber(7).textList())
        << "consecutive bullets form one list";
}

TEST(RtfRoundTrip, TextSurvivesWithItsBreaksTabsAndCharacters) {
    const QString texts[] = {
        QStringLiteral("Peña €, Cía, ÀÉÎÕÜ çñ ¿¡ «» ‰ — “”"),
        QStringLiteral("beyond the code page: Ω ł 中 😀 ﬁ"),
        QStringLiteral("RTF's own signs: \\ { } ; and a\ttab"),
        QStringLiteral("line one") + QChar::LineSeparator + QStringLiteral("line two"),
        QString(),
        QStringLiteral("after an empty paragraph"),
        QString(),
    };
    QTextDocument source;
    QTextCursor cursor(&source);
    for (const QString& text : texts) {
        if (&text != &texts[0])
            cursor.insertBlock();
        cursor.insertText(text, base());
    }

    const auto back = roundTrip(source);
    EXPECT_EQ(paragraphs(*back), paragraphs(source));
    expectSameDocument(source, *back);
}

TEST(RtfRoundTrip, AnEmptyParagraphKeepsTheSizeOfItsMark) {
    QTextDocument source;
    QTextCursor cursor(&source);
    cursor.insertText(QStringLiteral("text"), base());
    QTextCharFormat big = base();
    big.setFontPointSize(20);
    cursor.insertBlock(QTextBlockFormat(), big);
    cursor.insertBlock(QTextBlockFormat(), base());
    cursor.insertText(QStringLiteral("more"), base());

    const auto back = roundTrip(source);
    ASSERT_EQ(back->blockCount(), 3);
    EXPECT_EQ(back->findBlockByNumber(1).charFormat().fontPointSize(), 20);
}

TEST(RtfRoundTrip, UnsetAttributesComeBackAsTheDocumentDefaults) {
    QTextDocument source;
    source.setDefaultFont(QFont(QStringLiteral("Verdana"), 11));
    QTextCursor(&source).insertText(QStringLiteral("no format of its own"));

    const auto back = roundTrip(source);
    const CharAttributes a = attributesOf(formatOf(*back, QStringLiteral("no format")));
    EXPECT_EQ(a.family, QStringLiteral("Verdana"));
    EXPECT_EQ(a.points, 11);
    EXPECT_FALSE(a.color.has_value());
}

} // namespace
