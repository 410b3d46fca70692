#pragma once

#include <QByteArray>

class QTextDocument;

// RTF for Qt's text documents, in the attributes the chapter editor offers: font name,
// size and colour, bold, italic, underline, strike-out, alignment, first-line, left and
// right indents, bullets, line breaks, paragraphs and tabs.
namespace richtext {

enum class RtfStatus { Intact, Damaged };

// Replaces the document's content by the stream's; the load cannot be undone. A damaged
// stream (cut short, with unbalanced groups) still gives whatever text and formats could
// be read from it; bytes that are not RTF at all are damaged too, and read as plain text.
[[nodiscard]] RtfStatus readRtf(const QByteArray& rtf, QTextDocument& document);

// Windows-1252 text with \'hh escapes; characters outside the code page as \uN.
[[nodiscard]] QByteArray writeRtf(const QTextDocument& document);

} // namespace richtext
