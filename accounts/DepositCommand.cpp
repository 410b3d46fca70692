#include "accounts/DepositCommand.h"

#include "accounts/TDMBalance.h"
#include "accounts/TDMDepositoXML.h"
#include "accounts/TDMPyG.h"
#include "config/TDMMain.h"
#include "framework/Prompts.h"
#include "util/CommandOptions.h"
#include "util/Error.h"

#include <QCommandLineParser>
#include <QDir>

DepositCommand DepositCommand::parse(const QStringList& arguments) {
    const QCommandLineOption contribuyente(QStringLiteral("contribuyente"), QString(),
                                           QStringLiteral("NUMERO"));
    const QCommandLineOption carpeta(QStringLiteral("carpeta"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption captura(QStringLiteral("captura"));
    const QCommandLineOption reemplaza(QStringLiteral("reemplaza"));
    QCommandLineParser parser;
    parser.addOptions({contribuyente, carpeta, captura, reemplaza});
    tributra::parseCommandOptions(parser, QStringLiteral("deposito"), arguments);
    DepositCommand command;
    command.contribuyente =
        tributra::requiredNumber(parser, contribuyente, QStringLiteral("contribuyente"));
    command.carpeta = parser.value(carpeta);
    command.captura = parser.isSet(captura);
    command.reemplaza = parser.isSet(reemplaza);
    return command;
}

QString DepositCommand::usage() {
    return QStringLiteral(
        "tributra deposito --contribuyente NUMERO [--carpeta DIR] [--captura] [--reemplaza]");
}

namespace {

// The statement of the taxpayer, started when missing, captured from its books.
void captura(AnnualStatement& estado, int contribuyente) {
    estado.DataModuleCreate();
    estado.FijaEmpresa(contribuyente);
    if (estado.QMaestro.isEmpty()) {
        estado.QMaestro.append();
        estado.QMaestro.post();
    }
    if (!estado.CapturaContabilidad())
        throw tributra::Error(
            QStringLiteral("No se ha capturado nada: el contribuyente %1 no tiene fichero enlace "
                           "contable o no se ha podido abrir")
                .arg(contribuyente));
}

} // namespace

int DepositCommand::run(TDMMain& main) const {
    if (main.terminating()) // the database did not open: the user was told
        return 1;
    framework::Prompts& prompts = main.prompts();
    try {
        if (!carpeta.isEmpty())
            main.DirectorioDeposito = QDir(carpeta).absolutePath();
        if (main.DirectorioDeposito.trimmed().isEmpty())
            throw tributra::Error(
                QStringLiteral("Es obligatorio definir el directorio de trabajo D2_2017"));
        if (captura) {
            TDMBalance balance(main);
            ::captura(balance, contribuyente);
            TDMPyG pyg(main);
            ::captura(pyg, contribuyente);
        }
        TDMDepositoXML deposito(main);
        if (!deposito.GeneraDeposito(contribuyente, reemplaza))
            return 1;
        prompts.information(QStringLiteral("Deposito creado con éxito\nEn : ") +
                            QDir::toNativeSeparators(QDir(deposito.carpeta()).filePath(
                                QStringLiteral("Deposito.Xml"))));
        return 0;
    } catch (const tributra::Error& e) {
        prompts.error(e.message());
    }
    return 1;
}
