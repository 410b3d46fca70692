#include "returns/AgencyFile.h"

#include "framework/Prompts.h"
#include "platform/FileCopy.h"
#include "platform/WindowsPaths.h"

#include <QDir>
#include <QSaveFile>

namespace agency {

bool escribe(const QString& ruta, const QByteArray& bytes) {
    QSaveFile file(ruta);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

QString directorio(const QString& modelo, int ejercicio) {
    return platform::nativePath(QStringLiteral("c:\\aeat\\%1_%2").arg(modelo).arg(ejercicio));
}

QString copia(framework::Prompts& prompts, const QString& ruta, const QString& destino,
              const QString& nombre) {
    QDir().mkdir(destino); // only the last level: the agency's own folder must be there
    const QString copia = QDir(destino).filePath(nombre);
    const QString fallo = platform::replaceFile(ruta, copia);
    if (!fallo.isEmpty())
        prompts.information(QStringLiteral("No se ha podido copiar el archivo en :") +
                            QDir::toNativeSeparators(destino) + u'\n' + fallo);
    return copia;
}

} // namespace agency
