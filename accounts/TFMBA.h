#pragma once

#include "accounts/AnnualStatementForm.h"

// The balance sheet of the small and medium company model: assets, then equity and
// liabilities over two pages.
class TFMBA : public AnnualStatementForm {
    Q_OBJECT
public:
    explicit TFMBA(FormManager& manager);
};
