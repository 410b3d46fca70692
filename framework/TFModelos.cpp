#include "framework/TFModelos.h"

#include "framework/TDBNavigatorVC.h"

TFModelos::TFModelos(FormManager& manager, TDMBase& module, QWidget* parent)
    : MaintenanceForm(manager, module, parent) {
    NavMain->setVisibleButtons(TDBNavigatorVC::returnButtons());
    PEMain->setEnabled(false);
}
