#pragma once

#include "returns/informative/InformativeReturnForm.h"

class TDBComboBoxVC;
class TDBGridOrder;
class TDMM349;

// "Resumen operaciones con la Unión Europea. Modelo 349": the taxpayer's return of a period
// and, below it, its operations or its corrections of earlier periods.
class TFMM349 : public InformativeReturnForm {
    Q_OBJECT
public:
    explicit TFMM349(FormManager& manager);

    TDMM349& dm() const;

    TDBComboBoxVC* DBPeriodo;
    QToolButton* btOperaciones;
    QToolButton* btRectificaciones;
    TDBGridOrder* DBGOperaciones;
    TDBGridOrder* DBGRectificaciones;

private:
    QWidget* operaciones();
    QWidget* rectificaciones();
};
