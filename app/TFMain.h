#pragma once

#include <QAction>
#include <QMainWindow>

#include <functional>

class QMenu;
class QToolButton;
class FormManager;
class TDMMain;

// The main window: the menu of registers and returns, the tool bar and the window list.
// A command whose form is not in this edition yet is shown disabled.
class TFMain : public QMainWindow {
    Q_OBJECT
public:
    TFMain(TDMMain& dm, FormManager& forms, QWidget* parent = nullptr);

    // The window menu under which the form manager lists the open forms.
    QMenu* MGVentanas = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* newAction(const char* name, const QString& caption);
    // A command that opens the modal dialog `Dialog` made with `argument` and this window.
    template <class Dialog, class Argument>
    QAction* dialogAction(const char* name, const QString& caption, Argument& argument) {
        QAction* action = newAction(name, caption);
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, [this, &argument] {
            openForm([this, &argument] {
                Dialog dialog(argument, this);
                dialog.exec();
            });
        });
        return action;
    }
    QToolButton* newToolButton(const char* name, const QString& caption, const QString& hint,
                               QAction* action);
    void buildMenu();
    void buildToolBar();
    void buildStatusBar();

    void openForm(const std::function<void()>& open);
    void ASalirExecute();
    // The chosen taxpayer's accounts written for the deposit program.
    void TraspasoDeposito();
    void SbCalculadoraClick();
    void Acercade1Click();

    TDMMain& dm_;
    FormManager& forms_;
    QToolButton* sbUsuarios = nullptr;
};
