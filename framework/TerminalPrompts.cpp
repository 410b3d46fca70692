#include "framework/TerminalPrompts.h"

namespace framework {

void TerminalPrompts::information(const QString& text) {
    out_ << text << Qt::endl;
}

void TerminalPrompts::error(const QString& text) {
    err_ << text << Qt::endl;
}

void TerminalPrompts::unanswered(const QString& text, const QString& answer) {
    err_ << text << QStringLiteral(" [") << answer << u']' << Qt::endl;
}

bool TerminalPrompts::question(const QString& text, const QString&, Icon) {
    unanswered(text, QStringLiteral("No"));
    return false;
}

Prompts::Answer TerminalPrompts::questionWithCancel(const QString& text, const QString&) {
    unanswered(text, QStringLiteral("Cancelar"));
    return Answer::Cancel;
}

bool TerminalPrompts::confirm(const QString& text, const QString&) {
    unanswered(text, QStringLiteral("Cancelar"));
    return false;
}

QString TerminalPrompts::openFileName(const FileChoice& choice) {
    unanswered(choice.title, QStringLiteral("Cancelar"));
    return {};
}

QString TerminalPrompts::saveFileName(const FileChoice& choice) {
    unanswered(choice.title, QStringLiteral("Cancelar"));
    return {};
}

QString TerminalPrompts::folder(const QString& title, const QString&) {
    unanswered(title, QStringLiteral("Cancelar"));
    return {};
}

void TerminalPrompts::showErrors(const QString& text) {
    error(text);
}

bool TerminalPrompts::askDatabaseLocation(config::DatabaseLocation&) {
    unanswered(QStringLiteral(
                   "La ubicación de la base de datos se elige en la aplicación"),
               QStringLiteral("Cancelar"));
    return false;
}

bool TerminalPrompts::runSchemaUpdate(const std::function<void()>&) {
    unanswered(
        QStringLiteral(
            "Hay una actualización de la base de datos pendiente: hágala desde la aplicación"),
        QStringLiteral("Cancelar"));
    return false;
}

} // namespace framework
