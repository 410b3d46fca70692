#pragma once

#include <QString>
#include <QStringList>

namespace db {
class Database;
class Transaction;
} // namespace db

// Where a lookup edit finds its codes: a table, the columns shown (code first, then
// description), the column returned, the column described beside the edit, and an
// extra condition.
struct Lookup {
    QString Tabla_busqueda;
    QStringList Campos;
    QString CampoRetorno;
    QString LookUpFieldText;
    QString Condicion_add;

    bool searchable() const {
        return !Campos.isEmpty() && !Tabla_busqueda.isEmpty() && !CampoRetorno.isEmpty();
    }
    // "SELECT A,B FROM T " with the extra condition.
    QString ConsultaBusqueda() const;
    // The description of a code, empty when there is none. The typed code is a
    // parameter of the statement, never part of its text.
    QString describe(db::Database& database, db::Transaction& transaction,
                     const QString& code) const;
};
