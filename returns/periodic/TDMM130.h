#pragma once

#include "returns/periodic/PeriodicReturn.h"

// Model 130: the quarterly income-tax instalment for activities under direct
// estimation, captured from the books' figures since 1 January.
class TDMM130 : public PeriodicReturn {
public:
    static const Model kModelo;

    explicit TDMM130(TDMMain& main);

protected:
    void QMaestroNewRecord() override;
    void AsignaCasillas() override;
};
