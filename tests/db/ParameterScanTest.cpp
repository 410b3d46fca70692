#include "db/ParameterScan.h"

#include <gtest/gtest.h>

namespace {

struct ScanCase {
    const char* sql;
    const char* expectedSql;
    QStringList names;
};

TEST(ParameterScan, ReplacesNamesAndSkipsQuotedTextsAndComments) {
    const ScanCase cases[] = {
        {"select * from T where A = :a and B = :Bee_2",
         "select * from T where A = ? and B = ?",
         {"A", "BEE_2"}},
        {"update T set X = :x where K = :OLD_K", "update T set X = ? where K = ?", {"X", "OLD_K"}},
        {"select \"a:b\" from T where C = :c", "select \"a:b\" from T where C = ?", {"C"}},
        {"select 'x '':y' || :t from T", "select 'x '':y' || ? from T", {"T"}},
        {"select \"say \"\":no\"\"\" from T where D = :d",
         "select \"say \"\":no\"\"\" from T where D = ?",
         {"D"}},
        {"select 1 -- :not here\nfrom T where E = :e",
         "select 1 -- :not here\nfrom T where E = ?",
         {"E"}},
        {"select /* :nor\n:here */ :f from T", "select /* :nor\n:here */ ? from T", {"F"}},
        {"select :a, :A, :b from T", "select ?, ?, ? from T", {"A", "A", "B"}},
        {"select a from T where t = '10:30' and u = :u",
         "select a from T where t = '10:30' and u = ?",
         {"U"}},
        {"select : z from T", "select : z from T", {}},
        {"select 'open :quote from T", "select 'open :quote from T", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sql);
        const db::ParsedSql parsed = db::parseParameters(QString::fromUtf8(c.sql));
        EXPECT_EQ(parsed.sql, QString::fromUtf8(c.expectedSql));
        EXPECT_EQ(parsed.names, c.names);
    }
}

} // namespace
