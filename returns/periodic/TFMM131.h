#pragma once

#include "returns/periodic/PeriodicReturnForm.h"

// Model 131 laid out as the official form: the five activities with their headings,
// yields and percentages, the agricultural ones, the total, then the payment.
class TFMM131 : public PeriodicReturnForm {
    Q_OBJECT
public:
    explicit TFMM131(FormManager& manager);

private:
    QWidget* actividades();
};
