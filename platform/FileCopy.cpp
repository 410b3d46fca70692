#include "platform/FileCopy.h"

#include <QFile>
#include <QSaveFile>

namespace platform {

// QSaveFile renames over the target (MoveFileEx with replace-existing on Windows) instead
// of removing it first.
QString replaceFile(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return in.errorString();
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return out.errorString();
    const QByteArray content = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return in.errorString();
    if (out.write(content) != content.size() || !out.commit())
        return out.errorString();
    return {};
}

} // namespace platform
