// Computed boxes: the ripple in dependency order, each box once, and declarations refused
// when they go round in a circle.
#include "returns/ComputedBoxes.h"
#include "TempDir.h"
#include "TestDatabase.h"
#include "db/DataSet.h"
#include "db/Transaction.h"
#include "util/Error.h"

#include <gtest/gtest.h>

namespace {

const QString kSetup = QStringLiteral(
    "CREATE TABLE T_CAJAS (ID INTEGER NOT NULL PRIMARY KEY, A DOUBLE PRECISION, "
    "B DOUBLE PRECISION, C DOUBLE PRECISION, D DOUBLE PRECISION, E DOUBLE PRECISION);");

int calls = 0;

double countedSum(std::span<const double> v) {
    ++calls;
    return formula::sum(v);
}

class ComputedBoxesTest : public ::testing::Test {
protected:
    void SetUp() override {
        record.setSelectSql(QStringLiteral("select * from T_CAJAS"));
        record.open();
        record.append();
        calls = 0;
    }

    double value(const char* name) { return record.field(QLatin1String(name)).asFloat(); }
    void set(const char* name, double v) { record.field(QLatin1String(name)).setAsFloat(v); }

    TempDir dir;
    TestDatabase database{dir, kSetup};
    db::Transaction transaction{database.database()};
    db::DataSet record{database.database(), transaction};
};

} // namespace

// Declared results first and inputs last, so that only the dependencies give the order.
TEST_F(ComputedBoxesTest, AChangeRipplesInDependencyOrderComputingEachBoxOnce) {
    const ComputedBox boxes[] = {
        {"E", {"D", "C"}, countedSum},          // E = D + C
        {"D", {"C", "B"}, formula::difference}, // D = C - B
        {"C", {"A", "B"}, countedSum},          // C = A + B
    };
    ComputedBoxes computed(record, boxes);
    set("A", 10);
    EXPECT_EQ(value("C"), 10);
    EXPECT_EQ(value("D"), 10);
    EXPECT_EQ(value("E"), 20);
    calls = 0;
    set("B", 3); // reaches C, D and E
    EXPECT_EQ(value("C"), 13);
    EXPECT_EQ(value("D"), 10);
    EXPECT_EQ(value("E"), 23);
    EXPECT_EQ(calls, 2) << "C and E once each, not once per path that reaches them";
    EXPECT_TRUE(computed.computes(QStringLiteral("E")));
    EXPECT_FALSE(computed.computes(QStringLiteral("A")));
}

// Another handler of a computed box runs, and what it changes ripples in its turn.
TEST_F(ComputedBoxesTest, AHandlerOfAComputedBoxRunsAndItsChangeRipples) {
    const ComputedBox boxes[] = {
        {"C", {"A"}, formula::copy},
        {"E", {"D"}, formula::copy},
    };
    ComputedBoxes computed(record, boxes);
    record.onFieldChange({QStringLiteral("C")}, [&](db::Field& c) { set("D", c.asFloat() * 2); });
    set("A", 4);
    EXPECT_EQ(value("D"), 8);
    EXPECT_EQ(value("E"), 8);
}

TEST_F(ComputedBoxesTest, DeclarationsInACircleOrTwiceForOneBoxAreRefused) {
    const ComputedBox circle[] = {
        {"C", {"A", "E"}, formula::sum},
        {"D", {"C"}, formula::copy},
        {"E", {"D"}, formula::copy},
    };
    try {
        ComputedBoxes computed(record, circle);
        FAIL() << "a cycle was accepted";
    } catch (const tributra::Error& e) {
        EXPECT_EQ(e.text(),
                  QStringLiteral("Las casillas calculadas forman un ciclo: C → E → D → C"));
    }
    const ComputedBox twice[] = {
        {"C", {"A"}, formula::copy},
        {"C", {"B"}, formula::copy},
    };
    EXPECT_THROW(ComputedBoxes(record, twice), tributra::Error);
}
