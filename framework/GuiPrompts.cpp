#include "framework/GuiPrompts.h"

#include "config/TFMActualizador.h"
#include "config/TFUbica.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace {

// Messages belong to the window the user is working in, and stay above every window.
int show(QMessageBox::Icon icon, const QString& caption, const QString& text,
         QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, caption, text, buttons, QApplication::activeWindow());
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    // The buttons speak the users' language, whatever translations the machine has.
    const std::pair<QMessageBox::StandardButton, QString> captions[] = {
        {QMessageBox::Yes, QStringLiteral("&Sí")},
        {QMessageBox::No, QStringLiteral("&No")},
        {QMessageBox::Ok, QStringLiteral("Aceptar")}};
    for (const auto& [button, caption] : captions)
        if (QAbstractButton* b = box.button(button))
            b->setText(caption);
    return box.exec();
}

} // namespace

void GuiPrompts::information(const QString& text) {
    show(QMessageBox::Information, QApplication::applicationDisplayName(), text, QMessageBox::Ok);
}

void GuiPrompts::error(const QString& text) {
    show(QMessageBox::Critical, QApplication::applicationDisplayName(), text, QMessageBox::Ok);
}

bool GuiPrompts::question(const QString& text, const QString& caption) {
    return show(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

bool GuiPrompts::askDatabaseLocation(config::DatabaseLocation& location) {
    TFUbica dialog(location, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

bool GuiPrompts::runSchemaUpdate(const std::function<void()>& update) {
    TFMActualizador dialog(update, QApplication::activeWindow());
    const bool ran = dialog.exec() == QDialog::Accepted;
    if (dialog.failure())
        std::rethrow_exception(dialog.failure());
    return ran;
}
