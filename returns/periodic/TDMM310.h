#pragma once

#include "returns/periodic/SimplifiedVatReturn.h"

// Model 310: the quarterly VAT payment on account of the simplified regime.
class TDMM310 : public SimplifiedVatReturn {
public:
    static const Model kModelo;

    explicit TDMM310(TDMMain& main);

protected:
    void CompruebaDeclaracion() override;

private:
    void CasillaC();
};
