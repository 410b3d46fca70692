#pragma once

#include <QDialog>

class QLineEdit;
class TDMMain;
class TEditFind;

// "Traspaso cuentas al programa D2": which taxpayer's accounts go to the deposit program;
// D2's working directory is asked for once and kept in the settings.
class TdlgDeposito : public QDialog {
    Q_OBJECT
public:
    explicit TdlgDeposito(TDMMain& main, QWidget* parent = nullptr);

    // The taxpayer typed or chosen; 0 when the text is not a number.
    int empresa() const;

    TEditFind* EEmpresa;
    QLineEdit* ENombre;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // D2's working directory, chosen when the settings have none.
    void pideDirectorio();

    TDMMain& main_;
};
