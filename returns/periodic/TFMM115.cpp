#include "returns/periodic/TFMM115.h"

#include "framework/DataModules.h"
#include "framework/FormManager.h"
#include "framework/TDBNavigatorVC.h"
#include "returns/periodic/BoxGrid.h"
#include "returns/periodic/TDMM115.h"

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

    auto* layout = new QVBoxLayout(pagina(QStringLiteral("&Liquidacion (3)")));
    auto* grid = new BoxGrid(kLiquidacion, dm(), prompts());
    NavMain->EditaControl = grid->box(QStringLiteral("C301"));
    layout->addWidget(grid);
    filaCaptura(layout);
    layout->addStretch();
    paginaOtrosDatos(QStringLiteral("Ingreso (5)"), QStringLiteral("C502"),
                     QStringLiteral("(Casilla 5)"),
                     {QStringLiteral("A ingresar"), QStringLiteral("Domiciliacion del ingreso"),
                      QStringLiteral("Negativa")},
                     {QStringLiteral("I"), QStringLiteral("U"), QStringLiteral("N")})->addStretch();
    cabeceraComplementaria(QStringLiteral("ES_COMPLEMENTARIA"), QStringLiteral("C402"),
                           {grid->box(QStringLiteral("C304"))});
    resize(900, 560);
}
