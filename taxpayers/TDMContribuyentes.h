#pragma once

#include "framework/TDMBase.h"

// The taxpayer register: a new taxpayer gets the next free number on post unless one
// was typed, a typed number must be free, and a stored number never changes.
class TDMContribuyentes : public TDMBase {
public:
    explicit TDMContribuyentes(TDMMain& main);

    // The IBAN of the taxpayer's domestic account.
    void CalculaIBAN();

private:
    void QMaestroNewRecord();
    void QMaestroBeforePost();
};
