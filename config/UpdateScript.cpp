#include "config/UpdateScript.h"

#include "config/AdminAccount.h"
#include "util/Error.h"
#include "util/Win1252.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace config {

bool UpdateScript::exists() const {
    return QFile::exists(path_);
}

bool UpdateScript::pointAt(const QString& connectionString) const {
    QFile in(path_);
    if (!in.open(QIODevice::ReadOnly))
        throw tributra::Error(QStringLiteral("No se puede leer %1").arg(path_));
    const QString text = util::fromWin1252(in.readAll());
    in.close();
    // The script keeps the line ends it came with.
    const QString eol =
        text.contains(QStringLiteral("\r\n")) ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QStringList lines = text.split(eol);
    const auto at = std::find_if(lines.begin(), lines.end(), [](const QString& line) {
        return line.contains(QStringLiteral("connect"));
    });
    if (at == lines.end())
        return false;
    *at = QStringLiteral("connect '%1' user '%2' password '%3';")
              .arg(connectionString, adminUser(), adminPassword());
    QSaveFile out(path_);
    if (!out.open(QIODevice::WriteOnly) || out.write(util::toWin1252(lines.join(eol))) < 0 ||
        !out.commit())
        throw tributra::Error(QStringLiteral("No se puede grabar %1").arg(path_));
    return true;
}

bool UpdateScript::remove() const {
    return QFile::remove(path_);
}

} // namespace config
