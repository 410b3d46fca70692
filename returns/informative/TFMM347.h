#pragma once

#include "framework/TFModelos.h"

class QStackedWidget;
class QToolButton;
class TDBEDITFIND;
class TDBGridOrder;
class TDBNavigatorVC;
class TDMM347;

// "Declaración anual de operaciones - MODELO 347": the taxpayer's return and, below it, its
// declared parties or its rented premises, one list at a time.
class TFMM347 : public TFModelos {
    Q_OBJECT
public:
    explicit TFMM347(FormManager& manager);

    TDMM347& dm() const;

    TDBEDITFIND* EDeclarante;
    QToolButton* btImprime;
    QToolButton* btVerFichero;
    QToolButton* btConta;
    QToolButton* btDeclarados;
    QToolButton* btInmuebles;
    TDBNavigatorVC* NavDetalle;
    QStackedWidget* PDetalle;
    TDBGridOrder* DBGDeclarados;
    TDBGridOrder* DBGInmuebles;

private:
    QWidget* cabecera();
    QWidget* declarados();
    QWidget* inmuebles();
    QWidget* detalle();
    void muestraLista(int lista);
    void verFichero();
};
