#include "returns/informative/TDMM349.h"

#include "config/TDMMain.h"
#include "db/ChangeEventsOff.h"
#include "framework/Prompts.h"
#include "returns/AgencyFile.h"
#include "returns/Periods.h"
#include "returns/informative/Caratula.h"
#include "util/Error.h"
#include "util/UUtiles.h"
#include "util/Win1252.h"

#include <QDir>

namespace {

using enum layout::Kind;

// Declarant record (type 1).
const layout::Row kFilasDeclarante[] = {
    {1, 8, Const, "13492018"},
    {9, 9, Nif, "NIF"},
    {18, 40, Text, "NOMBRE"},
    {58, 1, Rule, "PRESENTACION"},
    {59, 9, Text, "TELEFONO"},
    {68, 40, Text, "CONTACTO"},
    {108, 13, Const, "3490000000000"},
    {121, 2, Rule, "TIPO"},
    {123, 13, Rule, "JUSTIFICANTE"},
    {136, 2, Text, "PERIODO"},
    {138, 9, Count, "TOTAL_OPERADORES"},
    {147, 15, Amount, "IMPORTE"},
    {162, 9, Count, "TOTAL_RECTIFICACIONES"},
    {171, 15, Amount, "IMPORTE_RT"},
    {186, 315, Blanks},
};

// Operation record (type 2).
const layout::Row kFilasOperacion[] = {
    {1, 8, Const, "23492018"}, {9, 9, Nif, "NIF_DECLARANTE"}, {18, 58, Blanks},
    {76, 2, Text, "PAIS"},     {78, 15, Text, "NIF"},         {93, 40, Text, "DECLARADO"},
    {133, 1, Text, "CLAVE"},   {134, 13, Amount, "IMPORTE"},  {147, 354, Blanks},
};

// Correction record (type 2).
const layout::Row kFilasRectificacion[] = {
    {1, 8, Const, "23492018"},
    {9, 9, Nif, "NIF_DECLARANTE"},
    {18, 58, Blanks},
    {76, 2, Text, "PAIS"},
    {78, 15, Text, "NIF"},
    {93, 40, Text, "DECLARADO"},
    {133, 1, Text, "CLAVE"},
    {134, 13, Blanks},
    {147, 4, Count, "EJERCICIO"},
    {151, 2, Text, "PER_ANT"},
    {153, 13, Amount, "IMPORTE"},
    {166, 13, Amount, "IMPORTE_ANT"},
    {179, 322, Blanks},
};

const QString kDeclarante = QStringLiteral("DECLARANTE");
const QString kPeriodo = QStringLiteral("PERIODO");
const QString kOrden = QStringLiteral("ORDEN");

} // namespace

const layout::Table TDMM349::kRegistros[3] = {
    {"registro de declarante (tipo 1)", 500, kFilasDeclarante},
    {"registro de operación (tipo 2)", 500, kFilasOperacion},
    {"registro de rectificación (tipo 2)", 500, kFilasRectificacion},
};

TDMM349::TDMM349(TDMMain& main)
    : InformativeReturn(main, QStringLiteral("349"), {kDeclarante, kPeriodo}),
      QOperaciones(main.Database, TLocal), QRectificaciones(main.Database, TLocal) {
    QMaestro.setSelectSql(QStringLiteral(
        "select * from T_MOD349\nwhere declarante = :declarante\nand periodo = :periodo"));
    QMaestro.setParam(kDeclarante, 0);
    QMaestro.setParam(kPeriodo, QString());
    setWriteSql(QMaestro, QStringLiteral("T_MOD349"),
                QStringList{"DECLARANTE", "PERIODO", "PERSONA", "FIRMANTE", "CARGO", "FECHA",
                            "TIPO", "JUSTIFICANTE", "PRESENTACION"},
                QStringList{kDeclarante, kPeriodo}, KeyUpdate::Written);
    xAgencia.setSelectSql(
        QStringLiteral("select * from VER_AGENCIA_TRIBUTARIA\nwhere contribuyente = :declarante"));
    QOperaciones.setSelectSql(
        QStringLiteral("select * from T_MOD349_OP\nwhere declarante = "
                       ":declarante\nand periodo = :periodo\norder by orden"));
    setWriteSql(QOperaciones, QStringLiteral("T_MOD349_OP"),
                QStringList{"DECLARANTE", "PERIODO", "ORDEN", "PAIS", "NIF", "DECLARADO", "CLAVE",
                            "IMPORTE"},
                QStringList{kDeclarante, kPeriodo, kOrden}, KeyUpdate::Written);
    QRectificaciones.setSelectSql(QStringLiteral(
        "select * from T_MOD349_RT\nwhere declarante = :declarante\nand periodo = :periodo\norder "
        "by orden"));
    setWriteSql(QRectificaciones, QStringLiteral("T_MOD349_RT"),
                QStringList{"DECLARANTE", "PERIODO", "ORDEN", "PAIS", "NIF", "DECLARADO", "CLAVE",
                            "EJERCICIO", "PER_ANT", "IMPORTE", "IMPORTE_ANT"},
                QStringList{kDeclarante, kPeriodo, kOrden}, KeyUpdate::Written);
    detalle(QOperaciones);
    detalle(QRectificaciones);

    QMaestro.onNewRecord.add([this](db::DataSet&) {
        campo(QStringLiteral("PRESENTACION")).setAsString(QStringLiteral("1"));
    });
    // The taxpayer only changes the tax office shown; the period chooses the return.
    QMaestro.onFieldChange({kDeclarante}, [this](db::Field&) {
        xAgencia.close();
        xAgencia.open();
    });
    QMaestro.onFieldChange({kPeriodo}, [this](db::Field& f) {
        if (QMaestro.editing() && !f.isNull())
            FijaDeclaracion(campo(kDeclarante).asInteger(), f.asString());
    });
    for (db::DataSet* lista : {&QOperaciones, &QRectificaciones})
        lista->onNewRecord.add([this, lista](db::DataSet&) {
            InicializaCampos(*lista);
            lista->field(kDeclarante).setAsInteger(campo(kDeclarante).asInteger());
            lista->field(kPeriodo).setAsString(campo(kPeriodo).asString());
        });
    QOperaciones.onNewRecord.add([this](db::DataSet&) {
        QOperaciones.field(QStringLiteral("CLAVE")).setAsString(QStringLiteral("A"));
    });
    QOperaciones.beforePost.add([this](db::DataSet&) {
        if (QOperaciones.field(kOrden).asInteger() == 0)
            QOperaciones.field(kOrden).setAsInteger(numero(QStringLiteral("pa_mod349_orden_op")));
    });
    QRectificaciones.beforePost.add([this](db::DataSet&) {
        if (QRectificaciones.field(kOrden).asInteger() == 0)
            QRectificaciones.field(kOrden).setAsInteger(
                numero(QStringLiteral("pa_mod349_orden_rt")));
    });
}

void TDMM349::FijaDeclaracion(int declarante, const QString& periodo) {
    FijaClave({declarante, periodo});
}

std::vector<InformativeReturn::Lista> TDMM349::listas() {
    return {{&QOperaciones, &kRegistros[1]}, {&QRectificaciones, &kRegistros[2]}};
}

QString TDMM349::regla(db::DataSet& fila, const QString& nombre) {
    if (nombre == u"PRESENTACION")
        return fila.field(QStringLiteral("PRESENTACION")).asString() == u"1" ? QStringLiteral("T")
                                                                             : QStringLiteral("P");
    throw tributra::Error(QStringLiteral("Modelo 349: no hay una regla %1").arg(nombre));
}

bool TDMM349::CapturaContabilidad() {
    if (QMaestro.editing())
        QMaestro.post();
    const QString periodo = campo(kPeriodo).asString().leftJustified(2, u' ');
    const auto fechas = periods::dates(periodo, kEjercicio);
    if (!fechas)
        throw tributra::Error(QStringLiteral("Debe elegir un período"));
    if (!DMMain.AbreContabilidad(campo(kDeclarante).asInteger()))
        return false;
    db::Statement operaciones(DMMain.DBConta, DMMain.TConta);
    operaciones.setSql(QStringLiteral("SELECT * FROM PA_MOD349(:EMPRESA, :FECHA_INI, :FECHA_FIN, "
                                      ":TRIMESTRE)\nORDER BY CUENTA, CLAVE"));
    operaciones.setParam(QStringLiteral("EMPRESA"), EmpresaContable(kEjercicio));
    operaciones.setParam(QStringLiteral("FECHA_INI"), fechas->first);
    operaciones.setParam(QStringLiteral("FECHA_FIN"), fechas->second);
    operaciones.setParam(QStringLiteral("TRIMESTRE"), 0);
    operaciones.execute();
    if (operaciones.eof()) {
        operaciones.close();
        DMMain.prompts().information(QStringLiteral("No existen datos para capturar."));
        return false;
    }
    db::Statement nueva(DMMain.Database, DMMain.TLocal);
    nueva.setSql(QStringLiteral("execute procedure pa_nueva_op :DECLARANTE, :PERIODO, :PAIS, :NIF, "
                                ":NOMBRE, :IMPORTE, :CLAVE"));
    for (; !operaciones.eof(); operaciones.next()) {
        // The number as the books hold it, its country first; typed in lower case it is still
        // the same number.
        QString nif;
        for (const QChar c :
             operaciones.field(QStringLiteral("NIF")).asString().trimmed().toUpper())
            if ((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z'))
                nif += c;
        claveEn(nueva);
        nueva.setParam(QStringLiteral("PAIS"), nif.left(2));
        nueva.setParam(QStringLiteral("NIF"), nif.mid(2));
        nueva.setParam(
            QStringLiteral("NOMBRE"),
            UUtiles::NormalizaNombre(operaciones.field(QStringLiteral("NOMBRE")).asString()));
        nueva.setParam(QStringLiteral("IMPORTE"),
                       operaciones.field(QStringLiteral("IMPORTE")).asFloat());
        nueva.setParam(QStringLiteral("CLAVE"),
                       operaciones.field(QStringLiteral("CLAVE")).asString());
        nueva.execute();
        DMMain.TLocal.commit();
    }
    operaciones.close();
    DMMain.TConta.commit();
    const int actual = QOperaciones.currentRow();
    QOperaciones.close();
    QOperaciones.open();
    if (actual >= 0 && actual < QOperaciones.recordCount())
        QOperaciones.moveTo(actual);
    return true;
}

bool TDMM349::GeneraFichero() {
    framework::Prompts& prompts = DMMain.prompts();
    if (QMaestro.editing())
        QMaestro.post();
    const QString texto = ComponeFichero();
    if (!caratula::escribe(DMMain, QStringLiteral("13492008"), campo(kDeclarante).asInteger(),
                           campo(QStringLiteral("FECHA")).asDate())) {
        prompts.information(
            QStringLiteral("No se puede crear el fichero para la carátula CARATULA.TXT"));
        return false;
    }
    if (!agency::escribe(rutaImpresion(), util::toWin1252(texto))) {
        prompts.information(QStringLiteral("No se puede crear el fichero MOD349.TXT"));
        return false;
    }
    prompts.information(QStringLiteral("Se ha generado el archivo mod349.txt\n\rDebe utilizar la "
                                       "plataforma informativa\n\rde la AEAT para su validación "
                                       "y/o impresión"));
    return true;
}

bool TDMM349::Archiva(TDMMain& main, int contribuyente, const QString& periodo, bool captura) {
    TDMM349 dm(main);
    dm.DataModuleCreate();
    if (!periods::dates(periodo, kEjercicio))
        throw tributra::Error(QStringLiteral("Debe elegir un período"));
    dm.FijaDeclaracion(contribuyente, periodo);
    if (dm.xAgencia.isEmpty())
        throw tributra::Error(QStringLiteral(" No existe el contribuyente "));
    dm.QMaestro.post();
    if (captura && !main.AbreContabilidad(contribuyente))
        throw tributra::Error(
            QStringLiteral("No se ha capturado nada: el contribuyente %1 no tiene fichero enlace "
                           "contable o no se ha podido abrir")
                .arg(contribuyente));
    if (captura && !dm.CapturaContabilidad())
        return false;
    return dm.GeneraFichero();
}
