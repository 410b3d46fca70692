#include "returns/periodic/SimplifiedVatReturn.h"

#include "config/TDMMain.h"
#include "util/Cents.h"
#include "util/UUtiles.h"

SimplifiedVatReturn::SimplifiedVatReturn(TDMMain& main, const Model& model, QString formaPago)
    : PeriodicReturn(main, model), formaPago_(std::move(formaPago)) {}

void SimplifiedVatReturn::QMaestroNewRecord() {
    InicializaCampos();
    const QDate hoy = QDate::currentDate();
    campo(QStringLiteral("C902")).setAsString(QString::number(hoy.day()));
    campo(QStringLiteral("C903")).setAsString(UUtiles::NombreMes(hoy.month()));
    campo(QStringLiteral("C904")).setAsString(QString::number(hoy.year()));
    campo(QStringLiteral("ESTADO")).setAsInteger(0);
}

void SimplifiedVatReturn::DatosContribuyente() {
    const bool anual = !model().conPeriodo();
    leeContribuyente(
        QStringLiteral("select fp, ccc, municipio,%1 persona, telefono from t_contribuyentes "
                       "where contribuyente = :contribuyente")
            .arg(anual ? QStringLiteral(" sin_actividad,") : QString()),
        [&](db::Statement& row) {
            // Paid by debit to the account when the register has a way of payment.
            campo(formaPago_).setAsInteger(row.field(QStringLiteral("FP")).asInteger() != 0 ? 2 : 1);
            ccc_ = row.field(QStringLiteral("CCC")).asString();
            campo(QStringLiteral("C7CCC")).setValue(row.field(QStringLiteral("CCC")).variant());
            campo(QStringLiteral("C901"))
                .setValue(row.field(QStringLiteral("MUNICIPIO")).variant());
            campo(QStringLiteral("CONTACTO"))
                .setValue(row.field(QStringLiteral("PERSONA")).variant());
            campo(QStringLiteral("TELEFONO"))
                .setValue(row.field(QStringLiteral("TELEFONO")).variant());
            if (anual)
                campo(QStringLiteral("C501"))
                    .setAsInteger(row.field(QStringLiteral("SIN_ACTIVIDAD")).asInteger());
        });
}

// The first rule that applies: to compensate, negative, then by the form of payment.
QString SimplifiedVatReturn::tipoDeclaracion() {
    if (util::cents(campo(QStringLiteral("C401")).asFloat()) > 0)
        return QStringLiteral("C");
    if (campo(QStringLiteral("TIPO")).asInteger() == 1)
        return QStringLiteral("N");
    switch (campo(formaPago_).asInteger()) {
    case 0:
        return QStringLiteral("N");
    case 1:
        return QStringLiteral("I");
    case 2:
        return QStringLiteral("G");
    case 3:
        return QStringLiteral("U");
    default:
        return QStringLiteral(" ");
    }
}

QString SimplifiedVatReturn::Regla(const QString& nombre) {
    const int contribuyente = campo(QStringLiteral("CONTRIBUYENTE")).asInteger();
    if (nombre == u"tipo")
        return tipoDeclaracion();
    if (nombre == u"identificacion corta")
        return DMMain.IdentificacionCorta(contribuyente);
    if (nombre == u"identificacion completa")
        return DMMain.IdentificacionCompleta(contribuyente);
    return PeriodicReturn::Regla(nombre);
}
