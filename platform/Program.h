#pragma once

#include <functional>
#include <memory>

class QProcess;
class QString;

namespace platform {

// An outside program started from a command line and waited for without freezing the
// interface. Destroying an unfinished one ends its process.
class Program {
public:
    enum class Window { Hidden, Shown };

    // The line runs as given: callers quote what needs quoting. It goes through the
    // command interpreter, so "act.bat " runs the batch file beside the program; elsewhere
    // than on Windows a first word ending in ".bat" is taken for a shell script.
    // Standard input is empty and output is discarded. Null when no process starts.
    static std::unique_ptr<Program> start(const QString& commandLine, Window window);

    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Waits in slices of 100 ms and calls betweenSlices after each one that ends with
    // the program still running; returning false there stops the wait.
    void wait(const std::function<bool()>& betweenSlices);

    // As last seen by wait or by the event loop.
    bool finished() const;
    // The program's exit code; -1 while it runs or when it was killed.
    int exitCode() const;

private:
    Program();

    std::unique_ptr<QProcess> process_;
};

} // namespace platform
