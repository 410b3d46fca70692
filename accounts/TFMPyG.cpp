#include "accounts/TFMPyG.h"

#include "accounts/TDMPyG.h"
#include "framework/DataModules.h"
#include "framework/FormManager.h"

namespace {

const AnnualStatementForm::Page kPaginas[] = {{"&Ficha", "40100", "49500"}};

} // namespace

TFMPyG::TFMPyG(FormManager& manager)
    : AnnualStatementForm(manager, manager.modules().CreaModuloDatos<TDMPyG>(), kPaginas) {
    setObjectName(QStringLiteral("FMPyG"));
    setWindowTitle(QStringLiteral("Pérdidas y Ganancias Pymes"));
    resize(900, 680);
}
