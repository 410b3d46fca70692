#include "util/Error.h"
#include "util/UUtiles.h"

#include "QtPrinters.h"
#include "TempDir.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

struct LinesCase {
    QByteArray content;
    int lines;
};

TEST(CuentaLineas, CountsALastLineWithoutBreak) {
    const LinesCase cases[] = {
        {"", 0},
        {"a", 1},
        {"a\n", 1},
        {"a\nb", 2},
        {"a\r\nb\r\n", 2},
        {"\n\n", 2},
        {"a\n\nb", 3},
        // Longer than one read, so lines cross the pieces it is read in.
        {QByteArray("12345678\n").repeated(20000) + "x", 20001},
    };
    TempDir dir;
    for (const LinesCase& c : cases) {
        QFile file(dir.file(QStringLiteral("lines.txt")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.content);
        file.close();
        EXPECT_EQ(UUtiles::CuentaLineas(file.fileName()), c.lines) << c.content.left(20).data();
    }
}

TEST(CuentaLineas, NamesTheFileItCannotRead) {
    TempDir dir;
    for (const QString& name : {dir.file(QStringLiteral("missing.txt")), dir.path()}) {
        try {
            UUtiles::CuentaLineas(name);
            ADD_FAILURE() << "read " << name.toStdString();
        } catch (const tributra::Error& e) {
            EXPECT_TRUE(e.text().contains(name)) << e.text().toStdString();
        }
    }
}

} // namespace
