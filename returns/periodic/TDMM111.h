#pragma once

#include "returns/periodic/PeriodicReturn.h"

// Model 111: withholdings and payments on account on earned income, economic
// activities, prizes, forest gains and image rights, quarterly.
class TDMM111 : public PeriodicReturn {
public:
    static const Model kModelo;

    explicit TDMM111(TDMMain& main);

protected:
    void QMaestroNewRecord() override;
    void DatosContribuyente() override;
    void AsignaCasillas() override;
    QString Regla(const QString& nombre) override;
};
