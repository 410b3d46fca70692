#pragma once

#include <QWidget>

class FormManager;
class QTabWidget;
class QToolBar;
class TDBNavigatorVC;
class TDMBase;
class TEditControl;
class TKeys;
class TPopUpKeys;
namespace framework {
class Prompts;
}

// What the register and the return forms share: a window of its own, centred and above
// the main window, with the navigator on its tool bar, a page control with the record
// card, the edit controller and the keyboard commands. It holds one use of its data
// module from creation to close.
class MaintenanceForm : public QWidget {
    Q_OBJECT
public:
    MaintenanceForm(FormManager& manager, TDMBase& module, QWidget* parent = nullptr);

    TDMBase& module() const { return module_; }
    framework::Prompts& prompts() const;

    QToolBar* TBMain;
    TDBNavigatorVC* NavMain;
    QTabWidget* PageControl1;
    QWidget* TSFicha;
    QWidget* PEMain;
    TEditControl* CEMain;
    TKeys* Keys1;
    TPopUpKeys* CEMainPMEdit;

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Runs a command of the form, showing a broken rule.
    bool run(const std::function<void()>& command);

private:
    FormManager& manager_;
    TDMBase& module_;
    bool released_ = false;
};
