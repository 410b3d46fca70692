#include "util/NumberFormat.h"
#include "util/Error.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kDisplay = "#,###,###,##0.00";
constexpr const char* kEdit = "##########.##";

struct FormatCase {
    const char* pattern;
    double value;
    const char* text;
};

const FormatCase kFormatCases[] = {
    // The display and edit formats of every amount box.
    {kDisplay, 1234.56, "1.234,56"},
    {kDisplay, -1234.5, "-1.234,50"},
    {kDisplay, 0, "0,00"},
    {kDisplay, 0.5, "0,50"},
    {kDisplay, 1234567890.12, "1.234.567.890,12"},
    {kDisplay, 123456789012.5, "123.456.789.012,50"},
    {kDisplay, 999.995, "1.000,00"},
    {kDisplay, 4.515, "4,52"},
    {kDisplay, -0.004, "0,00"},
    {kEdit, 1234.5, "1234,5"},
    {kEdit, 1234, "1234"},
    {kEdit, 0, ""},
    {kEdit, 0.5, ",5"},
    {kEdit, -7.25, "-7,25"},
    {kEdit, 1.999, "2"},
    // The memoria's amounts.
    {"##########0.00", 0.5, "0,50"},
    {"##########0.00", 12345678901.5, "12345678901,50"},
    // Placeholders.
    {"0.0#", 1.5, "1,5"},
    {"0.0#", 1.25, "1,25"},
    {"0.0#", 1, "1,0"},
    {"000", 7, "007"},
    {"0,000", 5, "0.005"},
    {"#,##0", 1234567, "1.234.567"},
    {".00", 12.5, "12,50"},
    {"0", 2.5, "3"},
    {"0", -2.5, "-3"},
    {"00-00", 1234, "12-34"},
    // Literal text.
    {"0.00 \"EUR\"", 5, "5,00 EUR"},
    {"'#'0", 5, "#5"},
    {"\"a;b\"0", 5, "a;b5"},
    // Sections.
    {"0.00;(0.00);cero", 5, "5,00"},
    {"0.00;(0.00);cero", -5, "(5,00)"},
    {"0.00;(0.00);cero", 0, "cero"},
    {"0.00;(0.00);cero", -0.001, "cero"},
    {"0.00;;", -5, "-5,00"},
    {"0.00;;", 0, "0,00"},
    // No pattern: the general text.
    {"", 1234.5, "1234,5"},
};

TEST(FormatFloat, LaysOutThePattern) {
    for (const FormatCase& c : kFormatCases)
        EXPECT_EQ(util::formatFloat(QString::fromUtf8(c.pattern), c.value),
                  QString::fromUtf8(c.text))
            << c.pattern << " of " << c.value;
}

struct GeneralCase {
    double value;
    const char* text;
};

const GeneralCase kGeneralCases[] = {
    {450, "450"},       {0.5, "0,5"},       {-0.0, "0"},
    {4.1 * 100, "410"}, {1234.5, "1234,5"}, {-2.25, "-2,25"},
};

TEST(FormatGeneral, WritesFifteenSignificantDigitsWithDecimalComma) {
    for (const GeneralCase& c : kGeneralCases)
        EXPECT_EQ(util::formatGeneral(c.value), QString::fromLatin1(c.text)) << c.value;
}

struct ParseCase {
    const char* text;
    double value;
};

const ParseCase kParseCases[] = {
    {"1234,56", 1234.56},
    {"1234.56", 1234.56},
    {" -1.234,56 ", -1234.56},
    {"1.234.567,5", 1234567.5},
    {"1.234,", 1234},
    {"1.234", 1.234},
    {",5", 0.5},
    {".5", 0.5},
    {"5,", 5},
    {"+7", 7},
    {"0", 0},
    {"-0,01", -0.01},
};

TEST(ParseFloat, ReadsTypedNumbers) {
    for (const ParseCase& c : kParseCases)
        EXPECT_DOUBLE_EQ(util::parseFloat(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(ParseFloat, RefusesAnythingElse) {
    const char* const texts[] = {"",         " ",     "abc",      "1.234.567", "12.34,5",
                                 "1,234.56", "1,2,3", "--1",      "1e5",       "-",
                                 ",",        "1 234", "1.2345,6", "5-",        "\xd9\xa1"};
    for (const char* text : texts) {
        const QString typed = QString::fromUtf8(text);
        try {
            util::parseFloat(typed);
            ADD_FAILURE() << "accepted " << text;
        } catch (const tributra::ConversionError& e) {
            EXPECT_EQ(e.text(), u'\'' + typed + QStringLiteral("' no es un valor numérico válido"));
        }
    }
}

} // namespace
