#pragma once

#include "framework/TDMBase.h"

// The request to deposit a taxpayer's accounts: the registry data and the presenter, the
// taxpayer's contact person and telephone taken from the register each time it opens.
class TDMSolicitud : public TDMBase {
public:
    explicit TDMSolicitud(TDMMain& main);

    void FijaEmpresa(int empresa);
    int empresa() const { return empresa_; }
    // True when the taxpayer's request exists; it is put in edit, or a new one started.
    bool BuscaRegistro();

    db::DataSet qProvincias;
    db::DataSet qContribuyente;

private:
    int empresa_ = 0;
};
