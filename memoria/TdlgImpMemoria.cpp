#include "memoria/TdlgImpMemoria.h"

#include "config/TDMMain.h"
#include "framework/DataModules.h"
#include "framework/TEditFind.h"
#include "framework/UserCommand.h"
#include "memoria/ObtenMemoria.h"
#include "memoria/TDMMemorias.h"
#include "memoria/TMainForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// A number looked up with F2 and, beside it, the name it stands for.
QWidget* conNombre(TEditFind* numero) {
    auto* nombre = new QLineEdit;
    nombre->setReadOnly(true);
    nombre->setFocusPolicy(Qt::NoFocus);
    nombre->setMinimumWidth(320);
    numero->setMaximumWidth(90);
    numero->setLookUpEdit(nombre);
    auto* fila = new QWidget;
    auto* layout = new QHBoxLayout(fila);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(numero);
    layout->addWidget(nombre, 1);
    return fila;
}

} // namespace

TdlgImpMemoria::TdlgImpMemoria(DataModules& modules, QWidget* parent)
    : QDialog(parent), modules_(modules), dm_(modules.CreaModuloDatos<TDMMemorias>()) {
    setObjectName(QStringLiteral("dlgImpMemoria"));
    setWindowTitle(QStringLiteral("Obtener memoria"));
    TDMMain& main = dm_.DMMain;
    EMemoria = new TEditFind(main.Database, main.TLocal, main.prompts(),
                             {QStringLiteral("T_MEMORIAS"),
                              {QStringLiteral("MEMORIA"), QStringLiteral("TITULO")},
                              QStringLiteral("MEMORIA"),
                              QStringLiteral("TITULO"),
                              {}});
    EContribuyente = new TEditFind(main.Database, main.TLocal, main.prompts(),
                                   {QStringLiteral("T_CONTRIBUYENTES"),
                                    {QStringLiteral("CONTRIBUYENTE"), QStringLiteral("APELLIDOS")},
                                    QStringLiteral("CONTRIBUYENTE"),
                                    QStringLiteral("APELLIDOS"),
                                    {}});
    CBCabecera = new QCheckBox(QStringLiteral("Incluir como cabecera el título de cada capítulo"));
    PEspera = new QLabel(QStringLiteral("Proceso en ejecución. Espere por favor..."));
    PEspera->setAlignment(Qt::AlignCenter);
    PEspera->setFrameShape(QFrame::StyledPanel);
    PEspera->hide();

    auto* botones = new QDialogButtonBox;
    QPushButton* obtener =
        botones->addButton(QStringLiteral("Obtener memoria"), QDialogButtonBox::ActionRole);
    obtener->setObjectName(QStringLiteral("btnObtener"));
    botones->addButton(QStringLiteral("&Salir"), QDialogButtonBox::RejectRole);
    connect(obtener, &QPushButton::clicked, this,
            [this] { framework::runCommand(dm_.DMMain.prompts(), [this] { ObtenerMemoria(); }); });
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Memoria"), conNombre(EMemoria));
    form->addRow(QStringLiteral("Contribuyente"), conNombre(EContribuyente));
    form->addRow(CBCabecera);
    form->addRow(botones);
    form->addRow(PEspera);
    form->setSizeConstraint(QLayout::SetFixedSize);
}

TdlgImpMemoria::~TdlgImpMemoria() {
    modules_.LiberaModuloDatos(dm_);
}

void TdlgImpMemoria::ObtenerMemoria() {
    PEspera->show();
    QApplication::processEvents(); // the waiting line painted before the long part
    dm_.setContribuyente(EContribuyente->text().trimmed().toInt());
    const int memoria = EMemoria->text().trimmed().toInt();
    QString fichero;
    try {
        // Books that cannot be read leave the last amounts; the user was told.
        (void)RecalculaMemoria(dm_, memoria);
        fichero = ComponMemoria(dm_, memoria, CBCabecera->isChecked());
    } catch (...) {
        PEspera->hide();
        throw;
    }
    PEspera->hide();
    TMainForm editor(dm_, this);
    editor.modoMemoria();
    editor.abre(fichero);
    editor.exec();
}
