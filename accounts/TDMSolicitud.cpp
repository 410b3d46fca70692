#include "accounts/TDMSolicitud.h"

#include "config/TDMMain.h"
#include "db/ChangeEventsOff.h"

namespace {

const QString kEmpresa = QStringLiteral("EMPRESA");

const QStringList kColumnas = {
    QStringLiteral("EMPRESA"),   QStringLiteral("TOMO"),      QStringLiteral("FOLIO"),
    QStringLiteral("HOJA"),      QStringLiteral("PRESENTADOR"), QStringLiteral("DNI"),
    QStringLiteral("DOMICILIO"), QStringLiteral("CODPOSTAL"), QStringLiteral("MUNICIPIO"),
    QStringLiteral("IDPROVINCIA"), QStringLiteral("TELEFONO"), QStringLiteral("FAX"),
    QStringLiteral("EMAIL"),
};

} // namespace

TDMSolicitud::TDMSolicitud(TDMMain& main)
    : TDMBase(main), qProvincias(main.Database, TLocal), qContribuyente(main.Database, TLocal) {
    QMaestro.setSelectSql(QStringLiteral("select * from solicitud\nwhere empresa = :empresa"));
    setWriteSql(QMaestro, QStringLiteral("SOLICITUD"), kColumnas, {kEmpresa}, KeyUpdate::Kept);
    QMaestro.setParam(kEmpresa, 0);
    qProvincias.setSelectSql(QStringLiteral("select * from t_provincias\norder by provincia"));
    qContribuyente.setSelectSql(
        QStringLiteral("select persona, telefono from t_contribuyentes\nwhere contribuyente = :empresa"));
    qContribuyente.setMaster(&QMaestro);
    addDataSet(qProvincias);
    addDataSet(qContribuyente);
    xAgencia.setSelectSql(QStringLiteral(
        "select * from VER_AGENCIA_TRIBUTARIA\nwhere contribuyente = :empresa"));
    QMaestro.onNewRecord.add([this](db::DataSet&) {
        db::ChangeEventsOff quiet(QMaestro.field(kEmpresa));
        InicializaCampos();
        QMaestro.field(kEmpresa).setAsInteger(empresa_);
    });
    auto copiaContacto = [this](db::DataSet&) {
        qContribuyente.close();
        qContribuyente.open();
        if (qContribuyente.isEmpty())
            return;
        QMaestro.field(QStringLiteral("PRESENTADOR"))
            .setValue(qContribuyente.field(QStringLiteral("PERSONA")).variant());
        QMaestro.field(QStringLiteral("TELEFONO"))
            .setValue(qContribuyente.field(QStringLiteral("TELEFONO")).variant());
    };
    QMaestro.onNewRecord.add(copiaContacto);
    // Inserting opens the taxpayer's request when it is there, with the contact refreshed.
    QMaestro.beforeInsert.add([copiaContacto](db::DataSet& ds) {
        if (ds.isEmpty())
            return;
        ds.abandonInsert();
        ds.edit();
        copiaContacto(ds);
    });
    QMaestro.afterOpen.add([this](db::DataSet&) {
        if (!qProvincias.active())
            qProvincias.open();
    });
}

void TDMSolicitud::FijaEmpresa(int empresa) {
    if (empresa == empresa_ && QMaestro.active())
        return;
    empresa_ = empresa;
    QMaestro.close();
    QMaestro.setParam(kEmpresa, empresa_);
    QMaestro.open();
    xAgencia.close();
    xAgencia.open();
}

bool TDMSolicitud::BuscaRegistro() {
    FijaEmpresa(empresa_);
    if (!QMaestro.isEmpty()) {
        QMaestro.edit();
        return true;
    }
    QMaestro.append();
    return false;
}
