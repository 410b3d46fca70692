#pragma once

#include <functional>

namespace framework {
class Prompts;

// Runs what the user asked for; a rule it breaks (tributra::Error, db::Error) is shown
// as the application's default handler shows it and the window stays as it is. Never
// lets an exception into Qt's event loop. False when the command failed.
bool runCommand(Prompts& prompts, const std::function<void()>& command);

} // namespace framework
