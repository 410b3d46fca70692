#include "FileBytes.h"
#include "platform/FileCopy.h"
#include "QtPrinters.h"
#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#ifdef Q_OS_LINUX
#include <sys/inotify.h>
#include <unistd.h>
#endif

namespace {

class ReplaceFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeBytes(from.file("mod111.txt"), "nuevo");
        writeBytes(to.file("copia.111"), "anterior");
    }
    QString source() const { return from.file("mod111.txt"); }
    QString target() const { return to.file("copia.111"); }

    TempDir from;
    TempDir to;
};

TEST_F(ReplaceFileTest, ReplacesTheTargetAndLeavesNothingElseInItsFolder) {
    EXPECT_EQ(platform::replaceFile(source(), target()), QString());
    EXPECT_EQ(readBytes(target()), QByteArray("nuevo"));
    EXPECT_EQ(QDir(to.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("copia.111")});
    EXPECT_EQ(readBytes(source()), QByteArray("nuevo"));
}

#ifdef Q_OS_LINUX
// The folder is watched while the file is replaced: its name is taken over by a rename,
// never removed first, so no moment exists in which a failure or a kill would lose it.
TEST_F(ReplaceFileTest, TheTargetNeverLeavesItsFolder) {
    const int watch = inotify_init1(IN_NONBLOCK);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, QFile::encodeName(to.path()).constData(),
                                IN_DELETE | IN_MOVED_FROM),
              0);

    EXPECT_EQ(platform::replaceFile(source(), target()), QString());

    alignas(inotify_event) char buffer[8192];
    const ssize_t length = read(watch, buffer, sizeof buffer);
    for (ssize_t at = 0; at < length;) {
        const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
        if (event->len > 0) {
            EXPECT_NE(QString::fromUtf8(event->name), QStringLiteral("copia.111"))
                << "the target was removed or moved away";
        }
        at += ssize_t(sizeof(inotify_event)) + event->len;
    }
    close(watch);
    EXPECT_EQ(readBytes(target()), QByteArray("nuevo"));
}
#endif

TEST_F(ReplaceFileTest, AFailureLeavesTheTargetWholeAndSaysWhy) {
    // A folder standing where the copy should go refuses the rename over it.
    QDir(to.path()).mkpath(QStringLiteral("carpeta/dentro"));
    const QString folder = to.file("carpeta");
    EXPECT_FALSE(platform::replaceFile(source(), folder).isEmpty());
    EXPECT_TRUE(QDir(to.file("carpeta/dentro")).exists());

    EXPECT_FALSE(platform::replaceFile(from.file("no-existe.txt"), target()).isEmpty());
    EXPECT_FALSE(platform::replaceFile(source(), to.file("no-existe/copia.111")).isEmpty());
    EXPECT_EQ(readBytes(target()), QByteArray("anterior"));
    EXPECT_EQ(QDir(to.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("carpeta"), QStringLiteral("copia.111")}));
}

} // namespace
