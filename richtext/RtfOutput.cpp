#include "richtext/RtfOutput.h"

#include "util/Win1252.h"

#include <QString>

namespace richtext {

void RtfOutput::word(const char* name) {
    out_ += '\\';
    out_ += name;
    afterWord_ = true;
}

void RtfOutput::word(const char* name, int value) {
    word(name);
    out_ += QByteArray::number(value);
}

void RtfOutput::symbol(char symbol) {
    out_ += '\\';
    out_ += symbol;
    afterWord_ = false;
}

void RtfOutput::openGroup() {
    out_ += '{';
    afterWord_ = false;
}

void RtfOutput::closeGroup() {
    out_ += '}';
    afterWord_ = false;
}

// Readers drop line ends, and they end a control word as a blank does.
void RtfOutput::newLine() {
    out_ += "\r\n";
    afterWord_ = false;
}

void RtfOutput::text(QStringView text) {
    for (const QChar c : text)
        character(c);
}

void RtfOutput::character(QChar c) {
    const char16_t code = c.unicode();
    if (code == u'\t')
        return word("tab");
    if (code == QChar::LineSeparator)
        return word("line");
    if (code == u'\\' || code == u'{' || code == u'}')
        return symbol(char(code));
    // Control characters mean nothing in a paragraph, and images are not kept.
    if (code < 0x20 || code == QChar::ObjectReplacementCharacter)
        return;
    if (code < 0x80) {
        if (afterWord_)
            out_ += ' ';
        out_ += char(code);
        afterWord_ = false;
        return;
    }
    if (util::isWin1252(c))
        return byte(uchar(util::toWin1252(QString(c)).at(0)));
    // \uN takes a signed 16-bit number; a surrogate pair is written as its two halves.
    out_ += "\\u" + QByteArray::number(qint16(code)) + '?';
    afterWord_ = false;
}

void RtfOutput::byte(uchar value) {
    out_ += "\\'" + QByteArray::number(value, 16).rightJustified(2, '0');
    afterWord_ = false;
}

} // namespace richtext
