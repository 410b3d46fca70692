#include "returns/periodic/TFMM310.h"

#include "framework/DataModules.h"
#include "framework/FormManager.h"
#include "framework/TDBComboBoxVC.h"
#include "returns/periodic/ModoComplementario.h"
#include "returns/periodic/TDMM310.h"

namespace {

const BoxGroup kLiquidacion = {
    "",
    {},
    {{"Suma de ingresos a cuenta del conjunto de actividades ejercidas", {"01"}},
     {"Cuotas devengadas: Adquisiciones intracomunitarias de bienes", {"02"}},
     {"Entregas de activos fijos", {"03"}},
     {"I.V.A. Devengado por inversión del sujeto pasivo", {"04"}},
     {"Total cuota resultante ( 01 + 02 + 03 + 04 )", {"05"}}},
};

const BoxGroup kResultado = {
    "",
    {},
    {{"I.V.A. Deducible: Adq. o importación activos fijos", {"06"}},
     {"Diferencia ( 05 -06)", {"07"}},
     {"Cuotas a compensar de períodos anteriores", {"08"}},
     {"Resultado ( 07 - 08)", {"09"}},
     {"Entregas intracomunitarias", {"10"}},
     {"A deducir (exclusivamente en caso de declaración complementaria)", {"11"}},
     {"Resultado de la liquidación ( 09 -11)", {"12"}}},
};

const SimplifiedVatForm::Textos kTextos = {
    4,
    &kLiquidacion,
    &kResultado,
    "C311",
    "C602",
    "C701",
    "C402",
    "Si la casilla 12 resulta negativa, consigne el",
    "Declaración negativa",
    "Declaración negativa (5)",
    "Firma (9)",
    "C601",
    false,
};

} // namespace

TFMM310::TFMM310(FormManager& manager)
    : SimplifiedVatForm(manager, manager.modules().CreaModuloDatos<TDMM310>(), kTextos) {
    setObjectName(QStringLiteral("FMM310"));
    setWindowTitle(QStringLiteral("IVA régimen simplificado - MODELO 310"));
    connect(DBComboBoxVC3, &QComboBox::activated, modo, &ModoComplementario::siguePorJustificante);
}
