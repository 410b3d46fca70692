// Damaged streams: read as far as they go, reported, and never a crash or a hang.
#include "DocumentProbe.h"
#include "QtPrinters.h"

#include <QTextDocument>

#include <gtest/gtest.h>

using richtext::RtfStatus;

namespace {

struct DamageCase {
    const char* what; // the name of the case
    QByteArray rtf;
    QString text; // what can be read, paragraphs joined by '|'
};

class RtfDamage : public ::testing::TestWithParam<DamageCase> {};

TEST_P(RtfDamage, ReadsWhatItCanAndSaysSo) {
    const ReadDocument r = read(GetParam().rtf);
    EXPECT_EQ(r.status, RtfStatus::Damaged);
    EXPECT_EQ(paragraphs(*r.document).join(u'|'), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Streams, RtfDamage,
    ::testing::Values(
        DamageCase{"CutBeforeTheLastBrace", "{\\rtf1 {\\b bold} text\\par more", "bold text|more"},
        DamageCase{"CutInAHexEscape", "{\\rtf1 Pe\\'f", "Pe"},
        DamageCase{"CutAfterABackslash", "{\\rtf1 abc\\", "abc"},
        DamageCase{"CutInsideBinaryData", "{\\rtf1 a{\\*\\blob\\bin100 xy}}", "a"},
        DamageCase{"AnEscapeThatIsNotHex", "{\\rtf1 a\\'zzb}", "azzb"},
        DamageCase{"ABraceTooMany", "{\\rtf1 a}}", "a"},
        DamageCase{"TextAfterTheEnd", "{\\rtf1 a}b", "a"},
        DamageCase{"NotRtfIsReadAsPlainText", "plain {text}\r\nC:\\aeat\rend\n",
                   "plain {text}|C:\\aeat|end|"},
        DamageCase{"Empty", "", ""},
        DamageCase{"BinaryGarbage", QByteArray("\x00\xff{\x01\\\x80z", 7), "ÿ{\\€z"},
        DamageCase{"NestingDeeperThanAnyWriters",
                   "{\\rtf1 " + QByteArray(100000, '{') + "deep" + QByteArray(100000, '}') + "}",
                   "deep"}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(RtfDamage, BlanksAfterTheEndAreNoDamage) {
    EXPECT_EQ(read(QByteArray("{\\rtf1 a}\r\n \0", 14)).status, RtfStatus::Intact);
}

TEST(RtfDamage, EveryCutOfAStreamIsReportedDamaged) {
    const QByteArray full =
        "{\\rtf1\\ansi\\ansicpg1252\\uc1{\\fonttbl{\\f0\\fnil Arial;}}"
        "{\\colortbl ;\\red255\\green0\\blue0;}{\\*\\generator Test;}"
        "\\pard\\qc\\fi-360\\li720{\\pntext\\'B7\\tab}{\\*\\pn\\pnlvlblt{\\pntxtb\\'B7}}"
        "\\cf1\\b Pe\\'f1a \\u8364?\\b0\\line x\\tab y\\par}";
    ASSERT_EQ(read(full).status, RtfStatus::Intact);
    for (qsizetype n = 0; n < full.size(); ++n)
        EXPECT_EQ(read(full.first(n)).status, RtfStatus::Damaged) << full.first(n).constData();
}

} // namespace
