#include "util/DateFormat.h"
#include "util/Error.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

// Readable failure messages for dates.
void PrintTo(const QDate& date, std::ostream* os) {
    *os << date.toString(Qt::ISODate).toStdString();
}

namespace {

TEST(FormatDate, WritesDayMonthYearWithSlashes) {
    EXPECT_EQ(util::formatDate(QDate(2018, 2, 1)), QStringLiteral("01/02/2018"));
    EXPECT_EQ(util::formatDate(QDate(2018, 12, 31)), QStringLiteral("31/12/2018"));
    EXPECT_EQ(util::formatDate(QDate()), QString());
}

struct DateCase {
    const char* text;
    int referenceYear;
    QDate date;
};

const DateCase kDateCases[] = {
    {"1/2/18", 2026, QDate(2018, 2, 1)},
    {"01/02/2018", 2026, QDate(2018, 2, 1)},
    {" 1/ 2/18 ", 2026, QDate(2018, 2, 1)},
    {"31/12/1999", 2026, QDate(1999, 12, 31)},
    {"29/2/2024", 2026, QDate(2024, 2, 29)},
    // The hundred years 1976..2075 seen from 2026.
    {"1/1/76", 2026, QDate(1976, 1, 1)},
    {"1/1/99", 2026, QDate(1999, 1, 1)},
    {"1/1/00", 2026, QDate(2000, 1, 1)},
    {"1/1/75", 2026, QDate(2075, 1, 1)},
    // And 1950..2049 seen from 2000.
    {"1/1/50", 2000, QDate(1950, 1, 1)},
    {"1/1/49", 2000, QDate(2049, 1, 1)},
};

TEST(ParseDate, ReadsTypedDates) {
    for (const DateCase& c : kDateCases)
        EXPECT_EQ(util::parseDate(QString::fromLatin1(c.text), c.referenceYear), c.date) << c.text;
}

TEST(ParseDate, CountsTwoDigitYearsFromTheCurrentYear) {
    const int year = QDate::currentDate().year();
    const auto typed = [](int y) {
        return QStringLiteral("1/1/%1").arg(y % 100, 2, 10, QLatin1Char('0'));
    };
    EXPECT_EQ(util::parseDate(typed(year - 50)), QDate(year - 50, 1, 1));
    EXPECT_EQ(util::parseDate(typed(year - 51)), QDate(year + 49, 1, 1));
}

TEST(ParseDate, RefusesWhatIsNoDate) {
    const char* const texts[] = {"",           "31/02/2018", "29/2/2023", "1/13/2018",
                                 "00/01/2018", "1-2-2018",   "1/2/018",   "1/2",
                                 "123/2/2018", "1/2/2018x",  "1/2/18/1",  "a/b/cd"};
    for (const char* text : texts) {
        const QString typed = QString::fromLatin1(text);
        try {
            util::parseDate(typed, 2026);
            ADD_FAILURE() << "accepted " << text;
        } catch (const tributra::ConversionError& e) {
            EXPECT_EQ(e.text(), u'\'' + typed + QStringLiteral("' no es una fecha válida"));
        }
    }
}

} // namespace
