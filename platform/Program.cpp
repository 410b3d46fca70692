#include "Program.h"

#include <QProcess>
#include <QRegularExpression>
#include <QString>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace platform {

namespace {

constexpr int kSliceMs = 100;

#ifdef Q_OS_WIN
void prepare(QProcess& process, const QString& commandLine, Program::Window window) {
    process.setProgram(QStringLiteral("cmd.exe"));
    process.setNativeArguments("/c " + commandLine);
    process.setCreateProcessArgumentsModifier([window](QProcess::CreateProcessArguments* args) {
        // No handle of ours reaches the program, not even the standard ones.
        args->inheritHandles = false;
        args->startupInfo->dwFlags &= ~STARTF_USESTDHANDLES;
        args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        if (window == Program::Window::Shown) {
            args->flags &= ~CREATE_NO_WINDOW;
            args->flags |= CREATE_NEW_CONSOLE;
            args->startupInfo->wShowWindow = SW_SHOWNORMAL;
        } else {
            args->flags |= CREATE_NO_WINDOW;
            args->startupInfo->wShowWindow = SW_HIDE;
        }
    });
}
#else
// The batch files that come with the system are shell scripts here, and need not be
// executable: the shell reads them.
QString shellLine(const QString& commandLine) {
    static const QRegularExpression batchFirst(
        QStringLiteral(R"(^\s*("[^"]*\.bat"|[^\s"]*\.bat)(\s|$))"),
        QRegularExpression::CaseInsensitiveOption);
    return batchFirst.match(commandLine).hasMatch() ? "sh " + commandLine : commandLine;
}

void prepare(QProcess& process, const QString& commandLine, Program::Window) {
    process.setProgram(QStringLiteral("/bin/sh"));
    process.setArguments({QStringLiteral("-c"), shellLine(commandLine)});
}
#endif

} // namespace

Program::Program() : process_(std::make_unique<QProcess>()) {}

// QProcess would end the process as well, but with a warning on the console.
Program::~Program() {
    if (finished())
        return;
    process_->kill();
    process_->waitForFinished();
}

std::unique_ptr<Program> Program::start(const QString& commandLine, Window window) {
    std::unique_ptr<Program> program(new Program);
    QProcess& process = *program->process_;
    prepare(process, commandLine, window);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted())
        return nullptr;
    return program;
}

void Program::wait(const std::function<bool()>& betweenSlices) {
    while (!process_->waitForFinished(kSliceMs))
        if (finished() || !betweenSlices())
            return;
}

bool Program::finished() const {
    return process_->state() == QProcess::NotRunning;
}

int Program::exitCode() const {
    if (!finished() || process_->exitStatus() != QProcess::NormalExit)
        return -1;
    return process_->exitCode();
}

} // namespace platform
