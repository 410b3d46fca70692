#include "util/Cents.h"
#include "util/Error.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

struct CentsCase {
    double euros;
    qint64 cents;
};

// Halves of a cent whose binary value lies just below the half, from literals and from
// the quota computations of the returns (base times rate).
const CentsCase kCentsCases[] = {
    {4.515, 452},
    {21.5 * 0.21, 452},
    {-4.515, -452},
    {1.5 * (15 / 100.0), 23}, // 0.22499999999999998
    {3.3 * 0.15, 50},         // 0.49499999999999994
    {1.005, 101},
    {2.675, 268},
    {0.125, 13},
    {-0.125, -13},
    {0.005, 1},
    {1234.5, 123450},
    {0.126, 13},
    {0.124, 12},
    {99999999.995, 10000000000},
    {-99999999.995, -10000000000},
    {12345678901.23, 1234567890123},
    // Too many digits for noise to hide in: every digit the double holds counts.
    {12345678901234.56, 1234567890123456},
    {12345678901234.125, 1234567890123413},
    {0.0, 0},
    {-0.004, 0},
    {90000000000000000.0, 9000000000000000000},
};

TEST(Cents, RoundsTheDecimalValueHalfAwayFromZero) {
    for (const CentsCase& c : kCentsCases)
        EXPECT_EQ(util::cents(c.euros), c.cents) << c.euros;
}

TEST(Cents, RefusesAmountsWithoutCents) {
    for (const double euros : {std::numeric_limits<double>::quiet_NaN(),
                               std::numeric_limits<double>::infinity(), -1e17, 1e17})
        EXPECT_THROW(util::cents(euros), tributra::Error) << euros;
}

struct DigitsCase {
    double value;
    int decimals;
    const char* digits;
};

const DigitsCase kDigitsCases[] = {
    {2.5, 0, "3"},
    {-2.5, 0, "3"},
    {0.49, 0, "0"},
    {9.995, 2, "1000"},
    {123.456, 5, "12345600"},
    {0.0001, 2, "0"},
    {5e-6, 5, "1"},
    {4.9e-6, 5, "0"},
    {5e-7, 5, "0"},
    {0.0, 3, "0"},
    {1e20, 2, "10000000000000000000000"},
    {1e23, 0, "100000000000000000000000"},
};

TEST(RoundedDigits, GivesAllDigitsOfTheRoundedValue) {
    for (const DigitsCase& c : kDigitsCases)
        EXPECT_EQ(util::roundedDigits(c.value, c.decimals), QString::fromLatin1(c.digits))
            << c.value << " with " << c.decimals;
}

} // namespace
