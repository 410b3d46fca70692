#pragma once

#include "accounts/AnnualStatement.h"

// The abbreviated profit and loss account of the small and medium company model, 2017
// against 2016.
class TDMPyG : public AnnualStatement {
public:
    static const accounts::Statement kPyG;

    explicit TDMPyG(TDMMain& main);

protected:
    bool capturaCreaFila() const override { return true; }
};
