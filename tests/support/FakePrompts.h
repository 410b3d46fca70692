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

    // Next answers to question(), in order.
    void answer(bool yes) { answers_.push_back(yes); }
    // Next answer to the location dialog: edits the proposed location and returns
    // whether the dialog closed with OK.
    void answerLocation(std::function<bool(config::DatabaseLocation&)> answer) {
        locations_.push_back(std::move(answer));
    }
    // Next answer to the schema update dialog: true presses OK.
    void answerUpdate(bool ok) { updates_.push_back(ok); }

    // "information: ...", "error: ...", "question Caption: ...", "location", "update".
    const QStringList& log() const { return log_; }

    void information(const QString& text) override;
    void error(const QString& text) override;
    bool question(const QString& text, const QString& caption) override;
    bool askDatabaseLocation(config::DatabaseLocation& location) override;
    bool runSchemaUpdate(const std::function<void()>& update) override;

private:
    QStringList log_;
    std::deque<bool> answers_;
    std::deque<std::function<bool(config::DatabaseLocation&)>> locations_;
    std::deque<bool> updates_;
};
