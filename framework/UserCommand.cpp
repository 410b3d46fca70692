#include "framework/UserCommand.h"

#include "framework/Prompts.h"
#include "util/Error.h"

namespace framework {

bool runCommand(Prompts& prompts, const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const tributra::Error& e) {
        prompts.error(e.message());
        return false;
    }
}

} // namespace framework
