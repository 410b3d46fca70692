#include "config/AdminAccount.h"
#include "schema/SystemDatabase.h"
#include "util/Error.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <QTextStream>

namespace {

int usage() {
    QTextStream(stderr) << "Uso: tributra --init-db RUTA\n";
    return 2;
}

int initDatabase(const QString& path) {
    const QString absolute = QDir::current().absoluteFilePath(path);
    schema::createSystemDatabase(absolute, config::adminParams());
    QTextStream(stdout) << "Creada la base de datos " << QDir::toNativeSeparators(absolute) << "\n";
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    try {
        if (args.size() == 3 && args[1] == u"--init-db")
            return initDatabase(args[2]);
        return usage();
    } catch (const tributra::Error& e) {
        QTextStream(stderr) << e.text() << "\n";
        return 1;
    }
}
