#include "schema/ScriptParser.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
    const char* name;
    const char* script;
    QStringList statements;
};

TEST(ScriptParser, SplitsAsTheInteractiveToolDoes) {
    const SplitCase cases[] = {
        {"plain",
         "create table A (X integer);\n insert into A values (1) ;",
         {"create table A (X integer)", "insert into A values (1)"}},
        {"quoted terminators",
         "insert into A values ('a;b', \"c;d\");",
         {"insert into A values ('a;b', \"c;d\")"}},
        {"doubled quotes", "insert into A values ('it''s;');", {"insert into A values ('it''s;')"}},
        {"comments dropped", "-- a; b\n/* c; d */ select 1 from A;", {"select 1 from A"}},
        {"last without terminator",
         "select 1 from A; select 2 from A",
         {"select 1 from A", "select 2 from A"}},
        {"set term",
         "SET TERM ^ ;\ncreate procedure P as begin x = 1; y = 2; end^\nSET TERM ; ^\nselect 1 "
         "from A;",
         {"create procedure P as begin x = 1; y = 2; end", "select 1 from A"}},
        {"set term lower case",
         "set term !! ;\ncreate trigger T for A before insert as begin new.X = 1; end !!\nset term "
         "; !!",
         {"create trigger T for A before insert as begin new.X = 1; end"}},
        {"terminator inside a body text",
         "SET TERM ^ ;\ncreate procedure P as begin x = '^'; end^",
         {"create procedure P as begin x = '^'; end"}},
        {"empty statements", ";;\n  ;select 1 from A;", {"select 1 from A"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(schema::splitScript(QString::fromUtf8(c.script)), c.statements);
    }
}

} // namespace
