#include "framework/ErrorList.h"

#include "util/Win1252.h"

#include <QDir>
#include <QFile>

namespace framework {

QString errorListText(const QString& folder) {
    for (const char* name : {"Errores.txt", "Errores.xml"}) {
        QFile file(QDir(folder).filePath(QString::fromLatin1(name)));
        if (file.open(QIODevice::ReadOnly))
            return util::fromWin1252(file.readAll());
    }
    return QStringLiteral("No existe información para mostrar");
}

} // namespace framework
