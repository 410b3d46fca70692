#pragma once

#include "returns/periodic/PeriodicReturnForm.h"

// Model 115 laid out as the official form: the complementary box in the head, the five
// boxes of withholdings on rents, then the payment.
class TFMM115 : public PeriodicReturnForm {
    Q_OBJECT
public:
    explicit TFMM115(FormManager& manager);
};
