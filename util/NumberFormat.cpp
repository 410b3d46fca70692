#include "util/NumberFormat.h"

#include "util/Cents.h"
#include "util/Error.h"

#include <QList>
#include <QRegularExpression>
#include <cmath>

namespace util {

namespace {

constexpr QChar kDecimalSeparator = u',';
constexpr QChar kThousandsSeparator = u'.';

// A pattern character; quoted ones are plain text whatever they are.
struct Symbol {
    QChar c;
    bool quoted;

    bool is(char16_t special) const { return !quoted && c == special; }
    bool isPlaceholder() const { return is(u'0') || is(u'#'); }
};
using Section = QList<Symbol>;

QList<Section> sectionsOf(const QString& pattern) {
    QList<Section> sections(1);
    QChar quote;
    for (const QChar c : pattern) {
        if (quote.isNull() && (c == u'"' || c == u'\''))
            quote = c;
        else if (c == quote)
            quote = QChar();
        else if (quote.isNull() && c == u';')
            sections.append(Section());
        else
            sections.last().append({c, !quote.isNull()});
    }
    return sections;
}

// What the placeholders of a section ask for.
struct Shape {
    int integerPlaces = 0;
    int minIntegerDigits = 0;
    int decimals = 0;
    int minDecimals = 0;
    bool grouping = false;
};

Shape shapeOf(const Section& section) {
    Shape shape;
    bool afterPoint = false;
    int firstZero = -1;
    for (const Symbol& s : section) {
        if (s.isPlaceholder() && !afterPoint) {
            if (s.is(u'0') && firstZero < 0)
                firstZero = shape.integerPlaces;
            ++shape.integerPlaces;
        } else if (s.isPlaceholder()) {
            ++shape.decimals;
            if (s.is(u'0'))
                shape.minDecimals = shape.decimals;
        } else if (s.is(u'.')) {
            afterPoint = true;
        } else if (s.is(u',')) {
            shape.grouping = true;
        }
    }
    shape.minIntegerDigits = firstZero < 0 ? 0 : shape.integerPlaces - firstZero;
    return shape;
}

// The integer and fraction digits a section shows of |value|.
struct Digits {
    QString integer;
    QString fraction;
};

Digits digitsFor(const Shape& shape, double value) {
    const QString all =
        roundedDigits(value, shape.decimals).rightJustified(shape.decimals + 1, u'0');
    Digits digits{all.left(all.size() - shape.decimals), all.right(shape.decimals)};
    while (digits.integer.startsWith(u'0'))
        digits.integer.remove(0, 1);
    digits.integer = digits.integer.rightJustified(shape.minIntegerDigits, u'0');
    while (digits.fraction.size() > shape.minDecimals && digits.fraction.endsWith(u'0'))
        digits.fraction.chop(1);
    return digits;
}

// Appends integer digits [from, to), with a thousands separator wherever a multiple of
// three digits is left to the right.
void appendInteger(QString& out, const QString& integer, qsizetype from, qsizetype to,
                   bool grouping) {
    for (qsizetype i = qMax<qsizetype>(from, 0); i < to; ++i) {
        out += integer[i];
        const qsizetype left = integer.size() - 1 - i;
        if (grouping && left > 0 && left % 3 == 0)
            out += kThousandsSeparator;
    }
}

QString render(const Section& section, double value, bool minus) {
    const Shape shape = shapeOf(section);
    const Digits digits = digitsFor(shape, value);
    // Digits beyond the placeholders go in front of the first one.
    const qsizetype extra = digits.integer.size() - shape.integerPlaces;
    QString out = minus ? QStringLiteral("-") : QString();
    int place = 0;
    int decimal = 0;
    bool afterPoint = false;
    for (const Symbol& s : section) {
        if (s.isPlaceholder() && !afterPoint) {
            appendInteger(out, digits.integer, place == 0 ? 0 : extra + place, extra + place + 1,
                          shape.grouping);
            ++place;
        } else if (s.isPlaceholder()) {
            if (decimal < digits.fraction.size())
                out += digits.fraction[decimal];
            ++decimal;
        } else if (s.is(u'.')) {
            if (afterPoint)
                continue;
            afterPoint = true;
            if (shape.integerPlaces == 0)
                appendInteger(out, digits.integer, 0, digits.integer.size(), shape.grouping);
            if (!digits.fraction.isEmpty())
                out += kDecimalSeparator;
        } else if (!s.is(u',')) {
            out += s.c;
        }
    }
    return out;
}

tributra::ConversionError notANumber(const QString& text) {
    return tributra::ConversionError(
        QStringLiteral("'%1' no es un valor numérico válido").arg(text));
}

bool showsAsZero(const Section& section, double value) {
    return roundedDigits(value, shapeOf(section).decimals) == u"0";
}

} // namespace

QString formatFloat(const QString& pattern, double value) {
    if (pattern.isEmpty() || !std::isfinite(value))
        return formatGeneral(value);
    const QList<Section> sections = sectionsOf(pattern);
    const Section& positive = sections[0];
    if (showsAsZero(positive, value)) {
        const bool zeroSection = sections.size() > 2 && !sections[2].isEmpty();
        return render(zeroSection ? sections[2] : positive, 0.0, false);
    }
    if (value < 0 && sections.size() > 1 && !sections[1].isEmpty())
        return render(sections[1], value, false);
    return render(positive, value, value < 0);
}

QString formatGeneral(double value) {
    // Adding zero turns -0 into 0, which must not show a sign.
    return QString::number(value + 0.0, 'g', 15).replace(u'.', kDecimalSeparator);
}

double parseFloat(const QString& text) {
    static const QRegularExpression plain(QStringLiteral("^[+-]?([0-9]+[.,]?[0-9]*|[.,][0-9]+)$"));
    static const QRegularExpression grouped(
        QStringLiteral("^[+-]?[0-9]{1,3}(\\.[0-9]{3})+,[0-9]*$"));
    QString number = text.trimmed();
    if (grouped.match(number).hasMatch())
        number.remove(kThousandsSeparator);
    else if (!plain.match(number).hasMatch())
        throw notANumber(text);
    bool ok = false;
    const double value = number.replace(kDecimalSeparator, u'.').toDouble(&ok);
    if (!ok || !std::isfinite(value))
        throw notANumber(text);
    return value;
}

} // namespace util
