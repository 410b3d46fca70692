#pragma once

#include "db/Field.h"

namespace db {

// Silences a field's change hooks for a scope, so a handler can set its own field;
// they come back on every way out.
class ChangeEventsOff {
public:
    explicit ChangeEventsOff(Field& field) : field_(field) { field_.disableChangeEvents(); }
    ~ChangeEventsOff() { field_.enableChangeEvents(); }
    ChangeEventsOff(const ChangeEventsOff&) = delete;
    ChangeEventsOff& operator=(const ChangeEventsOff&) = delete;

private:
    Field& field_;
};

} // namespace db
