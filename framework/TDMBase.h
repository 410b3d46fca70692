#pragma once

#include "db/DataSet.h"
#include "db/Statement.h"
#include "db/Transaction.h"
#include "framework/RecordName.h"

#include <QString>
#include <QStringList>

#include <vector>

class TDMMain;

// What every register and return module shares: the master dataset on one table of
// the system database, in the module's own transaction and committed after every post
// and delete; the text search of the master; the key check; the defaults of a new
// record; the accounting queries; the taxpayer's tax office.
//
// A derived module sets the statements of its datasets in its constructor; the form
// manager then calls DataModuleCreate, which opens the master.
class TDMBase {
public:
    explicit TDMBase(TDMMain& main);
    virtual ~TDMBase() = default;
    TDMBase(const TDMBase&) = delete;
    TDMBase& operator=(const TDMBase&) = delete;

    void DataModuleCreate();
    // How the messages about the master's record name it.
    virtual framework::RecordName nombreRegistro() const { return {}; }

    void FiltraMaestro(const QString& texto, const QString& campoNumerico,
                       const QString& campoTexto, const QString& orden);
    void QuitaFiltro();
    // For the validate hook of a register's key field, while a record is inserted.
    void CompruebaClave(db::Field& field, const QString& tabla);
    // Every floating field of a new record 0, shown as an amount, and every integer 0.
    void InicializaCampos(db::DataSet& dataSet);
    // Every floating field shown as an amount, "1.234,56", and edited as "1234,56".
    static void FormatoImportes(db::DataSet& dataSet);
    void InicializaCampos() { InicializaCampos(QMaestro); }
    int EmpresaContable(int ejercicio);
    void MuestraErrores();
    void CopiaFichero(const QString& nombre);
    void QMaestroAfterPost(db::DataSet& dataSet);

    // Every dataset of the module, for the question about unsaved edits.
    const std::vector<db::DataSet*>& dataSets() const { return dataSets_; }

    TDMMain& DMMain;
    db::Transaction TLocal;
    db::DataSet QMaestro;
    db::DataSet& DSQMaestro = QMaestro; // forms bind to it
    db::Statement QGen;
    db::DataSet xDatosConta;
    db::Statement xEmpresa;
    db::DataSet xAgencia;

protected:
    // A dataset's insert, modify, delete and refresh statements over the columns of its
    // table, the row addressed by its key as it was before the edit (OLD_).
    enum class KeyUpdate { Kept, Written };
    void setWriteSql(db::DataSet& dataSet, const QString& table, const QStringList& columns,
                     const QStringList& key, KeyUpdate keyUpdate);
    // Derived modules list their own datasets, so that leaving the last form asks about
    // their edits too, and so that their reads end their transaction.
    void addDataSet(db::DataSet& dataSet);

private:
    QString selectInicial_;
    std::vector<db::DataSet*> dataSets_;
};
