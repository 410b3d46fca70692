#include "richtext/RtfWriter.h"

#include "richtext/RtfUnits.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>

namespace richtext {

namespace {

const QString kSymbolFont = QStringLiteral("Symbol");
// The bullet of the Symbol font, which is the middle dot of the code page.
constexpr char16_t kSymbolBullet = u'\u00B7';

int twipsFromPixels(double pixels) {
    return qRound(
        std::clamp(pixels * kTwipsPerPixel, double(-kMaxIndentTwips), double(kMaxIndentTwips)));
}

// A semicolon ends a font table entry and has no escape there.
QString familyOf(const QTextCharFormat& format, const QFont& fallback) {
    const QStringList families = format.property(QTextFormat::FontFamilies).toStringList();
    const QString family = families.isEmpty() ? fallback.family() : families.first();
    return QString(family).remove(u';');
}

int halfPointsOf(const QTextCharFormat& format, const QFont& fallback) {
    double points = format.fontPointSize();
    if (points <= 0)
        points = fallback.pointSizeF() > 0 ? fallback.pointSizeF() : kDefaultHalfPoints / 2.0;
    return std::clamp(qRound(points * 2), 1, kMaxHalfPoints);
}

void writeSwitch(RtfOutput& out, bool on, const char* onWord, const char* offWord) {
    out.word(on ? onWord : offWord);
}

} // namespace

RtfWriter::RtfWriter(const QTextDocument& document)
    : document_(document), fonts_{familyOf(QTextCharFormat(), document.defaultFont())} {
    written_.font = 0; // \deff0
}

QByteArray RtfWriter::write() {
    for (QTextBlock block = document_.begin(); block.isValid(); block = block.next())
        writeBlock(block);
    return header() + body_.bytes() + '}';
}

void RtfWriter::writeBlock(const QTextBlock& block) {
    body_.word("pard");
    writeParagraphFormat(block);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        writeCharFormat(it.fragment().charFormat());
        body_.text(it.fragment().text());
    }
    // An empty paragraph's height comes from the format of its mark.
    if (block.text().isEmpty())
        writeCharFormat(block.charFormat());
    body_.word("par");
    body_.newLine();
}

void RtfWriter::writeParagraphFormat(const QTextBlock& block) {
    const QTextBlockFormat format = block.blockFormat();
    const Qt::Alignment alignment = format.alignment();
    if (alignment & Qt::AlignHCenter)
        body_.word("qc");
    else if (alignment & Qt::AlignRight)
        body_.word("qr");
    else if (alignment & Qt::AlignJustify)
        body_.word("qj");

    // Qt's indent levels, of the block and of its list, are room on the left too.
    const QTextList* list = block.textList();
    const int levels = format.indent() + (list ? list->format().indent() : 0);
    const int left = twipsFromPixels(format.leftMargin() + levels * document_.indentWidth());
    const int first = twipsFromPixels(format.textIndent()) - (list ? kBulletHangTwips : 0);
    const int right = twipsFromPixels(format.rightMargin());
    if (first != 0)
        body_.word("fi", first);
    if (left != 0)
        body_.word("li", left);
    if (right != 0)
        body_.word("ri", right);
    if (list)
        writeBullet();
}

void RtfWriter::writeBullet() {
    const int symbol = fontIndex(kSymbolFont);
    body_.openGroup();
    body_.word("pntext");
    body_.word("f", symbol);
    body_.text(QString(QChar(kSymbolBullet)) + u'\t');
    body_.closeGroup();
    body_.openGroup();
    body_.symbol('*');
    body_.word("pn");
    body_.word("pnlvlblt");
    body_.word("pnf", symbol);
    body_.word("pnindent", 0);
    body_.openGroup();
    body_.word("pntxtb");
    body_.text(QString(QChar(kSymbolBullet)));
    body_.closeGroup();
    body_.closeGroup();
}

void RtfWriter::writeCharFormat(const QTextCharFormat& format) {
    const CharState wanted = stateOf(format);
    if (wanted.font != written_.font)
        body_.word("f", wanted.font);
    if (wanted.halfPoints != written_.halfPoints)
        body_.word("fs", wanted.halfPoints);
    if (wanted.color != written_.color)
        body_.word("cf", wanted.color);
    if (wanted.bold != written_.bold)
        writeSwitch(body_, wanted.bold, "b", "b0");
    if (wanted.italic != written_.italic)
        writeSwitch(body_, wanted.italic, "i", "i0");
    if (wanted.underline != written_.underline)
        writeSwitch(body_, wanted.underline, "ul", "ulnone");
    if (wanted.strikeOut != written_.strikeOut)
        writeSwitch(body_, wanted.strikeOut, "strike", "strike0");
    written_ = wanted;
}

CharState RtfWriter::stateOf(const QTextCharFormat& format) {
    const QFont& fallback = document_.defaultFont();
    CharState state;
    state.font = fontIndex(familyOf(format, fallback));
    state.halfPoints = halfPointsOf(format, fallback);
    state.color = colorIndex(format);
    state.bold = format.fontWeight() >= QFont::DemiBold;
    state.italic = format.fontItalic();
    state.underline = format.fontUnderline();
    state.strikeOut = format.fontStrikeOut();
    return state;
}

int RtfWriter::fontIndex(const QString& family) {
    const qsizetype index = fonts_.indexOf(family);
    if (index >= 0)
        return int(index);
    fonts_.append(family);
    return int(fonts_.size() - 1);
}

int RtfWriter::colorIndex(const QTextCharFormat& format) {
    if (!format.hasProperty(QTextFormat::ForegroundBrush) ||
        format.foreground().style() == Qt::NoBrush)
        return 0;
    const QRgb rgb = format.foreground().color().rgb() | 0xFF000000u; // RTF has no alpha
    qsizetype index = colors_.indexOf(rgb);
    if (index < 0) {
        colors_.append(rgb);
        index = colors_.size() - 1;
    }
    return int(index + 1);
}

QByteArray RtfWriter::header() const {
    RtfOutput out;
    out.openGroup();
    out.word("rtf", 1);
    out.word("ansi");
    out.word("ansicpg", 1252);
    out.word("deff", 0);
    out.word("uc", 1);
    out.openGroup();
    out.word("fonttbl");
    for (qsizetype i = 0; i < fonts_.size(); ++i) {
        out.openGroup();
        out.word("f", int(i));
        out.word("fnil");
        out.word("fcharset", fonts_[i] == kSymbolFont ? 2 : 0);
        out.text(fonts_[i] + u';');
        out.closeGroup();
    }
    out.closeGroup();
    if (!colors_.isEmpty()) {
        out.openGroup();
        out.word("colortbl");
        out.text(u";");
        for (const QRgb rgb : colors_) {
            out.word("red", qRed(rgb));
            out.word("green", qGreen(rgb));
            out.word("blue", qBlue(rgb));
            out.text(u";");
        }
        out.closeGroup();
    }
    out.newLine();
    return out.bytes();
}

} // namespace richtext
