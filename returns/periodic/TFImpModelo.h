#pragma once

#include "returns/periodic/PeriodicReturn.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;

// "Condiciones del listado": what is about to be printed, and whether an additional copy
// for the taxpayer is wanted. One print, one dialog.
class TFImpModelo : public QDialog {
    Q_OBJECT
public:
    TFImpModelo(const PeriodicReturn::CondicionesListado& condiciones, QWidget* parent = nullptr);

    QLabel* lModelo;
    QLineEdit* EPagador;
    QLineEdit* EPeriodo;
    QLineEdit* EEjercicio;
    QCheckBox* CBCopia;
};
