#pragma once

#include <QString>

#include <functional>

namespace config {
struct DatabaseLocation;
}

namespace framework {

// A file the user is asked to choose: the dialog's title, the proposed folder and
// name, and the filter as "Description (*.ext)|*.ext|...".
struct FileChoice {
    QString title;
    QString folder;
    QString fileName;
    QString filter;
    QString defaultSuffix;
};

// Everything a data module asks or tells the user. The application answers with
// dialogs; tests answer from a script.
class Prompts {
public:
    enum class Icon { Question, Stop };
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompts() = default;

    virtual void information(const QString& text) = 0;
    // An error as the application's default handler shows it.
    virtual void error(const QString& text) = 0;
    // Yes/No; true for Yes.
    virtual bool question(const QString& text, const QString& caption,
                          Icon icon = Icon::Question) = 0;
    virtual Answer questionWithCancel(const QString& text, const QString& caption) = 0;
    // OK/Cancel; true for OK.
    virtual bool confirm(const QString& text, const QString& caption) = 0;

    // An empty text when the user cancels. Saving asks before overwriting.
    virtual QString openFileName(const FileChoice& choice) = 0;
    virtual QString saveFileName(const FileChoice& choice) = 0;
    virtual QString folder(const QString& title, const QString& start) = 0;

    // The error list that the agency's validation tools leave behind.
    virtual void showErrors(const QString& text) = 0;

    // The database location dialog; false when it was not closed with OK.
    virtual bool askDatabaseLocation(config::DatabaseLocation& location) = 0;
    // The schema update dialog: on OK, runs update while the dialog stays up, and
    // returns true once it has run; false when the user cancelled.
    virtual bool runSchemaUpdate(const std::function<void()>& update) = 0;
};

} // namespace framework
