#include "QtPrinters.h"
#include "config/ConnectionString.h"
#include "config/ParamLines.h"

#include <gtest/gtest.h>

namespace {

TEST(ConnectionString, FollowsTheServerAndTheProtocol) {
    struct Case {
        const char* server;
        const char* protocol;
        const char* expected;
    };
    const Case cases[] = {
        {"LOCAL", "", "c:\\tribra\\Tribra18.gdb"},
        {"LOCAL", "TCP", "c:\\tribra\\Tribra18.gdb"}, // a local database ignores the protocol
        {"servidor", "TCP", "servidor:c:\\tribra\\Tribra18.gdb"},
        {"servidor", "NETBEUI", "\\\\servidor\\c:\\tribra\\Tribra18.gdb"},
        {"servidor", "SPX", "servidor@c:\\tribra\\Tribra18.gdb"},
        {"servidor", "tcp", ""}, // not recognised in lower case
        {"servidor", "IPX", ""},
        {"", "", ""}, // a settings file with the path and no server
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.server) + "/" + c.protocol);
        EXPECT_EQ(config::connectionString(QString::fromLatin1(c.server),
                                           QString::fromLatin1(c.protocol),
                                           QStringLiteral("c:\\tribra\\Tribra18.gdb")),
                  QString::fromLatin1(c.expected));
    }
}

TEST(ParamLines, ReplaceAppendOrDeleteTheFirstMatchingLine) {
    struct Case {
        const char* name;
        QStringList before;
        const char* value;
        QStringList after;
    };
    const Case cases[] = {
        {"user_name", {}, "SYSDBA", {"user_name=SYSDBA"}},
        {"user_name",
         {"lc_ctype=WIN1252", "USER_NAME=pepe", "user_name=otro"},
         "SYSDBA",
         {"lc_ctype=WIN1252", "user_name=SYSDBA", "user_name=otro"}},
        {"password", {"user_name=SYSDBA", "password=x"}, "  ", {"user_name=SYSDBA"}},
        {"password", {"user_name=SYSDBA"}, "", {"user_name=SYSDBA"}},
        {"password",
         {"passwords_old=1"},
         "nueva",
         {"password=nueva"}}, // the name only has to begin so
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before.join(u',').toStdString());
        QStringList lines = c.before;
        config::setParamLine(lines, QString::fromLatin1(c.name), QString::fromLatin1(c.value));
        EXPECT_EQ(lines, c.after);
    }
}

} // namespace
