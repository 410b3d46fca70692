#include "util/Error.h"
#include "util/UUtiles.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct IbanCase {
    const char* account;
    const char* country;
    const char* iban;
};

// Check digits of published example IBANs; the blank account's worked out by hand
// (000...0 1428 00 mod 97 = 16, 98 - 16 = 82).
const IbanCase kIbanCases[] = {
    {"21000418450200051332", "ES", "ES9121000418450200051332"},
    {"21000813610123456789", "ES", "ES7921000813610123456789"},
    {"370400440532013000", "DE", "DE89370400440532013000"},
    {"", "ES", "ES8200000000000000000000"},
    {"   ", "ES", "ES8200000000000000000000"},
};

TEST(CalculaIBAN, PutsTheIsoCheckDigitsBetweenCountryAndAccount) {
    for (const IbanCase& c : kIbanCases)
        EXPECT_EQ(
            UUtiles::CalculaIBAN(QString::fromLatin1(c.account), QString::fromLatin1(c.country)),
            QString::fromLatin1(c.iban))
            << c.account;
}

TEST(CalculaIBAN, RefusesBadCountriesAndAccounts) {
    const IbanCase cases[] = {
        {"21000418450200051332", "es", nullptr},  {"21000418450200051332", "E", nullptr},
        {"21000418450200051332", "ESP", nullptr}, {"21000418450200051332", "E1", nullptr},
        {"2100 0418450200051332", "ES", nullptr}, {" 21000418450200051332", "ES", nullptr},
    };
    for (const IbanCase& c : cases)
        EXPECT_THROW(
            UUtiles::CalculaIBAN(QString::fromLatin1(c.account), QString::fromLatin1(c.country)),
            tributra::ConversionError)
            << c.account << " " << c.country;
}

TEST(ValorLetraIBAN, NumbersTheCapitalLetters) {
    EXPECT_EQ(UUtiles::ValorLetraIBAN(u'A'), QStringLiteral("10"));
    EXPECT_EQ(UUtiles::ValorLetraIBAN(u'M'), QStringLiteral("22"));
    EXPECT_EQ(UUtiles::ValorLetraIBAN(u'Z'), QStringLiteral("35"));
    for (const QChar other : QStringLiteral("a1 Ñ@["))
        EXPECT_EQ(UUtiles::ValorLetraIBAN(other), QString()) << int(other.unicode());
}

// The remainder taken one digit at a time, as by hand.
int referenceMod97(const QString& digits) {
    int rest = 0;
    for (const QChar d : digits)
        rest = (rest * 10 + d.digitValue()) % 97;
    return rest;
}

TEST(Modulo97, EqualsTheRemainderOfTheWholeNumber) {
    quint32 seed = 12345;
    const auto nextDigit = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return QChar(u'0' + (seed >> 16) % 10);
    };
    for (int length = 1; length <= 60; ++length) {
        for (int sample = 0; sample < 5; ++sample) {
            QString digits;
            for (int i = 0; i < length; ++i)
                digits += nextDigit();
            EXPECT_EQ(UUtiles::Modulo97(digits), referenceMod97(digits)) << digits.toStdString();
        }
    }
    // Remainders of zero and of one digit make the next piece one digit longer.
    for (const char* digits : {"97", "000000000000000000000097", "970000000000000000001",
                               "21000418450200051332142800", "9999999999999999999999999"})
        EXPECT_EQ(UUtiles::Modulo97(QString::fromLatin1(digits)),
                  referenceMod97(QString::fromLatin1(digits)))
            << digits;
    EXPECT_EQ(UUtiles::Modulo97(QStringLiteral("21000418450200051332142800")), 7);
}

TEST(Modulo97, RefusesAnythingButDigits) {
    for (const char* text : {"12A", "", "1234567890A", "123456789012345678-", " 12", "+12", "-5"})
        EXPECT_THROW(UUtiles::Modulo97(QString::fromLatin1(text)), tributra::ConversionError)
            << text;
    EXPECT_THROW(UUtiles::Modulo97(QStringLiteral("\u0661\u0662")), tributra::ConversionError);
}

} // namespace
