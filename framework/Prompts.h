#pragma once

#include <QString>

#include <functional>

namespace config {
struct DatabaseLocation;
}

namespace framework {

// Everything a data module asks or tells the user. The application answers with
// dialogs; tests answer from a script.
class Prompts {
public:
    virtual ~Prompts() = default;

    virtual void information(const QString& text) = 0;
    // An error as the application's default handler shows it.
    virtual void error(const QString& text) = 0;
    // Yes/No; true for Yes.
    virtual bool question(const QString& text, const QString& caption) = 0;

    // The database location dialog; false when it was not closed with OK.
    virtual bool askDatabaseLocation(config::DatabaseLocation& location) = 0;
    // The schema update dialog: on OK, runs update while the dialog stays up, and
    // returns true once it has run; false when the user cancelled.
    virtual bool runSchemaUpdate(const std::function<void()>& update) = 0;
};

} // namespace framework
