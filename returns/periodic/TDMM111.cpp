#include "returns/periodic/TDMM111.h"

#include "config/TDMMain.h"
#include "returns/Boxes.h"
#include "returns/Layout.h"
#include "util/Error.h"

#include <QDate>

namespace {

const QStringList kSecciones = {QStringLiteral("C3I"), QStringLiteral("C3II"),
                                QStringLiteral("C3III"), QStringLiteral("C3IV")};

QStringList campos() {
    QStringList c = {QStringLiteral("CONTRIBUYENTE"), QStringLiteral("PERIODO"),
                     QStringLiteral("TIPO")};
    for (const QString& seccion : kSecciones)
        for (int i = 1; i <= 6; ++i)
            c << seccion + QStringLiteral("%1").arg(i, 2, 10, QChar(u'0'));
    c << QStringList{QStringLiteral("C3V01"), QStringLiteral("C3V02"), QStringLiteral("C3V03"),
                     QStringLiteral("C3T01"), QStringLiteral("C3T02"), QStringLiteral("C3T03"),
                     QStringLiteral("C401"),  QStringLiteral("C501"),  QStringLiteral("C602"),
                     QStringLiteral("IBAN")};
    return c;
}

// Boxes 03, 06, 09, 12, 15, 18, 21, 24 and 27: what box 28 adds up.
const QStringList& pagos() {
    static const QStringList p = [] {
        QStringList names;
        for (const QString& seccion : kSecciones)
            names << seccion + QStringLiteral("03") << seccion + QStringLiteral("06");
        return names << QStringLiteral("C3V03");
    }();
    return p;
}

// The monetary row a capture key fills: recipients, amount, withholdings.
QString seccionDeClave(const QString& clave) {
    static const QHash<QString, QString> secciones = {
        {QStringLiteral("A"), QStringLiteral("C3I")},
        {QStringLiteral("G"), QStringLiteral("C3II")},
        {QStringLiteral("K"), QStringLiteral("C3III")},
        {QStringLiteral("J"), QStringLiteral("C3IV")}};
    return secciones.value(clave);
}

} // namespace

TDMM111::TDMM111(TDMMain& main)
    : PeriodicReturn(main, {QStringLiteral("111"),
                            QStringLiteral("T_MOD111"),
                            campos(),
                            {QStringLiteral("1T"), QStringLiteral("2T"), QStringLiteral("3T"),
                             QStringLiteral("4T")},
                            QStringLiteral("1.0"),
                            QString(),
                            QStringLiteral("No se puede crear el fichero MOD111.TXT")}) {
    xDatosConta.setSelectSql(
        QStringLiteral("select * from pa_mod110 (:empresa, :ejercicio, :fecha_ini, :fecha_fin)"));
    xDatosConta.beforeOpen = [this](db::DataSet&) { xDatosContaBeforeOpen(); };
    QMaestro.onFieldChange(pagos(), [this](db::Field&) { Liquido(); });
    QMaestro.onFieldChange({QStringLiteral("C3T01"), QStringLiteral("C3T02")},
                           [this](db::Field&) { Resultado(); });
}

void TDMM111::QMaestroNewRecord() {
    InicializaCampos();
    campo(QStringLiteral("C501")).setAsInteger(0);
    campo(QStringLiteral("TIPO")).setAsString(QStringLiteral("I"));
    campo(QStringLiteral("PERIODO")).setAsString(QStringLiteral("00"));
}

void TDMM111::DatosContribuyente() {
    leeContribuyente(
        QStringLiteral("select fp, iban, sin_actividad from t_contribuyentes "
                       "where contribuyente = :contribuyente"),
        [this](db::Statement& row) {
            const bool domiciliado = row.field(QStringLiteral("FP")).asInteger() == 3;
            campo(QStringLiteral("TIPO"))
                .setAsString(domiciliado ? QStringLiteral("U") : QStringLiteral("I"));
            campo(QStringLiteral("C501"))
                .setAsInteger(row.field(QStringLiteral("SIN_ACTIVIDAD")).asInteger());
            campo(QStringLiteral("IBAN")).setAsString(row.field(QStringLiteral("IBAN")).asString());
        });
}

void TDMM111::Liquido() {
    campo(QStringLiteral("C3T01")).setAsFloat(boxes::sum(QMaestro, pagos()));
}

void TDMM111::Resultado() {
    db::Field& resultado = campo(QStringLiteral("C3T03"));
    resultado.setAsFloat(campo(QStringLiteral("C3T01")).asFloat() -
                         campo(QStringLiteral("C3T02")).asFloat());
    campo(QStringLiteral("C401")).setAsFloat(resultado.asFloat());
}

// A capture needs a quarter: without one there are no dates to ask the books for.
void TDMM111::xDatosContaBeforeOpen() {
    const int trimestre = campo(QStringLiteral("PERIODO")).asString().left(1).toInt();
    if (trimestre < 1 || trimestre > 4)
        throw tributra::Error(QStringLiteral("Debe Elegir un periodo"));
    const QDate inicio(kEjercicio, 3 * trimestre - 2, 1);
    xDatosConta.setParam(QStringLiteral("EMPRESA"), EmpresaContable(kEjercicio));
    xDatosConta.setParam(QStringLiteral("EJERCICIO"), kEjercicio);
    xDatosConta.setParam(QStringLiteral("FECHA_INI"), inicio);
    xDatosConta.setParam(QStringLiteral("FECHA_FIN"), inicio.addMonths(3).addDays(-1));
}

// Only the monetary rows of the keys the model knows; a later row of a key wins.
void TDMM111::AsignaCasillas() {
    for (xDatosConta.first(); !xDatosConta.eof(); xDatosConta.next()) {
        const QString seccion =
            seccionDeClave(xDatosConta.field(QStringLiteral("CLAVE")).asString());
        if (seccion.isEmpty())
            continue;
        campo(seccion + QStringLiteral("01"))
            .setAsInteger(xDatosConta.field(QStringLiteral("PERCEPTORES")).asInteger());
        campo(seccion + QStringLiteral("02"))
            .setAsFloat(xDatosConta.field(QStringLiteral("IMPORTE")).asFloat());
        campo(seccion + QStringLiteral("03"))
            .setAsFloat(xDatosConta.field(QStringLiteral("RETENCION")).asFloat());
    }
}

std::vector<PeriodicReturn::Pagina> TDMM111::ComponePaginas() {
    return {{1, 1000, ComponePagina1()}};
}

QString TDMM111::ComponePagina1() {
    const QString c602 = campo(QStringLiteral("C602")).asString().trimmed();
    const bool negativa = campo(QStringLiteral("TIPO")).asString() == u"N";
    Layout p(1000);
    p.put(1, 12, QStringLiteral("<T11101000> "))
        .put(13, 1, campo(QStringLiteral("TIPO")).asString())
        .put(14, 89,
             DMMain.IdentificacionDeclarante(campo(QStringLiteral("CONTRIBUYENTE")).asInteger()))
        .put(103, 4, QString::number(kEjercicio))
        .put(107, 2, campo(QStringLiteral("PERIODO")).asString());
    // Boxes 01-24: per section, recipients, amount and withholdings paid in money, then in kind.
    int at = 109;
    for (const QString& seccion : kSecciones) {
        for (int columna = 1; columna <= 6; ++columna) {
            const db::Field& f =
                campo(seccion + QStringLiteral("%1").arg(columna, 2, 10, QChar(u'0')));
            const bool perceptores = columna == 1 || columna == 4;
            const int ancho = perceptores ? 8 : 17;
            perceptores ? p.count(at, ancho, f) : p.amount(at, ancho, f);
            at += ancho;
        }
    }
    p.count(445, 8, campo(QStringLiteral("C3V01")))
        .amount(453, 17, campo(QStringLiteral("C3V02")))
        .amount(470, 17, campo(QStringLiteral("C3V03")))
        .amount(487, 17, campo(QStringLiteral("C3T01")))
        .amount(504, 17, campo(QStringLiteral("C3T02")))
        .amount(521, 17, campo(QStringLiteral("C3T03")))
        .put(538, 1, c602.isEmpty() ? QStringLiteral(" ") : QStringLiteral("X"))
        .text(539, 13, c602)
        .blanks(552, 1);
    negativa ? p.blanks(553, 34) : p.text(553, 34, campo(QStringLiteral("IBAN")));
    p.blanks(587, 389).blanks(976, 13).put(989, 12, QStringLiteral("</T11101000>"));
    return p.result();
}
