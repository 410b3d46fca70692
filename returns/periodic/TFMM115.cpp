#include "returns/periodic/TFMM115.h"

#include "framework/DBCheckBox.h"
#include "framework/DBEdit.h"
#include "framework/DataModules.h"
#include "framework/FormManager.h"
#include "framework/TDBNavigatorVC.h"
#include "returns/periodic/BoxGrid.h"
#include "returns/periodic/TDMM115.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const BoxGroup kLiquidacion = {
    "RETENCIONES E INGRESOS A CUENTA",
    {},
    {{"Nº de perceptores", {"01"}},
     {"Base de las retenciones e ingresos a  cuenta", {"02"}},
     {"Retenciones e ingresos a cuenta", {"03"}},
     {"A deducir (exclusivamente en caso de autoliquidación complementaria): Resultado de la "
      "anterior o anteriores autoliquidaciones del mismo concepto, ejercicio y período",
      {"04"}},
     {"Resultado a ingresar ( 03 - 04)", {"05"}}},
};

} // namespace

TFMM115::TFMM115(FormManager& manager)
    : PeriodicReturnForm(manager, manager.modules().CreaModuloDatos<TDMM115>()) {
    setObjectName(QStringLiteral("FMM115"));
    setWindowTitle(
        QStringLiteral("Rendimiento procedentes del arrendamiento de inmuebles urbanos. MODELO 115"));

    CBComplementaria =
        new DBCheckBox(QStringLiteral("Autoliquidación complementaria "), dm().QMaestro,
                       QStringLiteral("ES_COMPLEMENTARIA"), prompts(), QStringLiteral("1"),
                       QStringLiteral("0"));
    connect(CBComplementaria, &QCheckBox::toggled, this, [this] { muestraComplementaria(); });
    EJustificante = new DBEdit(dm().QMaestro, QStringLiteral("C402"), prompts());
    EJustificante->setMaximumWidth(130);
    auto* complementary = new QGridLayout;
    complementary->addWidget(CBComplementaria, 0, 0, 1, 2);
    complementary->addWidget(new QLabel(QStringLiteral("Nº de justificante")), 1, 0);
    complementary->addWidget(EJustificante, 1, 1);
    cabecera()->addLayout(complementary);
    cabecera()->addStretch();

    paginaLiquidacion();
    paginaOtrosDatos(QStringLiteral("Ingreso (5)"), QStringLiteral("C502"),
                     QStringLiteral("(Casilla 5)"),
                     {QStringLiteral("A ingresar"), QStringLiteral("Domiciliacion del ingreso"),
                      QStringLiteral("Negativa")},
                     {QStringLiteral("I"), QStringLiteral("U"), QStringLiteral("N")})->addStretch();
    muestraComplementaria();
    resize(900, 560);
}

void TFMM115::paginaLiquidacion() {
    auto* layout = new QVBoxLayout(pagina(QStringLiteral("&Liquidacion (3)")));
    auto* grid = new BoxGrid(kLiquidacion, dm(), prompts());
    NavMain->EditaControl = grid->box(QStringLiteral("C301"));
    ECasilla04 = static_cast<DBEdit*>(grid->box(QStringLiteral("C304")));
    layout->addWidget(grid);
    filaCaptura(layout);
    layout->addStretch();
}

void TFMM115::muestraComplementaria() {
    const bool on = CBComplementaria->isChecked();
    EJustificante->setEnabled(on);
    ECasilla04->setEnabled(on);
}
