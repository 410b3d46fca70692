#pragma once

#include "framework/TDMBase.h"
#include "returns/ComputedBoxes.h"
#include "returns/LayoutTable.h"
#include "returns/Periods.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

// What every periodic return does the same way: one record of boxes per taxpayer and
// period, chosen by its key; the taxpayer's defaults; the capture from the taxpayer's
// accounting database; the computed boxes; the telematic file written as the print file
// and copied into the agency's directory under the taxpayer's name and period. A model
// states its tables (columns, periods, pages, computed boxes) and adds its rules.
class PeriodicReturn : public TDMBase {
public:
    static constexpr int kEjercicio = 2018;

    // What a model states once, as tables, and everything else reads: the module, its
    // form, the command line, the viewer.
    struct Model {
        QString modelo;                             // "111"
        QString tabla;                              // "T_MOD111"
        QStringList campos;                         // every column of the table
        std::span<const periods::Period> periodos;  // none chosen ("00", "0") first, if any
        QString version;                            // of the program, in the AUX block
        QString sufijoPeriodo;                      // after the period in the tags and the copy's name
        QString errorFichero;                       // when the print file cannot be made
        std::span<const layout::Table> paginas;     // in the file's order
        std::span<const ComputedBox> calculadas;
        std::unique_ptr<PeriodicReturn> (*crea)(TDMMain&);
        // What a text field counts as in the computed boxes, for the models that need it.
        ComputedBoxes::TextValue valorTexto = nullptr;
        // A telematic file (tags, AUX block, pages) copied into the agency's folder, or a
        // print file of one record that the agency's printing tool reads.
        enum class Presentacion { Telematica, Impresion };
        Presentacion presentacion = Presentacion::Telematica;

        // A return of the year has no period: one record per taxpayer.
        bool conPeriodo() const { return !periodos.empty(); }

        // A period the return can be filed for: any listed but the one of none chosen.
        bool periodoValido(const QString& periodo) const;
        // Where a box of the file is: its page's row; null for a number no page has.
        const layout::Row* casilla(const QString& numero) const;
    };

    PeriodicReturn(TDMMain& main, const Model& model);

    // What the print dialog shows and asks ("Condiciones del listado"): an answer of
    // nothing is Cancel, else whether an additional copy for the taxpayer is wanted.
    struct CondicionesListado {
        QString modelo;
        QString contribuyente;
        QString periodo;
    };
    using PideCondiciones = std::function<std::optional<bool>(const CondicionesListado&)>;

    const Model& model() const { return model_; }
    bool impresion() const { return model_.presentacion == Model::Presentacion::Impresion; }
    // Whether the model's boxes come from the accounting database.
    bool captura() const { return !xDatosConta.selectSql().isEmpty(); }
    const ComputedBoxes& calculadas() const { return calculadas_; }

    // The record of the taxpayer and period on screen: the stored one, put in edit, or a
    // new one with that key. An unsaved record on screen is discarded.
    void QMaestroPERIODOChange();
    // Opens the master on the remembered key; true when the row exists.
    bool BuscaDeclaracion();
    void QMaestroCONTRIBUYENTEChange();
    // Opens the accounting database of the record's taxpayer, lets the model put the
    // capture's rows into its boxes, and closes it again on every way out. False when
    // the taxpayer has no accounting database or it did not open (the user was told).
    // A model entered by hand (no capture statement) refuses it.
    bool CapturaContabilidad();
    // Writes the file and tells the user how it went; true when the print file was written.
    // A print file is then offered for a copy (CopiaFichero) instead.
    bool GeneraFichero();
    // The print file handed to the agency's printing tool, which leaves a PDF or a list of
    // errors beside it; only for a record not being edited. True when the tool ran.
    bool ImprimeDeclaracion(const PideCondiciones& condiciones);
    bool GrabaDeclaracion();
    // Every page is checked against its length before anything is written.
    QString ComponeFichero();
    // A page of the record on screen, filled from its layout table.
    QString ComponePagina(const layout::Table& pagina);
    // The command line's way of filing: the record of the key selected (or created),
    // captured when asked, posted, and its file written. A capture asked for and not
    // made is an error: nothing is posted and no file written.
    bool GeneraFicheroDe(int contribuyente, const QString& periodo, bool captura);
    // Runs between the steps of GeneraFicheroDe (record chosen, captured, posted); a run from
    // the command line stops there when it is told to end.
    void setEntrePasos(std::function<void()> entrePasos) { entrePasos_ = std::move(entrePasos); }
    framework::RecordName nombreRegistro() const override {
        return {QStringLiteral("esta declaración"), QStringLiteral("abrirla")};
    }

    // "mod111.txt", in the working directory.
    QString ficheroImpresion() const;
    QString rutaImpresion() const;
    // "c:\aeat\111_2018", as a path of this machine.
    QString directorioDestino() const;
    // The name of the copy: trimmed surname, "_", the period and its suffix, "." and the model,
    // made safe as a file name: a surname may hold a slash ("PEREZ S/A") or dots.
    QString nombreCopia();

    db::DataSet xContribuyente;

protected:
    // The model's defaults of a new record; the key's change handlers stay quiet meanwhile.
    virtual void QMaestroNewRecord() = 0;
    // What must hold before the file is written; a model raises an error otherwise.
    virtual void CompruebaDeclaracion() {}
    // The period as the print dialog shows it.
    virtual QString periodoListado();
    // Most models take only the taxpayer's account.
    virtual void DatosContribuyente();
    // What a model that captures puts into its boxes from the rows of xDatosConta.
    virtual void AsignaCasillas() {}
    // What the rule of that name of the model's pages writes; "iban" is every model's:
    // the account, or 34 blanks for a negative declaration.
    virtual QString Regla(const QString& nombre);

    db::Field& campo(const QString& name) { return QMaestro.field(name); }
    // The capture reads `procedimiento` (empresa, ejercicio, fecha_ini, fecha_fin) for the
    // first and last day of the record's period; without a period it is refused.
    void capturaPorFechas(const QString& procedimiento);
    // The file's rows also read the fields of `detail` (after the return's and the taxpayer's).
    void leeTambien(db::DataSet& detail) { registros_.push_back(&detail); }
    // A table filled from the record, for a rule that writes a block of its own; a row that
    // does not fit is a LayoutError, which the page reports as its own.
    QString escribe(const layout::Table& tabla);
    // Runs `sql` (with :contribuyente) on the record's taxpayer; `copia` reads the row.
    // False when the taxpayer is not in the register.
    bool leeContribuyente(const QString& sql, const std::function<void(db::Statement&)>& copia);

private:
    void QMaestroBeforePost();
    void xDatosContaBeforeOpen();
    // Between two steps: an edit not posted yet is cancelled when the run stops there.
    void entrePasos();
    // A field of the record, else of the taxpayer's identification: what a page row reads.
    db::Value valorFichero(const QString& nombre);

    const Model& model_;
    ComputedBoxes calculadas_;
    std::optional<int> contribuyente_;
    QString periodo_;
    QString copia_; // the last file copied into the agency's directory
    std::function<void()> entrePasos_;
    std::vector<db::DataSet*> registros_; // what the file's rows read, in order
};
