#include "IniFile.h"

#include "IniLines.h"
#include "util/Error.h"
#include "util/Win1252.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace platform {

namespace {

QString fileText(const QString& path) {
    return QStringLiteral("el fichero de configuración ") + QDir::toNativeSeparators(path);
}

bool hasLineBreak(const QString& text) {
    return text.contains('\n') || text.contains('\r');
}

void checkWritable(const QString& section, const QString& key, const QString& value) {
    if (key.trimmed().isEmpty() || key.contains('=') || section.contains(']') ||
        hasLineBreak(section) || hasLineBreak(key) || hasLineBreak(value))
        throw tributra::Error(QStringLiteral("No se puede grabar la clave \"%1\" de la sección "
                                             "\"%2\" en la configuración")
                                  .arg(key, section));
}

// A missing file is an empty one; an existing file that cannot be read is not, or the
// write would replace every other setting in it.
IniLines loadForWriting(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return IniLines();
    if (!file.open(QIODevice::ReadOnly))
        throw tributra::Error("No se puede leer " + fileText(path));
    return IniLines(util::fromWin1252(file.readAll()));
}

void save(const QString& path, const IniLines& lines) {
    // The fallback writes in place where no temporary file can be made beside it.
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    const QByteArray bytes = util::toWin1252(lines.text());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw tributra::Error("No se puede grabar " + fileText(path));
}

} // namespace

IniFile::IniFile(const QString& path) : path_(path) {}

QString IniFile::readString(const QString& section, const QString& key,
                            const QString& defaultValue) const {
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return defaultValue;
    return IniLines(util::fromWin1252(file.readAll())).value(section, key).value_or(defaultValue);
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    checkWritable(section, key, value);
    IniLines lines = loadForWriting(path_);
    lines.setValue(section, key, value);
    save(path_, lines);
}

} // namespace platform
