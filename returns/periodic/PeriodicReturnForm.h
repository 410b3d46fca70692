#pragma once

#include "framework/TDBNavigatorVC.h"
#include "framework/TFModelos.h"

#include <QStyle>

class DBCheckBox;
class PeriodicReturn;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QToolButton;
class QVBoxLayout;
class TDBComboBoxVC;
class TDBEDITFIND;

// The form of a periodic return: on the tool bar, behind the navigator, the button that
// writes the telematic file and the one that shows the last file written field by field;
// in the head, the taxpayer with its name and the period from the model's list;
// below, the model's pages, of which the first shows whenever a record is added or
// edited.
class PeriodicReturnForm : public TFModelos {
    Q_OBJECT
public:
    PeriodicReturnForm(FormManager& manager, PeriodicReturn& module);

    PeriodicReturn& dm() const;

    QToolButton* btImprime = nullptr; // the models of print files
    QToolButton* btTelematica;
    QToolButton* btVerFichero;
    QToolButton* sbCapturaConta = nullptr;
    TDBEDITFIND* EContribuyente;
    QLineEdit* ETitulo;
    TDBComboBoxVC* DBComboBoxVC3 = nullptr; // the period, where the model has one
    QTabWidget* PCModelo;

protected:
    // The head's row, for what a model adds beside the period.
    QHBoxLayout* cabecera() const { return cabecera_; }
    // Under the head, above the pages.
    QVBoxLayout* ficha() const { return ficha_; }
    // The button that captures from the accounting database, at the right of a row
    // added to `layout`; it becomes sbCapturaConta.
    void filaCaptura(QVBoxLayout* layout);
    // The page "&Otros datos de la declaración": the payment group (its title, the field of
    // the amount, the box it copies), the account, and the kinds of declaration. Returns the
    // page's layout, for what a model adds below.
    QVBoxLayout* paginaOtrosDatos(const QString& grupo, const QString& importe, const QString& casilla,
                          const QStringList& tipos, const QStringList& valores);
    // The taxpayer's tax office, read-only.
    QGroupBox* grupoAgencia();
    // In the head, the check box "Autoliquidación complementaria " on `marca` ("1" or "0")
    // and the receipt number of the earlier declaration on `justificante`; ticked, it opens
    // the receipt and `abre` (the box of earlier results), unticked it closes them.
    DBCheckBox* cabeceraComplementaria(const QString& marca, const QString& justificante,
                                       QList<QWidget*> abre);
    QWidget* pagina(const QString& title);

private:
    QToolButton* botonBarra(const QString& name, const QString& text, QStyle::StandardPixmap icon,
                            const QString& hint);
    void NavMainBeforeAction(TDBNavigatorVC::Button button);
    void verFichero();
    void imprime();

    QHBoxLayout* cabecera_;
    QVBoxLayout* ficha_;
};
