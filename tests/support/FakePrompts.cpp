#include "FakePrompts.h"

#include <gtest/gtest.h>

FakePrompts::~FakePrompts() {
    EXPECT_TRUE(answers_.empty() && locations_.empty() && updates_.empty())
        << "scripted answers never asked for; asked: "
        << log_.join(QStringLiteral(" | ")).toStdString();
}

void FakePrompts::information(const QString& text) {
    log_ << QStringLiteral("information: ") + text;
}

void FakePrompts::error(const QString& text) {
    log_ << QStringLiteral("error: ") + text;
}

bool FakePrompts::question(const QString& text, const QString& caption) {
    log_ << QStringLiteral("question %1: %2").arg(caption, text);
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return false;
    }
    const bool yes = answers_.front();
    answers_.pop_front();
    return yes;
}

bool FakePrompts::askDatabaseLocation(config::DatabaseLocation& location) {
    log_ << QStringLiteral("location");
    if (locations_.empty()) {
        ADD_FAILURE() << "unexpected location dialog";
        return false;
    }
    const auto answer = std::move(locations_.front());
    locations_.pop_front();
    return answer(location);
}

bool FakePrompts::runSchemaUpdate(const std::function<void()>& update) {
    log_ << QStringLiteral("update");
    if (updates_.empty()) {
        ADD_FAILURE() << "unexpected schema update dialog";
        return false;
    }
    const bool ok = updates_.front();
    updates_.pop_front();
    if (ok)
        update();
    return ok;
}
