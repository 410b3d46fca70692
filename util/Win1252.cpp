#include "util/Win1252.h"

namespace util {

namespace {

// Bytes 0x80 to 0x9F, the only ones that differ from Latin-1.
constexpr char16_t kHighRow[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char kReplacement = '?';

bool inHighRow(uint code) {
    return code >= 0x80 && code <= 0x9F;
}

// The byte of a character, or kReplacement when the code page has none.
char encoded(QChar c) {
    const char16_t code = c.unicode();
    if (code <= 0xFF && !inHighRow(code))
        return char(code);
    for (int i = 0; i < 32; ++i) {
        if (kHighRow[i] == code)
            return char(0x80 + i);
    }
    return kReplacement;
}

} // namespace

QByteArray toWin1252(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A character beyond the 16-bit range is one character, so one '?'.
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        bytes.append(encoded(text[i]));
    }
    return bytes;
}

QString fromWin1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar byte = uchar(bytes[i]);
        text[i] = inHighRow(byte) ? QChar(kHighRow[byte - 0x80]) : QChar(byte);
    }
    return text;
}

bool isWin1252(QChar c) {
    return c == QChar(kReplacement) || encoded(c) != kReplacement;
}

} // namespace util
