#include "accounts/DepositCommand.h"
#include "app/EnterAsTab.h"
#include "app/TFMain.h"
#include "config/AdminAccount.h"
#include "config/TDMMain.h"
#include "db/Database.h"
#include "framework/DataModules.h"
#include "framework/FormManager.h"
#include "framework/GuiPrompts.h"
#include "framework/TerminalPrompts.h"
#include "memoria/MemoriaCommand.h"
#include "platform/TerminationSignals.h"
#include "returns/FileViewer.h"
#include "returns/periodic/FileCommand.h"
#include "schema/SystemDatabase.h"
#include "taxpayers/Demonstration.h"
#include "util/Error.h"
#include "util/UsageError.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QSocketNotifier>
#include <QStringList>
#include <QTextStream>

#include <memory>

namespace {

const QString kVersion = QStringLiteral("Tributra 2018, versión 1.1");

QString usage() {
    QStringList commands = {QStringLiteral("tributra"),
                            QStringLiteral("tributra --demo CARPETA [--no-window]"),
                            QStringLiteral("tributra --init-db RUTA"),
                            QStringLiteral("tributra ver FICHERO")};
    commands << FileCommand::usage().split(u'\n');
    commands << DepositCommand::usage();
    commands << MemoriaCommand::usage();
    commands << QStringLiteral("tributra --help | --version");
    return QStringLiteral("Uso: ") + commands.join(QStringLiteral("\n     ")) + u'\n';
}

// Every field of a file the system wrote; 0 when it was recognised and nothing is amiss.
int showFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        QTextStream(stderr) << "No se puede leer el fichero " << QDir::toNativeSeparators(path)
                            << ": " << file.errorString() << "\n";
        return 1;
    }
    const FileView view = viewFile(file.readAll());
    QTextStream out(stdout);
    for (const QString& line : view.lines)
        out << line << "\n";
    return view.recognized && view.faults == 0 ? 0 : 1;
}

// A command of the terminal on the database the settings name.
template <class Command> int runOnDatabase(const Command& command) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    framework::TerminalPrompts prompts(out, err);
    TDMMain dm(prompts);
    return command.run(dm);
}

int initDatabase(const QString& path) {
    const QString absolute = QDir::current().absoluteFilePath(path);
    schema::createSystemDatabase(absolute, config::adminParams());
    QTextStream(stdout) << "Creada la base de datos " << QDir::toNativeSeparators(absolute) << "\n";
    return 0;
}

// The demonstration's settings and files live in its own folder, so the user's are left alone.
void useDemonstration(const Demonstration& demo) {
    qputenv("TRIBUTRA_WINDIR", QDir::toNativeSeparators(demo.settingsFolder()).toLocal8Bit());
    if (!qEnvironmentVariableIsSet("TRIBUTRA_DRIVE_C"))
        qputenv("TRIBUTRA_DRIVE_C", QDir::toNativeSeparators(demo.driveFolder()).toLocal8Bit());
    QDir::setCurrent(demo.settingsFolder());
}

int buildDemonstration(const QString& folder) {
    const Demonstration demo(folder);
    demo.build();
    QTextStream(stdout) << "Demostración en " << QDir::toNativeSeparators(demo.settingsFolder())
                        << "\n"
                        << "Para abrirla: TRIBUTRA_WINDIR="
                        << QDir::toNativeSeparators(demo.settingsFolder())
                        << " TRIBUTRA_DRIVE_C=" << QDir::toNativeSeparators(demo.driveFolder())
                        << " tributra\n";
    return 0;
}

int runWindow(QApplication& app, GuiPrompts& prompts) {
    TDMMain dm(prompts);
    DataModules modules(dm);
    FormManager forms(dm, modules);
    TFMain main(dm, forms);
    if (dm.terminating())
        return 1;
    // Ended from outside: as "Salir", without questions, and what was not posted is cancelled.
    std::unique_ptr<QSocketNotifier> signalled;
    if (platform::TerminationSignals::notifier() >= 0) {
        signalled = std::make_unique<QSocketNotifier>(platform::TerminationSignals::notifier(),
                                                      QSocketNotifier::Read);
        QObject::connect(signalled.get(), &QSocketNotifier::activated, &main, [&] {
            platform::TerminationSignals::acknowledge();
            modules.cancelaEdiciones();
            main.close();
            QCoreApplication::exit(); // also from a dialog's own loop
        });
    }
    // Without a window manager (xvfb) maximising does nothing: fill the screen anyway.
    main.setGeometry(main.screen()->availableGeometry());
    main.showMaximized();
    const int code = app.exec();
    const int signal = platform::TerminationSignals::received();
    return signal ? 128 + signal : code;
}

int runApplication(int argc, char* argv[], const QString& demoFolder) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tributra"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tributra 2018"));
    EnterAsTab enterAsTab;
    app.installEventFilter(&enterAsTab);
    GuiPrompts prompts;
    try {
        if (!demoFolder.isEmpty()) {
            const Demonstration demo(demoFolder);
            demo.build();
            useDemonstration(demo);
        }
        return runWindow(app, prompts);
    } catch (const tributra::Error& e) {
        prompts.error(e.message());
        return 1;
    }
}

// What the program was asked to do. The options go before the command ("ver", "fichero",
// "deposito", "memoria"), whose own arguments follow it.
struct Request {
    enum class Action { Window, Demo, DemoOnly, InitDb, View, File, Deposit, Memoria, Help, Version } action;
    QString path;
    QStringList commandArguments;
};

Request parse(const QStringList& arguments) {
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption initDb(QStringLiteral("init-db"), QString(), QStringLiteral("RUTA"));
    const QCommandLineOption demo(QStringLiteral("demo"), QString(), QStringLiteral("CARPETA"));
    const QCommandLineOption noWindow(QStringLiteral("no-window"));
    QCommandLineParser parser;
    parser.addOptions({help, version, initDb, demo, noWindow});
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    if (!parser.parse(arguments))
        throw tributra::UsageError::from(parser);
    if (parser.isSet(help))
        return {Request::Action::Help, {}, {}};
    if (parser.isSet(version))
        return {Request::Action::Version, {}, {}};

    const QStringList options = parser.optionNames();
    const QStringList positional = parser.positionalArguments();
    if (options.size() > 1 && !(options == QStringList{QStringLiteral("demo"), QStringLiteral("no-window")}))
        throw tributra::UsageError(QStringLiteral("--%1 no se puede usar con --%2")
                                       .arg(options[1], options[0]));
    if (!options.isEmpty() && !positional.isEmpty())
        throw tributra::UsageError(
            QStringLiteral("--%1 no se puede usar con %2").arg(options[0], positional[0]));
    if (parser.isSet(noWindow) && !parser.isSet(demo))
        throw tributra::UsageError(QStringLiteral("--no-window solo vale con --demo CARPETA"));
    if (parser.isSet(initDb))
        return {Request::Action::InitDb, parser.value(initDb), {}};
    if (parser.isSet(demo))
        return {parser.isSet(noWindow) ? Request::Action::DemoOnly : Request::Action::Demo,
                parser.value(demo), {}};
    if (positional.isEmpty())
        return {Request::Action::Window, {}, {}};

    const QString& command = positional[0];
    if (command == u"fichero")
        return {Request::Action::File, {}, positional.mid(1)};
    if (command == u"deposito")
        return {Request::Action::Deposit, {}, positional.mid(1)};
    if (command == u"memoria")
        return {Request::Action::Memoria, {}, positional.mid(1)};
    if (command != u"ver")
        throw tributra::UsageError(QStringLiteral("Orden desconocida: %1").arg(command));
    if (positional.size() < 2)
        throw tributra::UsageError(QStringLiteral("Falta el fichero de ver"));
    if (positional.size() > 2)
        throw tributra::UsageError(QStringLiteral("Argumento de más: %1").arg(positional[2]));
    return {Request::Action::View, positional[1], {}};
}

// What a command needs: fonts and painting to compose and print the notes (on the
// offscreen platform when no platform is asked for, so no display is needed), the event
// loop's core for the rest.
std::unique_ptr<QCoreApplication> commandApplication(int& argc, char* argv[], const Request& request) {
    if (request.action != Request::Action::Memoria)
        return std::make_unique<QCoreApplication>(argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

// Commands for scripts, without a window.
int runCommand(int argc, char* argv[], const Request& request) {
    const std::unique_ptr<QCoreApplication> app = commandApplication(argc, argv, request);
    try {
        if (request.action == Request::Action::InitDb)
            return initDatabase(request.path);
        if (request.action == Request::Action::DemoOnly)
            return buildDemonstration(request.path);
        if (request.action == Request::Action::View)
            return showFile(request.path);
        if (request.action == Request::Action::Deposit)
            return runOnDatabase(DepositCommand::parse(request.commandArguments));
        if (request.action == Request::Action::Memoria)
            return runOnDatabase(MemoriaCommand::parse(request.commandArguments));
        return runOnDatabase(FileCommand::parse(request.commandArguments));
    } catch (const tributra::UsageError& e) {
        QTextStream(stderr) << e.text() << "\n" << usage();
        return 2;
    } catch (const tributra::Error& e) {
        QTextStream(stderr) << e.message() << "\n";
        return 1;
    } catch (const platform::TerminationSignals::Interrupted& stop) {
        return 128 + stop.signal;
    }
}

} // namespace

int main(int argc, char* argv[]) {
    platform::TerminationSignals::take();
    db::Database::setAfterAttach(&platform::TerminationSignals::take);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    Request request;
    try {
        request = parse(arguments);
    } catch (const tributra::UsageError& e) {
        QTextStream(stderr) << e.text() << "\n" << usage();
        return 2;
    }
    switch (request.action) {
    case Request::Action::Help:
        QTextStream(stdout) << usage();
        return 0;
    case Request::Action::Version:
        QTextStream(stdout) << kVersion << "\n";
        return 0;
    case Request::Action::Window:
    case Request::Action::Demo:
        return runApplication(argc, argv, request.path);
    default:
        return runCommand(argc, argv, request);
    }
}
