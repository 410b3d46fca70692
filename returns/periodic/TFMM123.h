#pragma once

#include "returns/periodic/PeriodicReturnForm.h"

// Model 123 laid out as the official form: every box typed, the complementary box in the
// head, then the payment.
class TFMM123 : public PeriodicReturnForm {
    Q_OBJECT
public:
    explicit TFMM123(FormManager& manager);
};
