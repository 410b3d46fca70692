#include "returns/periodic/TFMM131.h"

#include "framework/DBEdit.h"
#include "framework/DBShadedBox.h"
#include "framework/DataModules.h"
#include "framework/FormManager.h"
#include "framework/TDBEDITFIND.h"
#include "framework/TDBNavigatorVC.h"
#include "returns/periodic/BoxGrid.h"
#include "returns/periodic/TDMM131.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const BoxGroup kSumas = {
    "",
    {},
    {{"Suma de rendimientos netos", {"01"}},
     {"Pago fraccionado previo del trimestre: suma de resultados", {"02"}}},
};

const BoxGroup kAgrarias = {
    "II. Actividades agrícolas, ganaderas y forestales",
    {},
    {{"Volumen de ingresos del trimestre", {"03"}},
     {"Pago fraccionado: el 2 por 100 de la casilla 03", {"04"}},
     {"III. Volumen de ingresos del trimestre (actividades agrícolas, ganaderas y forestales)",
      {"05"}},
     {"Pago fraccionado: el 2 por 100 de la casilla 04", {"06"}}},
};

const BoxGroup kTotal = {
    "IV. Total liquidación.",
    {},
    {{"Suma de pagos fraccionados previos del trimestre ( 02 + 04 + 06)", {"07"}},
     {"Retenciones e ingresos a cuenta del trimestre", {"08"}},
     {"Minoración por aplicación de la deducción. Artículo 80 bis de la Ley del Impuesto", {"09"}},
     {"Diferencia (07-08-09)", {"10"}},
     {"Resultado negativos de trimestres anteriores", {"11"}},
     {"Pago de préstamos para la adquisición o rehabilitación de la vivienda habitual. Suma "
      "0,5% de 01 y del 2% 03, o el 2% 05 (máximo:660,14 € anuales)",
      {"12"}},
     {"Total (10-11-12)", {"13"}},
     {"A deducir (exclusivamente en caso de autoliquidación complementaria): Resultado de las "
      "anteriores autoliquidaciones por el mismo concepto y período",
      {"14"}},
     {"Resultado (13-14)", {"15"}}},
};

} // namespace

TFMM131::TFMM131(FormManager& manager)
    : PeriodicReturnForm(manager, manager.modules().CreaModuloDatos<TDMM131>()) {
    setObjectName(QStringLiteral("FMM131"));
    setWindowTitle(QStringLiteral("Pago fraccionado - MODELO 131"));

    auto* liquidacion = new QVBoxLayout(pagina(QStringLiteral("&Liquidacion (3)")));
    liquidacion->addWidget(actividades());
    liquidacion->addWidget(new BoxGrid(kSumas, dm(), prompts()));
    liquidacion->addStretch();
    auto* agrarias = new QVBoxLayout(pagina(QStringLiteral("L&iquidación (3). AGP")));
    agrarias->addWidget(new BoxGrid(kAgrarias, dm(), prompts()));
    agrarias->addStretch();
    auto* total = new QVBoxLayout(pagina(QStringLiteral("Total Liquidación")));
    auto* totalGrid = new BoxGrid(kTotal, dm(), prompts());
    total->addWidget(totalGrid);
    total->addStretch();
    paginaOtrosDatos(QStringLiteral("Ingreso"), QStringLiteral("C315"),
                     QStringLiteral("(Casilla 15)"),
                     {QStringLiteral("A ingresar"), QStringLiteral("Domiciliacion del ingreso"),
                      QStringLiteral("Negativa"), QStringLiteral("A deducir")},
                     {QStringLiteral("I"), QStringLiteral("U"), QStringLiteral("N"),
                      QStringLiteral("B")})
        ->addStretch();
    cabeceraComplementaria(QStringLiteral("ES_COMPLEMENTARIA"), QStringLiteral("JUSTIFICANTE"),
                           {totalGrid->box(QStringLiteral("C314"))});
    resize(960, 600);
}

// Each activity: its heading (F2 searches the headings), net yield, percentage and result.
QWidget* TFMM131::actividades() {
    auto* group = new QGroupBox(QStringLiteral(
        "I. Actividades económicas en estimación objetiva distintas de las agrícolas, "
        "ganaderas y forestales."));
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(3);
    const char* const titulos[] = {"Actividad\n(epígrafe I.A.E.)",
                                   "Rendimiento neto de la actividad a\nefectos del pago fraccionado",
                                   "Porcentaje\naplicable",
                                   "Resultado de aplicar el porcentaje\ncorrespondiente a cada actividad"};
    for (int c = 0; c < 4; ++c) {
        auto* heading = new QLabel(QString::fromUtf8(titulos[c]));
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, 0, c + 1);
    }
    db::DataSet& ds = dm().QMaestro;
    for (int a = 1; a <= 5; ++a) {
        const QString n = QString::number(a);
        auto* epigrafe = new TDBEDITFIND(ds, QStringLiteral("C3I01A") + n, prompts(),
                                         {QStringLiteral("VER_EPIGRAFES"),
                                          {QStringLiteral("EPIGRAFE"), QStringLiteral("TITULO"),
                                           QStringLiteral("CLAVE")},
                                          QStringLiteral("EPIGRAFE"),
                                          QString(),
                                          {}});
        epigrafe->setMaximumWidth(70);
        if (a == 1)
            NavMain->EditaControl = epigrafe;
        auto* rendimiento = new DBEdit(ds, QStringLiteral("C3I02A") + n, prompts());
        rendimiento->setPuntoToComa(true);
        auto* porcentaje = new DBEdit(ds, QStringLiteral("C3I03A") + n, prompts());
        porcentaje->setPuntoToComa(true);
        porcentaje->setMaximumWidth(70);
        grid->addWidget(new QLabel(n), a, 0);
        grid->addWidget(epigrafe, a, 1);
        grid->addWidget(rendimiento, a, 2);
        grid->addWidget(porcentaje, a, 3);
        grid->addWidget(new DBShadedBox(ds, QStringLiteral("C3I04A") + n, prompts()), a, 4);
    }
    return group;
}
