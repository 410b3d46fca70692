#include "memoria/ImportaMemorias.h"

#include "config/AdminAccount.h"
#include "config/TDMMain.h"
#include "db/Database.h"
#include "db/Error.h"
#include "db/Statement.h"
#include "db/Transaction.h"
#include "memoria/MemoriaEjemplo.h"
#include "util/Error.h"

#include <QDate>
#include <QFile>

namespace {

// The exercise whose accounts this edition prepares.
const QDate kCierre(2017, 12, 31);

} // namespace

bool ImportaMemorias::esEjemplo(const QString& origen) {
    return origen.toUpper().contains(QStringLiteral("MEMORIA.GDB"));
}

void ImportaMemorias::importa(const QString& origen) {
    if (origen == MemoriaEjemplo::fichero() && !QFile::exists(origen))
        MemoriaEjemplo::creaBase(origen);
    db::Database fuente;
    fuente.setDatabaseName(origen);
    fuente.setParams(config::adminParams());
    try {
        fuente.open();
    } catch (const db::Error&) {
        throw tributra::Error(QStringLiteral("Imposible abrir ") + origen);
    }
    db::Transaction lectura(fuente);
    db::Statement q(fuente, lectura);

    q.setSql(QStringLiteral("select MEMORIA, TITULO from t_memorias"));
    copia(q, QStringLiteral("T_MEMORIAS"), false);
    q.setSql(QStringLiteral("select MEMORIA, CAPITULO, TITULO, TEXTO from t_capitulos"));
    copia(q, QStringLiteral("T_CAPITULOS"), false);
    // An imported formula has no amount until it is calculated.
    q.setSql(QStringLiteral("select MEMORIA, CAPITULO, FORMULA, TITULO, SINTAXIS, ABSOLUTO, "
                            "CONDICIONAL from t_formulas"));
    copia(q, QStringLiteral("T_FORMULAS"), false);
    if (!esEjemplo(origen)) {
        // Last year's sheet closes this year; its closing date becomes the previous one.
        q.setSql(QStringLiteral("select * from IDENTIFICACION"));
        copia(q, QStringLiteral("IDENTIFICACION"), true,
              {{QStringLiteral("FECHA_CIERRE"),
                [](const db::Statement&) { return QVariant(kCierre); }},
               {QStringLiteral("FECHA_CIERRE_ANT"), [](const db::Statement& fila) {
                    return fila.field(QStringLiteral("FECHA_CIERRE")).variant();
                }}});
        q.setSql(QStringLiteral("select * from SOLICITUD"));
        copia(q, QStringLiteral("SOLICITUD"), true);
    }
    q.close();
    lectura.commit();
    fuente.close();
}

void ImportaMemorias::copia(db::Statement& fuente, const QString& tabla, bool confirmaCadaFila,
                            const std::map<QString, Valor>& cambia) {
    db::Statement destino(main_.Database, main_.TLocal);
    try {
        for (fuente.execute(); !fuente.eof(); fuente.next()) {
            QStringList columnas;
            for (const db::ColumnInfo& c : fuente.columns())
                columnas << c.name.toUpper();
            if (destino.sql().isEmpty())
                destino.setSql(
                    QStringLiteral("insert into %1 (%2) values (:%3)")
                        .arg(tabla, columnas.join(u','), columnas.join(QStringLiteral(",:"))));
            for (int i = 0; i < columnas.size(); ++i) {
                const auto otro = cambia.find(columnas[i]);
                destino.setParam(columnas[i], otro != cambia.end() ? otro->second(fuente)
                                                                   : fuente.field(i).variant());
            }
            destino.execute();
            if (confirmaCadaFila)
                main_.TLocal.commit();
        }
    } catch (const db::Error& e) {
        // This table's rows not yet confirmed are undone; the earlier tables stay.
        destino.close();
        fuente.close();
        if (main_.TLocal.active())
            main_.TLocal.rollback();
        throw tributra::Error(
            QStringLiteral(
                "La importación se detiene en la tabla %1; las anteriores quedan importadas")
                .arg(tabla),
            e.message());
    }
    fuente.close();
    if (main_.TLocal.active())
        main_.TLocal.commit();
}
