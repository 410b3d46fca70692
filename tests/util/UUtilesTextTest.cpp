#include "util/UUtiles.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct FillCase {
    const char* text;
    int width;
    const char* fill;
    const char* result;
};

const FillCase kRightFillCases[] = {
    {"  ANA   LOPEZ ", 10, " ", "ANA LOPEZ "},
    {"  ANA   LOPEZ ", 3, " ", "ANA"},
    {"7", 3, "0", "700"},
    {"", 3, " ", "   "},
    {"\tANA\r\n", 4, " ", "ANA "},
    {"x", 4, "ab", "xaba"},
    {"AB", 0, " ", ""},
    {"AB", -1, " ", ""},
};

TEST(RellenaDerecha, CompactsTrimsFillsAndCuts) {
    for (const FillCase& c : kRightFillCases)
        EXPECT_EQ(UUtiles::RellenaDerecha(QString::fromLatin1(c.text), c.width,
                                          QString::fromLatin1(c.fill)),
                  QString::fromLatin1(c.result))
            << c.text << " to " << c.width;
}

const FillCase kLeftFillCases[] = {
    {"7", 2, "0", "07"},       {"123", 2, "0", "123"},      {" 7 ", 3, " ", "  7"},
    {"A  B", 5, " ", " A  B"}, {"7", 5, "ab", "abababab7"},
};

TEST(RellenaIzquierda, TrimsAndFillsWithoutCutting) {
    for (const FillCase& c : kLeftFillCases)
        EXPECT_EQ(UUtiles::RellenaIzquierda(QString::fromLatin1(c.text), c.width,
                                            QString::fromLatin1(c.fill)),
                  QString::fromLatin1(c.result))
            << c.text << " to " << c.width;
}

TEST(CerosIzquierda, FillsTheUntrimmedTextWithoutCutting) {
    EXPECT_EQ(UUtiles::CerosIzquierda(QStringLiteral(" 5"), 3), QStringLiteral("0 5"));
    EXPECT_EQ(UUtiles::CerosIzquierda(QStringLiteral("123"), 2), QStringLiteral("123"));
    EXPECT_EQ(UUtiles::CerosIzquierda(QString(), 2), QStringLiteral("00"));
}

TEST(Repetitions, AreEmptyForNoCount) {
    EXPECT_EQ(UUtiles::Espacios(3), QStringLiteral("   "));
    EXPECT_EQ(UUtiles::RepiteCaracter(3, u'*'), QStringLiteral("***"));
    for (const int n : {0, -2}) {
        EXPECT_EQ(UUtiles::Espacios(n), QString());
        EXPECT_EQ(UUtiles::RepiteCaracter(n, u'*'), QString());
    }
}

struct CleanCase {
    const char* text;
    const char* result;
};

const CleanCase kCompactCases[] = {
    {"  A   B  ", " A B "}, {"", ""}, {"   ", " "}, {"a  B", "a B"}, {"A\t\tB", "A\t\tB"},
};

TEST(CompactaEspacios, LeavesOneBlankOfEveryRun) {
    for (const auto compact : {UUtiles::CompactaEspacios, UUtiles::QuitaDobleEspacio}) {
        for (const CleanCase& c : kCompactCases)
            EXPECT_EQ(compact(QString::fromLatin1(c.text)), QString::fromLatin1(c.result))
                << c.text;
    }
}

const CleanCase kNameCases[] = {
    {"Peña y Cía, S.L.", "PEA Y CA, S.L."},
    {"o'brien & co_1/2:3;4-5", "O'BRIEN & CO_1/2:3;4-5"},
    {"ÑÇ´ñç(ª)º", "ÑÇ´"},
    {"ÁÉÍÓÚáéíóúü", ""},
    {"A\tB\x01", "A\tB\x01"},
    {"x€\"", "X"},
};

TEST(NormalizaNombre, UpperCasesAndKeepsOnlyTheAgencysCharacters) {
    for (const CleanCase& c : kNameCases)
        EXPECT_EQ(UUtiles::NormalizaNombre(QString::fromUtf8(c.text)), QString::fromUtf8(c.result))
            << c.text;
}

const CleanCase kNifCases[] = {
    {" 12.345.678-z ", "12345678"},
    {"B12345678X", "B12345678"},
    {"x-1", "1"},
    {"ñ1Ñ", "1"},
};

TEST(NormalizaNIF, KeepsNineDigitsAndCapitals) {
    for (const CleanCase& c : kNifCases)
        EXPECT_EQ(UUtiles::NormalizaNIF(QString::fromUtf8(c.text)), QString::fromUtf8(c.result))
            << c.text;
}

TEST(SoloAlfanumericos, KeepsDigitsAndCapitalsWithoutCut) {
    EXPECT_EQ(UUtiles::SoloAlfanumericos(QStringLiteral(" 12.345.678-Zabc9 B ")),
              QStringLiteral("12345678Z9B"));
}

const CleanCase kAccentCases[] = {
    {" José Ramón ", "Jose Ramon"},
    {"áéíóú", "aeiou"},
    {"ÁNGEL Ñoño ü à", "ÁNGEL Ñoño ü à"},
};

TEST(QuitaAcentos, StripsOnlyLowerCaseAcuteVowels) {
    for (const CleanCase& c : kAccentCases)
        EXPECT_EQ(UUtiles::QuitaAcentos(QString::fromUtf8(c.text)), QString::fromUtf8(c.result))
            << c.text;
}

TEST(EsNumero, LooksAtTheFirstCharacter) {
    for (const char* text : {"-3", ".5", ",5", "0", "9x"})
        EXPECT_TRUE(UUtiles::EsNumero(QString::fromLatin1(text))) << text;
    for (const char* text : {"", "A1", " 1", "+1"})
        EXPECT_FALSE(UUtiles::EsNumero(QString::fromLatin1(text))) << text;
}

} // namespace
