#include "accounts/TDMDepositoXML.h"

#include "accounts/DepositKeys.h"
#include "accounts/TDMBalance.h"
#include "config/TDMMain.h"
#include "framework/Prompts.h"
#include "util/Error.h"
#include "util/UUtiles.h"
#include "util/Win1252.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QString kEmpresa = QStringLiteral("EMPRESA");
const QString kFichero = QStringLiteral("Deposito.Xml");

// What the deposit program asks for beside the deposit file, each created when missing.
const char* const kSubcarpetas[] = {"Documentos", "Documentos TMP", "Otros Documentos",
                                    "Otros Documentos TMP"};

QString texto(const db::DataSet& ds, const char* campo) {
    const db::Field* f = ds.findField(QLatin1String(campo));
    return f ? f->asString() : QString();
}

QVariant valor(const db::DataSet& ds, const char* campo) {
    const db::Field* f = ds.findField(QLatin1String(campo));
    return f && !ds.isEmpty() ? f->variant() : QVariant();
}

QString sinAcentos(const db::DataSet& ds, const char* campo) {
    return UUtiles::QuitaAcentos(texto(ds, campo));
}

QString digitos(int n, int ancho) {
    return QStringLiteral("%1").arg(n, ancho, 10, QChar(u'0'));
}

} // namespace

TDMDepositoXML::TDMDepositoXML(TDMMain& main)
    : DMMain(main), transaccion(main.Database), qIdentificacion(main.Database, transaccion),
      qBalance(main.Database, transaccion), qPyG(main.Database, transaccion),
      qSolicitud(main.Database, transaccion), qAdministrador(main.Database, transaccion) {
    qIdentificacion.setSelectSql(
        QStringLiteral("SELECT * FROM IDENTIFICACION\nWHERE EMPRESA = :EMPRESA"));
    qBalance.setSelectSql(QStringLiteral("select * from balance\nwhere empresa = :empresa"));
    qPyG.setSelectSql(QStringLiteral("select * from PyG\nwhere empresa = :empresa"));
    qSolicitud.setSelectSql(QStringLiteral("select * from solicitud\nwhere empresa = :empresa"));
    qAdministrador.setSelectSql(
        QStringLiteral("select firmante from t_contribuyentes\nwhere contribuyente = :empresa"));
    for (db::DataSet* detalle : {&qBalance, &qPyG, &qSolicitud, &qAdministrador})
        detalle->setMaster(&qIdentificacion);
    QDir::setCurrent(DMMain.DirectorioTrabajo());
}

void TDMDepositoXML::abre(int empresa) {
    if (!transaccion.active())
        transaccion.start();
    for (db::DataSet* ds :
         {&qIdentificacion, &qBalance, &qPyG, &qSolicitud, &qAdministrador})
        ds->close();
    qIdentificacion.setParam(kEmpresa, empresa);
    qIdentificacion.open();
    for (db::DataSet* detalle : {&qBalance, &qPyG, &qSolicitud, &qAdministrador})
        detalle->open();
}

QString TDMDepositoXML::carpeta() const {
    return QDir(DMMain.DirectorioDeposito).filePath(texto(qIdentificacion, "DEPOSITO").trimmed());
}

bool TDMDepositoXML::GeneraDeposito(int empresa, bool reemplaza) {
    framework::Prompts& prompts = DMMain.prompts();
    abre(empresa);
    if (qIdentificacion.isEmpty()) {
        prompts.information(QStringLiteral("No Existen datos de la empresa"));
        return false;
    }
    const QString destino = carpeta();
    QDir().mkdir(destino); // one level: D2's working directory must be there
    for (const char* sub : kSubcarpetas)
        QDir(destino).mkdir(QLatin1String(sub));
    const QString fichero = QDir(destino).filePath(kFichero);
    if (QFileInfo::exists(fichero) && !reemplaza &&
        !prompts.question(QStringLiteral("Fichero Deposito.Xml ya existe. ¿Desea reemplazarlo?"),
                          QStringLiteral("Confirmación...")))
        return false;
    // The whole document first: an error while it is made leaves the earlier file whole.
    const QByteArray bytes = util::toWin1252(Documento()) + "\r\n";
    QSaveFile file(fichero);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0 || !file.commit()) {
        prompts.information(QStringLiteral("No se ha podido crear el fichero Deposito.Xml"));
        return false;
    }
    return true;
}

QString TDMDepositoXML::Documento() {
    const db::DataSet& id = qIdentificacion;
    QString doc = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
        "<Esquema xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"><Cabecera>");
    for (const auto& [etiqueta, campo] :
         {std::pair{"CIF", "NIF"}, {"RazonSocial", "NOMBRESOCIAL"}, {"Descripcion", "DESCRIPCION"}})
        doc += QStringLiteral("<%1>%2</%1>").arg(QLatin1String(etiqueta),
                                                   DepositKeys::escapa(texto(id, campo)));
    doc += QStringLiteral("<TipoCuestionario>Pymes</TipoCuestionario>"
                          "<IdiomaCuestionario>Castellano</IdiomaCuestionario>"
                          "<MemoriaNormalizada>False</MemoriaNormalizada>"
                          "<Ejercicio>2017</Ejercicio></Cabecera><Claves>");
    DepositKeys claves;
    ClavesIdentificacion(claves);
    ClavesImportes(claves, qBalance);
    ClavesImportes(claves, qPyG);
    ClavesSolicitud(claves);
    ClavesPatrimonio(claves);
    return doc + claves.text() + QStringLiteral("</Claves></Esquema>");
}

void TDMDepositoXML::ClavesIdentificacion(DepositKeys& claves) {
    const db::DataSet& id = qIdentificacion;
    claves.clave(1010, texto(id, "NIF"));
    if (valor(id, "SA").toInt() == 1)
        claves.clave(1011, QStringLiteral("1"));
    if (valor(id, "SL").toInt() == 1)
        claves.clave(1012, QStringLiteral("1"));
    if (!valor(id, "OTRAS").isNull())
        claves.clave(1013, texto(id, "OTRAS").trimmed());
    claves.clave(1020, sinAcentos(id, "NOMBRESOCIAL"));
    claves.clave(1022, sinAcentos(id, "DOMISOCIAL"));
    claves.clave(1023, sinAcentos(id, "MUNICIPIO"));
    claves.clave(1024, texto(id, "CODPOSTAL"));
    claves.clave(1025, DepositKeys::entero(valor(id, "IDPROVINCIA")));
    claves.clave(1031, texto(id, "TELEFONO"));
    claves.clave(2009, sinAcentos(id, "ACTIVIDAD"));
    claves.clave(2001, texto(id, "CNAE"));
    claves.clave(4001, DepositKeys::importe(valor(id, "FIJO")));
    claves.clave(4002, DepositKeys::importe(valor(id, "NOFIJO")));
    claves.clave(40019, DepositKeys::importe(valor(id, "FIJO_ANT")));
    claves.clave(40029, DepositKeys::importe(valor(id, "NOFIJO_ANT")));
    // The exercise runs from 1 January; the earlier one is 2016.
    for (const auto& [codigo, v] :
         {std::pair{1102, "01.01.2017"}, {11021, "2017"}, {11022, "1"}, {11023, "1"},
          {110219, "2016"}, {110229, "1"}, {110239, "1"}})
        claves.clave(codigo, QLatin1String(v));
    const QDate cierre = id.findField(QStringLiteral("FECHA_CIERRE"))->asDate();
    claves.clave(1101, QStringLiteral("%1.%2.%3")
                           .arg(digitos(cierre.day(), 2), digitos(cierre.month(), 2),
                                digitos(cierre.year(), 4)));
    claves.clave(11011, digitos(cierre.year(), 4));
    claves.clave(11012, digitos(cierre.month(), 2));
    claves.clave(11013, digitos(cierre.day(), 2));
    claves.clave(110119, digitos(cierre.year() - 1, 4));
    claves.clave(110129, digitos(cierre.month(), 2));
    claves.clave(110139, digitos(cierre.day(), 2));
    claves.clave(1901, QStringLiteral("7"));
    claves.clave(1902, DepositKeys::entero(valor(id, "MICROEMPRESA")));
}

// The statement's non-zero lines in column order, each under its code.
void TDMDepositoXML::ClavesImportes(DepositKeys& claves, db::DataSet& cuentas) {
    if (cuentas.isEmpty())
        return;
    for (const db::Field* f : cuentas.fields()) {
        if (!f->name().startsWith(u'C') || f->isNull() || DepositKeys::cero(f->asFloat()))
            continue;
        claves.clave(f->name().mid(1), DepositKeys::importe(f->variant()));
    }
}

void TDMDepositoXML::ClavesSolicitud(DepositKeys& claves) {
    for (const auto& [codigo, v] : {std::pair{8099000, "1"}, {8009050, "1"}, {8081001, "29023"}})
        claves.clave(codigo, QLatin1String(v));
    const db::DataSet& s = qSolicitud;
    claves.clave(8081002, DepositKeys::entero(valor(s, "TOMO")));
    claves.clave(8081003, DepositKeys::entero(valor(s, "FOLIO")));
    claves.clave(8081004, DepositKeys::entero(valor(s, "HOJA")));
    claves.clave(8081201, sinAcentos(s, "PRESENTADOR"));
    claves.clave(8081202, texto(s, "DNI"));
    claves.clave(8081203, sinAcentos(s, "DOMICILIO"));
    claves.clave(8081205, texto(s, "CODPOSTAL"));
    claves.clave(8081204, sinAcentos(s, "MUNICIPIO"));
    claves.clave(8081206, DepositKeys::entero(valor(s, "IDPROVINCIA")));
    claves.clave(8081208, texto(s, "TELEFONO"));
    claves.clave(8081207, texto(s, "FAX"));
    claves.clave(8081209, texto(s, "EMAIL"));
    claves.clave(8091001, sinAcentos(qAdministrador, "FIRMANTE"));
}

// The statement of changes in equity from the books: capital (100-102), reserves and
// earlier results (112-121) and the year's result (129).
void TDMDepositoXML::ClavesPatrimonio(DepositKeys& claves) {
    const int empresa = valor(qIdentificacion, "EMPRESA").toInt();
    if (!DMMain.AbreContabilidad(empresa))
        return;
    struct Cierre {
        db::Database& conta;
        ~Cierre() {
            try {
                conta.close();
            } catch (const tributra::Error&) {
                // reopened by the next capture
            }
        }
    } cierre{DMMain.DBConta};
    TDMBalance balance(DMMain);
    balance.DataModuleCreate();
    balance.FijaEmpresa(empresa);
    const QList<int> capital{100, 101, 102};
    const QList<int> reservas{112, 113, 114, 119, 120, 121};
    const QList<int> resultado{129};
    const double A = -balance.SaldoCuentasAnterior(capital, 0, 13);
    const double B = -balance.SaldoCuentas(capital, 0, 13);
    const double C = -balance.SaldoCuentasAnterior(reservas, 0, 0);
    const double D = -balance.SaldoCuentasAnterior(resultado, 0, 0);
    const double E = -balance.SaldoCuentasAnterior(reservas, 0, 13);
    const double F = -balance.SaldoCuentas(resultado, 0, 0);
    const double G = F - balance.SaldoCuentas(reservas, 0, 0);
    const double H = -balance.SaldoCuentas(resultado, 0, 13);

    auto clave = [&](qint64 codigo, double v) { claves.clave(codigo, DepositKeys::importe(v)); };
    for (qint64 codigo : {511019, 514019, 51101, 51401})
        clave(codigo, A);
    clave(52501, B);
    if (!DepositKeys::cero(C))
        for (qint64 codigo : {511049, 514049})
            clave(codigo, C);
    if (!DepositKeys::cero(D))
        for (qint64 codigo : {524049, 532049})
            clave(codigo, D);
    if (!DepositKeys::cero(E))
        for (qint64 codigo : {51104, 51404})
            clave(codigo, E);
    if (!DepositKeys::cero(F))
        for (qint64 codigo : {52404, 53204})
            clave(codigo, F);
    if (!DepositKeys::cero(G))
        clave(52504, G);
    if (!DepositKeys::cero(D)) {
        clave(511069, D);
        clave(514069, D);
        clave(524069, -D);
        clave(532069, -D);
    }
    if (!DepositKeys::cero(F)) {
        clave(528089, F);
        clave(51108, F);
        clave(51408, F);
        clave(52408, -F);
        clave(53208, -F);
    }
    if (!DepositKeys::cero(H)) {
        clave(52808, H);
        clave(52508, H);
    }
    clave(511139, A + C + D);
    clave(514139, A + C + D);
    clave(528139, F);
    clave(51113, A + C + D + F);
    clave(51413, A + C + D + F);
    clave(52813, H);
    clave(52513, A + C + D + F + H);
}
