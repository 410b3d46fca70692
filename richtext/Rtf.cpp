#include "richtext/Rtf.h"

#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

#include "util/Win1252.h"

#include <QTextCursor>
#include <QTextDocument>

namespace richtext {

namespace {

// What RichEdit does with a stream that is not RTF: its lines become paragraphs.
void readPlainText(const QByteArray& bytes, QTextDocument& document) {
    QString text = util::fromWin1252(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    text.removeIf([](QChar c) { return c.unicode() < 0x20 && c != u'\t' && c != u'\n'; });
    QTextCursor(&document).insertText(text);
}

} // namespace

RtfStatus readRtf(const QByteArray& rtf, QTextDocument& document) {
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    // One edit for views of the document: they lay it out once, when it is complete.
    QTextCursor edit(&document);
    edit.beginEditBlock();
    RtfStatus status = RtfStatus::Damaged;
    if (const QByteArrayView stream = QByteArrayView(rtf).trimmed(); stream.startsWith("{\\rtf"))
        status = RtfReader(stream, document).read();
    else
        readPlainText(rtf, document);
    edit.endEditBlock();
    document.setUndoRedoEnabled(undo);
    return status;
}

QByteArray writeRtf(const QTextDocument& document) {
    return RtfWriter(document).write();
}

} // namespace richtext
