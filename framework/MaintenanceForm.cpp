#include "framework/MaintenanceForm.h"

#include "framework/DataModules.h"
#include "framework/FormManager.h"
#include "framework/TDBNavigatorVC.h"
#include "framework/TDMBase.h"
#include "framework/TEditControl.h"
#include "framework/TKeys.h"
#include "framework/TPopUpKeys.h"
#include "framework/UserCommand.h"

#include <QCloseEvent>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

const QStringList kCommands = {QStringLiteral("Primero"),   QStringLiteral("Anterior"),
                               QStringLiteral("Siguiente"), QStringLiteral("Último"),
                               QStringLiteral("Añadir"),    QStringLiteral("Borrar"),
                               QStringLiteral("Modificar"), QStringLiteral("Grabar"),
                               QStringLiteral("Cancelar"),  QStringLiteral("Refrescar")};

} // namespace

MaintenanceForm::MaintenanceForm(FormManager& manager, TDMBase& module, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), manager_(manager), module_(module) {
    setProperty("centrado", true);

    TBMain = new QToolBar;
    TBMain->setObjectName(QStringLiteral("TBMain"));
    TBMain->setIconSize(QSize(20, 20));
    NavMain = new TDBNavigatorVC(prompts());
    TBMain->addWidget(NavMain);

    PageControl1 = new QTabWidget;
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    TSFicha = new QWidget;
    TSFicha->setObjectName(QStringLiteral("TSFicha"));
    PEMain = new QWidget;
    PEMain->setObjectName(QStringLiteral("PEMain"));
    // A card taller or wider than a laptop's screen scrolls instead of losing its last rows.
    auto* card = new QScrollArea;
    card->setWidget(PEMain);
    card->setWidgetResizable(true);
    card->setFrameShape(QFrame::NoFrame);
    (new QVBoxLayout(TSFicha))->addWidget(card);
    PageControl1->addTab(TSFicha, QStringLiteral("&Ficha"));

    Keys1 = new TKeys(this);
    CEMainPMEdit = new TPopUpKeys(this);
    CEMainPMEdit->setObjectName(QStringLiteral("CEMainPMEdit"));
    for (const QString& caption : kCommands)
        CEMainPMEdit->addAction(caption)->setEnabled(false);
    CEMainPMEdit->setTeclas(Keys1);

    CEMain = new TEditControl(this);
    CEMain->FichaEdicion = TSFicha;
    CEMain->FichaExclusiva = TSFicha;
    CEMain->PanelEdicion = PEMain;
    CEMain->PopUpMenu = CEMainPMEdit;
    CEMain->Teclas = Keys1;

    NavMain->EditControl = CEMain;
    NavMain->setDataSource(&module.DSQMaestro);
    NavMain->setRecordName(module.nombreRegistro());
    NavMain->setPopupMenu(CEMainPMEdit);
    CEMain->MuestraFicha();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(TBMain);
    layout->addWidget(PageControl1, 1);
}

framework::Prompts& MaintenanceForm::prompts() const {
    return manager_.prompts();
}

bool MaintenanceForm::run(const std::function<void()>& command) {
    return framework::runCommand(prompts(), command, module_.nombreRegistro());
}

void MaintenanceForm::contextMenuEvent(QContextMenuEvent* event) {
    CEMainPMEdit->popup(event->globalPos());
}

// A module that cannot let go (its pending post failed) keeps the form open.
void MaintenanceForm::closeEvent(QCloseEvent* event) {
    if (!released_ && !run([this] { manager_.modules().LiberaModuloDatos(module_); })) {
        event->ignore();
        return;
    }
    released_ = true;
    QWidget::closeEvent(event);
}
