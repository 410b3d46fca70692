#include "platform/FileCopy.h"

#include <QFile>

namespace platform {

bool replaceFile(const QString& source, const QString& target) {
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);
    if (QFile::copy(source, partial) && (!QFile::exists(target) || QFile::remove(target)) &&
        QFile::rename(partial, target))
        return true;
    QFile::remove(partial);
    return false;
}

} // namespace platform
