#include "taxpayers/ReferenceImport.h"

#include "db/Statement.h"
#include "db/Transaction.h"
#include "util/Error.h"
#include "util/Oem850.h"
#include "util/UUtiles.h"

#include <QDir>
#include <QFile>

#include <map>
#include <memory>

namespace taxpayers {

namespace {

tributra::Error unreadable(const QString& path) {
    return tributra::Error(
        QStringLiteral("Error de entrada/salida: no se puede leer el fichero \"%1\"").arg(path));
}

QByteArray withoutLineBreak(QByteArray line) {
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return line;
}

} // namespace

ReferenceImport::ReferenceImport(db::Database& database, db::Transaction& transaction)
    : database_(database), transaction_(transaction) {}

QString ReferenceImport::folder(const QString& typed) {
    QString folder = typed.trimmed();
    const QChar separator = QDir::separator();
    if (!folder.endsWith(separator) && !folder.endsWith(u'/'))
        folder += separator;
    return folder;
}

void ReferenceImport::run(const std::vector<std::pair<ReferenceFile, QString>>& files,
                          const Progress& progress) {
    for (const auto& [file, path] : files)
        if (QFile::exists(path) && !importFile(file, path, progress))
            return;
}

bool ReferenceImport::importFile(ReferenceFile file, const QString& path,
                                 const Progress& progress) {
    int remaining = UUtiles::CuentaLineas(path) - 1;
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly))
        throw unreadable(path);
    // One prepared statement per text: the delegations file has two.
    std::map<QString, std::unique_ptr<db::Statement>> statements;
    while (!input.atEnd()) {
        if (!progress(path, remaining--))
            return false;
        const QByteArray bytes = input.readLine();
        if (input.error() != QFileDevice::NoError)
            throw unreadable(path);
        const auto line = splitReferenceLine(file, util::fromOem850(withoutLineBreak(bytes)));
        if (!line)
            continue;
        auto& statement = statements[line->sql];
        if (!statement) {
            statement = std::make_unique<db::Statement>(database_, transaction_);
            statement->setSql(line->sql);
            statement->prepare();
        }
        for (const auto& [name, value] : line->params)
            statement->setParam(name, value);
        statement->execute();
        transaction_.commit();
    }
    return true;
}

} // namespace taxpayers
