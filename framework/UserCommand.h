#pragma once

#include "framework/RecordName.h"

#include <functional>

namespace framework {
class Prompts;

// Runs what the user asked for. Whatever it throws is shown as the application's default
// handler shows it, and the window stays as it is: a broken rule (tributra::Error, the
// database's errors among them) with its own text, anything else as an error of the
// program. Never lets an exception into Qt's event loop. False when the command failed.
// The database's errors of normal work name the record as the module names it.
bool runCommand(Prompts& prompts, const std::function<void()>& command,
                const RecordName& record = {});

} // namespace framework
