#include "returns/periodic/FileCommand.h"

#include "config/TDMMain.h"
#include "framework/Prompts.h"
#include "returns/periodic/TDMM111.h"
#include "util/Error.h"

#include <QHash>

#include <memory>

namespace {

using Factory = std::unique_ptr<PeriodicReturn> (*)(TDMMain&);

// The models whose file the command writes.
const QHash<QString, Factory>& models() {
    static const QHash<QString, Factory> all = {
        {QStringLiteral("111"), [](TDMMain& main) -> std::unique_ptr<PeriodicReturn> {
             return std::make_unique<TDMM111>(main);
         }}};
    return all;
}

} // namespace

std::optional<FileCommand> FileCommand::parse(const QStringList& arguments) {
    if (arguments.isEmpty() || !models().contains(arguments[0]))
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
    return QStringLiteral(
        "tributra fichero 111 --contribuyente NUMERO --periodo 1T|2T|3T|4T [--captura]");
}

int FileCommand::run(TDMMain& main) const {
    if (main.terminating()) // the database did not open: the user was told
        return 1;
    try {
        const std::unique_ptr<PeriodicReturn> module = models().value(modelo)(main);
        module->DataModuleCreate();
        return module->GeneraFicheroDe(contribuyente, periodo, captura) ? 0 : 1;
    } catch (const tributra::Error& e) { // the database's errors too
        main.prompts().error(e.text());
    }
    return 1;
}
