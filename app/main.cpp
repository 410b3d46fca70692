#include "app/EnterAsTab.h"
#include "app/TFMain.h"
#include "config/AdminAccount.h"
#include "config/TDMMain.h"
#include "framework/DataModules.h"
#include "framework/FormManager.h"
#include "framework/GuiPrompts.h"
#include "framework/TerminalPrompts.h"
#include "returns/FileViewer.h"
#include "returns/periodic/FileCommand.h"
#include "schema/SystemDatabase.h"
#include "taxpayers/Demonstration.h"
#include "util/Error.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QStringList>
#include <QTextStream>

namespace {

int usage() {
    QStringList commands = {QStringLiteral("tributra [--init-db RUTA | --demo CARPETA [--no-window]]"),
                            QStringLiteral("tributra ver FICHERO")};
    commands << FileCommand::usage().split(u'\n');
    QTextStream(stderr) << "Uso: " << commands.join(QStringLiteral("\n     ")) << "\n";
    return 2;
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

// A return's file from the terminal, on the database the settings name.
int writeFile(const FileCommand& command) {
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
    // Without a window manager (xvfb) maximising does nothing: fill the screen anyway.
    main.setGeometry(main.screen()->availableGeometry());
    main.showMaximized();
    return app.exec();
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

// Commands for scripts, without a window.
int runCommand(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    try {
        if (args.size() == 3 && args[1] == u"--init-db")
            return initDatabase(args[2]);
        if (args.size() == 4 && args[1] == u"--demo" && args[3] == u"--no-window")
            return buildDemonstration(args[2]);
        if (args.size() == 3 && args[1] == u"ver")
            return showFile(args[2]);
        if (args.size() > 1 && args[1] == u"fichero")
            if (const auto command = FileCommand::parse(args.mid(2)))
                return writeFile(*command);
        return usage();
    } catch (const tributra::Error& e) {
        QTextStream(stderr) << e.message() << "\n";
        return 1;
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 1)
        return runApplication(argc, argv, QString());
    if (argc == 3 && QByteArray(argv[1]) == "--demo")
        return runApplication(argc, argv, QString::fromLocal8Bit(argv[2]));
    return runCommand(argc, argv);
}
