#pragma once

#include "returns/periodic/PeriodicReturn.h"

// Model 131: the quarterly income-tax instalment under objective estimation, five
// activities and their percentages, entered by hand.
class TDMM131 : public PeriodicReturn {
public:
    static const Model kModelo;

    explicit TDMM131(TDMMain& main);

protected:
    void QMaestroNewRecord() override;
};
