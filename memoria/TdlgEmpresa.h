#pragma once

#include <QDialog>

class QLineEdit;
class TDMMain;
class TEditFind;

// "Contribuyente": the taxpayer whose books a memoria's formulas are calculated on.
class TdlgEmpresa : public QDialog {
    Q_OBJECT
public:
    explicit TdlgEmpresa(TDMMain& main, QWidget* parent = nullptr);

    int contribuyente() const;

    TEditFind* ENumero;
    QLineEdit* ENombre;
    QLineEdit* EEjercicio;
};
