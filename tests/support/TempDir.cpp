#include "TempDir.h"

#include <gtest/gtest.h>

TempDir::TempDir() : dir_(QDir::tempPath() + QStringLiteral("/tributra-test-XXXXXX")) {
    if (!dir_.isValid())
        ADD_FAILURE() << "cannot create a temporary folder";
}
