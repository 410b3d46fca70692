#pragma once

#include "returns/periodic/SimplifiedVatForm.h"

// Model 310 laid out as the official form.
class TFMM310 : public SimplifiedVatForm {
    Q_OBJECT
public:
    explicit TFMM310(FormManager& manager);
};
