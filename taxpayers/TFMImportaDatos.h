#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;
class TDMMain;

// Loads the reference tables from the text files of one folder, in the main data
// module's transaction. Modal; closes after an import that ran to its end or was
// cancelled, and stays (disabled) after a failed one.
class TFMImportaDatos : public QDialog {
    Q_OBJECT
public:
    explicit TFMImportaDatos(TDMMain& dm, QWidget* parent = nullptr);

    QLineEdit* EdUbicacion;
    QToolButton* sbUbica;
    QLineEdit* EdDelegaciones;
    QLineEdit* EdEpigrafes;
    QLineEdit* EdSiglas;
    QLineEdit* EdPaises;
    QLineEdit* edCNAE;
    QLineEdit* EdContador;
    QLineEdit* EdFic;
    QPushButton* BtImportar;
    QPushButton* BtCancelar;

protected:
    // Closing while an import runs would leave it running behind a closed window.
    void reject() override;

private:
    void sbUbicaClick();
    void BtImportarClick();
    void BtCancelarClick();
    void importa();
    bool muestraAvance(const QString& path, int remaining);

    TDMMain& dm_;
    QWidget* panel_;
    bool importing_ = false;
    bool cancelRequested_ = false;
};
