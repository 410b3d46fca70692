#pragma once

#include <QDialog>

class QLineEdit;
class TDMMain;
class TEditFind;

// "Copia de Memorias": a memoria model copied under a new number and name.
class TdlgCopiaMemoria : public QDialog {
    Q_OBJECT
public:
    TdlgCopiaMemoria(TDMMain& main, QWidget* parent = nullptr);

    TEditFind* EOrigen;
    TEditFind* EDestino;
    QLineEdit* ENombre;

    // "Proceso finalizado con éxito" when the copy was made.
    void CopiarMemorias();

private:
    TDMMain& main_;
};
