#pragma once

#include "returns/periodic/SimplifiedVatReturn.h"

// Model 311: the simplified VAT regime's final liquidation of the year, one per taxpayer.
class TDMM311 : public SimplifiedVatReturn {
public:
    static const Model kModelo;

    explicit TDMM311(TDMMain& main);

protected:
    void QMaestroNewRecord() override;
    QString periodoListado() override;

private:
    void Casilla4C();
    void QMaestroC401Change();
    void QMaestroC6DChange();
};
