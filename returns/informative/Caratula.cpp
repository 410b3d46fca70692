#include "returns/informative/Caratula.h"

#include "config/TDMMain.h"
#include "returns/AgencyFile.h"
#include "util/UUtiles.h"
#include "util/Win1252.h"

#include <QDir>

namespace caratula {

QString linea(TDMMain& main, const QString& cabecera, int contribuyente, const QDate& fecha) {
    db::Statement& q = main.QGen;
    q.close();
    q.setSql(QStringLiteral("SELECT NIF, ADMINISTRACION, SIGLAS, DOMICILIO, NUMERO, MUNICIPIO, "
                            "COD_POSTAL, FIRMANTE, CARGO FROM T_CONTRIBUYENTES \n"
                            "WHERE CONTRIBUYENTE = :RETENEDOR"));
    q.setParam(QStringLiteral("RETENEDOR"), contribuyente);
    q.execute();
    const auto campo = [&](const char* nombre) {
        return q.eof() ? db::Value() : q.field(QLatin1String(nombre));
    };
    const db::Value municipio = campo("MUNICIPIO");
    const db::Value postal = campo("COD_POSTAL");
    const QString texto =
        cabecera + campo("NIF").asString() + campo("ADMINISTRACION").asString() +
        campo("SIGLAS").asString() + UUtiles::RellenaDerecha(campo("DOMICILIO").asString(), 20) +
        UUtiles::CerosIzquierda(campo("NUMERO").asString().trimmed(), 5) +
        (municipio.isNull() ? UUtiles::Espacios(12)
                            : municipio.asString().left(12).trimmed().leftJustified(12, u' ')) +
        (postal.isNull() ? QStringLiteral("0000000")
                         : postal.asString().left(2) + postal.asString()) +
        UUtiles::FechaAAAAMMDD(fecha) + UUtiles::RellenaDerecha(campo("FIRMANTE").asString(), 30) +
        UUtiles::RellenaDerecha(campo("CARGO").asString(), 25) + UUtiles::Espacios(20);
    q.close();
    if (main.TLocal.active())
        main.TLocal.commit();
    return texto;
}

bool escribe(TDMMain& main, const QString& cabecera, int contribuyente, const QDate& fecha) {
    return agency::escribe(
        QDir(main.DirectorioTrabajo()).filePath(QStringLiteral("caratula.txt")),
        util::toWin1252(linea(main, cabecera, contribuyente, fecha) + QStringLiteral("\r\n")));
}

} // namespace caratula
