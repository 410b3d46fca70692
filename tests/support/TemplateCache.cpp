#include "TemplateCache.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <filesystem>

namespace templates {
namespace {

// One folder per build of this binary; the folders of its earlier builds are removed.
const QString& folder() {
    static const QString path = [] {
        const QFileInfo binary(
            QString::fromStdString(std::filesystem::read_symlink("/proc/self/exe")));
        QDir binaries(binary.dir().filePath(QStringLiteral("../test-cache/") + binary.fileName()));
        const QString build = QStringLiteral("%1-%2")
                                  .arg(binary.lastModified().toMSecsSinceEpoch())
                                  .arg(binary.size());
        for (const QString& older : binaries.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            if (older != build)
                QDir(binaries.filePath(older)).removeRecursively();
        binaries.mkpath(build);
        return binaries.filePath(build);
    }();
    return path;
}

} // namespace

QString cached(const QString& key, const std::function<void(const QString&)>& make) {
    const QByteArray name = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex();
    const QString path = QDir(folder()).filePath(QString::fromLatin1(name) + QStringLiteral(".fdb"));
    if (QFileInfo::exists(path))
        return path;
    // Made aside and renamed into place: a process running beside this one sees either
    // no file or a whole one, and the last of two that made it wins.
    const QString aside = QStringLiteral("%1.%2").arg(path).arg(QCoreApplication::applicationPid());
    try {
        make(aside);
    } catch (...) {
        QFile::remove(aside);
        throw;
    }
    if (std::rename(QFile::encodeName(aside).constData(), QFile::encodeName(path).constData()) != 0)
        QFile::remove(aside);
    return path;
}

} // namespace templates
