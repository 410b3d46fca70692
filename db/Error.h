#pragma once

#include "util/Error.h"

namespace Firebird {
class IStatus;
}

namespace db {

// What the database engine said, with its SQL code (the search form tells a bad
// search text, -303, from the rest) and, for what a user meets in normal work on a shared
// database, what happened.
class Error : public tributra::Error {
public:
    enum class Kind {
        Other,
        DuplicateKey,   // another workstation stored the same key first
        Conflict,       // the row is being changed, or was just changed, by another one
        ConnectionLost, // the server or the network went away
    };

    explicit Error(const QString& text, int sqlCode = 0, Kind kind = Kind::Other)
        : tributra::Error(text), sqlCode_(sqlCode), kind_(kind) {}
    static Error fromStatus(const Firebird::IStatus* status);

    int sqlCode() const { return sqlCode_; }
    Kind kind() const { return kind_; }

private:
    int sqlCode_;
    Kind kind_;
};

} // namespace db
