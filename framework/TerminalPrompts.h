#pragma once

#include "framework/Prompts.h"

#include <QTextStream>

namespace framework {

// The user of a command run from a terminal or a script: messages are written, errors
// to their own stream; nobody is there to answer, so every question gets the answer
// that changes nothing (No, Cancel) and every dialog is cancelled.
class TerminalPrompts : public Prompts {
public:
    TerminalPrompts(QTextStream& out, QTextStream& err) : out_(out), err_(err) {}

    void information(const QString& text) override;
    void error(const QString& text) override;
    bool question(const QString& text, const QString& caption, Icon icon = Icon::Question) override;
    Answer questionWithCancel(const QString& text, const QString& caption) override;
    bool confirm(const QString& text, const QString& caption) override;
    QString openFileName(const FileChoice& choice) override;
    QString saveFileName(const FileChoice& choice) override;
    QString folder(const QString& title, const QString& start) override;
    void showErrors(const QString& text) override;
    bool askDatabaseLocation(config::DatabaseLocation& location) override;
    bool runSchemaUpdate(const std::function<void()>& update) override;

private:
    void unanswered(const QString& text, const QString& answer);

    QTextStream& out_;
    QTextStream& err_;
};

} // namespace framework
