#pragma once

#include "returns/periodic/PeriodicReturnForm.h"

// Model 130 laid out as the official form: the activities in direct estimation, the
// agricultural ones, the total, then the payment.
class TFMM130 : public PeriodicReturnForm {
    Q_OBJECT
public:
    explicit TFMM130(FormManager& manager);
};
