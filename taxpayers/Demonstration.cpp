#include "taxpayers/Demonstration.h"

#include "config/AdminAccount.h"
#include "db/Database.h"
#include "db/Statement.h"
#include "db/Transaction.h"
#include "memoria/MemoriaEjemplo.h"
#include "platform/IniFile.h"
#include "schema/AccountingSample.h"
#include "schema/SystemDatabase.h"
#include "schema/TaxNumber.h"
#include "util/Error.h"
#include "util/UUtiles.h"

#include <QDir>
#include <QFileInfo>

namespace {

using Kind = schema::AccountingSample::Taxpayer;

struct DemoTaxpayer {
    int number;
    const char* nif;
    const char* surnames;
    const char* name;
    const char* street;
    const char* postalCode;
    const char* town;
    const char* province;
    const char* office;
    const char* signer;
    const char* position;
    const char* accounting; // the accounting database's file, or none
    Kind kind;
};

const DemoTaxpayer kTaxpayers[] = {
    {1, "B30123456", "TALLERES DEL SEGURA SL", "", "DEL CARMEN", "30002", "MURCIA", "MURCIA",
     "30600", "ANTONIO GOMEZ SOLER", "ADMINISTRADOR", "conta_empresa.fdb", Kind::Company},
    {2, "48123456G", "MARTINEZ NAVARRO", "ELENA", "GRAN VIA", "30004", "MURCIA", "MURCIA", "30600",
     "ELENA MARTINEZ NAVARRO", "TITULAR", "conta_autonomo.fdb", Kind::SelfEmployed},
    {3, "22987654T", "SANCHEZ PUJANTE", "JOSE", "MAYOR", "30201", "CARTAGENA", "MURCIA", "30601",
     "JOSE SANCHEZ PUJANTE", "TITULAR", "conta_arrendador.fdb", Kind::Landlord},
    {4, "27456789N", "LOPEZ RUIZ", "CARMEN", "DE LA PAZ", "30800", "LORCA", "MURCIA", "30602",
     "CARMEN LOPEZ RUIZ", "TITULAR", nullptr, Kind::Company},
    // A company whose books are kept elsewhere: its corporate-tax instalments are typed.
    {5, "A30654321", "CONSTRUCCIONES MAR MENOR SA", "", "GRAN VIA", "30730", "SAN JAVIER", "MURCIA",
     "30600", "LUIS GARCIA PEREZ", "ADMINISTRADOR", nullptr, Kind::Company},
};

// A few activity headings, key character first, for the VAT return's heading look-ups; the
// full list comes with the reference files.
const std::pair<const char*, const char*> kHeadings[] = {
    {"15011", "CONSTRUCCION COMPLETA, REPARACION Y CONSERVACION"},
    {"16912", "REPARACION DE VEHICULOS AUTOMOVILES"},
    {"38611", "ALQUILER DE VIVIENDAS"},
    {"38612", "ALQUILER DE LOCALES INDUSTRIALES"},
};

// The identification sheet and the deposit request of the company with books.
const char* const kAnnualAccounts[] = {
    "insert into IDENTIFICACION (EMPRESA, DEPOSITO, DESCRIPCION, NIF, SL, NOMBRESOCIAL, "
    "DOMISOCIAL, MUNICIPIO, IDPROVINCIA, CODPOSTAL, TELEFONO, CNAE, ACTIVIDAD, FIJO, FIJO_ANT, "
    "NOFIJO, NOFIJO_ANT, FECHA_CIERRE) values (1, 'TALLERES', 'CUENTAS ANUALES 2017', "
    "'B30123456', 1, 'TALLERES DEL SEGURA SL', 'CL DEL CARMEN 12', 'MURCIA', 30, '30002', "
    "'968000000', '4520', 'Reparación de vehículos de motor', 3, 3, 1, 0.5, '2017-12-31')",
    "insert into SOLICITUD (EMPRESA, TOMO, FOLIO, HOJA, PRESENTADOR, DNI, DOMICILIO, CODPOSTAL, "
    "MUNICIPIO, IDPROVINCIA, TELEFONO) values (1, 2345, 112, 54321, 'ANTONIO GOMEZ SOLER', "
    "'22334455Y', 'CL DEL CARMEN 12', '30002', 'MURCIA', 30, '968000000')",
};

// What the informative returns are given by hand: the landlord's premises let to its first
// tenant, and a correction of last year's acquisitions from France in the company's
// intra-community statement.
const char* const kInformativas[] = {
    "insert into T_MOD347 (DECLARANTE, PERSONA, FIRMANTE, CARGO, FECHA, TIPO, PRESENTACION) "
    "values (3, 'JOSE SANCHEZ PUJANTE', 'JOSE SANCHEZ PUJANTE', 'TITULAR', '2018-12-31', 0, '2')",
    "insert into T_MOD347_INM (DECLARANTE, ORDEN, NIF, REPRESENTANTE, ARRENDATARIO, IMPORTE, "
    "CATASTRO, PROVINCIA, MUNICIPIO, SIGLAS, SITUACION, NOMBREVIA, NUMCASA, PISO, CODMUNICIPIO, "
    "CODPOSTAL) values (3, 1, :NIF, 0, 'ASESORES REUNIDOS DEL TURIA SL', 17424, "
    "'3016101XG7631N0001PQ', '30', 'CARTAGENA', 'CL', 1, 'MAYOR', '12', '1', '0161', '30201')",
    "insert into T_MOD349 (DECLARANTE, PERIODO, PERSONA, FIRMANTE, CARGO, FECHA, TIPO, "
    "PRESENTACION) values (1, '0A', 'ANTONIO GOMEZ SOLER', 'ANTONIO GOMEZ SOLER', "
    "'ADMINISTRADOR', '2018-12-31', 0, '1')",
    "insert into T_MOD349_RT (DECLARANTE, PERIODO, ORDEN, PAIS, NIF, DECLARADO, CLAVE, EJERCICIO, "
    "PER_ANT, IMPORTE, IMPORTE_ANT) values (1, '0A', 1, 'FR', '40303265045', "
    "'FOURNITURES DUPONT SARL', 'A', 2017, '4T', 1250, 1000)",
};

} // namespace

Demonstration::Demonstration(const QString& folder) : folder_(QDir(folder).absolutePath()) {}

QString Demonstration::systemDatabase() const {
    return QDir(folder_).filePath(QStringLiteral("Tribra18.gdb"));
}

void Demonstration::build() const {
    if (!QDir().mkpath(QDir(folder_).filePath(QStringLiteral("aeat"))))
        throw tributra::Error(QStringLiteral("No se puede crear la carpeta %1").arg(folder_));
    if (!QFileInfo::exists(systemDatabase())) {
        for (const DemoTaxpayer& t : kTaxpayers) {
            if (!t.accounting)
                continue;
            const QString path = QDir(folder_).filePath(QString::fromLatin1(t.accounting));
            QFile::remove(path); // a half-built one from an interrupted run
            schema::AccountingSample({t.kind, 10, unsigned(t.number)})
                .create(path, config::adminParams());
        }
        schema::createSystemDatabase(systemDatabase(), config::adminParams());
        addRegister();
    }
    writeSettings();
}

void Demonstration::addRegister() const {
    db::Database database;
    database.setDatabaseName(systemDatabase());
    database.setParams(config::adminParams());
    database.open();
    db::Transaction transaction(database);
    db::Statement insert(database, transaction);
    insert.setSql(
        QStringLiteral("insert into T_CONTRIBUYENTES (CONTRIBUYENTE, NIF, APELLIDOS, "
                       "NOMBRE, SIGLAS, DOMICILIO, NUMERO, COD_POSTAL, "
                       "MUNICIPIO, PROVINCIA, TELEFONO, FP, CCC, FICHERO_CTBLE, "
                       "PARTICIPACION, CUENTA_PF, ADMINISTRACION, "
                       "SIN_ACTIVIDAD, FIRMANTE, CARGO, PERSONA, IBAN) values (:CONTRIBUYENTE, "
                       ":NIF, :APELLIDOS, :NOMBRE, 'CL', :DOMICILIO, "
                       "'12', :COD_POSTAL, :MUNICIPIO, :PROVINCIA, '968000000', 2, :CCC, "
                       ":FICHERO_CTBLE, 100, :CUENTA_PF, "
                       ":ADMINISTRACION, 0, :FIRMANTE, :CARGO, :PERSONA, :IBAN)"));
    for (const DemoTaxpayer& t : kTaxpayers) {
        const QString ccc = QStringLiteral("2100041845020005%1").arg(t.number, 4, 10, QChar(u'0'));
        insert.setParam(QStringLiteral("CONTRIBUYENTE"), t.number);
        insert.setParam(QStringLiteral("NIF"), QString::fromLatin1(t.nif));
        insert.setParam(QStringLiteral("APELLIDOS"), QString::fromLatin1(t.surnames));
        insert.setParam(QStringLiteral("NOMBRE"), QString::fromLatin1(t.name));
        insert.setParam(QStringLiteral("DOMICILIO"), QString::fromLatin1(t.street));
        insert.setParam(QStringLiteral("COD_POSTAL"), QString::fromLatin1(t.postalCode));
        insert.setParam(QStringLiteral("MUNICIPIO"), QString::fromLatin1(t.town));
        insert.setParam(QStringLiteral("PROVINCIA"), QString::fromLatin1(t.province));
        insert.setParam(QStringLiteral("CCC"), ccc);
        insert.setParam(QStringLiteral("IBAN"), UUtiles::CalculaIBAN(ccc, QStringLiteral("ES")));
        insert.setParam(QStringLiteral("FICHERO_CTBLE"),
                        t.accounting
                            ? QVariant(QDir(folder_).filePath(QString::fromLatin1(t.accounting)))
                            : QVariant());
        insert.setParam(QStringLiteral("CUENTA_PF"),
                        t.kind == Kind::SelfEmployed && t.accounting
                            ? QVariant(schema::AccountingSample::instalmentAccount())
                            : QVariant());
        insert.setParam(QStringLiteral("ADMINISTRACION"), QString::fromLatin1(t.office));
        insert.setParam(QStringLiteral("FIRMANTE"), QString::fromLatin1(t.signer));
        insert.setParam(QStringLiteral("PERSONA"), QString::fromLatin1(t.signer)); // the contact
        insert.setParam(QStringLiteral("CARGO"), QString::fromLatin1(t.position));
        insert.execute();
    }
    insert.setSql(
        QStringLiteral("insert into T_EPIGRAFES (EPIGRAFE, TITULO) values (:EPIGRAFE, :TITULO)"));
    for (const auto& [heading, title] : kHeadings) {
        insert.setParam(QStringLiteral("EPIGRAFE"), QString::fromLatin1(heading));
        insert.setParam(QStringLiteral("TITULO"), QString::fromLatin1(title));
        insert.execute();
    }
    // The company's annual accounts are ready to be prepared and deposited.
    for (const char* sql : kAnnualAccounts) {
        insert.setSql(QString::fromUtf8(sql));
        insert.execute();
    }
    for (const char* sql : kInformativas) {
        insert.setSql(QString::fromUtf8(sql));
        if (insert.hasParam(QStringLiteral("NIF")))
            insert.setParam(QStringLiteral("NIF"), schema::cifOf(u'B', 4655667)); // the tenant's
        insert.execute();
    }
    MemoriaEjemplo::inserta(database, transaction, 1);
    transaction.commit();
    database.close();
}

void Demonstration::writeSettings() const {
    platform::IniFile ini(QDir(folder_).filePath(QStringLiteral("Tribra18.ini")));
    ini.writeString(QStringLiteral("Datos"), QStringLiteral("BaseDeDatos"),
                    QDir::toNativeSeparators(systemDatabase()));
    ini.writeString(QStringLiteral("Datos"), QStringLiteral("Servidor"), QStringLiteral("LOCAL"));
    ini.writeString(QStringLiteral("Datos"), QStringLiteral("Protocolo"), QString());
}
