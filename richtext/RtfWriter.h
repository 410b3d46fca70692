#pragma once

#include "richtext/RtfOutput.h"
#include "richtext/RtfState.h"

#include <QList>
#include <QRgb>
#include <QStringList>

class QTextBlock;
class QTextCharFormat;
class QTextDocument;

namespace richtext {

// Writes a document as RTF the way RichEdit does: one \pard per paragraph with its
// formats, character formats as changes from the text before, bullets as \pn groups with
// their \pntext for readers without bullets. Font and colour tables are collected while
// the body is written and put in front of it.
class RtfWriter {
public:
    explicit RtfWriter(const QTextDocument& document);

    QByteArray write();

private:
    void writeBlock(const QTextBlock& block);
    void writeParagraphFormat(const QTextBlock& block);
    void writeBullet();
    void writeCharFormat(const QTextCharFormat& format);
    CharState stateOf(const QTextCharFormat& format);
    int fontIndex(const QString& family);
    int colorIndex(const QTextCharFormat& format);
    QByteArray header() const;

    const QTextDocument& document_;
    RtfOutput body_;
    QStringList fonts_;
    QList<QRgb> colors_; // from index 1: index 0 is the automatic colour
    CharState written_;
};

} // namespace richtext
