#pragma once

#include "db/Database.h"

#include <QString>

class TempDir;

// A system database made from the schema once per test binary (plus the binary's own
// setup script), copied into each test's folder: creating one costs a third of a second,
// copying it a millisecond.
class TestDatabase {
public:
    TestDatabase(const TempDir& dir, const QString& setupScript = {},
                 const QString& fileName = QStringLiteral("system.fdb"));

    const QString& path() const { return path_; }
    db::Database& database() { return database_; }
    // Another connection to the same file, not yet open.
    void configure(db::Database& other) const;

private:
    QString path_;
    db::Database database_;
};
