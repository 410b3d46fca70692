#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class TDMMain;

// "Importa Memorias": the memoria models of the sample memoria's database or of the previous
// edition's copied into this one, once.
class TdlgImportaMemoria : public QDialog {
    Q_OBJECT
public:
    TdlgImportaMemoria(TDMMain& main, QWidget* parent = nullptr);

    QLineEdit* EOrigen;
    QPushButton* btnIniciar;

    void IniciarProceso();

private:
    void examinar();

    TDMMain& main_;
};
