#pragma once

#include "framework/TDMBase.h"

// The identification sheet of a taxpayer's annual accounts: chosen by taxpayer, its company
// data refreshed from the register every time the taxpayer is chosen.
class TDMIDP : public TDMBase {
public:
    explicit TDMIDP(TDMMain& main);

    // The identification of that taxpayer, opened in edit or started.
    void FijaEmpresa(int empresa);
    // True when the row of the remembered taxpayer exists; it is put in edit, or a new one
    // is started.
    bool BuscaRegistro();
    void CopiaDatosContribuyente();
    int empresa() const { return empresa_; }

    db::DataSet qProvincias;
    db::DataSet qContribuyente;

private:
    void QMaestroEMPRESAChange();
    void QMaestroNIFChange();

    int empresa_ = 0;
};
