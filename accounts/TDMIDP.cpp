#include "accounts/TDMIDP.h"

#include "accounts/AnnualStatement.h"
#include "config/TDMMain.h"
#include "db/ChangeEventsOff.h"

namespace {

const QString kEmpresa = QStringLiteral("EMPRESA");

const QStringList kColumnas = {
    QStringLiteral("EMPRESA"),      QStringLiteral("DEPOSITO"),     QStringLiteral("DESCRIPCION"),
    QStringLiteral("NIF"),          QStringLiteral("SA"),           QStringLiteral("SL"),
    QStringLiteral("OTRAS"),        QStringLiteral("NOMBRESOCIAL"), QStringLiteral("DOMISOCIAL"),
    QStringLiteral("MUNICIPIO"),    QStringLiteral("IDPROVINCIA"),  QStringLiteral("CODPOSTAL"),
    QStringLiteral("TELEFONO"),     QStringLiteral("CNAE"),         QStringLiteral("ACTIVIDAD"),
    QStringLiteral("FIJO"),         QStringLiteral("FIJO_ANT"),     QStringLiteral("NOFIJO"),
    QStringLiteral("NOFIJO_ANT"),   QStringLiteral("FECHA_CIERRE"), QStringLiteral("FECHA_CIERRE_ANT"),
    QStringLiteral("MICROEMPRESA"),
};

} // namespace

TDMIDP::TDMIDP(TDMMain& main)
    : TDMBase(main), qProvincias(main.Database, TLocal), qContribuyente(main.Database, TLocal) {
    QMaestro.setSelectSql(QStringLiteral("SELECT * FROM IDENTIFICACION\nwhere empresa = :empresa"));
    setWriteSql(QMaestro, QStringLiteral("IDENTIFICACION"), kColumnas, {kEmpresa},
                KeyUpdate::Written);
    QMaestro.setParam(kEmpresa, 0);
    qProvincias.setSelectSql(QStringLiteral("select * from t_provincias\norder by provincia"));
    qContribuyente.setSelectSql(
        QStringLiteral("select apellidos, nif, domicilio, cod_postal, municipio, provincia, "
                       "telefono from t_contribuyentes\nwhere contribuyente = :empresa"));
    qContribuyente.setMaster(&QMaestro);
    addDataSet(qProvincias);
    addDataSet(qContribuyente);
    xAgencia.setSelectSql(QStringLiteral(
        "select * from VER_AGENCIA_TRIBUTARIA\nwhere contribuyente = :empresa"));
    QMaestro.onNewRecord.add([this](db::DataSet&) {
        db::ChangeEventsOff quiet(QMaestro.field(kEmpresa));
        InicializaCampos();
        QMaestro.field(QStringLiteral("FECHA_CIERRE"))
            .setAsDate(QDate(AnnualStatement::kEjercicio, 12, 31)); // the accounts deposited
        for (const char* indicador : {"SA", "SL", "MICROEMPRESA"})
            QMaestro.field(QLatin1String(indicador)).setAsInteger(0);
        QMaestro.field(kEmpresa).clear();
    });
    QMaestro.afterOpen.add([this](db::DataSet&) {
        if (!qProvincias.active())
            qProvincias.open();
    });
    QMaestro.onFieldChange({kEmpresa}, [this](db::Field&) { QMaestroEMPRESAChange(); });
    QMaestro.onFieldChange({QStringLiteral("NIF")}, [this](db::Field&) { QMaestroNIFChange(); });
}

void TDMIDP::FijaEmpresa(int empresa) {
    empresa_ = empresa;
    BuscaRegistro();
    CopiaDatosContribuyente();
}

bool TDMIDP::BuscaRegistro() {
    db::ChangeEventsOff quiet(QMaestro.field(kEmpresa));
    QMaestro.close();
    QMaestro.setParam(kEmpresa, empresa_);
    QMaestro.open();
    if (!QMaestro.isEmpty()) {
        QMaestro.edit();
        return true;
    }
    QMaestro.append();
    QMaestro.field(kEmpresa).setAsInteger(empresa_);
    return false;
}

// Choosing a taxpayer: its row or a new one, with the company data of the register.
void TDMIDP::QMaestroEMPRESAChange() {
    const db::Field& empresa = QMaestro.field(kEmpresa);
    if (empresa.isNull())
        return;
    FijaEmpresa(empresa.asInteger());
}

// What the register says overwrites what was typed; a province whose name the list does not
// know keeps the one there.
void TDMIDP::CopiaDatosContribuyente() {
    qContribuyente.close();
    qContribuyente.open();
    if (qContribuyente.isEmpty())
        return;
    for (const auto& [destino, origen] :
         {std::pair{"NIF", "NIF"}, {"NOMBRESOCIAL", "APELLIDOS"}, {"DOMISOCIAL", "DOMICILIO"},
          {"CODPOSTAL", "COD_POSTAL"}, {"MUNICIPIO", "MUNICIPIO"}, {"TELEFONO", "TELEFONO"}})
        QMaestro.field(QLatin1String(destino))
            .setValue(qContribuyente.field(QLatin1String(origen)).variant());
    const QString provincia =
        qContribuyente.field(QStringLiteral("PROVINCIA")).asString().trimmed();
    if (!qProvincias.active())
        qProvincias.open();
    for (int row = 0; row < qProvincias.recordCount(); ++row) {
        qProvincias.moveTo(row);
        if (qProvincias.field(QStringLiteral("TITULO")).asString().trimmed().compare(
                provincia, Qt::CaseInsensitive) == 0) {
            QMaestro.field(QStringLiteral("IDPROVINCIA"))
                .setAsInteger(qProvincias.field(QStringLiteral("PROVINCIA")).asString().toInt());
            return;
        }
    }
}

// The legal form from the tax number's first letter; the other flag is left as it is.
void TDMIDP::QMaestroNIFChange() {
    const QString nif = QMaestro.field(QStringLiteral("NIF")).asString().trimmed();
    if (nif.startsWith(u'A'))
        QMaestro.field(QStringLiteral("SA")).setAsInteger(1);
    else if (nif.startsWith(u'B'))
        QMaestro.field(QStringLiteral("SL")).setAsInteger(1);
}
