#pragma once

#include "framework/TDMBase.h"

#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

// What every periodic return does the same way: one record of boxes per taxpayer and
// period, chosen by its key; the taxpayer's defaults; the capture from the taxpayer's
// accounting database; the telematic file written as the print file and copied into
// the agency's directory under the taxpayer's name and period. A model adds its boxes,
// its rules and its pages.
class PeriodicReturn : public TDMBase {
public:
    static constexpr int kEjercicio = 2018;

    struct Model {
        QString modelo;        // "111"
        QString tabla;         // "T_MOD111"
        QStringList campos;    // every column of the table
        QStringList periodos;  // the codes of a chosen period
        QString version;       // of the program, in the AUX block
        QString sufijoPeriodo; // after the period in the tags and the copy's name
        QString errorFichero;  // when the print file cannot be made
    };
    struct Pagina {
        int numero;
        int longitud;
        QString texto;
    };

    PeriodicReturn(TDMMain& main, Model model);

    const Model& model() const { return model_; }

    // The record of the taxpayer and period on screen: the stored one, put in edit, or a
    // new one with that key. An unsaved record on screen is discarded.
    void QMaestroPERIODOChange();
    // Opens the master on the remembered key; true when the row exists.
    bool BuscaDeclaracion();
    void QMaestroCONTRIBUYENTEChange();
    // Opens the accounting database of the record's taxpayer, lets the model put the
    // capture's rows into its boxes, and closes it again on every way out. False when
    // the taxpayer has no accounting database or it did not open (the user was told).
    bool CapturaContabilidad();
    // Writes the file and tells the user how it went; true when the print file was written.
    bool GeneraFichero();
    bool GrabaDeclaracion();
    // Every page is checked against its length before anything is written.
    QString ComponeFichero();
    // The command line's way of filing: the record of the key selected (or created),
    // captured when asked, posted, and its file written. A capture asked for and not
    // made is an error: nothing is posted and no file written.
    bool GeneraFicheroDe(int contribuyente, const QString& periodo, bool captura);

    // "mod111.txt", in the working directory.
    QString ficheroImpresion() const;
    // "c:\aeat\111_2018", as a path of this machine.
    QString directorioDestino() const;
    // The name of the copy: trimmed surname, "_", the period and its suffix, "." and the model.
    QString nombreCopia();

    db::DataSet xContribuyente;

protected:
    // The model's defaults of a new record; the key's change handlers stay quiet meanwhile.
    virtual void QMaestroNewRecord() = 0;
    virtual void DatosContribuyente() = 0;
    virtual void AsignaCasillas() = 0;
    virtual std::vector<Pagina> ComponePaginas() = 0;

    db::Field& campo(const QString& name) { return QMaestro.field(name); }
    // Runs `sql` (with :contribuyente) on the record's taxpayer; `copia` reads the row.
    // False when the taxpayer is not in the register.
    bool leeContribuyente(const QString& sql, const std::function<void(db::Statement&)>& copia);

private:
    void QMaestroBeforePost();

    Model model_;
    std::optional<int> contribuyente_;
    QString periodo_;
    QString copia_; // the last file copied into the agency's directory
};
