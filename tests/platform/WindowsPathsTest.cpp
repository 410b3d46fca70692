#include "platform/WindowsPaths.h"
#include "QtPrinters.h"
#include "ScopedEnv.h"
#include "TempDir.h"

#include <QDir>
#include <gtest/gtest.h>

#include <optional>

namespace {

using Env = std::optional<QByteArray>;

TEST(WindowsDirectory, TakesTheFirstConfiguredFolderAndCreatesIt) {
    struct Case {
        Env windir;
        Env xdg;
        QString expected; // under the test's folder
    };
    const Case cases[] = {
        {"win", "xdg", "win"},
        {std::nullopt, "xdg", "xdg/tributra"},
        {std::nullopt, std::nullopt, "home/.config/tributra"},
        {"", "", "home/.config/tributra"},
    };
    for (const Case& c : cases) {
        TempDir t;
        const auto under = [&t](const Env& name) {
            return name && !name->isEmpty() ? Env(t.file(*name).toLocal8Bit()) : name;
        };
        SCOPED_TRACE(c.expected.toStdString());
        ScopedEnv home("HOME", t.file("home").toLocal8Bit());
        ScopedEnv windir("TRIBUTRA_WINDIR", under(c.windir));
        ScopedEnv xdg("XDG_CONFIG_HOME", under(c.xdg));

        EXPECT_EQ(platform::windowsDirectory(), t.file(c.expected));
        EXPECT_TRUE(QDir(t.file(c.expected)).exists());
    }
}

TEST(NativePath, MapsDrivesToTheirFoldersAndBackslashesToSlashes) {
    struct Case {
        Env driveC;
        QString windowsPath;
        QString expected;
    };
    const Case cases[] = {
        {"/srv/c", "c:\\aeat\\111_2018", "/srv/c/aeat/111_2018"},
        {"/srv/c", "C:/Users/Public/Documents", "/srv/c/Users/Public/Documents"},
        {"/srv/c", "c:", "/srv/c"},
        {"/srv/c", "c:\\", "/srv/c"},
        {"/srv/c", "c:aeat", "/srv/c/aeat"},
        {"/srv/c/", "c:\\aeat", "/srv/c/aeat"},
        {std::nullopt, "c:\\aeat\\111_2018", "/home/asesor/aeat/111_2018"},
        {"", "c:\\aeat", "/home/asesor/aeat"},
        {"/srv/c", "d:\\datos\\Tribra18.gdb", "/home/asesor/datos/Tribra18.gdb"},
        {"/srv/c", "e:\\x", "/mnt/e/x"},
        {"/srv/c", "E:\\x", "/mnt/e/x"},
        {"/srv/c", "mod111.txt", "mod111.txt"},
        {"/srv/c", "aeat\\111_2018\\mod111.txt", "aeat/111_2018/mod111.txt"},
        {"/srv/c", "/tmp/Tribra18.gdb", "/tmp/Tribra18.gdb"},
        {"/srv/c", "\\\\servidor\\datos\\x.gdb", "//servidor/datos/x.gdb"},
    };
    ScopedEnv home("HOME", "/home/asesor");
    ScopedEnv driveD("TRIBUTRA_DRIVE_D", std::nullopt);
    ScopedEnv driveE("TRIBUTRA_DRIVE_E", "/mnt/e");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.windowsPath.toStdString());
        ScopedEnv driveC("TRIBUTRA_DRIVE_C", c.driveC);
        EXPECT_EQ(platform::nativePath(c.windowsPath), c.expected);
    }
}

} // namespace
