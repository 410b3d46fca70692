#include "memoria/MemoriaCommand.h"

#include "config/TDMMain.h"
#include "framework/Prompts.h"
#include "memoria/ObtenMemoria.h"
#include "memoria/TDMMemorias.h"
#include "richtext/Rtf.h"
#include "util/CommandOptions.h"
#include "util/Error.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

namespace {

// The composed notes on A4 pages, as the print dialog's PDF printer would print them.
void imprime(const QString& rtf, const QString& pdf) {
    QFile f(rtf);
    if (!f.open(QIODevice::ReadOnly))
        throw tributra::Error(QStringLiteral("No se puede abrir %1").arg(rtf), f.errorString());
    QTextDocument memoria;
    (void)richtext::readRtf(f.readAll(), memoria);
    QPdfWriter writer(pdf);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    writer.setTitle(QFileInfo(rtf).fileName());
    writer.setCreator(QStringLiteral("Tributra"));
    memoria.print(&writer);
    if (!QFileInfo(pdf).isFile() || QFileInfo(pdf).size() == 0)
        throw tributra::Error(QStringLiteral("No se puede escribir %1").arg(pdf));
}

} // namespace

MemoriaCommand MemoriaCommand::parse(const QStringList& arguments) {
    const QCommandLineOption memoria(QStringLiteral("memoria"), QString(),
                                     QStringLiteral("NUMERO"));
    const QCommandLineOption contribuyente(QStringLiteral("contribuyente"), QString(),
                                           QStringLiteral("NUMERO"));
    const QCommandLineOption cabeceras(QStringLiteral("cabeceras"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QString(), QStringLiteral("FICHERO"));
    QCommandLineParser parser;
    parser.addOptions({memoria, contribuyente, cabeceras, pdf});
    tributra::parseCommandOptions(parser, QStringLiteral("memoria"), arguments);
    MemoriaCommand command;
    command.memoria = tributra::requiredNumber(parser, memoria, QStringLiteral("memoria"));
    command.contribuyente =
        tributra::requiredNumber(parser, contribuyente, QStringLiteral("contribuyente"));
    command.cabeceras = parser.isSet(cabeceras);
    if (parser.isSet(pdf))
        command.pdf = QDir::current().absoluteFilePath(parser.value(pdf));
    return command;
}

QString MemoriaCommand::usage() {
    return QStringLiteral(
        "tributra memoria --memoria NUMERO --contribuyente NUMERO [--cabeceras] [--pdf FICHERO]");
}

int MemoriaCommand::run(TDMMain& main) const {
    if (main.terminating()) // the database did not open: the user was told
        return 1;
    framework::Prompts& prompts = main.prompts();
    try {
        TDMMemorias dm(main);
        dm.DataModuleCreate();
        dm.setContribuyente(contribuyente);
        // Without a window nobody would notice another taxpayer's figures in the notes.
        if (!RecalculaMemoria(dm, memoria))
            throw tributra::Error(
                QStringLiteral(
                    "No se ha calculado la memoria: el contribuyente %1 no tiene fichero "
                    "enlace contable o no se ha podido abrir")
                    .arg(contribuyente));
        const QString fichero = ComponMemoria(dm, memoria, cabeceras);
        QString hecho =
            QStringLiteral("Memoria compuesta en %1").arg(QDir::toNativeSeparators(fichero));
        if (!pdf.isEmpty()) {
            imprime(fichero, pdf);
            hecho += QStringLiteral("\nImpresa en %1").arg(QDir::toNativeSeparators(pdf));
        }
        prompts.information(hecho);
        return 0;
    } catch (const tributra::Error& e) {
        prompts.error(e.message());
    }
    return 1;
}
