#include "platform/Program.h"
#include "QtPrinters.h"
#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <memory>

namespace {

using platform::Program;

const auto keepWaiting = [] { return true; };

std::unique_ptr<Program> started(const QString& commandLine) {
    std::unique_ptr<Program> program = Program::start(commandLine, Program::Window::Hidden);
    EXPECT_NE(program, nullptr) << commandLine.toStdString();
    return program;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

void writeScript(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// "act.bat " names the batch file in the current folder.
class CurrentDir {
public:
    explicit CurrentDir(const QString& path) : saved_(QDir::currentPath()) {
        QDir::setCurrent(path);
    }
    ~CurrentDir() { QDir::setCurrent(saved_); }

private:
    QString saved_;
};

TEST(Program, WaitEndsWithTheProgramAndGivesItsExitCode) {
    struct Case {
        QString commandLine;
        int exitCode;
    };
    const Case cases[] = {
        {"exit 0", 0},
        {"exit 3", 3},
        {"true && exit 7", 7},
        {"kill -KILL $$", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.commandLine.toStdString());
        std::unique_ptr<Program> program = started(c.commandLine);
        ASSERT_NE(program, nullptr);
        program->wait(keepWaiting);
        EXPECT_TRUE(program->finished());
        EXPECT_EQ(program->exitCode(), c.exitCode);
    }
}

TEST(Program, RunsBatchFilesAsScriptsWithTheirArguments) {
    struct Case {
        QString script;      // under the test's folder, which is the current one
        QString commandLine; // %1 is the test's folder
        QByteArray arguments;
    };
    const Case cases[] = {
        {"act.bat", "act.bat ", "\n"},
        {"act.bat", "%1/act.bat ", "\n"},
        {"MIPF14PDF.BAT", "%1/MIPF14PDF.BAT /E:mod310.txt /P:mod310.pdf",
         "/E:mod310.txt /P:mod310.pdf\n"},
        {"con espacio/act.bat", "\"%1/con espacio/act.bat\" /C:S", "/C:S\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.commandLine.toStdString());
        TempDir t;
        CurrentDir here(t.path());
        writeScript(t.file(c.script), "echo \"$@\" > '" + t.file("marca").toLocal8Bit() + "'\n");

        std::unique_ptr<Program> program = started(QString(c.commandLine).replace("%1", t.path()));
        ASSERT_NE(program, nullptr);
        program->wait(keepWaiting);
        EXPECT_EQ(program->exitCode(), 0);
        EXPECT_EQ(contents(t.file("marca")), c.arguments);
    }
}

// The shell always starts, so a missing batch file shows as the shell's failure.
TEST(Program, MissingBatchFileStartsTheShellAndFails) {
    TempDir t;
    std::unique_ptr<Program> program = started(t.file("falta.bat") + " ");
    ASSERT_NE(program, nullptr);
    program->wait(keepWaiting);
    EXPECT_TRUE(program->finished());
    EXPECT_NE(program->exitCode(), 0);
}

// The program runs until the test creates its "go" file, so the slices are certain to
// time out meanwhile. After some seconds it gives up with exit code 1, so that a wait that
// ignores its callback fails the test instead of hanging it.
QString gatedCommand(const TempDir& t) {
    return "for i in $(seq 250); do [ -e '" + t.file("go") +
           "' ] && exit 0; sleep 0.02; done; exit 1";
}

void touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(Program, CallsBackBetweenSlicesUntilTheProgramEnds) {
    TempDir t;
    std::unique_ptr<Program> program = started(gatedCommand(t));
    ASSERT_NE(program, nullptr);
    int calls = 0;
    program->wait([&] {
        ++calls;
        touch(t.file("go"));
        return true;
    });
    EXPECT_GE(calls, 1);
    EXPECT_TRUE(program->finished());
    EXPECT_EQ(program->exitCode(), 0);
}

TEST(Program, CallbackReturningFalseStopsTheWaitAndTheProgramRunsOn) {
    TempDir t;
    std::unique_ptr<Program> program = started(gatedCommand(t));
    ASSERT_NE(program, nullptr);
    int calls = 0;
    program->wait([&] {
        ++calls;
        return false;
    });
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(program->finished());
    EXPECT_EQ(program->exitCode(), -1);

    touch(t.file("go"));
    program->wait(keepWaiting);
    EXPECT_TRUE(program->finished());
    EXPECT_EQ(program->exitCode(), 0);
}

} // namespace
