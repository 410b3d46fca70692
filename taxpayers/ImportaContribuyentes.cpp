#include "taxpayers/ImportaContribuyentes.h"

#include "config/AdminAccount.h"
#include "config/TDMMain.h"
#include "framework/Prompts.h"
#include "platform/WindowsPaths.h"
#include "util/Error.h"

#include <QScopeGuard>

namespace {

const QString kOrigen = QStringLiteral("c:\\Tributra17\\Tribra17.gdb");

bool esEntero(const QString& columna) {
    return columna == QLatin1String("CONTRIBUYENTE") || columna == QLatin1String("FP") ||
           columna == QLatin1String("SIN_ACTIVIDAD");
}

} // namespace

ImportaContribuyentes::ImportaContribuyentes(TDMMain& main)
    : QDestino(main.Database, main.TLocal), main_(main) {
    DataTribra.setParams(config::adminParams());
    QOrigen.setSql(QStringLiteral("select * from t_contribuyentes order by contribuyente"));
    QDestino.setSql(QStringLiteral(
        "execute procedure pa_importa_contribuyentes( :CONTRIBUYENTE,:NIF,:APELLIDOS,:NOMBRE,"
        ":SIGLAS,:DOMICILIO,:NUMERO,:ESCALERA,:PISO, :PUERTA,:COD_POSTAL,:MUNICIPIO,:PROVINCIA,"
        ":TELEFONO,:FP,:CCC,:FICHERO_CTBLE,:PARTICIPACION, :CUENTA_PF,:TITULO,:ADMINISTRACION,"
        ":SIN_ACTIVIDAD,:PERSONA,:FIRMANTE,:CARGO,:LETRAS,:IBAN)"));
}

QString ImportaContribuyentes::OrigenPorDefecto() {
    return QStringLiteral("localhost:") + platform::nativePath(kOrigen);
}

bool ImportaContribuyentes::Proceso(const QString& nombre, const std::function<void()>& progress) {
    const auto desconecta = qScopeGuard([this] {
        QDestino.close();
        QOrigen.close();
        try {
            DataTribra.close();
        } catch (const tributra::Error&) {
            // The server went away: the connection is gone all the same.
        }
    });
    if (!AbreOrigen(nombre))
        return false;
    QDestino.prepare();
    for (QOrigen.execute(); !QOrigen.eof(); QOrigen.next()) {
        ImportaContribuyente();
        if (progress)
            progress();
    }
    QDestino.close();
    main_.prompts().information(QStringLiteral("Proceso ejecutado con éxito"));
    return true;
}

bool ImportaContribuyentes::AbreOrigen(const QString& nombre) {
    try {
        DataTribra.setDatabaseName(nombre);
        DataTribra.open();
        TLocal.start();
        return true;
    } catch (const tributra::Error&) {
        main_.prompts().error(QStringLiteral("Imposible abrir ") + nombre);
        return false;
    }
}

// Texts go as texts, so a null one arrives empty.
void ImportaContribuyentes::ImportaContribuyente() {
    QDestino.close();
    for (const QString& columna : QDestino.paramNames()) {
        const db::Value valor = QOrigen.field(columna);
        if (esEntero(columna))
            QDestino.setParam(columna, valor.asInteger());
        else if (columna == QLatin1String("PARTICIPACION"))
            QDestino.setParam(columna, valor.asFloat());
        else
            QDestino.setParam(columna, valor.asString());
    }
    QDestino.execute();
    main_.TLocal.commit();
}
