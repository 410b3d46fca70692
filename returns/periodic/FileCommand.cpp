#include "returns/periodic/FileCommand.h"

#include "config/TDMMain.h"
#include "framework/Prompts.h"
#include "returns/ReturnModels.h"
#include "util/Error.h"

#include <memory>

std::optional<FileCommand> FileCommand::parse(const QStringList& arguments) {
    if (arguments.isEmpty() || !returns::findModel(arguments[0]))
        return std::nullopt;
    FileCommand command;
    command.modelo = arguments[0];
    bool hasTaxpayer = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        const bool valued = i + 1 < arguments.size();
        if (a == u"--captura" && !command.captura) {
            command.captura = true;
        } else if (a == u"--contribuyente" && valued && !hasTaxpayer) {
            command.contribuyente = arguments[++i].toInt(&hasTaxpayer);
            if (!hasTaxpayer)
                return std::nullopt;
        } else if (a == u"--periodo" && valued && command.periodo.isEmpty()) {
            command.periodo = arguments[++i].toUpper();
        } else {
            return std::nullopt;
        }
    }
    if (!hasTaxpayer || command.periodo.isEmpty())
        return std::nullopt;
    return command;
}

QString FileCommand::usage() {
    QStringList lines;
    for (const PeriodicReturn::Model* model : returns::models()) {
        QStringList codes;
        for (const periods::Period& p : model->periodos)
            if (model->periodoValido(QLatin1String(p.code)))
                codes << QLatin1String(p.code);
        lines << QStringLiteral("tributra fichero %1 --contribuyente NUMERO --periodo %2 [--captura]")
                     .arg(model->modelo, codes.join(u'|'));
    }
    return lines.join(u'\n');
}

int FileCommand::run(TDMMain& main) const {
    if (main.terminating()) // the database did not open: the user was told
        return 1;
    try {
        const std::unique_ptr<PeriodicReturn> module = returns::findModel(modelo)->crea(main);
        module->DataModuleCreate();
        return module->GeneraFicheroDe(contribuyente, periodo, captura) ? 0 : 1;
    } catch (const tributra::Error& e) { // the database's errors too
        main.prompts().error(e.message());
    }
    return 1;
}
