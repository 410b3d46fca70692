// The main of the test binaries that need widgets (run offscreen).
#include "db/Database.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // CTest lists the cases without the environment it runs them in.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int result = RUN_ALL_TESTS();
    // The engine's threads end before the leak check looks at the process.
    db::Database::shutdownClient();
    return result;
}
