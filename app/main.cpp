#include "app/EnterAsTab.h"
#include "app/TFMain.h"
#include "config/AdminAccount.h"
#include "config/TDMMain.h"
#include "framework/DataModules.h"
#include "framework/FormManager.h"
#include "framework/GuiPrompts.h"
#include "schema/SystemDatabase.h"
#include "util/Error.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QStringList>
#include <QTextStream>

namespace {

int initDatabase(const QString& path) {
    const QString absolute = QDir::current().absoluteFilePath(path);
    schema::createSystemDatabase(absolute, config::adminParams());
    QTextStream(stdout) << "Creada la base de datos " << QDir::toNativeSeparators(absolute) << "\n";
    return 0;
}

// A command for scripts, without a window.
int runCommand(const QStringList& args) {
    if (args.size() == 3 && args[1] == u"--init-db")
        return initDatabase(args[2]);
    QTextStream(stderr) << "Uso: tributra [--init-db RUTA]\n";
    return 2;
}

int runApplication(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tributra"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tributra 2018"));
    EnterAsTab enterAsTab;
    app.installEventFilter(&enterAsTab);
    GuiPrompts prompts;
    try {
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
    } catch (const tributra::Error& e) {
        prompts.error(e.text());
        return 1;
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 1) {
        QCoreApplication app(argc, argv);
        try {
            return runCommand(app.arguments());
        } catch (const tributra::Error& e) {
            QTextStream(stderr) << e.text() << "\n";
            return 1;
        }
    }
    return runApplication(argc, argv);
}
