#include "returns/Periods.h"

#include <gtest/gtest.h>

// Quarters, months and the year turn into their first and last days, February of 2018
// included.
TEST(PeriodsTest, QuartersAndMonthsGiveTheirDates) {
    struct Case {
        const char* code;
        QDate first;
        QDate last;
    };
    const Case cases[] = {
        {"1T", {2018, 1, 1}, {2018, 3, 31}},  {"2T", {2018, 4, 1}, {2018, 6, 30}},
        {"3T", {2018, 7, 1}, {2018, 9, 30}},  {"4T", {2018, 10, 1}, {2018, 12, 31}},
        {"01", {2018, 1, 1}, {2018, 1, 31}},  {"02", {2018, 2, 1}, {2018, 2, 28}},
        {"09", {2018, 9, 1}, {2018, 9, 30}},  {"12", {2018, 12, 1}, {2018, 12, 31}},
        {"0A", {2018, 1, 1}, {2018, 12, 31}}, // the whole year
    };
    for (const Case& c : cases) {
        const auto dates = periods::dates(QLatin1String(c.code), 2018);
        ASSERT_TRUE(dates) << c.code;
        EXPECT_EQ(dates->first, c.first) << c.code;
        EXPECT_EQ(dates->second, c.last) << c.code;
    }
    for (const char* none : {"00", "13", "5T", "0T", "T1", "1", "", "1A"})
        EXPECT_FALSE(periods::dates(QLatin1String(none), 2018)) << none;
}
