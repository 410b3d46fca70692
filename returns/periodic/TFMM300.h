#pragma once

#include "returns/periodic/PeriodicReturnForm.h"

class DBCheckBox;
class TDBNavigatorVC;
class TDMM300;

// Model 303 laid out as the official form: the identification answers with the insolvency
// panel above the pages of accrued VAT, deductions and result, the payment, and the fourth
// quarter's information with its own navigator.
class TFMM300 : public PeriodicReturnForm {
    Q_OBJECT
public:
    explicit TFMM300(FormManager& manager);

    TDMM300& dm300() const;

    DBCheckBox* CBConcurso;
    QWidget* PConcurso;
    DBCheckBox* CBComplementaria;
    QLineEdit* EJustificante;
    QLineEdit* DBResultadoAnterior; // box 70
    DBCheckBox* CBSinActividad;
    TDBNavigatorVC* NavDetalle;

private:
    void grupoIdentificacion();
    void paginaDevengado();
    void paginaDeducciones();
    void paginaResultado();
    void paginaOtros();
    void paginaCuartoTrimestre();
    QWidget* actividades();
    void muestraConcurso();
    void muestraComplementaria();
    // Only a company with nothing to declare can say it had no activity.
    void muestraSinActividad();
};
