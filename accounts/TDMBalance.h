#pragma once

#include "accounts/AnnualStatement.h"

// The abbreviated balance sheet of the small and medium company model, 2017 against 2016.
class TDMBalance : public AnnualStatement {
public:
    static const accounts::Statement kBalance;

    explicit TDMBalance(TDMMain& main);
};
