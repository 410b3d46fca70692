#pragma once

#include "framework/TDMBase.h"
#include "returns/LayoutTable.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <vector>

// What the informative returns share: a return keyed by its taxpayer (and period), lists of
// declared parties under it, and a file of 500-character records, each ended by CR LF: the
// declarant's record from the model's r1 procedure, then each list's records.
class InformativeReturn : public TDMBase {
public:
    static constexpr int kEjercicio = 2018;

    InformativeReturn(TDMMain& main, QString modelo, QStringList clave);

    // The file's records: the declarant's, then every row of each list in its current order.
    QString ComponeFichero();
    // The lists captured from the taxpayer's books; false when nothing was.
    virtual bool CapturaContabilidad() = 0;
    // The file written (and, where the model does, copied for the agency); the user told.
    virtual bool GeneraFichero() = 0;
    // "mod347.txt": the file the last filing wrote in the working folder.
    QString rutaImpresion() const;

protected:
    // The return of the key's values: the stored one, left in edit, or a new one with the
    // taxpayer's contact person, signatory and position.
    void FijaClave(const QVariantList& valores);

    struct Lista {
        db::DataSet* filas;
        const layout::Table* tabla;
    };

    // A list of the return: its rows follow the return and each is committed at once.
    void detalle(db::DataSet& lista);
    // A new return's date: today, in the year declared.
    static QDate fechaDeclaracion();
    // The output NUMERO of a numbering procedure given the return's key.
    int numero(const QString& procedimiento);
    // The return's key fields as a statement's parameters.
    void claveEn(db::Statement& statement);
    db::Field& campo(const QString& nombre) { return QMaestro.field(nombre); }

    // What the model's records are made of.
    virtual const layout::Table& registroDeclarante() const = 0;
    virtual std::vector<Lista> listas() = 0;
    // A conditional field the model's own rules compose; the kind of return and the earlier
    // return's number are everyone's.
    virtual QString regla(db::DataSet& fila, const QString& nombre) = 0;

    const QString modelo_;
    const QStringList clave_;

private:
    void nuevaDeclaracion(const QVariantList& valores);
    QString registro(const layout::Table& tabla, db::DataSet* fila, const db::Statement& r1);
    QString reglaComun(db::DataSet& fila, const QString& nombre);
};
