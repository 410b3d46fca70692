#pragma once

#include "accounts/AnnualStatementForm.h"

// The profit and loss account of the small and medium company model, on one page.
class TFMPyG : public AnnualStatementForm {
    Q_OBJECT
public:
    explicit TFMPyG(FormManager& manager);
};
