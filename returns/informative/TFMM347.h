#pragma once

#include "returns/informative/InformativeReturnForm.h"

class DBEdit;
class TDBGridOrder;
class TDMM347;

// "Declaración anual de operaciones - MODELO 347": the taxpayer's return and, below it, its
// declared parties or its rented premises, one list at a time.
class TFMM347 : public InformativeReturnForm {
    Q_OBJECT
public:
    explicit TFMM347(FormManager& manager);

    TDMM347& dm() const;

    QToolButton* btDeclarados;
    QToolButton* btInmuebles;
    TDBGridOrder* DBGDeclarados;
    TDBGridOrder* DBGInmuebles;
    TDBEDITFIND* EPais;
    DBEdit* EImporte;
    DBEdit* EImporteCC;
    DBEdit* ECatastro;

private:
    QWidget* declarados();
    void ajustaCampos();
    QWidget* inmuebles();
};
