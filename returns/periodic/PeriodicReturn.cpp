#include "returns/periodic/PeriodicReturn.h"

#include "config/TDMMain.h"
#include "db/ChangeEventsOff.h"
#include "db/Error.h"
#include "framework/Prompts.h"
#include "platform/Program.h"
#include "platform/SafeFileName.h"
#include "returns/AgencyFile.h"
#include "returns/LayoutWriter.h"
#include "returns/periodic/TelematicFile.h"
#include "util/Error.h"
#include "util/UUtiles.h"
#include "util/Win1252.h"

#include <QDir>

namespace {

const QString kContribuyente = QStringLiteral("CONTRIBUYENTE");
const QString kPeriodo = QStringLiteral("PERIODO");

// Closes the accounting connection on every way out of a capture.
class AccountingSession {
public:
    explicit AccountingSession(db::Database& database) : database_(database) {}
    ~AccountingSession() {
        try {
            database_.close();
        } catch (const db::Error&) {
            // A connection that cannot even close is reopened by the next capture.
        }
    }
    AccountingSession(const AccountingSession&) = delete;
    AccountingSession& operator=(const AccountingSession&) = delete;

private:
    db::Database& database_;
};

} // namespace

bool PeriodicReturn::Model::periodoValido(const QString& periodo) const {
    const bool ninguno = std::all_of(periodo.begin(), periodo.end(), [](QChar c) { return c == u'0'; });
    return !ninguno && std::any_of(periodos.begin(), periodos.end(), [&](const auto& p) {
        return periodo == QLatin1String(p.code);
    });
}

namespace {

const layout::Row* casillaEn(std::span<const layout::Table> tablas, const QString& numero) {
    for (const layout::Table& tabla : tablas)
        for (const layout::Row& row : tabla.rows) {
            if (numero == QLatin1String(row.box))
                return &row;
            if (const layout::Row* inner = casillaEn(row.variants, numero))
                return inner;
        }
    return nullptr;
}

} // namespace

const layout::Row* PeriodicReturn::Model::casilla(const QString& numero) const {
    return casillaEn(paginas, numero);
}

PeriodicReturn::PeriodicReturn(TDMMain& main, const Model& model)
    : TDMBase(main), xContribuyente(main.Database, TLocal), model_(model),
      calculadas_(QMaestro, model.calculadas, model.valorTexto),
      registros_{&QMaestro, &xContribuyente} {
    const bool conPeriodo = model_.conPeriodo();
    QMaestro.setSelectSql(
        QStringLiteral("select * from %1 where contribuyente = :contribuyente%2")
            .arg(model_.tabla, conPeriodo ? QStringLiteral(" and periodo = :periodo") : QString()));
    setWriteSql(QMaestro, model_.tabla, model_.campos,
                conPeriodo ? QStringList{kContribuyente, kPeriodo} : QStringList{kContribuyente},
                KeyUpdate::Written);
    xContribuyente.setSelectSql(
        QStringLiteral("select NIF, APELLIDOS, NOMBRE from T_CONTRIBUYENTES "
                       "where contribuyente = :contribuyente"));
    xContribuyente.setMaster(&QMaestro);
    addDataSet(xContribuyente);

    // The taxpayer starts empty, not 0: the user types it or looks it up, and a search
    // from an empty box lists every taxpayer.
    QMaestro.onNewRecord.add([this](db::DataSet&) {
        db::ChangeEventsOff quietTaxpayer(campo(kContribuyente));
        std::optional<db::ChangeEventsOff> quietPeriod;
        if (model_.conPeriodo())
            quietPeriod.emplace(campo(kPeriodo));
        QMaestroNewRecord();
        campo(kContribuyente).clear();
    });
    QMaestro.beforePost.add([this](db::DataSet&) { QMaestroBeforePost(); });
    // The look-ups follow the master from its first open on.
    QMaestro.afterOpen.add([this](db::DataSet&) {
        for (db::DataSet* detail : {&xAgencia, &xContribuyente})
            if (!detail->active())
                detail->open();
    });
    QMaestro.onFieldChange({kContribuyente}, [this](db::Field&) { QMaestroCONTRIBUYENTEChange(); });
    if (conPeriodo)
        QMaestro.onFieldChange({kPeriodo}, [this](db::Field&) { QMaestroPERIODOChange(); });
}

void PeriodicReturn::QMaestroPERIODOChange() {
    db::ChangeEventsOff quiet(campo(kPeriodo));
    const db::Field& contribuyente = campo(kContribuyente);
    contribuyente_ =
        contribuyente.isNull() ? std::nullopt : std::optional(contribuyente.asInteger());
    periodo_ = campo(kPeriodo).asString();
    BuscaDeclaracion();
}

bool PeriodicReturn::BuscaDeclaracion() {
    const bool conPeriodo = model_.conPeriodo();
    QMaestro.close();
    QMaestro.setParam(kContribuyente, contribuyente_ ? QVariant(*contribuyente_) : QVariant());
    if (conPeriodo)
        QMaestro.setParam(kPeriodo, periodo_);
    QMaestro.open();
    if (!QMaestro.isEmpty()) {
        QMaestro.edit();
        return true;
    }
    QMaestro.append();
    if (contribuyente_)
        campo(kContribuyente).setAsInteger(*contribuyente_);
    if (conPeriodo)
        campo(kPeriodo).setAsString(periodo_);
    return false;
}

// A return of the year is chosen by its taxpayer alone: the stored one, or a new one.
void PeriodicReturn::QMaestroCONTRIBUYENTEChange() {
    if (!model_.conPeriodo() && QMaestro.editing()) {
        const db::Field& contribuyente = campo(kContribuyente);
        contribuyente_ =
            contribuyente.isNull() ? std::nullopt : std::optional(contribuyente.asInteger());
        db::ChangeEventsOff quiet(campo(kContribuyente));
        BuscaDeclaracion();
    }
    for (db::DataSet* lookUp : {&xAgencia, &xContribuyente}) {
        lookUp->close();
        lookUp->open();
    }
    DatosContribuyente();
}

bool PeriodicReturn::leeContribuyente(const QString& sql,
                                      const std::function<void(db::Statement&)>& copia) {
    QGen.close();
    QGen.setSql(sql);
    QGen.setParam(kContribuyente, campo(kContribuyente).variant());
    QGen.execute();
    const bool found = !QGen.eof();
    if (found)
        copia(QGen);
    QGen.close();
    QGen.transaction().commit();
    return found;
}

void PeriodicReturn::DatosContribuyente() {
    leeContribuyente(QStringLiteral("select iban from t_contribuyentes "
                                    "where contribuyente = :contribuyente"),
                     [this](db::Statement& row) {
                         campo(QStringLiteral("IBAN"))
                             .setValue(row.field(QStringLiteral("IBAN")).variant());
                     });
}

// A return of no registered taxpayer could never be filed.
void PeriodicReturn::QMaestroBeforePost() {
    if (!leeContribuyente(QStringLiteral("select contribuyente from t_contribuyentes "
                                         "where contribuyente = :contribuyente"),
                          [](db::Statement&) {}))
        throw tributra::Error(QStringLiteral(" No existe el contribuyente "));
}

void PeriodicReturn::capturaPorFechas(const QString& procedimiento) {
    xDatosConta.setSelectSql(
        QStringLiteral("select * from %1 (:empresa, :ejercicio, :fecha_ini, :fecha_fin)")
            .arg(procedimiento));
    xDatosConta.beforeOpen.add([this](db::DataSet&) { xDatosContaBeforeOpen(); });
}

void PeriodicReturn::xDatosContaBeforeOpen() {
    const auto fechas = periods::dates(campo(kPeriodo).asString(), kEjercicio);
    if (!fechas)
        throw tributra::Error(QStringLiteral("Debe Elegir un periodo"));
    xDatosConta.setParam(QStringLiteral("EMPRESA"), EmpresaContable(kEjercicio));
    xDatosConta.setParam(QStringLiteral("EJERCICIO"), kEjercicio);
    xDatosConta.setParam(QStringLiteral("FECHA_INI"), fechas->first);
    xDatosConta.setParam(QStringLiteral("FECHA_FIN"), fechas->second);
}

bool PeriodicReturn::CapturaContabilidad() {
    if (!captura())
        throw tributra::Error(
            QStringLiteral("El modelo %1 no se captura de la contabilidad").arg(model_.modelo));
    // Without a period there is nothing to ask the books for.
    if (!model_.periodoValido(campo(kPeriodo).asString()))
        throw tributra::Error(QStringLiteral("Debe Elegir un periodo"));
    if (!DMMain.AbreContabilidad(campo(kContribuyente).asInteger()))
        return false;
    AccountingSession session(DMMain.DBConta);
    xDatosConta.close();
    xDatosConta.open();
    AsignaCasillas();
    xDatosConta.close();
    return true;
}

QString PeriodicReturn::ComponeFichero() {
    if (impresion()) {
        QString registro;
        for (const layout::Table& pagina : model_.paginas)
            registro += ComponePagina(pagina);
        return registro;
    }
    TelematicFile file{model_.modelo,        kEjercicio,     campo(kPeriodo).asString(),
                       model_.sufijoPeriodo, model_.version, {}};
    for (const layout::Table& pagina : model_.paginas)
        file.paginas << ComponePagina(pagina);
    return file.text();
}

QString PeriodicReturn::ComponePagina(const layout::Table& pagina) {
    xContribuyente.close();
    xContribuyente.open();
    if (xContribuyente.isEmpty())
        throw tributra::Error(QStringLiteral(" No existe el contribuyente "));
    const QString longitud =
        QStringLiteral(" Longitud de la %1 incorrecta").arg(QString::fromUtf8(pagina.name));
    try {
        const QString texto = escribe(pagina);
        if (texto.size() != pagina.length)
            throw tributra::Error(longitud);
        return texto;
    } catch (const LayoutError& e) {
        throw tributra::Error(longitud, e.text());
    }
}

QString PeriodicReturn::escribe(const layout::Table& tabla) {
    const LayoutWriter writer(
        model_.modelo, [this](const QString& nombre) { return valorFichero(nombre); },
        [this](const QString& nombre) { return Regla(nombre); });
    return writer.write(tabla);
}

db::Value PeriodicReturn::valorFichero(const QString& nombre) {
    for (const db::DataSet* record : registros_)
        if (const db::Field* f = record->findField(nombre))
            return f->value();
    throw tributra::Error(
        QStringLiteral("Modelo %1: no hay un campo %2").arg(model_.modelo, nombre));
}

QString PeriodicReturn::Regla(const QString& nombre) {
    // A negative declaration carries no account.
    if (nombre == u"iban")
        return campo(QStringLiteral("TIPO")).asString() == u"N"
                   ? UUtiles::Espacios(34)
                   : UUtiles::RellenaDerecha(campo(QStringLiteral("IBAN")).asString(), 34);
    throw tributra::Error(
        QStringLiteral("Modelo %1: no hay una regla %2").arg(model_.modelo, nombre));
}

QString PeriodicReturn::ficheroImpresion() const {
    return QStringLiteral("mod%1.txt").arg(model_.modelo);
}

QString PeriodicReturn::rutaImpresion() const {
    return QDir(DMMain.DirectorioTrabajo()).filePath(ficheroImpresion());
}

QString PeriodicReturn::directorioDestino() const {
    return agency::directorio(model_.modelo, kEjercicio);
}

QString PeriodicReturn::nombreCopia() {
    xContribuyente.close();
    xContribuyente.open();
    return platform::safeFileName(
        QStringLiteral("%1_%2%3.%4")
            .arg(xContribuyente.field(QStringLiteral("APELLIDOS")).asString().trimmed(),
                 campo(kPeriodo).asString(), model_.sufijoPeriodo, model_.modelo));
}

bool PeriodicReturn::GrabaDeclaracion() {
    CompruebaDeclaracion();
    const QString texto = ComponeFichero();
    framework::Prompts& prompts = DMMain.prompts();
    const QString ruta = rutaImpresion();
    if (!agency::escribe(ruta, util::toWin1252(texto) + "\r\n")) {
        prompts.information(model_.errorFichero);
        return false;
    }
    if (!impresion())
        copia_ = agency::copia(prompts, ruta, directorioDestino(), nombreCopia());
    return true;
}

bool PeriodicReturn::GeneraFichero() {
    framework::Prompts& prompts = DMMain.prompts();
    if (impresion()) {
        if (!GrabaDeclaracion())
            return false;
        CopiaFichero(ficheroImpresion());
        return true;
    }
    if (!GrabaDeclaracion()) {
        prompts.information(QStringLiteral("Error en la grabación de archivo"));
        return false;
    }
    prompts.information(
        QStringLiteral("Declaración grabada para su validación/presentacion\nEn : ") +
        QDir::toNativeSeparators(copia_));
    return true;
}

bool PeriodicReturn::GeneraFicheroDe(int contribuyente, const QString& periodo, bool captura) {
    const bool conPeriodo = model_.conPeriodo();
    if (conPeriodo && !model_.periodoValido(periodo))
        throw tributra::Error(QStringLiteral("Debe Elegir un periodo"));
    if (QMaestro.editing())
        QMaestro.cancel();
    QMaestro.append();
    campo(kContribuyente).setAsInteger(contribuyente);
    if (xContribuyente.isEmpty())
        throw tributra::Error(QStringLiteral(" No existe el contribuyente "));
    if (conPeriodo)
        campo(kPeriodo).setAsString(periodo);
    entrePasos();
    if (captura && !CapturaContabilidad()) {
        QMaestro.cancel();
        throw tributra::Error(
            QStringLiteral("No se ha capturado nada: el contribuyente %1 no tiene fichero enlace "
                           "contable o no se ha podido abrir")
                .arg(contribuyente));
    }
    entrePasos();
    QMaestro.post();
    entrePasos();
    if (!GeneraFichero())
        return false;
    // The window says nothing of a print file; a command line tells where it is.
    if (impresion())
        DMMain.prompts().information(QStringLiteral("Fichero de impresión grabado en : ") +
                                     QDir::toNativeSeparators(rutaImpresion()));
    return true;
}

QString PeriodicReturn::periodoListado() {
    return campo(kPeriodo).asString() + model_.sufijoPeriodo;
}

bool PeriodicReturn::ImprimeDeclaracion(const PideCondiciones& condiciones) {
    if (QMaestro.editing() || !GrabaDeclaracion())
        return false;
    xAgencia.close();
    xAgencia.open();
    const std::optional<bool> copia =
        condiciones({QStringLiteral("Modelo %1").arg(model_.modelo),
                     xAgencia.isEmpty() ? QString()
                                        : xAgencia.field(QStringLiteral("NOMBRE")).asString(),
                     periodoListado()});
    if (!copia)
        return false;
    const QString pdf = QStringLiteral("mod%1.pdf").arg(model_.modelo);
    QString argumentos = QStringLiteral("/E:%1 /P:%2").arg(ficheroImpresion(), pdf);
    if (*copia)
        argumentos += QStringLiteral(" /C:S ");
    const QDir trabajo(DMMain.DirectorioTrabajo());
    try {
        auto herramienta = DMMain.EjecutaPrograma(QStringLiteral("mipf14pdf.bat"), argumentos);
        DMMain.EsperaPrograma(*herramienta);
    } catch (const tributra::Error& e) {
        throw tributra::Error(e.text(), QStringLiteral("No se ha podido ejecutar %1")
                                            .arg(trabajo.filePath(QStringLiteral("mipf14pdf.bat"))));
    }
    framework::Prompts& prompts = DMMain.prompts();
    if (trabajo.exists(QStringLiteral("Errores.txt")))
        MuestraErrores();
    else if (trabajo.exists(pdf))
        prompts.information(
            QStringLiteral("Declaración creada en el fichero %1 para su impresión\nY el fichero %2 "
                           "para presentación telemática")
                .arg(pdf, ficheroImpresion()));
    else
        prompts.information(QStringLiteral("Posible fallo en la máquina virtual de Java"));
    return true;
}

void PeriodicReturn::entrePasos() {
    if (!entrePasos_)
        return;
    try {
        entrePasos_();
    } catch (...) {
        if (QMaestro.editing())
            QMaestro.cancel();
        throw;
    }
}
