#pragma once

#include "framework/Prompts.h"

// The user's answers, through Qt's dialogs.
class GuiPrompts : public framework::Prompts {
public:
    void information(const QString& text) override;
    void error(const QString& text) override;
    bool question(const QString& text, const QString& caption) override;
    bool askDatabaseLocation(config::DatabaseLocation& location) override;
    bool runSchemaUpdate(const std::function<void()>& update) override;
};
