#pragma once

#include "richtext/Rtf.h"

#include <QRgb>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <ostream>
#include <vector>

class QTextBlock;
class QTextCharFormat;
class QTextDocument;

// What the tests look at in a document: texts and the attributes the editor offers.

struct CharAttributes {
    QString family;
    double points = 0;
    std::optional<QRgb> color;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const CharAttributes&) const = default;
};

enum Style : unsigned { Plain = 0, Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };
CharAttributes chars(const QString& family, double points, unsigned style = Plain,
                     std::optional<QRgb> color = std::nullopt);

struct TextRun {
    QString text;
    CharAttributes attributes;

    bool operator==(const TextRun&) const = default;
};

using Runs = std::vector<TextRun>;

struct ParagraphAttributes {
    Qt::Alignment alignment;
    double left = 0;
    double right = 0;
    double first = 0;
    bool bullet = false;

    bool operator==(const ParagraphAttributes&) const = default;
};

CharAttributes attributesOf(const QTextCharFormat& format);
// The block's text in runs of equal attributes.
Runs runsOf(const QTextBlock& block);
ParagraphAttributes paragraphOf(const QTextBlock& block);
QStringList paragraphs(const QTextDocument& document);
// The format of the first character of the first occurrence of `text`.
QTextCharFormat formatOf(const QTextDocument& document, const QString& text);

struct ReadDocument {
    std::unique_ptr<QTextDocument> document;
    richtext::RtfStatus status;
};
ReadDocument read(const QByteArray& rtf);

void PrintTo(const CharAttributes& a, std::ostream* os);
void PrintTo(const TextRun& run, std::ostream* os);
void PrintTo(const ParagraphAttributes& p, std::ostream* os);
namespace richtext {
void PrintTo(RtfStatus status, std::ostream* os);
}
