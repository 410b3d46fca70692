#pragma once

#include "framework/MaintenanceForm.h"

class QLineEdit;
class QToolButton;
class TDBGridOrder;

// The form of a register: the record card, the ordered list on the "&Tabla" sheet and
// the search box, which filters the list by the number or by the name typed.
class TFMBase : public MaintenanceForm {
    Q_OBJECT
public:
    // The search looks numbers up in campoNumerico and texts in campoTexto.
    TFMBase(FormManager& manager, TDMBase& module, const QString& campoNumerico,
            const QString& campoTexto, QWidget* parent = nullptr);

    QToolBar* TTBusca;
    QLineEdit* EBusca;
    QToolButton* sbFiltro;
    QToolButton* sbNoFiltro;
    QWidget* TSTabla;
    TDBGridOrder* DBGMain;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void sbFiltroClick();
    void sbNoFiltroClick();

    QString campoNumerico_;
    QString campoTexto_;
};
