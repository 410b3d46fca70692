#pragma once

#include <QString>

namespace tributra {
class Error;
}

namespace framework {
struct RecordName;

// What the user is shown for an error. The database's errors that come with normal work on
// a shared database (a key stored by another workstation at the same moment, a record
// another one is changing, a lost connection) say in Spanish what happened and what to do,
// with the engine's own text below for support.
QString userMessage(const tributra::Error& error, const RecordName& record);

} // namespace framework
