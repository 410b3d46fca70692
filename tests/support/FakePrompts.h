#pragma once

#include "framework/Prompts.h"

#include <QStringList>

#include <deque>
#include <functional>

// The user, as a test scripts them: every message is recorded; questions and dialogs
// are answered from queues; one that nobody expected fails the test, and so does an
// answer left over at the end.
class FakePrompts : public framework::Prompts {
public:
    ~FakePrompts() override;

    // Next answers to question() and confirm(), in order (true: Yes or OK).
    void answer(bool yes) { answers_.push_back(yes); }
    // Next answer to the location dialog: edits the proposed location and returns
    // whether the dialog closed with OK.
    void answerLocation(std::function<bool(config::DatabaseLocation&)> answer) {
        locations_.push_back(std::move(answer));
    }
    // Next answer to the schema update dialog: true presses OK.
    void answerUpdate(bool ok) { updates_.push_back(ok); }
    // Next answer to a Yes/No/Cancel question.
    void answerWithCancel(Answer a) { threeWay_.push_back(a); }
    // Next file or folder chosen; an empty text cancels the dialog.
    void answerFile(const QString& path) { files_.push_back(path); }

    // "information: ...", "error: ...", "question Caption: ...", "open Title",
    // "save Title", "folder Title", "errors: ...", "location", "update".
    const QStringList& log() const { return log_; }

    void information(const QString& text) override;
    void error(const QString& text) override;
    bool question(const QString& text, const QString& caption, Icon icon = Icon::Question) override;
    Answer questionWithCancel(const QString& text, const QString& caption) override;
    bool confirm(const QString& text, const QString& caption) override;
    QString openFileName(const framework::FileChoice& choice) override;
    QString saveFileName(const framework::FileChoice& choice) override;
    QString folder(const QString& title, const QString& start) override;
    void showErrors(const QString& text) override;
    bool askDatabaseLocation(config::DatabaseLocation& location) override;
    bool runSchemaUpdate(const std::function<void()>& update) override;

private:
    QString nextFile(const QString& what);

    QStringList log_;
    std::deque<Answer> threeWay_;
    std::deque<QString> files_;
    std::deque<bool> answers_;
    std::deque<std::function<bool(config::DatabaseLocation&)>> locations_;
    std::deque<bool> updates_;
};
