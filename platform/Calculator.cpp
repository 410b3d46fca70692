#include "platform/Calculator.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace platform {

void startCalculator() {
#ifdef Q_OS_WIN
    const QStringList candidates = {QStringLiteral("calc.exe")};
#else
    const QStringList candidates = {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
                                    QStringLiteral("galculator"), QStringLiteral("mate-calc"),
                                    QStringLiteral("xcalc")};
#endif
    for (const QString& name : candidates) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty() && QProcess::startDetached(path, {}))
            return;
    }
}

} // namespace platform
