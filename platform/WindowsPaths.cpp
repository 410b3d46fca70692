#include "WindowsPaths.h"

#include <QDir>
#include <QRegularExpression>

namespace platform {

namespace {

// An empty variable counts as unset, so a test or a user can switch one off with VAR=.
QString environmentOr(const char* name, const QString& fallback) {
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? fallback : value;
}

QString settingsFolder() {
#ifdef Q_OS_WIN
    return QDir::fromNativeSeparators(qEnvironmentVariable("WINDIR"));
#else
    const QString xdg = environmentOr("XDG_CONFIG_HOME", QDir::homePath() + "/.config");
    return environmentOr("TRIBUTRA_WINDIR", xdg + "/tributra");
#endif
}

// "c:" + "/aeat" and "c:" + "aeat" (relative to the drive) both land under the root.
QString joinUnder(QString root, const QString& rest) {
    QString relative = rest;
    while (relative.startsWith('/'))
        relative.remove(0, 1);
    if (relative.isEmpty())
        return root;
    while (root.endsWith('/'))
        root.chop(1);
    return root + '/' + relative;
}

} // namespace

QString windowsDirectory() {
    const QString folder = settingsFolder();
    QDir().mkpath(folder);
    return folder;
}

QString nativePath(const QString& windowsPath) {
#ifdef Q_OS_WIN
    return windowsPath;
#else
    static const QRegularExpression drive(QStringLiteral("^([A-Za-z]):(.*)$"),
                                          QRegularExpression::DotMatchesEverythingOption);
    const QString path = QString(windowsPath).replace('\\', '/');
    const QRegularExpressionMatch match = drive.match(path);
    if (!match.hasMatch())
        return path;
    const QByteArray variable = "TRIBUTRA_DRIVE_" + match.captured(1).toUpper().toLatin1();
    return joinUnder(environmentOr(variable.constData(), QDir::homePath()), match.captured(2));
#endif
}

} // namespace platform
