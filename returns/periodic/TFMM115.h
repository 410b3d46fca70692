#pragma once

#include "returns/periodic/PeriodicReturnForm.h"

class DBCheckBox;
class DBEdit;

// Model 115 laid out as the official form: the complementary box in the head, the five
// boxes of withholdings on rents, then the payment.
class TFMM115 : public PeriodicReturnForm {
    Q_OBJECT
public:
    explicit TFMM115(FormManager& manager);

    DBCheckBox* CBComplementaria;
    DBEdit* EJustificante;
    DBEdit* ECasilla04;

private:
    void paginaLiquidacion();
    // The receipt number and box 04 open only for a complementary declaration.
    void muestraComplementaria();
};
