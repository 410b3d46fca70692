#include "taxpayers/TDMContribuyentes.h"

#include "config/TDMMain.h"
#include "util/UUtiles.h"

namespace {

const QStringList kColumns =
    QStringLiteral("CONTRIBUYENTE, NIF, APELLIDOS, NOMBRE, SIGLAS, DOMICILIO, "
                   "NUMERO, ESCALERA, PISO, PUERTA, COD_POSTAL, "
                   "MUNICIPIO, PROVINCIA, TELEFONO, FP, CCC, FICHERO_CTBLE, "
                   "PARTICIPACION, CUENTA_PF, TITULO, ADMINISTRACION, "
                   "SIN_ACTIVIDAD, PERSONA, FIRMANTE, CARGO, LETRAS, IBAN")
        .split(QStringLiteral(", "));

} // namespace

TDMContribuyentes::TDMContribuyentes(TDMMain& main) : TDMBase(main) {
    QMaestro.setSelectSql(
        QStringLiteral("select * from T_CONTRIBUYENTES\norder by contribuyente desc"));
    setWriteSql(QMaestro, QStringLiteral("T_CONTRIBUYENTES"), kColumns, {QStringLiteral("CONTRIBUYENTE")},
                KeyUpdate::Kept);
    QMaestro.onNewRecord.add([this](db::DataSet&) { QMaestroNewRecord(); });
    QMaestro.beforePost.add([this](db::DataSet&) { QMaestroBeforePost(); });
    // The schema writes the title: read the row back, once committed, so lists show it at once.
    QMaestro.afterPost.add([](db::DataSet& ds) { ds.refresh(); });
    QMaestro.onFieldValidate({QStringLiteral("CONTRIBUYENTE")}, [this](db::Field& f) {
        CompruebaClave(f, QStringLiteral("t_contribuyentes"));
    });
}

void TDMContribuyentes::QMaestroNewRecord() {
    QMaestro.field(QStringLiteral("FP")).setAsInteger(0);
    QMaestro.field(QStringLiteral("CCC")).setAsString(QStringLiteral("00000000000000000000"));
    QMaestro.field(QStringLiteral("CONTRIBUYENTE")).setAsInteger(0);
    QMaestro.field(QStringLiteral("PARTICIPACION")).setAsFloat(0);
    QMaestro.field(QStringLiteral("SIN_ACTIVIDAD")).setAsInteger(0);
}

// The title is the schema's to keep; the number is the schema's to give when none was typed.
void TDMContribuyentes::QMaestroBeforePost() {
    db::Field& numero = QMaestro.field(QStringLiteral("CONTRIBUYENTE"));
    if (!numero.isNull() && numero.asInteger() != 0)
        return;
    QGen.close();
    QGen.setSql(QStringLiteral("execute procedure pa_numero_contribuyente"));
    QGen.execute();
    const int siguiente = QGen.field(QStringLiteral("NUMERO")).asInteger();
    QGen.close();
    QGen.transaction().commit();
    numero.setAsInteger(siguiente);
}

void TDMContribuyentes::CalculaIBAN() {
    if (!QMaestro.editing())
        QMaestro.edit();
    QMaestro.field(QStringLiteral("IBAN"))
        .setAsString(UUtiles::CalculaIBAN(QMaestro.field(QStringLiteral("CCC")).asString(),
                                          QStringLiteral("ES")));
}
