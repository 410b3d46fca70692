#include "framework/Lookup.h"

#include "db/Statement.h"

QString Lookup::ConsultaBusqueda() const {
    QStringList columns;
    for (const QString& c : Campos)
        columns << c.trimmed();
    QString sql = QStringLiteral("SELECT ") + columns.join(u',') + QStringLiteral(" FROM ") +
                  Tabla_busqueda.trimmed() + u' ';
    if (!Condicion_add.trimmed().isEmpty())
        sql += (sql.contains(QStringLiteral("WHERE")) ? QStringLiteral(" AND ")
                                                      : QStringLiteral(" WHERE ")) +
               Condicion_add;
    return sql;
}

QString Lookup::describe(db::Database& database, db::Transaction& transaction,
                         const QString& code) const {
    if (code.isEmpty())
        return {};
    const QString select = ConsultaBusqueda();
    const QString connector = select.contains(QStringLiteral("WHERE ")) ? QStringLiteral(" And ")
                                                                        : QStringLiteral("WHERE ");
    db::Statement q(database, transaction);
    q.setSql(select + u'\n' + connector + CampoRetorno + QStringLiteral(" = :CODIGO_BUSCADO"));
    q.setParam(QStringLiteral("CODIGO_BUSCADO"), code);
    q.execute();
    return q.eof() ? QString() : q.field(LookUpFieldText).asString();
}
