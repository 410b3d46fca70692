#pragma once

#include "FakePrompts.h"
#include "ScopedCurrentDir.h"
#include "ScopedEnv.h"
#include "TempDir.h"
#include "TestDatabase.h"
#include "config/TDMMain.h"

// The main data module as a configured workstation starts it, on a copy of the system
// database (plus the test's setup script): settings in a folder of the test's own, its
// work folder current, the user scripted by prompts.
class TestMain {
public:
    explicit TestMain(const QString& setupScript = {});

    TempDir windows;
    TempDir work;

private:
    ScopedEnv windir_;
    ScopedCurrentDir current_;

public:
    TestDatabase database;
    FakePrompts prompts;

private:
    bool configured_;

public:
    TDMMain main;
};
