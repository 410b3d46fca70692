#include "util/UUtiles.h"

#include "QtPrinters.h"

#include <QDate>
#include <gtest/gtest.h>

namespace {

TEST(Fechas, WriteZeroFilledNumbersWithoutSeparators) {
    EXPECT_EQ(UUtiles::FechaDDMMAAAA(QDate(2018, 2, 1)), QStringLiteral("01022018"));
    EXPECT_EQ(UUtiles::FechaAAAAMMDD(QDate(2018, 2, 1)), QStringLiteral("20180201"));
    EXPECT_EQ(UUtiles::FechaDDMMAAAA(QDate(987, 12, 31)), QStringLiteral("31120987"));
    EXPECT_EQ(UUtiles::FechaAAAAMMDD(QDate(987, 12, 31)), QStringLiteral("09871231"));
}

TEST(NombreMes, NamesTheTwelveMonths) {
    const char* const names[] = {"ENERO",      "FEBRERO", "MARZO",     "ABRIL",
                                 "MAYO",       "JUNIO",   "JULIO",     "AGOSTO",
                                 "SEPTIEMBRE", "OCTUBRE", "NOVIEMBRE", "DICIEMBRE"};
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(UUtiles::NombreMes(month), QString::fromLatin1(names[month - 1]));
    for (const int other : {0, 13, -1})
        EXPECT_EQ(UUtiles::NombreMes(other), QString()) << other;
}

} // namespace
