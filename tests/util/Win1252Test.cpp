#include "util/Win1252.h"

#include "QtPrinters.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

TEST(Win1252, EveryByteSurvivesARoundTrip) {
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(char(b));
    const QString text = util::fromWin1252(bytes);
    EXPECT_EQ(util::toWin1252(text), bytes);
    EXPECT_EQ(QSet<QChar>(text.begin(), text.end()).size(), 256);
}

TEST(Win1252, SpanishTextRoundTrips) {
    const QString text = QStringLiteral("Peña Cía Ç ´ €");
    const QByteArray bytes("Pe\xF1"
                           "a C\xED"
                           "a \xC7 \xB4 \x80");
    EXPECT_EQ(util::toWin1252(text), bytes);
    EXPECT_EQ(util::fromWin1252(bytes), text);
}

TEST(Win1252, TheRowAbove127HoldsTheTypographicSigns) {
    const QString signs = QStringLiteral("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ");
    QByteArray bytes;
    for (int b = 0x80; b <= 0x9F; ++b) {
        if (b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D)
            bytes.append(char(b));
    }
    EXPECT_EQ(util::toWin1252(signs), bytes);
    EXPECT_EQ(util::fromWin1252(bytes), signs);
}

TEST(Win1252, UndefinedBytesBecomeTheirControlCharacters) {
    for (const int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(util::fromWin1252(QByteArray(1, char(b))), QString(QChar(b))) << b;
}

TEST(Win1252, CharactersOutsideTheCodePageBecomeAQuestionMark) {
    // U+0080 has no byte: 0x80 is the euro sign.
    const QString outside = QString(QChar(0x80)) + QStringLiteral("Ā中😀");
    EXPECT_EQ(util::toWin1252(outside), QByteArray("????"));
    for (const QChar c : QStringLiteral("\u0080Ā中"))
        EXPECT_FALSE(util::isWin1252(c)) << int(c.unicode());
    for (const QChar c : QStringLiteral("A?ñ€Ÿ\u0081"))
        EXPECT_TRUE(util::isWin1252(c)) << int(c.unicode());
}

} // namespace
