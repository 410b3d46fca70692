#pragma once

#include "returns/periodic/PeriodicReturnForm.h"

class TDBComboBoxVC;
class TDMM202;

// Model 202 laid out as the official form: the start of the tax period and the activity
// code in the head, the company's answers, the calculation by article 40.2 and by article
// 40.3 (one tax rate or two), then the payment and the additional data.
class TFMM202 : public PeriodicReturnForm {
    Q_OBJECT
public:
    explicit TFMM202(FormManager& manager);

    TDMM202& dm202() const;

    TDBComboBoxVC* CBTipoGravamen;
    QLineEdit* EImporte;

private:
    void cabecera202();
    void paginaDatosAdicionales();
    void paginaArticulo402(QList<QWidget*>& complementarias);
    void paginaArticulo403(QList<QWidget*>& cooperativas);
    void paginaArticulo403Continuacion(QList<QWidget*>& cooperativas,
                                       QList<QWidget*>& complementarias);
    void paginaOtros();
    // Boxes 40 and 42 are for cooperatives, whose rate is the "01" of the list.
    void muestraCooperativas(const QList<QWidget*>& cooperativas);
    void muestraImporte();
};
