#pragma once

#include "returns/periodic/PeriodicReturn.h"

// Model 123: withholdings and payments on account on income from movable capital,
// quarterly or monthly, every box entered by hand.
class TDMM123 : public PeriodicReturn {
public:
    static const Model kModelo;

    explicit TDMM123(TDMMain& main);

protected:
    void QMaestroNewRecord() override;
};
