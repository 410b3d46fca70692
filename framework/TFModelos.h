#pragma once

#include "framework/MaintenanceForm.h"

// The form of a return: the record card alone, enabled while a record is edited, and
// the navigator's six editing buttons.
class TFModelos : public MaintenanceForm {
    Q_OBJECT
public:
    TFModelos(FormManager& manager, TDMBase& module, QWidget* parent = nullptr);
};
