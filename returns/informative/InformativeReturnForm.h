#pragma once

#include "framework/TFModelos.h"

#include <QList>
#include <QStringList>

class QGridLayout;
class QHBoxLayout;
class QStackedWidget;
class QToolButton;
class InformativeReturn;
class TDBEDITFIND;
class TDBNavigatorVC;
namespace db {
class DataSet;
}

// The form of an informative return: on the tool bar the file and its viewer; the return's
// card (the taxpayer, the contact person, date, kind, earlier number, medium, signatory,
// position and tax office); below it, outside the card so that they are worked on while the
// return rests, its lists, one at a time, chosen with their buttons, under one navigator and
// beside the capture.
class InformativeReturnForm : public TFModelos {
    Q_OBJECT
public:
    // `hint`: what the file button says it does; `presentaciones`: the media the model
    // offers, stored as "0", "1"...
    InformativeReturnForm(FormManager& manager, InformativeReturn& module, const QString& hint,
                          const QStringList& presentaciones);

    InformativeReturn& dm() const;

    TDBEDITFIND* EDeclarante;
    QToolButton* btImprime;
    QToolButton* btVerFichero;
    QToolButton* btConta;
    TDBNavigatorVC* NavDetalle;
    QStackedWidget* PDetalle;

protected:
    // The card's grid: its first row holds the taxpayer in columns 0 to 2, the rest of the
    // row is the model's.
    QGridLayout* cabecera() const { return cabecera_; }
    // A list under its button: its pages (card and "Tabla"); `reabre` reads it again each
    // time it is shown. The first list added is shown first.
    QToolButton* lista(const QString& titulo, db::DataSet& filas, QWidget* paginas, bool reabre);
    // A list's card that scrolls rather than push the window past a laptop's screen.
    static QWidget* desplazable(QWidget* ficha);

private:
    QGridLayout* creaCabecera(const QStringList& presentaciones);
    QWidget* creaDetalle();
    void muestraLista(int indice);
    void verFichero();

    struct Lista {
        db::DataSet* filas;
        bool reabre;
    };
    QList<Lista> listas_;
    QGridLayout* cabecera_;
    QHBoxLayout* botones_;
};
