#pragma once

#include "returns/periodic/PeriodicReturnForm.h"

#include "returns/periodic/ModoComplementario.h"

#include <QToolButton>

class DBEdit;
class QLabel;
class TDMM111;

// Model 111 laid out as the official form: the four kinds of income with their money
// and in-kind rows, image rights and the total, then the payment.
class TFMM111 : public PeriodicReturnForm {
    Q_OBJECT
public:
    explicit TFMM111(FormManager& manager);

    TDMM111& dm111() const;
    // The complementary mode shows the earlier receipt number and opens box 29.
    bool complementaria() const { return modo_->activo(); }

    ModoComplementario* modo_;
    QToolButton* btcomplementaria;
    QLabel* LComplementaria;
    QLabel* LJustificante;
    DBEdit* EJustificante;
    DBEdit* ECasilla29;

private:
    void paginaLiquidacion();
    void paginaBis();
};
