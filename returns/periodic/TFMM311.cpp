#include "returns/periodic/TFMM311.h"

#include "framework/DataModules.h"
#include "framework/FormManager.h"
#include "framework/TDBEDITFIND.h"
#include "returns/periodic/ModoComplementario.h"
#include "returns/periodic/TDMM311.h"

namespace {

const BoxGroup kLiquidacion = {
    "",
    {},
    {{"Suma de cuotas derivadas régimen simplificado", {"01"}},
     {"Suma de ingresos a cuenta realizados en el ejercicio", {"02"}},
     {"Resultado ( 01 - 02)", {"03"}}},
};

const BoxGroup kResultado = {
    "",
    {},
    {{"Cuotas devengadas: Adquisiciones intracomunitarias de bienes", {"04"}},
     {"Entregas de activos fijos", {"05"}},
     {"I.V.A. Devengado por inversión del sujeto pasivo", {"06"}},
     {"Total cuota resultante ( 03 + 04 + 05 + 06 )", {"07"}},
     {"I.V.A. Deducible: Adquisición o importación activos fijos", {"08"}},
     {"Regularización bienes de inversión", {"09"}},
     {"Total I.V.A. deducible  ( 08 + 09 )", {"10"}},
     {"Diferencia ( 07 - 10)", {"11"}},
     {"Cuotas a compensar de períodos anteriores", {"12"}},
     {"Resultado ( 11 - 12)", {"13"}},
     {"Entregas intracomunitarias", {"14"}},
     {"A deducir (exclusivamente en caso de declaración complementaria)", {"15"}},
     {"Resultado de la liquidación", {"16"}}},
};

// The fourth rows are not shown: the file has three.
const SimplifiedVatForm::Textos kTextos = {
    3,
    &kLiquidacion,
    &kResultado,
    "C315",
    "C802",
    "C702",
    "C701",
    "Si la casilla 16 resulta negativa, consigne el",
    "Sin actividad",
    "Sin actividad  (5)",
    "Sujeto pasivo (9)",
    "C6",
    true,
};

} // namespace

TFMM311::TFMM311(FormManager& manager)
    : SimplifiedVatForm(manager, manager.modules().CreaModuloDatos<TDMM311>(), kTextos) {
    setObjectName(QStringLiteral("FMM311"));
    setWindowTitle(QStringLiteral("IVA régimen simplificado - Liquidación Final - MODELO 311"));
    NavMain->EditaControl = EContribuyente;
    // A stored complementary return turns the mode on when its taxpayer is chosen.
    connect(EContribuyente, &QLineEdit::editingFinished, modo,
            &ModoComplementario::siguePorJustificante);
}
