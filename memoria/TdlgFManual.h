#pragma once

#include <QDialog>

class QLineEdit;
class TDMMemorias;

// "Formula manual": the amount of a formula without syntax, typed each time its chapter is
// calculated.
class TdlgFManual : public QDialog {
    Q_OBJECT
public:
    TdlgFManual(TDMMemorias& dm, double guardado, QWidget* parent = nullptr);

    // The amount typed, the decimal comma read.
    double importe() const;

    QLineEdit* EImporte;
};
