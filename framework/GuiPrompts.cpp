#include "framework/GuiPrompts.h"

#include "config/TFMActualizador.h"
#include "config/TFUbica.h"
#include "framework/TFErrores.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
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
        {QMessageBox::Ok, QStringLiteral("Aceptar")},
        {QMessageBox::Cancel, QStringLiteral("Cancelar")}};
    for (const auto& [button, caption] : captions)
        if (QAbstractButton* b = box.button(button))
            b->setText(caption);
    return box.exec();
}

// "Text files (*.txt)|*.txt|All (*.*)|*.*" as Qt writes it: "Text files (*.txt);;All (*.*)".
QString qtFilter(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList described;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        described << (parts[i].contains(u'(')
                          ? parts[i]
                          : QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]));
    return described.join(QStringLiteral(";;"));
}

QString chooseFile(const framework::FileChoice& choice, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(QApplication::activeWindow(), choice.title, choice.folder,
                       qtFilter(choice.filter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(choice.defaultSuffix);
    if (!choice.fileName.isEmpty())
        dialog.selectFile(choice.fileName);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

} // namespace

void GuiPrompts::information(const QString& text) {
    show(QMessageBox::Information, QApplication::applicationDisplayName(), text, QMessageBox::Ok);
}

void GuiPrompts::error(const QString& text) {
    show(QMessageBox::Critical, QApplication::applicationDisplayName(), text, QMessageBox::Ok);
}

bool GuiPrompts::question(const QString& text, const QString& caption, Icon icon) {
    const auto boxIcon = icon == Icon::Stop ? QMessageBox::Critical : QMessageBox::Question;
    return show(boxIcon, caption, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

framework::Prompts::Answer GuiPrompts::questionWithCancel(const QString& text,
                                                          const QString& caption) {
    switch (show(QMessageBox::Question, caption, text,
                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

bool GuiPrompts::confirm(const QString& text, const QString& caption) {
    return show(QMessageBox::Information, caption, text, QMessageBox::Ok | QMessageBox::Cancel) ==
           QMessageBox::Ok;
}

QString GuiPrompts::openFileName(const framework::FileChoice& choice) {
    return chooseFile(choice, QFileDialog::AcceptOpen);
}

QString GuiPrompts::saveFileName(const framework::FileChoice& choice) {
    return chooseFile(choice, QFileDialog::AcceptSave);
}

QString GuiPrompts::folder(const QString& title, const QString& start) {
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, start);
}

void GuiPrompts::showErrors(const QString& text) {
    TFErrores viewer(text, QApplication::activeWindow());
    viewer.exec();
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
