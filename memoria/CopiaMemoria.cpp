#include "memoria/CopiaMemoria.h"

#include "config/TDMMain.h"
#include "db/Error.h"
#include "util/Error.h"

namespace {

bool existe(TDMMain& main, int memoria) {
    main.QGen.close();
    main.QGen.setSql(QStringLiteral("select MEMORIA from T_MEMORIAS where MEMORIA = :MEMORIA"));
    main.QGen.setParam(QStringLiteral("MEMORIA"), memoria);
    main.QGen.execute();
    const bool hay = !main.QGen.eof();
    main.QGen.close();
    return hay;
}

} // namespace

void CopiaMemoria(TDMMain& main, int origen, int destino, const QString& nombre) {
    if (!existe(main, origen))
        throw tributra::Error(QStringLiteral("No existe la memoria origen %1").arg(origen));
    if (destino <= 0)
        throw tributra::Error(QStringLiteral("Falta el número de la memoria destino"));
    if (existe(main, destino))
        throw tributra::Error(QStringLiteral("Ya existe la memoria destino %1").arg(destino));
    main.QGen.setSql(
        QStringLiteral("execute procedure pa_copia_memoria :origen, :destino, :nombre"));
    main.QGen.setParam(QStringLiteral("ORIGEN"), origen);
    main.QGen.setParam(QStringLiteral("DESTINO"), destino);
    main.QGen.setParam(QStringLiteral("NOMBRE"), nombre);
    try {
        main.QGen.execute();
    } catch (const db::Error&) {
        // A half copy never stays; the user learns why there is none.
        main.QGen.close();
        main.TLocal.rollback();
        throw;
    }
    main.QGen.close();
    main.TLocal.commit();
}
