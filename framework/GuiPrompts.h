#pragma once

#include "framework/Prompts.h"

// The user's answers, through Qt's dialogs.
class GuiPrompts : public framework::Prompts {
public:
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
};
