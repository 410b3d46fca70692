#include "DocumentProbe.h"

#include "QtPrinters.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <gtest/gtest.h>

CharAttributes attributesOf(const QTextCharFormat& format) {
    CharAttributes a;
    const QStringList families = format.property(QTextFormat::FontFamilies).toStringList();
    a.family = families.value(0);
    a.points = format.fontPointSize();
    if (format.hasProperty(QTextFormat::ForegroundBrush))
        a.color = format.foreground().color().rgb();
    a.bold = format.fontWeight() >= QFont::DemiBold;
    a.italic = format.fontItalic();
    a.underline = format.fontUnderline();
    a.strikeOut = format.fontStrikeOut();
    return a;
}

CharAttributes chars(const QString& family, double points, unsigned style,
                     std::optional<QRgb> color) {
    return {family,
            points,
            color,
            (style & Bold) != 0,
            (style & Italic) != 0,
            (style & Underline) != 0,
            (style & StrikeOut) != 0};
}

Runs runsOf(const QTextBlock& block) {
    Runs runs;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const CharAttributes a = attributesOf(it.fragment().charFormat());
        if (!runs.empty() && runs.back().attributes == a)
            runs.back().text += it.fragment().text();
        else
            runs.push_back({it.fragment().text(), a});
    }
    return runs;
}

// Qt's indent levels, of the block and of its list, count in the left indent.
ParagraphAttributes paragraphOf(const QTextBlock& block) {
    const QTextBlockFormat f = block.blockFormat();
    const QTextList* list = block.textList();
    const int levels = f.indent() + (list ? list->format().indent() : 0);
    const double left = f.leftMargin() + levels * block.document()->indentWidth();
    return {f.alignment() & Qt::AlignHorizontal_Mask, left, f.rightMargin(), f.textIndent(),
            list != nullptr};
}

QStringList paragraphs(const QTextDocument& document) {
    QStringList texts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        texts << block.text();
    return texts;
}

QTextCharFormat formatOf(const QTextDocument& document, const QString& text) {
    const QTextCursor found = document.find(text);
    EXPECT_FALSE(found.isNull()) << text.toStdString();
    QTextCursor c(const_cast<QTextDocument*>(&document));
    c.setPosition(found.selectionStart() + 1);
    return c.charFormat();
}

ReadDocument read(const QByteArray& rtf) {
    ReadDocument r{std::make_unique<QTextDocument>(), richtext::RtfStatus::Damaged};
    r.status = richtext::readRtf(rtf, *r.document);
    return r;
}

void PrintTo(const CharAttributes& a, std::ostream* os) {
    *os << '{' << a.family.toStdString() << ' ' << a.points << "pt";
    if (a.color)
        *os << " #" << std::hex << *a.color << std::dec;
    *os << (a.bold ? " bold" : "") << (a.italic ? " italic" : "")
        << (a.underline ? " underline" : "") << (a.strikeOut ? " strike" : "") << '}';
}

void PrintTo(const TextRun& run, std::ostream* os) {
    PrintTo(run.text, os);
    PrintTo(run.attributes, os);
}

void PrintTo(const ParagraphAttributes& p, std::ostream* os) {
    *os << "{align " << int(p.alignment) << " left " << p.left << " right " << p.right << " first "
        << p.first << (p.bullet ? " bullet" : "") << '}';
}

void richtext::PrintTo(RtfStatus status, std::ostream* os) {
    *os << (status == RtfStatus::Intact ? "Intact" : "Damaged");
}
