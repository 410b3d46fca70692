#include "app/TFMain.h"

#include "accounts/TDMDepositoXML.h"
#include "accounts/TFMIDP.h"
#include "accounts/TdlgDeposito.h"
#include "app/TFAcercaDe.h"
#include "app/TiledBackground.h"
#include "config/TDMMain.h"
#include "framework/FormManager.h"
#include "framework/Prompts.h"
#include "framework/UserCommand.h"
#include "memoria/TFMMemorias.h"
#include "memoria/TdlgCopiaMemoria.h"
#include "memoria/TdlgImpMemoria.h"
#include "memoria/TdlgImportaMemoria.h"
#include "platform/Calculator.h"
#include "returns/ReturnForms.h"
#include "taxpayers/TFMContribuyentes.h"
#include "taxpayers/TFMImportaCont.h"
#include "taxpayers/TFMImportaDatos.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace {

const QString kPhone = QStringLiteral("968 21 40 00");

} // namespace

TFMain::TFMain(TDMMain& dm, FormManager& forms, QWidget* parent)
    : QMainWindow(parent), dm_(dm), forms_(forms) {
    setObjectName(QStringLiteral("FMain"));
    setWindowTitle(QStringLiteral("Tributra 2018  -  Norvel Sistemas - Telf.: ") + kPhone);
    setCentralWidget(new TiledBackground(QPixmap(QStringLiteral(":/app/fondo.png"))));
    buildMenu();
    buildToolBar();
    buildStatusBar();
    connect(new QShortcut(Qt::Key_F8, this), &QShortcut::activated, this,
            &TFMain::SbCalculadoraClick);
    connect(new QShortcut(Qt::Key_F3, this), &QShortcut::activated, sbUsuarios,
            &QToolButton::click);
}

QAction* TFMain::newAction(const char* name, const QString& caption) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(false); // until its form is built
    return action;
}

void TFMain::buildMenu() {
    QAction* ASalir = newAction("ASalir", QStringLiteral("Salir de la aplicación"));
    ASalir->setEnabled(true);
    connect(ASalir, &QAction::triggered, this, &TFMain::ASalirExecute);

    QAction* AContribuyentes = newAction("AContribuyentes", QStringLiteral("Contribuyentes"));
    AContribuyentes->setEnabled(true);
    connect(AContribuyentes, &QAction::triggered, this, [this, AContribuyentes] {
        openForm([&] { forms_.MuestraFormulario<TFMContribuyentes>(AContribuyentes); });
    });

    QMenu* archivos = menuBar()->addMenu(QStringLiteral("&Archivos"));
    archivos->addAction(AContribuyentes);
    archivos->addSeparator();
    archivos->addAction(
        dialogAction<TFMImportaDatos>("AImportaDatos", QStringLiteral("Importa Datos"), dm_));
    archivos->addAction(
        dialogAction<TFMImportaCont>("AImpCtb", QStringLiteral("Importa contribuyentes"), dm_));
    archivos->addAction(dialogAction<TdlgImportaMemoria>("ImportaMemoriabase1",
                                                         QStringLiteral("Importa Memoria"), dm_));
    archivos->addSeparator();
    archivos->addAction(ASalir);

    QMenu* irpf = menuBar()->addMenu(QStringLiteral("I.R.P.F."));
    irpf->addAction(newAction("AMod111", QStringLiteral("Modelo 111")));
    irpf->addAction(newAction("AMod115", QStringLiteral("Modelo 115")));
    irpf->addAction(newAction("AMod123", QStringLiteral("Modelo 123")));
    irpf->addSeparator();
    irpf->addAction(newAction("AMod130", QStringLiteral("Modelo 130")));
    irpf->addAction(newAction("AMod131", QStringLiteral("Modelo 131")));
    irpf->addSeparator();
    irpf->addAction(newAction("AMod202", QStringLiteral("Modelo 202")));

    QMenu* iva = menuBar()->addMenu(QStringLiteral("I.V.A"));
    iva->addAction(newAction("AMod300", QStringLiteral("Modelo 303")));
    for (QAction* hidden : {newAction("AMod310", QStringLiteral("Modelo 310")),
                            newAction("AMod311", QStringLiteral("Modelo 311"))}) {
        hidden->setVisible(false);
        iva->addAction(hidden);
    }

    QMenu* informativas = menuBar()->addMenu(QStringLiteral("Informativas"));
    informativas->addAction(newAction("AComunitarias", QStringLiteral("Modelo 349")));
    informativas->addAction(newAction("AMod340", QStringLiteral("Modelo 340")));

    QMenu* anuales = menuBar()->addMenu(QStringLiteral("Res.Anuales"));
    anuales->setObjectName(QStringLiteral("ResAnuales"));
    anuales->menuAction()->setVisible(false);
    anuales->addAction(newAction("AMod180", QStringLiteral("Modelo 180")));
    anuales->addAction(newAction("AMod190", QStringLiteral("Modelo 190")));
    anuales->addAction(newAction("AMod390", QStringLiteral("Modelo 390")));
    anuales->addSeparator();
    anuales->addAction(newAction("AMod347", QStringLiteral("Mod. 347")));

    QMenu* cuentas = menuBar()->addMenu(QStringLiteral("Cuentas anuales"));
    QAction* AIDPymes = newAction("AIDPymes", QStringLiteral("Elaboración Cuentas Anuales"));
    AIDPymes->setEnabled(true);
    connect(AIDPymes, &QAction::triggered, this,
            [this, AIDPymes] { openForm([&] { forms_.MuestraFormulario<TFMIDP>(AIDPymes); }); });
    cuentas->addAction(AIDPymes);
    QAction* ADeposito =
        newAction("TraspasoaDepsitoDigital1", QStringLiteral("Traspaso a Depósito Digital"));
    ADeposito->setEnabled(true);
    connect(ADeposito, &QAction::triggered, this, [this] { TraspasoDeposito(); });
    cuentas->addAction(ADeposito);
    cuentas->addSeparator();
    QAction* AMemoria = newAction("AMemoria", QStringLiteral("Confección de Memorias"));
    AMemoria->setEnabled(true);
    connect(AMemoria, &QAction::triggered, this, [this, AMemoria] {
        openForm([&] { forms_.MuestraFormulario<TFMMemorias>(AMemoria); });
    });
    cuentas->addAction(AMemoria);
    cuentas->addAction(
        dialogAction<TdlgCopiaMemoria>("ACopiaMem", QStringLiteral("Copia memorias"), dm_));
    cuentas->addAction(dialogAction<TdlgImpMemoria>(
        "AMemObtener", QStringLiteral("Impresión de Memoria"), forms_.modules()));
    cuentas->addSeparator();

    for (const returns::ReturnForm& form : returns::forms()) {
        auto* action = findChild<QAction*>(QLatin1String(form.accion));
        action->setEnabled(true);
        connect(action, &QAction::triggered, this,
                [this, action, &form] { openForm([&] { form.muestra(forms_, action); }); });
    }

    MGVentanas = menuBar()->addMenu(QStringLiteral("Ventanas"));
    MGVentanas->setObjectName(QStringLiteral("MGVentanas"));
    forms_.setWindowMenu(MGVentanas);

    QMenu* ayuda = menuBar()->addMenu(QStringLiteral("Ayuda"));
    QAction* acercaDe = ayuda->addAction(QStringLiteral("Acerca de"));
    acercaDe->setObjectName(QStringLiteral("Acercade1"));
    connect(acercaDe, &QAction::triggered, this, &TFMain::Acercade1Click);

    // Reached from no menu: the register of imports as a window, and the presenters.
    newAction("AImporta", QStringLiteral("Importación Archivos"));
    newAction("APresentadores", QStringLiteral("Presentadores"));
}

QToolButton* TFMain::newToolButton(const char* name, const QString& caption, const QString& hint,
                                   QAction* action) {
    auto* button = new QToolButton;
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setToolTip(hint);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setFixedSize(153, 47);
    if (action) {
        // The button keeps its own caption and follows the action's state.
        button->setEnabled(action->isEnabled());
        connect(action, &QAction::changed, button,
                [button, action] { button->setEnabled(action->isEnabled()); });
        connect(button, &QToolButton::clicked, action, &QAction::trigger);
    }
    return button;
}

void TFMain::buildToolBar() {
    QToolBar* tbMain = addToolBar(QStringLiteral("tbMain"));
    tbMain->setObjectName(QStringLiteral("tbMain"));
    tbMain->setMovable(false);
    auto* SbSalir =
        newToolButton("SbSalir", QStringLiteral("Salir"), QStringLiteral("Salir de la aplicación"),
                      findChild<QAction*>(QStringLiteral("ASalir")));
    SbSalir->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    sbUsuarios = newToolButton("sbUsuarios", QStringLiteral("Empresas"), QString(),
                               findChild<QAction*>(QStringLiteral("AContribuyentes")));
    sbUsuarios->setIcon(style()->standardIcon(QStyle::SP_DirHomeIcon));
    auto* SbCalculadora = newToolButton("SbCalculadora", QStringLiteral("Calculadora"),
                                        QStringLiteral("Calculadora (F8)"), nullptr);
    SbCalculadora->setIcon(style()->standardIcon(QStyle::SP_ComputerIcon));
    connect(SbCalculadora, &QToolButton::clicked, this, &TFMain::SbCalculadoraClick);
    for (QToolButton* b : {SbSalir, sbUsuarios, SbCalculadora})
        tbMain->addWidget(b);
}

void TFMain::buildStatusBar() {
    QStatusBar* SBMain = statusBar();
    SBMain->setObjectName(QStringLiteral("SBMain"));
    const std::pair<QString, int> panels[] = {{QStringLiteral("Empresa"), 400},
                                              {QStringLiteral("Ejercicio"), 250},
                                              {QStringLiteral("Usuario"), 150}};
    for (const auto& [text, width] : panels) {
        auto* panel = new QLabel(text);
        panel->setFixedWidth(width);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        SBMain->addWidget(panel);
    }
}

void TFMain::openForm(const std::function<void()>& open) {
    framework::runCommand(dm_.prompts(), open);
}

void TFMain::TraspasoDeposito() {
    TdlgDeposito dialogo(dm_, this);
    if (dialogo.exec() != QDialog::Accepted)
        return;
    framework::runCommand(dm_.prompts(), [&] {
        TDMDepositoXML deposito(dm_);
        if (deposito.GeneraDeposito(dialogo.empresa()))
            dm_.prompts().information(QStringLiteral("Deposito creado con éxito"));
    });
}

void TFMain::ASalirExecute() {
    if (dm_.prompts().question(QStringLiteral("¿Está seguro de salir de la aplicación?"),
                               QStringLiteral("Confirmación...")))
        close();
}

void TFMain::SbCalculadoraClick() {
    platform::startCalculator();
}

void TFMain::Acercade1Click() {
    TFAcercaDe about(dm_.Database.databaseName(), this);
    about.exec();
}

// Closing the main window ends the application: the open forms close first, each
// asking about its unsaved edits; one that cannot close keeps everything open.
void TFMain::closeEvent(QCloseEvent* event) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w != this && w->isVisible() && !w->parentWidget() && !w->close()) {
            event->ignore();
            return;
        }
    }
    dm_.terminate();
    QMainWindow::closeEvent(event);
    QApplication::quit();
}
