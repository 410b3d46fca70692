#pragma once

#include "returns/periodic/PeriodicReturn.h"

// Model 115: withholdings and payments on account on rents of urban property, quarterly
// or monthly.
class TDMM115 : public PeriodicReturn {
public:
    static const Model kModelo;

    explicit TDMM115(TDMMain& main);

protected:
    void QMaestroNewRecord() override;
    void AsignaCasillas() override;
};
