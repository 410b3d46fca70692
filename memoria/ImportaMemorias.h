#pragma once

#include <QString>
#include <QVariant>

#include <functional>
#include <map>

class TDMMain;
namespace db {
class Statement;
}

// The memoria models of another database of the same structure copied into the system's,
// numbers as they are: the sample memoria's database ("memoria.gdb"), or the previous
// edition's, which also brings each company's identification sheet (closed on 31/12/2017,
// its old closing date kept as the previous one) and deposit request. Meant to run once: a
// row already there stops the import with the database's error, that table's rows undone
// and the tables before it kept.
class ImportaMemorias {
public:
    explicit ImportaMemorias(TDMMain& main) : main_(main) {}

    // `origen`: a database file or a connection string. The sample memoria's default file is
    // made on first use. "Imposible abrir " + origen when it does not open.
    void importa(const QString& origen);

    // Any source whose name holds "memoria.gdb", in any case, only has memorias.
    static bool esEjemplo(const QString& origen);

private:
    // A column's value for the destination, read from the source row.
    using Valor = std::function<QVariant(const db::Statement& fila)>;

    // Every row of the source's select inserted into `tabla`, its columns as they come, those
    // in `cambia` with the value given there.
    void copia(db::Statement& fuente, const QString& tabla, bool confirmaCadaFila,
               const std::map<QString, Valor>& cambia = {});

    TDMMain& main_;
};
