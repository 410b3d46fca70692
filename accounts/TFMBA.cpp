#include "accounts/TFMBA.h"

#include "accounts/TDMBalance.h"
#include "framework/DataModules.h"
#include "framework/FormManager.h"

namespace {

const AnnualStatementForm::Page kPaginas[] = {
    {"&Activo BP1", "11000", "10000"},
    {"&Patrimonio Neto y Pasivo BP2.1", "20000", "31700"},
    {"Patrimonio Neto y Pasivo BP2.2", "32000", "30000"},
};

} // namespace

TFMBA::TFMBA(FormManager& manager)
    : AnnualStatementForm(manager, manager.modules().CreaModuloDatos<TDMBalance>(), kPaginas) {
    setObjectName(QStringLiteral("FMBA"));
    setWindowTitle(QStringLiteral("BALANCE ABREVIADO"));
    resize(900, 680);
}
