#pragma once

#include "returns/periodic/SimplifiedVatForm.h"

// Model 311 laid out as the official form.
class TFMM311 : public SimplifiedVatForm {
    Q_OBJECT
public:
    explicit TFMM311(FormManager& manager);
};
