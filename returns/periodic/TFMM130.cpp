#include "returns/periodic/TFMM130.h"

#include "framework/DataModules.h"
#include "framework/FormManager.h"
#include "framework/TDBNavigatorVC.h"
#include "returns/periodic/BoxGrid.h"
#include "returns/periodic/TDMM130.h"

#include <QVBoxLayout>

namespace {

const BoxGroup kActividades = {
    "I. Actividades económicas en estimación directa, modalidad normal o simplificada",
    {},
    {{"Ingresos computables", {"01"}},
     {"Gastos fiscalemente deducibles", {"02"}},
     {"Rendimiento neto (01 - 02)", {"03"}},
     {"20 por 100 del importe positivo de la casilla 03", {"04"}},
     {"A deducir: De los trimestres anteriores", {"05"}},
     {"Retenciones e ingresos a cuenta", {"06"}},
     {"Pago fraccionado previo del trimestre (04 - 05 - 06)", {"07"}}},
};

const BoxGroup kAgrarias = {
    "II. Actividades agrícolas, ganaderas, forestales y pesqueras en estimación directa, "
    "modalidad normal o simplificada",
    {},
    {{"Volumen de ingresos del trimestre", {"08"}},
     {"2 por 100 del importe de la casilla 08", {"09"}},
     {"Retenciones e ingresos a cuenta", {"10"}},
     {"Pago fraccionado previo del trimestre (09 - 10)", {"11"}}},
};

const BoxGroup kTotal = {
    "III. Total liquidación.",
    {},
    {{"Suma de pagos fraccionados previos del trimestre (07 + 11)", {"12"}},
     {"Minoración por aplicación de la deducción. Artículo 80 bis de la Ley del Impuesto", {"13"}},
     {"Diferencia (12 - 13)", {"14"}},
     {"A deducir: Resultados negativos de trimestres anteriores", {"15"}},
     {"Pago de préstamos para la adquisición o rehabilitación de la vivienda habitual. El 2% "
      "de 03 (máximo 660,14 € por trimestre) o el 2% de 08 (máximo 660,14 € anuales)",
      {"16"}},
     {"Total (14 - 15 - 16)", {"17"}},
     {"A deducir (exclusivamente en caso de autoliquidación complementaria): Resultado de las "
      "anteriores autoliquidaciones por el mismo concepto y período",
      {"18"}},
     {"Resultado de la declaración (17 - 18)", {"19"}}},
};

} // namespace

TFMM130::TFMM130(FormManager& manager)
    : PeriodicReturnForm(manager, manager.modules().CreaModuloDatos<TDMM130>()) {
    setObjectName(QStringLiteral("FMM130"));
    setWindowTitle(QStringLiteral("Pago fraccionado - MODELO 130"));

    auto* actividades = new QVBoxLayout(pagina(QStringLiteral("&Liquidacion (3)")));
    auto* grid = new BoxGrid(kActividades, dm(), prompts());
    NavMain->EditaControl = grid->box(QStringLiteral("C301"));
    actividades->addWidget(grid);
    filaCaptura(actividades);
    actividades->addStretch();
    auto* agrarias = new QVBoxLayout(pagina(QStringLiteral("L&iquidación (3). AGP")));
    agrarias->addWidget(new BoxGrid(kAgrarias, dm(), prompts()));
    agrarias->addStretch();
    auto* total = new QVBoxLayout(pagina(QStringLiteral("Total Liquidación")));
    auto* totalGrid = new BoxGrid(kTotal, dm(), prompts());
    total->addWidget(totalGrid);
    total->addStretch();
    paginaOtrosDatos(QStringLiteral("Ingreso"), QStringLiteral("C319"),
                     QStringLiteral("(Casilla 19)"),
                     {QStringLiteral("A ingresar"), QStringLiteral("Domiciliacion del ingreso"),
                      QStringLiteral("Negativa"), QStringLiteral("A deducir")},
                     {QStringLiteral("I"), QStringLiteral("U"), QStringLiteral("N"),
                      QStringLiteral("B")})
        ->addStretch();
    cabeceraComplementaria(QStringLiteral("ES_COMPLEMENTARIA"), QStringLiteral("C402"),
                           {totalGrid->box(QStringLiteral("C318"))});
    resize(900, 600);
}
