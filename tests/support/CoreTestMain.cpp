// The main of the test programs without widgets.
#include "db/Database.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    // The engine's threads end before the leak check looks at the process.
    db::Database::shutdownClient();
    return result;
}
