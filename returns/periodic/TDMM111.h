#pragma once

#include "returns/periodic/PeriodicReturn.h"

// Model 111: withholdings and payments on account on earned income, economic
// activities, prizes, forest gains and image rights, quarterly.
class TDMM111 : public PeriodicReturn {
public:
    explicit TDMM111(TDMMain& main);

    // Box 28: the sum of the withholdings and payments on account.
    void Liquido();
    // Box 30 := 28 - 29, and the payment follows it.
    void Resultado();
    QString ComponePagina1();

protected:
    void QMaestroNewRecord() override;
    void DatosContribuyente() override;
    void AsignaCasillas() override;
    std::vector<Pagina> ComponePaginas() override;

private:
    void xDatosContaBeforeOpen();
};
