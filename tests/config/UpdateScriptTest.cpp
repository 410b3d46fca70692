#include "config/UpdateScript.h"
#include "QtPrinters.h"
#include "TempDir.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QByteArray read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(UpdateScript, ReplacesTheWholeFirstConnectLine) {
    const QByteArray kConnect =
        "connect 'srv:c:\\tribra\\Tribra18.gdb' user 'SYSDBA' password 'quillbrag';";
    struct Case {
        const char* name;
        QByteArray before;
        QByteArray after;
    };
    const Case cases[] = {
        {"indented",
         "/* update */\r\n   connect 'old.gdb' user 'x' password 'y';\r\nalter table T add C "
         "integer;\r\n",
         "/* update */\r\n" + kConnect + "\r\nalter table T add C integer;\r\n"},
        {"text before it", "set sql dialect 1; connect \"old.gdb\";\nconnect 'second';\n",
         kConnect + "\nconnect 'second';\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir t;
        write(t.file("Tribra.sql"), c.before);
        EXPECT_TRUE(config::UpdateScript(t.file("Tribra.sql"))
                        .pointAt(QStringLiteral("srv:c:\\tribra\\Tribra18.gdb")));
        EXPECT_EQ(read(t.file("Tribra.sql")), c.after);
    }
}

TEST(UpdateScript, WithoutAConnectLineStaysAsItWas) {
    TempDir t;
    const QByteArray script =
        "CONNECT 'x.gdb';\nalter table T add C integer;\n"; // upper case does not count
    write(t.file("Tribra.sql"), script);
    EXPECT_FALSE(
        config::UpdateScript(t.file("Tribra.sql")).pointAt(QStringLiteral("Tribra18.gdb")));
    EXPECT_EQ(read(t.file("Tribra.sql")), script);
}

} // namespace
