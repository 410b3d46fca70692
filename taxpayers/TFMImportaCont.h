#pragma once

#include "taxpayers/ImportaContribuyentes.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class TDMMain;

// The import of the previous edition's taxpayers, for one modal use.
class TFMImportaCont : public QDialog {
    Q_OBJECT
public:
    explicit TFMImportaCont(TDMMain& dm, QWidget* parent = nullptr);

    // A running import keeps the dialog open: it owns the connection being read.
    void reject() override;

private:
    void sbUbicaClick();
    void btProcesoClick();

    TDMMain& dm_;
    ImportaContribuyentes importa_;
    QLineEdit* EdTribra = nullptr;
    QPushButton* btProceso = nullptr;
    QPushButton* BitBtn1 = nullptr;
    bool running_ = false;
};
