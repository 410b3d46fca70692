// The writer of layout tables: each row checked on its own, texts cut, figures never.
#include "returns/LayoutWriter.h"
#include "db/Value.h"
#include "util/Error.h"

#include <QDate>
#include <QHash>
#include <QVariant>

#include <gtest/gtest.h>

namespace {

using enum layout::Kind;

const QHash<QString, QVariant> kRecord = {
    {QStringLiteral("NOMBRE"), QStringLiteral("  DE  LA  FUENTE Y OTROS ")},
    {QStringLiteral("N"), 7},
    {QStringLiteral("IMPORTE"), -1.5},
    {QStringLiteral("GRANDE"), 1234.56},
    {QStringLiteral("TIPO"), 21.0},
    {QStringLiteral("FECHA"), QDate(2018, 3, 5)},
    {QStringLiteral("SIN_FECHA"), QVariant()},
    {QStringLiteral("CASI_CERO"), 0.004}, // written as 0 cents
    {QStringLiteral("SI"), 1},
    {QStringLiteral("NO"), 2},
};

LayoutWriter writer() {
    return LayoutWriter(
        QStringLiteral("999"), [](const QString& name) { return db::Value(kRecord.value(name)); },
        [](const QString& name) {
            return name == u"x" ? QStringLiteral("X") : QStringLiteral("XY");
        });
}

QString messageOf(const layout::Table& table) {
    try {
        writer().write(table);
    } catch (const tributra::Error& e) {
        return e.text();
    }
    return {};
}

} // namespace

TEST(LayoutWriterTest, EachKindFillsItsRow) {
    const layout::Row rows[] = {
        {1, 3, Const, "<A>"},       {4, 8, Text, "NOMBRE"},    {12, 3, Count, "N"},
        {15, 6, Amount, "IMPORTE"}, {21, 5, Percent, "TIPO"},  {26, 8, Date, "FECHA"},
        {34, 8, Date, "SIN_FECHA"}, {42, 2, Blanks},           {44, 3, Zeros},
        {47, 1, Rule, "x"},         {48, 8, DateDMY, "FECHA"}, {56, 8, DateDMY, "SIN_FECHA"},
    };
    EXPECT_EQ(writer().write({"registro", 63, rows}),
              QStringLiteral("<A>DE LA FU007N0015002100") + QStringLiteral("20180305") +
                  QString(8, u' ') + QStringLiteral("  000X") + QStringLiteral("05032018") +
                  QString(8, u' '));
}

// A rate is declared with its base: while the base writes no cents, the rate is zeros.
// A mark is "X" for 1 and a blank for anything else.
TEST(LayoutWriterTest, RatesFollowTheirBaseAndMarksTheirAnswer) {
    const layout::Row rows[] = {
        {1, 5, Percent, "TIPO", "", "GRANDE"},
        {6, 5, Percent, "TIPO", "", "CASI_CERO"},
        {11, 5, Percent, "TIPO", "", "SIN_FECHA"},
        {16, 1, Mark, "SI"},
        {17, 1, Mark, "NO"},
    };
    EXPECT_EQ(writer().write({"registro", 17, rows}), QStringLiteral("021000000000000X "));
}

// A row out of place or a content of the wrong width: the message names the model, the
// table, the position and the box, and no text comes back.
TEST(LayoutWriterTest, ASlipIsRefusedNamingWhereItIs) {
    struct Case {
        const char* what;
        std::vector<layout::Row> rows;
        const char* expected;
    };
    const Case cases[] = {
        {"a row shifted by one position",
         {{1, 3, Const, "<A>"}, {5, 6, Amount, "IMPORTE", "02"}},
         "Modelo 999, página 1, posición 5, casilla 02: la fila debería empezar en la posición 4"},
        {"a row overlapping the previous one",
         {{1, 3, Const, "<A>"}, {3, 6, Amount, "IMPORTE", "02"}},
         "Modelo 999, página 1, posición 3, casilla 02: la fila debería empezar en la posición 4"},
        {"a figure one digit too wide",
         {{1, 3, Const, "<A>"}, {4, 5, Amount, "GRANDE", "07"}},
         "Modelo 999, página 1, posición 4, casilla 07: «123456» ocupa 6 posiciones y el campo 5"},
        {"a count too wide",
         {{1, 3, Const, "<A>"}, {4, 0, Count, "N", "01"}},
         "Modelo 999, página 1, posición 4, casilla 01: «7» ocupa 1 posiciones y el campo 0"},
        {"a constant of another width",
         {{1, 2, Const, "<A>"}},
         "Modelo 999, página 1, posición 1: «<A>» ocupa 3 posiciones y el campo 2"},
        {"a rule's content of another width",
         {{1, 1, Rule, "xy"}},
         "Modelo 999, página 1, posición 1: «XY» ocupa 2 posiciones y el campo 1"},
        {"a row past the end of the page",
         {{1, 3, Const, "<A>"}, {4, 8, Blanks}},
         "Modelo 999, página 1, posición 4: la fila pasa del final, posición 10"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(messageOf({"página 1", 10, c.rows}).toStdString(), c.expected) << c.what;
}
