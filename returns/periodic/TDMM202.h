#pragma once

#include "returns/periodic/PeriodicReturn.h"

// Model 202: the corporate-tax instalment, three a year, by article 40.2 or by
// article 40.3 with one tax rate or two.
class TDMM202 : public PeriodicReturn {
public:
    static const Model kModelo;

    explicit TDMM202(TDMMain& main);
    // "Importe": the larger of box 34 and box 03; shown, not stored.
    double Importe() const;

protected:
    void QMaestroNewRecord() override;
    QString Regla(const QString& nombre) override;
};
