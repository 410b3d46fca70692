#include "platform/TerminationSignals.h"

#include <QtGlobal>

#include <atomic>
#include <csignal>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace platform {
namespace {

std::atomic<int> lastSignal{0};
int pipeEnds[2] = {-1, -1};

#ifdef Q_OS_UNIX
// Only what a signal handler may do: note the signal and wake the event loop.
void note(int signal) {
    lastSignal.store(signal);
    const char byte = char(signal);
    [[maybe_unused]] const ssize_t ignored = ::write(pipeEnds[1], &byte, 1);
}
#endif

} // namespace

void TerminationSignals::take() {
#ifdef Q_OS_UNIX
    if (pipeEnds[0] < 0 && ::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        pipeEnds[0] = pipeEnds[1] = -1;
    struct sigaction action = {};
    action.sa_handler = note;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
#endif
}

int TerminationSignals::received() {
    return lastSignal.load();
}

void TerminationSignals::stopIfReceived() {
    if (const int signal = received())
        throw Interrupted{signal};
}

int TerminationSignals::notifier() {
    return pipeEnds[0];
}

void TerminationSignals::acknowledge() {
#ifdef Q_OS_UNIX
    char bytes[16];
    while (pipeEnds[0] >= 0 && ::read(pipeEnds[0], bytes, sizeof bytes) > 0) {
    }
#endif
}

} // namespace platform
