#include "util/Cents.h"

#include "util/Error.h"

#include <charconv>
#include <cmath>

namespace util {

namespace {

// A double holds any decimal of this many significant digits without loss (DBL_DIG).
constexpr int kSignificantDigits = 15;

// A decimal reading of a non-negative double: digits times ten to the power scale.
struct Reading {
    QString digits;
    int scale;
};

// Parses the "d.ddde±x" that to_chars writes in scientific form.
Reading readingOf(const char* begin, const char* end) {
    const QString all = QString::fromLatin1(begin, end - begin);
    const qsizetype e = all.indexOf(u'e');
    const QString digits = all.left(e).remove(u'.');
    return {digits, all.mid(e + 1).toInt() - int(digits.size()) + 1};
}

Reading significantDigits(double magnitude, int significant) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, magnitude,
                                   std::chars_format::scientific, significant - 1);
    return readingOf(text, end.ptr);
}

// The shortest decimal that reads back as the same double.
Reading shortest(double magnitude) {
    char text[32];
    const auto end =
        std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific);
    return readingOf(text, end.ptr);
}

// Adds one to a string of decimal digits.
QString incremented(QString digits) {
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != u'9') {
            digits[i] = QChar(digits[i].unicode() + 1);
            return digits;
        }
        digits[i] = u'0';
    }
    return u'1' + digits;
}

QString withoutLeadingZeros(const QString& digits) {
    qsizetype first = 0;
    while (first < digits.size() && digits[first] == u'0')
        ++first;
    return first == digits.size() ? QStringLiteral("0") : digits.mid(first);
}

} // namespace

QString roundedDigits(double value, int decimals) {
    const double magnitude = std::fabs(value);
    // Fifteen digits absorb the few units of noise a computation leaves. A value with more
    // digits up to the one after the rounding position than that has no room for noise and
    // is read as the shortest decimal that stands for it.
    Reading reading = significantDigits(magnitude, kSignificantDigits);
    if (reading.scale + decimals > -1)
        reading = shortest(magnitude);

    const int shift = reading.scale + decimals;
    if (shift >= 0)
        return withoutLeadingZeros(reading.digits + QString(shift, u'0'));
    const qsizetype kept = reading.digits.size() + shift;
    if (kept < 0)
        return QStringLiteral("0");
    const QString head = reading.digits.left(kept);
    const bool roundUp = reading.digits[kept] >= u'5';
    return withoutLeadingZeros(roundUp ? incremented(head) : head);
}

qint64 cents(double euros) {
    bool fits = std::isfinite(euros);
    const qint64 magnitude = fits ? roundedDigits(euros, 2).toLongLong(&fits) : 0;
    if (!fits)
        throw tributra::Error(QStringLiteral("Importe fuera de rango: %1").arg(euros));
    return euros < 0 ? -magnitude : magnitude;
}

} // namespace util
