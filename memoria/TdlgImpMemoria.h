#pragma once

#include <QDialog>

class DataModules;
class QCheckBox;
class QLabel;
class QLineEdit;
class TDMMemorias;
class TEditFind;

// "Obtener memoria": a taxpayer's notes composed from a memoria model, recalculated for
// that taxpayer and shown in the chapter editor to be printed or saved.
class TdlgImpMemoria : public QDialog {
    Q_OBJECT
public:
    TdlgImpMemoria(DataModules& modules, QWidget* parent = nullptr);
    ~TdlgImpMemoria() override;

    TEditFind* EMemoria;
    TEditFind* EContribuyente;
    QCheckBox* CBCabecera;
    QLabel* PEspera;

    // The composition of the memoria and taxpayer typed; the composed notes in the editor.
    void ObtenerMemoria();

private:
    DataModules& modules_;
    TDMMemorias& dm_;
};
