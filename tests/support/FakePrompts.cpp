#include "FakePrompts.h"

#include <gtest/gtest.h>

FakePrompts::~FakePrompts() {
    EXPECT_TRUE(answers_.empty() && locations_.empty() && updates_.empty() && threeWay_.empty() &&
                files_.empty())
        << "scripted answers never asked for; asked: "
        << log_.join(QStringLiteral(" | ")).toStdString();
}

void FakePrompts::information(const QString& text) {
    log_ << QStringLiteral("information: ") + text;
}

void FakePrompts::error(const QString& text) {
    log_ << QStringLiteral("error: ") + text;
}

bool FakePrompts::question(const QString& text, const QString& caption, Icon) {
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

bool FakePrompts::confirm(const QString& text, const QString& caption) {
    return question(text, caption);
}

framework::Prompts::Answer FakePrompts::questionWithCancel(const QString& text,
                                                           const QString& caption) {
    log_ << QStringLiteral("question %1: %2").arg(caption, text);
    if (threeWay_.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return Answer::Cancel;
    }
    const Answer a = threeWay_.front();
    threeWay_.pop_front();
    return a;
}

QString FakePrompts::nextFile(const QString& what) {
    log_ << what;
    if (files_.empty()) {
        ADD_FAILURE() << "unexpected dialog: " << what.toStdString();
        return {};
    }
    const QString path = files_.front();
    files_.pop_front();
    return path;
}

QString FakePrompts::openFileName(const framework::FileChoice& choice) {
    return nextFile(QStringLiteral("open ") + choice.title);
}

QString FakePrompts::saveFileName(const framework::FileChoice& choice) {
    return nextFile(QStringLiteral("save ") + choice.title);
}

QString FakePrompts::folder(const QString& title, const QString&) {
    return nextFile(QStringLiteral("folder ") + title);
}

void FakePrompts::showErrors(const QString& text) {
    log_ << QStringLiteral("errors: ") + text;
}
