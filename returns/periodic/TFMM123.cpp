#include "returns/periodic/TFMM123.h"

#include "framework/DataModules.h"
#include "framework/FormManager.h"
#include "framework/TDBEDITFIND.h"
#include "framework/TDBNavigatorVC.h"
#include "returns/periodic/BoxGrid.h"
#include "returns/periodic/TDMM123.h"

#include <QVBoxLayout>

namespace {

const BoxGroup kLiquidacion = {
    "RETENCIONES E INGRESOS A CUENTA",
    {},
    {{"Nº Perceptores", {"01"}},
     {"Base retenciones e ingresos a cuenta", {"02"}},
     {"Retenciones e ingresos a cuenta", {"03"}},
     {"Periodificación: Ingresos ejercicios anteriores", {"04"}},
     {"Periodificación: Regularización", {"05"}},
     {"Total liquidación (03+05)", {"06"}},
     {"A deducir (exclusivamente en caso de autoliquidación complementaria): Resultado de la "
      "anterior o anteriores autoliquidaciones del mismo concepto, ejercicio y período",
      {"07"}},
     {"Resultado a ingresar (06-07)", {"08"}}},
};

} // namespace

TFMM123::TFMM123(FormManager& manager)
    : PeriodicReturnForm(manager, manager.modules().CreaModuloDatos<TDMM123>()) {
    setObjectName(QStringLiteral("FMM123"));
    setWindowTitle(
        QStringLiteral("Retenciones a cuenta rendimientos capital mobiliario - MODELO 123"));

    auto* layout = new QVBoxLayout(pagina(QStringLiteral("&Liquidacion (3)")));
    auto* grid = new BoxGrid(kLiquidacion, dm(), prompts());
    NavMain->EditaControl = EContribuyente;
    layout->addWidget(grid);
    layout->addStretch();
    paginaOtrosDatos(QStringLiteral("Ingreso (4)"), QStringLiteral("C4I"),
                     QStringLiteral("(Casilla 8)"),
                     {QStringLiteral("A ingresar"), QStringLiteral("Domiciliacion del ingreso"),
                      QStringLiteral("Negativa")},
                     {QStringLiteral("I"), QStringLiteral("U"), QStringLiteral("N")})
        ->addStretch();
    cabeceraComplementaria(QStringLiteral("ES_COMPLEMENTARIA"), QStringLiteral("C602"),
                           {grid->box(QStringLiteral("C07"))});
    resize(900, 600);
}
