#include "returns/periodic/FileCommand.h"

#include "config/TDMMain.h"
#include "framework/Prompts.h"
#include "framework/UserMessage.h"
#include "platform/TerminationSignals.h"
#include "returns/ReturnModels.h"
#include "util/CommandOptions.h"
#include "util/Error.h"
#include "util/UsageError.h"

#include <QCommandLineParser>

#include <memory>

namespace {

QString required(const QCommandLineParser& parser, const QCommandLineOption& option) {
    if (!parser.isSet(option))
        throw tributra::UsageError(QStringLiteral("Falta --%1").arg(option.names().constFirst()));
    return parser.value(option);
}

} // namespace

FileCommand FileCommand::parse(const QStringList& arguments) {
    const QCommandLineOption contribuyente(QStringLiteral("contribuyente"), QString(),
                                           QStringLiteral("NUMERO"));
    const QCommandLineOption periodo(QStringLiteral("periodo"), QString(),
                                     QStringLiteral("PERIODO"));
    const QCommandLineOption captura(QStringLiteral("captura"));
    QCommandLineParser parser;
    parser.addOptions({contribuyente, periodo, captura});
    const QStringList rest =
        tributra::parseCommandOptions(parser, QStringLiteral("fichero"), arguments, 1);
    if (rest.isEmpty())
        throw tributra::UsageError(QStringLiteral("Falta el modelo de fichero"));
    const PeriodicReturn::Model* model = returns::findModel(rest[0]);
    const returns::RecordFile* registros = returns::findRecordFile(rest[0]);
    if (!model && !registros)
        throw tributra::UsageError(QStringLiteral("Modelo desconocido: %1").arg(rest[0]));

    FileCommand command;
    command.modelo = rest[0];
    command.contribuyente =
        tributra::requiredNumber(parser, contribuyente, QStringLiteral("contribuyente"));
    // A return of the year has one record per taxpayer and no period.
    if (model ? model->conPeriodo() : registros->conPeriodo())
        command.periodo = required(parser, periodo).toUpper();
    else if (parser.isSet(periodo))
        throw tributra::UsageError(
            QStringLiteral("El modelo %1 no lleva --periodo").arg(command.modelo));
    command.captura = parser.isSet(captura);
    return command;
}

namespace {

// "tributra fichero 111 --contribuyente NUMERO --periodo 1T|2T|3T|4T [--captura]", the
// periods those a return is filed for.
template <class Return> QString uso(const Return& r) {
    QStringList codes;
    for (const periods::Period& p : r.periodos)
        if (r.periodoValido(QLatin1String(p.code)))
            codes << QLatin1String(p.code);
    const QString periodo =
        r.conPeriodo() ? QStringLiteral(" --periodo ") + codes.join(u'|') : QString();
    return QStringLiteral("tributra fichero %1 --contribuyente NUMERO%2 [--captura]")
        .arg(r.modelo, periodo);
}

} // namespace

QString FileCommand::usage() {
    QStringList lines;
    for (const PeriodicReturn::Model* model : returns::models())
        lines << uso(*model);
    for (const returns::RecordFile& file : returns::recordFiles())
        lines << uso(file);
    return lines.join(u'\n');
}

int FileCommand::run(TDMMain& main) const {
    if (main.terminating()) // the database did not open: the user was told
        return 1;
    std::unique_ptr<PeriodicReturn> module;
    try {
        platform::TerminationSignals::stopIfReceived();
        if (const returns::RecordFile* file = returns::findRecordFile(modelo))
            return file->archiva(main, contribuyente, periodo, captura) ? 0 : 1;
        module = returns::findModel(modelo)->crea(main);
        module->setEntrePasos(&platform::TerminationSignals::stopIfReceived);
        module->DataModuleCreate();
        return module->GeneraFicheroDe(contribuyente, periodo, captura) ? 0 : 1;
    } catch (const tributra::Error& e) { // the database's errors too
        main.prompts().error(module ? framework::userMessage(e, module->nombreRegistro())
                                    : e.message());
    }
    return 1;
}
