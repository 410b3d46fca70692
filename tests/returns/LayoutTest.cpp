#include "returns/Layout.h"
#include "util/Error.h"

#include <gtest/gtest.h>

TEST(LayoutTest, RowsFollowOneAnotherAndAFigureIsNeverCut) {
    Layout p(20);
    p.put(1, 3, QStringLiteral("<A>")).text(4, 6, QStringLiteral("  DE  LA ")).amount(10, 6, -1.5);
    EXPECT_EQ(p.result(), QStringLiteral("<A>DE LA N00150"));
    EXPECT_THROW(p.blanks(17, 2), tributra::Error) << "position 16 skipped";
    EXPECT_THROW(p.blanks(16, 6), tributra::Error) << "past the end of the record";

    Layout wide(10);
    wide.amount(1, 5, 1234.56).blanks(6, 5);
    EXPECT_EQ(wide.result().size(), 11)
        << "six digits kept whole, so the length check refuses the record";
}
