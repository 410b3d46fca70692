// What other readers need from the written stream.
#include "DocumentProbe.h"
#include "QtPrinters.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

TEST(RtfWrite, TextIsSevenBitWithTheCodePageAndUnicodeEscapes) {
    QTextDocument doc;
    QTextCursor(&doc).insertText(QStringLiteral("Peña € Ω 😀 \\{}"));

    const QByteArray rtf = richtext::writeRtf(doc);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("\\uc1")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("Pe\\'f1a \\'80 \\u937? \\u-10179?\\u-8704? \\\\\\{\\}"))
        << rtf.constData();
    EXPECT_TRUE(std::all_of(rtf.begin(), rtf.end(), [](char c) { return uchar(c) < 0x80; }));
    EXPECT_TRUE(rtf.endsWith('}'));
}

// RichEdit shows a bullet from {\*\pn\pnlvlblt...}; readers without bullets show \pntext.
TEST(RtfWrite, BulletsAreWrittenAsRichEditReadsThem) {
    QTextDocument doc;
    QTextCursor cursor(&doc);
    cursor.insertText(QStringLiteral("item"));
    cursor.createList(QTextListFormat::ListDisc);

    const QByteArray rtf = richtext::writeRtf(doc);
    EXPECT_TRUE(rtf.contains("{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1"))
        << rtf.constData();
    EXPECT_TRUE(rtf.contains("{\\f1\\fnil\\fcharset2 Symbol;}")) << rtf.constData();
}

} // namespace
