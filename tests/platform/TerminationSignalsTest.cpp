#include "QtPrinters.h"
#include "TempDir.h"
#include "TestDatabase.h"
#include "db/Statement.h"
#include "db/Transaction.h"

#include <QProcess>
#include <gtest/gtest.h>

#include <csignal>

namespace {

// The child of SignalChild.cpp, signalled while it holds an open connection and a row it
// has not committed.
class TerminationSignalsTest : public ::testing::Test {
protected:
    // The child's exit code and what it said, after the signal (0: none).
    std::pair<int, QByteArray> runChild(int signal) {
        testDb.database().close(); // the embedded engine lets one process at a time in
        QProcess child;
        child.start(QStringLiteral(SIGNAL_CHILD), {testDb.path()});
        EXPECT_TRUE(child.waitForStarted());
        QByteArray said;
        while (!said.contains("listo") && child.waitForReadyRead(60000))
            said += child.readAllStandardOutput();
        EXPECT_TRUE(said.contains("listo"));
        if (signal)
            ::kill(pid_t(child.processId()), signal);
        child.write("\n");
        child.closeWriteChannel();
        EXPECT_TRUE(child.waitForFinished(60000));
        EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << "ended by the signal itself";
        said += child.readAllStandardOutput();
        testDb.database().open();
        return {child.exitCode(), said};
    }

    int rows() {
        db::Transaction t(testDb.database());
        db::Statement q(testDb.database(), t);
        q.setSql(QStringLiteral("select count(*) from T_PASOS"));
        q.execute();
        return q.field(0).asInteger();
    }

    TempDir dir;
    TestDatabase testDb{dir, QStringLiteral("CREATE TABLE T_PASOS (N INTEGER);")};
};

TEST_F(TerminationSignalsTest, ASignalStopsTheRunBetweenStepsWithItsConnectionWhole) {
    for (const auto& [signal, exitCode] : {std::pair{SIGINT, 130}, std::pair{SIGTERM, 143}}) {
        SCOPED_TRACE(signal);
        const auto [code, said] = runChild(signal);
        EXPECT_EQ(code, exitCode);
        EXPECT_FALSE(said.contains("cortada")) << "the client shut the connection down";
        EXPECT_EQ(rows(), 0) << "what was not committed is rolled back";
    }
}

TEST_F(TerminationSignalsTest, WithoutASignalTheRunGoesToItsEnd) {
    const auto [code, said] = runChild(0);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(rows(), 1);
}

} // namespace
