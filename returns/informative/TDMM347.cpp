#include "returns/informative/TDMM347.h"

#include "config/TDMMain.h"
#include "db/ChangeEventsOff.h"
#include "db/Error.h"
#include "framework/Prompts.h"
#include "platform/SafeFileName.h"
#include "returns/AgencyFile.h"
#include "returns/LayoutWriter.h"
#include "util/Cents.h"
#include "util/Error.h"
#include "util/UUtiles.h"
#include "util/Win1252.h"

#include <QDate>
#include <QDir>

namespace {

using enum layout::Kind;

// Declarant record (type 1).
const layout::Row kFilasDeclarante[] = {
    {1, 8, Const, "13472018"},
    {9, 9, Nif, "NIF"},
    {18, 40, Text, "NOMBRE"},
    {58, 1, Rule, "PRESENTACION"},
    {59, 9, Text, "TELEFONO"},
    {68, 40, Text, "CONTACTO"},
    {108, 13, Const, "3470000000000"},
    {121, 2, Rule, "TIPO"},
    {123, 13, Rule, "JUSTIFICANTE"},
    {136, 9, Count, "TOTAL_DECLARADOS"},
    {145, 16, Amount, "IMPORTE"},
    {161, 9, Count, "TOTAL_INMUEBLES"},
    {170, 16, Amount, "IMPORTE_ALQUILER"},
    {186, 315, Blanks},
};

// Declared-party record (type 2, sheet "D").
const layout::Row kFilasDeclarado[] = {
    {1, 8, Const, "23472018"},
    {9, 9, Nif, "NIF_DECLARANTE"},
    {18, 9, Rule, "NIF_DECLARADO"},
    {27, 9, Rule, "NIF_REPRESENTANTE"},
    {36, 40, Text, "DECLARADO"},
    {76, 1, Const, "D"},
    {77, 2, Text, "PROVINCIA"},
    {79, 3, Rule, "PAIS"},
    {82, 1, Text, "CLAVE"},
    {83, 16, Amount, "IMPORTE"},
    {99, 2, Rule, "TIPO_OPERACION"},
    {101, 15, Amount, "RECIBOMETALICO"},
    {116, 16, Amount, "RECIBOTRANSMISIONES"},
    {132, 4, Count, "EJERCICIOMETALICO"},
    {136, 16, Amount, "PRIMERO"},
    {152, 16, Amount, "TI_PRIMERO"},
    {168, 16, Amount, "SEGUNDO"},
    {184, 16, Amount, "TI_SEGUNDO"},
    {200, 16, Amount, "TERCERO"},
    {216, 16, Amount, "TI_TERCERO"},
    {232, 16, Amount, "CUARTO"},
    {248, 16, Amount, "TI_CUARTO"},
    {264, 17, Blanks},
    {281, 1, Mark, "CC"},
    {282, 1, Mark, "SP"},
    {283, 1, Mark, "BV"},
    {284, 16, Amount, "IMPORTECC"},
    {300, 201, Blanks},
};

// Premises record (type 2, sheet "I").
const layout::Row kFilasInmueble[] = {
    {1, 8, Const, "23472018"},
    {9, 9, Nif, "NIF_DECLARANTE"},
    {18, 9, Rule, "NIF_DECLARADO"},
    {27, 9, Rule, "NIF_REPRESENTANTE"},
    {36, 40, Text, "ARRENDATARIO"},
    {76, 1, Const, "I"},
    {77, 23, Blanks},
    {100, 15, Amount, "IMPORTE"},
    {115, 1, Rule, "SITUACION"},
    {116, 25, Text, "CATASTRO"},
    {141, 5, Rule, "SIGLAS"},
    {146, 50, Text, "NOMBREVIA"},
    {196, 3, Text, "TIPONUM"},
    {199, 5, Count, "NUMCASA"},
    {204, 3, Text, "CALCASA"},
    {207, 3, Text, "BLOQUE"},
    {210, 3, Text, "PORTAL"},
    {213, 3, Text, "ESCALERA"},
    {216, 3, Text, "PISO"},
    {219, 3, Text, "PUERTA"},
    {222, 40, Text, "COMPLEMENTO"},
    {262, 30, Text, "LOCALIDAD"},
    {292, 30, Text, "MUNICIPIO"},
    {322, 5, Text, "CODMUNICIPIO"},
    {327, 2, Text, "PROVINCIA"},
    {329, 5, Text, "CODPOSTAL"},
    {334, 167, Blanks},
};

// The street types the agency's premises record knows.
const std::pair<const char*, const char*> kSiglas[] = {
    {"CL", "CALLE"}, {"AV", "AVDA"}, {"PZ", "PLAZA"}, {"PJ", "PSAJE"}, {"PS", "PASEO"},
};

const QStringList kColumnasDeclarado = {"DECLARANTE",
                                        "ORDEN",
                                        "NIF",
                                        "REPRESENTANTE",
                                        "DECLARADO",
                                        "PROVINCIA",
                                        "PAIS",
                                        "CLAVE",
                                        "IMPORTE",
                                        "TIPO_OPERACION",
                                        "NIFREPRESENTANTE",
                                        "RECIBOMETALICO",
                                        "RECIBOTRANSMISIONES",
                                        "EJERCICIOMETALICO",
                                        "PRIMERO",
                                        "SEGUNDO",
                                        "TERCERO",
                                        "CUARTO",
                                        "TI_PRIMERO",
                                        "TI_SEGUNDO",
                                        "TI_TERCERO",
                                        "TI_CUARTO",
                                        "NIFIVA",
                                        "CC",
                                        "SP",
                                        "BV",
                                        "IMPORTECC"};
const QStringList kColumnasInmueble = {
    "DECLARANTE",  "ORDEN",     "NIF",          "REPRESENTANTE",    "ARRENDATARIO", "IMPORTE",
    "CATASTRO",    "PROVINCIA", "MUNICIPIO",    "SIGLAS",           "DOMICILIO",    "NUMERO",
    "ESCALERA",    "PISO",      "PUERTA",       "NIFREPRESENTANTE", "SITUACION",    "TIPOVIA",
    "NOMBREVIA",   "TIPONUM",   "NUMCASA",      "CALCASA",          "BLOQUE",       "PORTAL",
    "COMPLEMENTO", "LOCALIDAD", "CODMUNICIPIO", "CODPOSTAL"};
const QStringList kTrimestres = {"PRIMERO", "SEGUNDO", "TERCERO", "CUARTO"};
const QStringList kTransmisiones = {"TI_PRIMERO", "TI_SEGUNDO", "TI_TERCERO", "TI_CUARTO"};

const QString kDeclarante = QStringLiteral("DECLARANTE");
const QString kOrden = QStringLiteral("ORDEN");
const QString kImporte = QStringLiteral("IMPORTE");

double suma(db::DataSet& ds, const QStringList& campos) {
    qint64 centimos = 0;
    for (const QString& c : campos)
        centimos += util::cents(ds.field(c).asFloat());
    return double(centimos) / 100;
}

} // namespace

const layout::Table TDMM347::kRegistros[3] = {
    {"registro de declarante (tipo 1)", 500, kFilasDeclarante},
    {"registro de declarado (tipo 2, hoja D)", 500, kFilasDeclarado},
    {"registro de inmueble (tipo 2, hoja I)", 500, kFilasInmueble},
};

TDMM347::TDMM347(TDMMain& main)
    : InformativeReturn(main, QStringLiteral("347"), {QStringLiteral("DECLARANTE")}),
      QDeclarados(main.Database, TLocal), QInmuebles(main.Database, TLocal),
      xSubcuenta(main.DBConta, main.TConta) {
    QMaestro.setSelectSql(QStringLiteral("select * from T_MOD347\nwhere declarante = :declarante"));
    QMaestro.setParam(kDeclarante, 0);
    setWriteSql(QMaestro, QStringLiteral("T_MOD347"),
                QStringList{"DECLARANTE", "PERSONA", "FIRMANTE", "CARGO", "FECHA", "TIPO",
                            "JUSTIFICANTE", "PRESENTACION"},
                QStringList{kDeclarante}, KeyUpdate::Written);
    xAgencia.setSelectSql(
        QStringLiteral("select * from VER_AGENCIA_TRIBUTARIA\nwhere contribuyente = :declarante"));
    QDeclarados.setSelectSql(QStringLiteral(
        "select * from T_MOD347_DEC\nwhere declarante = :declarante\norder by orden"));
    setWriteSql(QDeclarados, QStringLiteral("T_MOD347_DEC"), kColumnasDeclarado,
                QStringList{kDeclarante, kOrden}, KeyUpdate::Written);
    QInmuebles.setSelectSql(QStringLiteral(
        "select * from T_MOD347_INM\nwhere declarante = :declarante\norder by orden"));
    setWriteSql(QInmuebles, QStringLiteral("T_MOD347_INM"), kColumnasInmueble,
                QStringList{kDeclarante, kOrden}, KeyUpdate::Written);
    xSubcuenta.setSql(
        QStringLiteral("SELECT CIF, COD_POSTAL FROM T_SUBCUENTAS\nWHERE EMPRESA = :EMPRESA\n"
                       "AND EJERCICIO = :EJERCICIO\nAND SUBCUENTA = :SUBCUENTA"));

    QMaestro.onNewRecord.add([this](db::DataSet&) {
        campo(QStringLiteral("PRESENTACION")).setAsString(QStringLiteral("0"));
    });
    // The return is the taxpayer's: choosing one brings its stored return or starts it.
    QMaestro.onFieldChange({kDeclarante}, [this](db::Field& f) {
        if (QMaestro.editing() && !f.isNull())
            FijaDeclarante(f.asInteger());
    });
    detalle(QDeclarados);
    detalle(QInmuebles);
    QDeclarados.onNewRecord.add([this](db::DataSet&) { nuevoDeclarado(); });
    QDeclarados.beforePost.add([this](db::DataSet&) {
        if (QDeclarados.field(kOrden).asInteger() == 0)
            QDeclarados.field(kOrden).setAsInteger(numero(QStringLiteral("pa_mod347_orden_dec")));
        // A country is only declared for a party abroad.
        if (QDeclarados.field(QStringLiteral("PROVINCIA")).asString() != u"99")
            QDeclarados.field(QStringLiteral("PAIS")).clear();
    });
    QDeclarados.onFieldChange(kTrimestres, [this](db::Field&) {
        QDeclarados.field(kImporte).setAsFloat(suma(QDeclarados, kTrimestres));
    });
    QDeclarados.onFieldChange(kTransmisiones, [this](db::Field&) {
        QDeclarados.field(QStringLiteral("RECIBOTRANSMISIONES"))
            .setAsFloat(suma(QDeclarados, kTransmisiones));
    });
    QInmuebles.onNewRecord.add([this](db::DataSet&) { nuevoInmueble(); });
    // Only a premises in Spain with a cadastral reference keeps one.
    QInmuebles.onFieldChange({QStringLiteral("SITUACION")}, [this](db::Field& f) {
        if (f.asInteger() != 1 && f.asInteger() != 2)
            QInmuebles.field(QStringLiteral("CATASTRO")).clear();
    });
    QInmuebles.beforePost.add([this](db::DataSet&) {
        if (QInmuebles.field(kOrden).asInteger() == 0)
            QInmuebles.field(kOrden).setAsInteger(numero(QStringLiteral("pa_mod347_orden_inm")));
    });
}

void TDMM347::FijaDeclarante(int declarante) {
    FijaClave({declarante});
}

// The first two characters of the taxpayer's tax office: its province.
QString TDMM347::provinciaAgencia() {
    xAgencia.close();
    xAgencia.open();
    return xAgencia.isEmpty() ? QString()
                              : xAgencia.field(QStringLiteral("ADMINISTRACION")).asString().left(2);
}

void TDMM347::nuevoDeclarado() {
    InicializaCampos(QDeclarados);
    QDeclarados.field(kDeclarante).setAsInteger(campo(kDeclarante).asInteger());
    for (const char* c :
         {"ORDEN", "TIPO_OPERACION", "EJERCICIOMETALICO", "REPRESENTANTE", "CC", "SP", "BV"})
        QDeclarados.field(QLatin1String(c)).setAsInteger(0);
    QDeclarados.field(QStringLiteral("PROVINCIA")).setAsString(provinciaAgencia());
    QDeclarados.field(QStringLiteral("CLAVE")).setAsString(QStringLiteral("A"));
}

void TDMM347::nuevoInmueble() {
    QInmuebles.field(kDeclarante).setAsInteger(campo(kDeclarante).asInteger());
    QInmuebles.field(kOrden).setAsInteger(0);
    QInmuebles.field(kImporte).setAsFloat(0);
    QInmuebles.field(QStringLiteral("REPRESENTANTE")).setAsInteger(0);
    QInmuebles.field(QStringLiteral("PROVINCIA")).setAsString(provinciaAgencia());
}

// What the record's conditional fields hold.
QString TDMM347::regla(db::DataSet& fila, const QString& nombre) {
    const auto entero = [&](const char* c) { return fila.field(QLatin1String(c)).asInteger(); };
    const auto texto = [&](const char* c) { return fila.field(QLatin1String(c)).asString(); };
    if (nombre == u"PRESENTACION")
        return texto("PRESENTACION") == u"1" ? QStringLiteral("C") : QStringLiteral("T");
    // The tax number is the party's own or its legal representative's.
    if (nombre == u"NIF_DECLARADO" || nombre == u"NIF_REPRESENTANTE")
        return (entero("REPRESENTANTE") == 0) == (nombre == u"NIF_DECLARADO")
                   ? LayoutWriter::nif(texto("NIF"), 9)
                   : UUtiles::Espacios(9);
    if (nombre == u"PAIS")
        return texto("PROVINCIA") == u"99" ? UUtiles::RellenaDerecha(texto("PAIS"), 3)
                                           : UUtiles::Espacios(3);
    if (nombre == u"TIPO_OPERACION")
        return entero("TIPO_OPERACION") == 1   ? QStringLiteral("X ")
               : entero("TIPO_OPERACION") == 2 ? QStringLiteral(" X")
                                               : QStringLiteral("  ");
    if (nombre == u"SITUACION")
        return fila.field(QStringLiteral("SITUACION")).isNull()
                   ? QStringLiteral(" ")
                   : QString::number(entero("SITUACION")).right(1);
    if (nombre == u"SIGLAS") {
        for (const auto& [siglas, via] : kSiglas)
            if (texto("SIGLAS") == QLatin1String(siglas))
                return UUtiles::RellenaDerecha(QLatin1String(via), 5);
        return UUtiles::Espacios(5);
    }
    throw tributra::Error(QStringLiteral("Modelo 347: no hay una regla %1").arg(nombre));
}

std::vector<InformativeReturn::Lista> TDMM347::listas() {
    return {{&QDeclarados, &kRegistros[1]}, {&QInmuebles, &kRegistros[2]}};
}

bool TDMM347::GeneraFichero() {
    framework::Prompts& prompts = DMMain.prompts();
    if (QMaestro.editing())
        QMaestro.post();
    const QString texto = ComponeFichero();
    const QString ruta = rutaImpresion();
    if (!agency::escribe(ruta, util::toWin1252(texto))) {
        prompts.information(QStringLiteral("No se puede crear el fichero de impresión MOD347.TXT"));
        prompts.information(QStringLiteral("Error en la grabación de archivo"));
        return false;
    }
    QGen.close();
    QGen.setSql(QStringLiteral("select APELLIDOS from T_CONTRIBUYENTES where CONTRIBUYENTE = :c"));
    QGen.setParam(QStringLiteral("C"), campo(kDeclarante).asInteger());
    QGen.execute();
    const QString apellidos = QGen.eof() ? QString() : QGen.field(0).asString().trimmed();
    QGen.close();
    copia_ = agency::copia(prompts, ruta, agency::directorio(QStringLiteral("347"), kEjercicio),
                           platform::safeFileName(apellidos + QStringLiteral("_0A.347")));
    prompts.information(
        QStringLiteral("Declaración grabada para su validación/presentacion\nEn : ") +
        QDir::toNativeSeparators(copia_));
    return true;
}

// A subaccount's tax number and postal code in the chart, read once per capture.
TDMM347::Subcuenta TDMM347::subcuenta(const QString& codigo, int empresa) {
    if (const auto it = subcuentas_.constFind(codigo); it != subcuentas_.cend())
        return *it;
    xSubcuenta.close();
    xSubcuenta.setParam(QStringLiteral("EMPRESA"), empresa);
    xSubcuenta.setParam(QStringLiteral("EJERCICIO"), kEjercicio);
    xSubcuenta.setParam(QStringLiteral("SUBCUENTA"), codigo);
    xSubcuenta.execute();
    Subcuenta s;
    if (!xSubcuenta.eof()) {
        s.existe = true;
        s.cif = xSubcuenta.field(QStringLiteral("CIF")).asString();
        s.codigoPostal = xSubcuenta.field(QStringLiteral("COD_POSTAL")).asString();
    }
    xSubcuenta.close();
    subcuentas_.insert(codigo, s);
    return s;
}

namespace {

// The counterpart's subaccount by the register and the entry's type: a purchase names the
// supplier on the credit side unless it is a payment-type entry, a sale the customer on
// the debit side.
QString subcuentaTercero(const db::Statement& f) {
    const QString tipo = f.field(QStringLiteral("TIPOASIENTO")).asString().trimmed();
    const QChar t = tipo.isEmpty() ? QChar() : tipo.at(0);
    const bool compra = f.field(QStringLiteral("TIPOREGISTRO")).asString() == u"S";
    const QString debe = f.field(QStringLiteral("SUBCUENTA_DEBE")).asString();
    const QString haber = f.field(QStringLiteral("SUBCUENTA_HABER")).asString();
    if (compra && QStringLiteral("46BMX").contains(t) && !t.isNull())
        return haber;
    if (compra && (t == u'1' || t == u'2'))
        return debe;
    if (!compra && QStringLiteral("9AM").contains(t) && !t.isNull())
        return debe;
    if (!compra && (t == u'7' || t == u'8'))
        return haber;
    return QStringLiteral("57000000");
}

// Invoices the declaration leaves out: exempt and non-deductible purchases, sales outside
// the declaration.
bool excluida(const db::Statement& f) {
    const QString registro = f.field(QStringLiteral("TIPOREGISTRO")).asString();
    const QString iva = f.field(QStringLiteral("TIPOIVA")).asString().trimmed();
    return (registro == u"S" && (iva == u"2" || iva == u"6")) ||
           (registro == u"R" && (iva == u"5" || iva == u"6"));
}

} // namespace

bool TDMM347::CapturaContabilidad() {
    if (QMaestro.editing())
        QMaestro.post();
    const int declarante = campo(kDeclarante).asInteger();
    if (!DMMain.AbreContabilidad(declarante))
        return false;
    subcuentas_.clear();
    QGen.close();
    QGen.setSql(QStringLiteral("delete from t_registro_iva\nwhere declarante = :declarante"));
    QGen.setParam(kDeclarante, declarante);
    QGen.execute();
    QGen.close();
    DMMain.TLocal.commit();

    const int empresa = EmpresaContable(kEjercicio);
    const QString agencia = provinciaAgencia();
    db::Statement facturas(DMMain.DBConta, DMMain.TConta);
    facturas.setSql(QStringLiteral(
        "SELECT FECHA, SUBCUENTA_DEBE, SUBCUENTA_HABER, NOMBRE, CIF, "
        "BASE0+BASE1+BASE2+BASE3+IVA1+IVA2+IVA3+IVA_REC1+IVA_REC2+IVA_REC3 AS TOTALFRA, "
        "TIPOREGISTRO,TIPOIVA,TIPOASIENTO, CC, DEVENGO\nFROM T_REGISTRO_IVA\n"
        "WHERE EMPRESA = :EMPRESA\nAND EJERCICIO = :EJERCICIO\nORDER BY FECHA"));
    facturas.setParam(QStringLiteral("EMPRESA"), empresa);
    facturas.setParam(QStringLiteral("EJERCICIO"), kEjercicio);
    // The working rows by key and counterpart, summed in cents.
    QHash<std::pair<QString, QString>, Acumulado> filas;
    QList<std::pair<QString, QString>> llegada;
    for (facturas.execute(); !facturas.eof(); facturas.next()) {
        if (excluida(facturas))
            continue;
        const QString codigo = subcuentaTercero(facturas);
        const QString cif = facturas.field(QStringLiteral("CIF")).asString();
        const Subcuenta cuenta = subcuenta(codigo, empresa);
        // The invoice's number, else the chart's, else the subaccount itself.
        QString nif = cif.trimmed();
        if (nif.isEmpty())
            nif = cuenta.existe ? cuenta.cif : codigo;
        nif = UUtiles::NormalizaNIF(nif);
        if (nif.isEmpty())
            nif = QStringLiteral("EEEEEEEEE");
        const bool venta = facturas.field(QStringLiteral("TIPOREGISTRO")).asString() == u"R";
        const QString clave = venta ? QStringLiteral("B") : QStringLiteral("A");
        const std::pair<QString, QString> llave{clave, nif};
        auto it = filas.find(llave);
        if (it == filas.end()) {
            Acumulado nuevo;
            const QString postal = cuenta.codigoPostal.trimmed();
            nuevo.provincia = postal.size() == 5 ? postal.left(2) : agencia;
            nuevo.sp =
                !venta && facturas.field(QStringLiteral("TIPOIVA")).asString().trimmed() == u"5";
            it = filas.insert(llave, nuevo);
            llegada << llave;
        }
        Acumulado& a = *it;
        a.nombre = UUtiles::NormalizaNombre(
            UUtiles::CompactaEspacios(facturas.field(QStringLiteral("NOMBRE")).asString()));
        const qint64 total = util::cents(facturas.field(QStringLiteral("TOTALFRA")).asFloat());
        // Cash-basis invoices count when paid: a quarter is not theirs.
        if (const int cc = facturas.field(QStringLiteral("CC")).asInteger(); cc != 0) {
            (facturas.field(QStringLiteral("DEVENGO")).asInteger() != 0 ? a.importeCC
                                                                        : a.importe) += total;
            a.cc = cc;
        } else {
            const int mes = facturas.field(QStringLiteral("FECHA")).asDate().month();
            a.trimestres[(mes - 1) / 3] += total;
            a.importe += total;
        }
    }
    facturas.close();
    DMMain.TConta.commit();
    for (const auto& llave : llegada)
        guardaRegistro(llave.first, llave.second, filas.value(llave));
    DMMain.TLocal.commit();
    insertaDeclarados();
    return true;
}

void TDMM347::guardaRegistro(const QString& clave, const QString& nif, const Acumulado& a) {
    QGen.close();
    QGen.setSql(QStringLiteral(
        "insert into T_REGISTRO_IVA (DECLARANTE, CLAVEOP, NIF_DECLARADO, NOMBRE, PROVINCIA, "
        "PRIMERO, SEGUNDO, TERCERO, CUARTO, IMPORTE, CC, IMPORTECC, SP) values (:DECLARANTE, "
        ":CLAVEOP, :NIF, :NOMBRE, :PROVINCIA, :PRIMERO, :SEGUNDO, :TERCERO, :CUARTO, :IMPORTE, "
        ":CC, :IMPORTECC, :SP)"));
    QGen.setParam(kDeclarante, campo(kDeclarante).asInteger());
    QGen.setParam(QStringLiteral("CLAVEOP"), clave);
    QGen.setParam(QStringLiteral("NIF"), nif);
    QGen.setParam(QStringLiteral("NOMBRE"), a.nombre.left(40));
    QGen.setParam(QStringLiteral("PROVINCIA"), a.provincia);
    for (int t = 0; t < 4; ++t)
        QGen.setParam(kTrimestres[t], double(a.trimestres[t]) / 100);
    QGen.setParam(kImporte, double(a.importe) / 100);
    QGen.setParam(QStringLiteral("CC"), a.cc);
    QGen.setParam(QStringLiteral("IMPORTECC"), double(a.importeCC) / 100);
    QGen.setParam(QStringLiteral("SP"), a.sp);
    QGen.execute();
    QGen.close();
}

// Every counterpart above the threshold becomes a declared party, by key and name.
void TDMM347::insertaDeclarados() {
    const int declarante = campo(kDeclarante).asInteger();
    db::Statement filas(DMMain.Database, DMMain.TLocal);
    filas.setSql(QStringLiteral("SELECT * FROM T_REGISTRO_IVA\nWHERE DECLARANTE = :DECLARANTE\n"
                                "ORDER BY CLAVEOP, NOMBRE"));
    filas.setParam(kDeclarante, declarante);
    db::Statement inserta(DMMain.Database, DMMain.TLocal);
    inserta.setSql(QStringLiteral(
        "insert into T_MOD347_DEC (DECLARANTE, ORDEN, NIF, REPRESENTANTE, DECLARADO, PROVINCIA, "
        "PAIS, CLAVE, TIPO_OPERACION, PRIMERO, SEGUNDO, TERCERO, CUARTO, IMPORTE, CC, SP, "
        "IMPORTECC ) values  (:DECLARANTE, :ORDEN, :NIF, 0, :DECLARADO, :PROVINCIA, null, :CLAVE, "
        "0, :PRIMERO, :SEGUNDO, :TERCERO, :CUARTO, :IMPORTE, :CC, :SP, :IMPORTECC)"));
    std::vector<QVariantList> declarados;
    for (filas.execute(); !filas.eof(); filas.next())
        if (util::cents(filas.field(kImporte).asFloat()) > util::cents(kUmbral))
            declarados.push_back({filas.field(QStringLiteral("NIF_DECLARADO")).variant(),
                                  filas.field(QStringLiteral("NOMBRE")).variant(),
                                  filas.field(QStringLiteral("PROVINCIA")).variant(),
                                  filas.field(QStringLiteral("CLAVEOP")).variant(),
                                  filas.field(QStringLiteral("PRIMERO")).variant(),
                                  filas.field(QStringLiteral("SEGUNDO")).variant(),
                                  filas.field(QStringLiteral("TERCERO")).variant(),
                                  filas.field(QStringLiteral("CUARTO")).variant(),
                                  filas.field(kImporte).variant(),
                                  filas.field(QStringLiteral("CC")).variant(),
                                  filas.field(QStringLiteral("SP")).variant(),
                                  filas.field(QStringLiteral("IMPORTECC")).variant()});
    filas.close();
    const int actual = QDeclarados.currentRow();
    for (const QVariantList& d : declarados) {
        inserta.setParam(kDeclarante, declarante);
        inserta.setParam(kOrden, numero(QStringLiteral("pa_mod347_orden_dec")));
        const char* const nombres[] = {"NIF",     "DECLARADO", "PROVINCIA", "CLAVE",
                                       "PRIMERO", "SEGUNDO",   "TERCERO",   "CUARTO",
                                       "IMPORTE", "CC",        "SP",        "IMPORTECC"};
        for (size_t i = 0; i < std::size(nombres); ++i)
            inserta.setParam(QLatin1String(nombres[i]), d[qsizetype(i)]);
        inserta.execute();
        DMMain.TLocal.commit();
    }
    QDeclarados.close();
    QDeclarados.open();
    if (actual >= 0 && actual < QDeclarados.recordCount())
        QDeclarados.moveTo(actual);
}

bool TDMM347::Archiva(TDMMain& main, int contribuyente, const QString&, bool captura) {
    TDMM347 dm(main);
    dm.DataModuleCreate();
    dm.QGen.close();
    dm.QGen.setSql(
        QStringLiteral("select CONTRIBUYENTE from T_CONTRIBUYENTES where CONTRIBUYENTE = :c"));
    dm.QGen.setParam(QStringLiteral("C"), contribuyente);
    dm.QGen.execute();
    const bool existe = !dm.QGen.eof();
    dm.QGen.close();
    if (!existe)
        throw tributra::Error(QStringLiteral(" No existe el contribuyente "));
    dm.FijaDeclarante(contribuyente);
    dm.QMaestro.post();
    if (captura && !dm.CapturaContabilidad())
        throw tributra::Error(
            QStringLiteral("No se ha capturado nada: el contribuyente %1 no tiene fichero enlace "
                           "contable o no se ha podido abrir")
                .arg(contribuyente));
    return dm.GeneraFichero();
}
