#pragma once

#include "util/Error.h"

namespace Firebird {
class IStatus;
}

namespace db {

// What the database engine said, with its SQL code (the search form tells a bad
// search text, -303, from the rest).
class Error : public tributra::Error {
public:
    explicit Error(const QString& text, int sqlCode = 0)
        : tributra::Error(text), sqlCode_(sqlCode) {}
    static Error fromStatus(const Firebird::IStatus* status);

    int sqlCode() const { return sqlCode_; }

private:
    int sqlCode_;
};

} // namespace db
