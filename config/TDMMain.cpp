#include "config/TDMMain.h"

#include "config/AdminAccount.h"
#include "config/ConnectionString.h"
#include "config/DatabaseLocation.h"
#include "config/UpdateScript.h"
#include "db/Error.h"
#include "framework/Prompts.h"
#include "platform/IniFile.h"
#include "platform/Program.h"
#include "platform/WindowsPaths.h"
#include "schema/SystemDatabase.h"
#include "util/UUtiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace {

const QString kSection = QStringLiteral("Datos");
const QString kUpdateScript = QStringLiteral("Tribra.sql");
const QString kUpdateFailed = QStringLiteral("No se pudo realizar la actualización");

} // namespace

TDMMain::TDMMain(framework::Prompts& prompts) : prompts_(prompts) {
    Database.setParams(config::adminParams());
    DBConta.setParams(config::adminParams());
    LeeConfiguracion();
    FormatosRegionales();
    ConectaBaseDatos();
}

TDMMain::~TDMMain() {
    try {
        DBConta.close();
        Database.close();
    } catch (const db::Error&) {
        // The server went away; there is nobody left to tell.
    }
}

QString TDMMain::settingsFile() const {
    return platform::windowsDirectory() + QStringLiteral("/Tribra18.ini");
}

void TDMMain::LeeConfiguracion() {
    const platform::IniFile ini(settingsFile());
    BaseDeDatos = ini.readString(kSection, QStringLiteral("BaseDeDatos"));
    if (BaseDeDatos.isEmpty()) {
        PideUbicacion();
        return;
    }
    leidaDeAjustes_ = true;
    Servidor = ini.readString(kSection, QStringLiteral("Servidor"));
    Protocolo = ini.readString(kSection, QStringLiteral("Protocolo"));
    DirectorioDeposito = ini.readString(kSection, QStringLiteral("Deposito"));
}

// The process's own formats, whatever the user's locale says. Every number and date the
// system writes goes through util/ (decimal comma, thousands dot, dd/mm/yyyy); Qt's own
// widgets get Spanish with the decimal comma, but no group separator: Qt misplaces it in
// Spanish ("1234.567,50").
void TDMMain::FormatosRegionales() {
    QLocale spanish(QLocale::Spanish, QLocale::Spain);
    spanish.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(spanish);
    directorioTrabajo_ = QDir::currentPath();
}

void TDMMain::PideUbicacion() {
    config::DatabaseLocation location;
    location.databaseName =
        QDir::toNativeSeparators(QDir::currentPath() + QStringLiteral("/Tribra18.gdb"));
    if (prompts_.askDatabaseLocation(location))
        aplicaUbicacion(location);
}

void TDMMain::aplicaUbicacion(const config::DatabaseLocation& location) {
    BaseDeDatos = location.databaseName;
    Servidor = location.remote ? location.server : QStringLiteral("LOCAL");
    Protocolo = location.remote ? location.protocol : QString();
}

QString TDMMain::CadenaConexion() const {
    return config::connectionString(Servidor, Protocolo, BaseDeDatos);
}

void TDMMain::ConectaBaseDatos() {
    if (!abreBaseDatos()) {
        prompts_.error(QStringLiteral("Imposible abrir ") + CadenaConexion() + motivoSinConexion());
        terminating_ = !(leidaDeAjustes_ && CadenaConexion().isEmpty() && corrigeUbicacion());
    }
    GrabaConfiguracion();
    if (!terminating_ && config::UpdateScript(kUpdateScript).exists())
        ActualizaBaseDatos();
}

bool TDMMain::abreBaseDatos() {
    const QString name = CadenaConexion();
    Database.setDatabaseName(name);
    try {
        if (!Database.connected() || !Database.answers()) {
            Database.close();
            if (offerToCreate())
                schema::createSystemDatabase(name, config::adminParams());
            Database.open();
        }
        // TLocal is not started here: its statements start it and end it with a commit, so
        // that no transaction stays open all day and holds the server's garbage collection.
        return true;
    } catch (const tributra::Error&) {
        return false;
    }
}

// Without a connection string there is nothing to open: say which settings led there.
QString TDMMain::motivoSinConexion() const {
    if (!CadenaConexion().isEmpty())
        return {};
    const QString ajustes = QDir::toNativeSeparators(settingsFile());
    if (BaseDeDatos.isEmpty())
        return QStringLiteral("\nNo consta la ubicación de la base de datos en %1. Para "
                              "elegirla, inicie la aplicación una vez (tributra); para probar, "
                              "cree una oficina de demostración (tributra --demo CARPETA).")
            .arg(ajustes);
    return QStringLiteral("\nLos ajustes de %1 no dan una conexión: BaseDeDatos=%2, "
                          "Servidor=%3, Protocolo=%4. Servidor es LOCAL para una base de datos "
                          "de este puesto, o el nombre del servidor con Protocolo TCP, NETBEUI "
                          "o SPX.")
        .arg(ajustes, BaseDeDatos, Servidor, Protocolo);
}

// The location dialog, starting from the settings read; they are kept unless the location
// chosen opens.
bool TDMMain::corrigeUbicacion() {
    const QString base = BaseDeDatos, servidor = Servidor, protocolo = Protocolo;
    config::DatabaseLocation location{BaseDeDatos, Servidor != u"LOCAL", Servidor, Protocolo, {}};
    if (!prompts_.askDatabaseLocation(location))
        return false;
    aplicaUbicacion(location);
    if (abreBaseDatos())
        return true;
    prompts_.error(QStringLiteral("Imposible abrir ") + CadenaConexion() + motivoSinConexion());
    BaseDeDatos = base;
    Servidor = servidor;
    Protocolo = protocolo;
    return false;
}

// A local database that is not there yet is made from the schema, when the user wants it.
bool TDMMain::offerToCreate() {
    if (Servidor != u"LOCAL" || BaseDeDatos.isEmpty() || QFileInfo::exists(BaseDeDatos))
        return false;
    return prompts_.question(
        QStringLiteral("La base de datos %1 no existe. ¿Desea crearla?").arg(BaseDeDatos),
        QStringLiteral("Confirmación..."));
}

void TDMMain::GrabaConfiguracion() {
    platform::IniFile ini(settingsFile());
    ini.writeString(kSection, QStringLiteral("BaseDeDatos"), BaseDeDatos);
    ini.writeString(kSection, QStringLiteral("Servidor"), Servidor);
    ini.writeString(kSection, QStringLiteral("Protocolo"), Protocolo);
    ini.writeString(kSection, QStringLiteral("Deposito"), DirectorioDeposito);
}

// The script stays for the next start unless the update ran to its end.
void TDMMain::ActualizaBaseDatos() {
    const config::UpdateScript script(kUpdateScript);
    try {
        const bool ran = prompts_.runSchemaUpdate([&] {
            if (!script.pointAt(CadenaConexion()))
                throw tributra::Error(kUpdateFailed);
            auto program = platform::Program::start(QStringLiteral("act.bat "),
                                                    platform::Program::Window::Shown);
            if (!program)
                throw tributra::Error(kUpdateFailed);
            EsperaPrograma(*program);
        });
        if (ran)
            script.remove();
    } catch (const tributra::Error& e) {
        prompts_.error(e.text());
    }
}

std::unique_ptr<platform::Program> TDMMain::EjecutaPrograma(const QString& program,
                                                            const QString& arguments) {
    auto started =
        platform::Program::start(program + u' ' + arguments, platform::Program::Window::Hidden);
    if (!started)
        throw tributra::Error(kUpdateFailed);
    return started;
}

void TDMMain::EsperaPrograma(platform::Program& program) {
    program.wait([this] {
        QCoreApplication::processEvents();
        return !terminating_ && !QCoreApplication::closingDown();
    });
}

bool TDMMain::AbreContabilidad(int contribuyente) {
    QGen.close();
    QGen.setSql(QStringLiteral("select fichero_ctble from t_contribuyentes where contribuyente = :contribuyente"));
    QGen.setParam(QStringLiteral("CONTRIBUYENTE"), contribuyente);
    QGen.execute();
    const QString fichero = QGen.eof() ? QString() : QGen.field(0).asString().trimmed();
    QGen.close();
    TLocal.commit();
    if (fichero.isEmpty()) // a blank name, as a cleared box leaves it, is no database either
        return false;
    try {
        DBConta.close();
        DBConta.setDatabaseName(fichero);
        DBConta.open();
        if (!TConta.active())
            TConta.start();
        return true;
    } catch (const tributra::Error&) {
        prompts_.error(QStringLiteral("Imposible abrir ") + fichero);
        return false;
    }
}

// One row of the taxpayer, each column laid in its width; a null column gives blanks.
QString TDMMain::identificacion(int contribuyente, const std::vector<std::pair<QString, int>>& columnas) {
    QStringList names;
    for (const auto& [name, width] : columnas)
        names << name;
    QGen.close();
    QGen.setSql(QStringLiteral("select %1 from t_contribuyentes where contribuyente = :contribuyente ")
                    .arg(names.join(QStringLiteral(", "))));
    QGen.setParam(QStringLiteral("CONTRIBUYENTE"), contribuyente);
    QGen.execute();
    QString block;
    const bool found = !QGen.eof();
    for (int i = 0; found && i < int(columnas.size()); ++i)
        block += UUtiles::RellenaDerecha(QGen.field(i).asString(), columnas[size_t(i)].second);
    QGen.close();
    TLocal.commit();
    if (!found)
        throw tributra::Error(QStringLiteral(" No existe el contribuyente "));
    return block;
}

QString TDMMain::IdentificacionCompleta(int contribuyente) {
    return identificacion(contribuyente, {{QStringLiteral("ADMINISTRACION"), 5}, {QStringLiteral("NIF"), 9},
                                          {QStringLiteral("LETRAS"), 4},         {QStringLiteral("APELLIDOS"), 30},
                                          {QStringLiteral("NOMBRE"), 15},        {QStringLiteral("SIGLAS"), 2},
                                          {QStringLiteral("DOMICILIO"), 17},     {QStringLiteral("NUMERO"), 4},
                                          {QStringLiteral("ESCALERA"), 2},       {QStringLiteral("PISO"), 2},
                                          {QStringLiteral("PUERTA"), 2},         {QStringLiteral("COD_POSTAL"), 5},
                                          {QStringLiteral("MUNICIPIO"), 20},     {QStringLiteral("PROVINCIA"), 15},
                                          {QStringLiteral("TELEFONO"), 9}});
}

QString TDMMain::IdentificacionCorta(int contribuyente) {
    return identificacion(contribuyente, {{QStringLiteral("ADMINISTRACION"), 5},
                                          {QStringLiteral("NIF"), 9},
                                          {QStringLiteral("LETRAS"), 4},
                                          {QStringLiteral("APELLIDOS"), 30},
                                          {QStringLiteral("NOMBRE"), 15}});
}

QString TDMMain::IdentificacionDeclarante(int contribuyente) {
    return identificacion(contribuyente,
                          {{QStringLiteral("NIF"), 9}, {QStringLiteral("APELLIDOS"), 60}, {QStringLiteral("NOMBRE"), 20}});
}
