#pragma once

namespace platform {

// SIGINT and SIGTERM, owned by the program. The database client installs handlers of its own
// at its first attachment, which shut every connection down and let the program run on with
// dead ones; take() puts the program's handler back, so it runs again after every attachment
// (db::Database::setAfterAttach). The handler only notes the signal: the window application
// hears of it through notifier(), a command-line run stops at its next step.
class TerminationSignals {
public:
    // What a run that stopped between its steps throws.
    struct Interrupted {
        int signal;
    };

    static void take();
    // The last signal received, 0 when none.
    static int received();
    // Throws Interrupted when a signal came.
    static void stopIfReceived();
    // A descriptor that becomes readable when a signal comes; -1 where there is none.
    static int notifier();
    // Empties the notifier once it was heard.
    static void acknowledge();
};

} // namespace platform
