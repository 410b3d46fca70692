#pragma once

#include "framework/TFModelos.h"

class QToolButton;
class TDMIDP;

// "DATOS GENERALES DE IDENTIFICACION - DEPOSITO C.A. PYMES 2017": the identification sheet
// of a taxpayer's accounts, from which its balance sheet, profit and loss account and
// deposit request open.
class TFMIDP : public TFModelos {
    Q_OBJECT
public:
    explicit TFMIDP(FormManager& manager);

    TDMIDP& dm() const;

    QToolButton* btnBalance;
    QToolButton* btnPyG;
    QToolButton* btnPresenta;

private:
    QToolButton* boton(const QString& name, const QString& text, const QString& hint);
    QWidget* identificacion();
    QWidget* personal();
    // Opens one of the taxpayer's forms over this one and waits until it is closed.
    template <class Form> void abre();

    FormManager& manager_;
};
