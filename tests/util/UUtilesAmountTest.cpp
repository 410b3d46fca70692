#include "util/UUtiles.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

using AmountFunction = QString (*)(int, double);

struct AmountCase {
    AmountFunction function;
    int width;
    double amount;
    const char* text;
};

const AmountCase kAmountCases[] = {
    {UUtiles::ImporteN, 17, -1234.5, "N0000000000123450"},
    {UUtiles::ImporteN, 17, 1234.5, "00000000000123450"},
    {UUtiles::ImporteN, 16, 1234.5, " 000000000123450"},
    {UUtiles::ImporteN, 16, -1234.5, "N000000000123450"},
    {UUtiles::ImporteN, 5, 0.126, "00013"},
    {UUtiles::ImporteN, 15, 4.515, "000000000000452"},
    {UUtiles::ImporteN, 13, 0, "0000000000000"},
    // A negative that rounds to no cents is written as zero.
    {UUtiles::ImporteN, 5, -0.004, "00000"},
    {UUtiles::ImporteSigno, 14, 10, " 0000000001000"},
    {UUtiles::ImporteSigno, 14, -10, "N0000000001000"},
    {UUtiles::ImporteSigno, 18, 0, " 00000000000000000"},
    {UUtiles::ImporteSigno, 14, -0.004, " 0000000000000"},
    {UUtiles::ImporteSinSigno, 13, -2, "0000000000200"},
    {UUtiles::ImporteSinSigno, 15, 4.515, "000000000000452"},
    {UUtiles::ImporteSinSigno, 13, -4.515, "0000000000452"},
    // Amounts too wide for the field keep every digit: the text is longer than the field.
    {UUtiles::ImporteN, 5, 1234.56, "123456"},
    {UUtiles::ImporteN, 5, -123.45, "N12345"},
    {UUtiles::ImporteN, 5, -1234.56, "N123456"},
    {UUtiles::ImporteN, 16, 1234567890123.45, " 123456789012345"},
    {UUtiles::ImporteN, 16, 12345678901234.56, " 1234567890123456"},
    {UUtiles::ImporteSigno, 5, 123.45, " 12345"},
    {UUtiles::ImporteSinSigno, 3, 12.34, "1234"},
};

TEST(Importes, WriteCentsWithTheirSignRule) {
    for (const AmountCase& c : kAmountCases)
        EXPECT_EQ(c.function(c.width, c.amount), QString::fromLatin1(c.text))
            << "(" << c.width << ", " << c.amount << ")";
}

struct RateCase {
    double rate;
    const char* four;
    const char* five;
};

const RateCase kRateCases[] = {
    {21, "2100", "02100"},    {4.5, "0450", "00450"},    {19.5, "1950", "01950"},
    {0, "0000", "00000"},     {4.1, "0410", "00410"},    {0.07, "0007", "00007"},
    {0.125, "12,5", "012,5"}, {1.234, "123,4", "123,4"}, {123.4, "12340", "12340"},
};

TEST(Porcentajes, WriteTheRateTimesHundredZeroFilled) {
    for (const RateCase& c : kRateCases) {
        EXPECT_EQ(UUtiles::Porcentaje4(c.rate), QString::fromLatin1(c.four)) << c.rate;
        EXPECT_EQ(UUtiles::Porcentaje5(c.rate), QString::fromLatin1(c.five)) << c.rate;
    }
}

} // namespace
