#include "util/UsageError.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace tributra {

// Qt's own texts are English and name the argument between quotes; only the name is kept.
UsageError UsageError::from(const QCommandLineParser& parser) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        const QString& name = unknown.constFirst();
        return UsageError(QStringLiteral("Opción desconocida: %1%2")
                              .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name));
    }
    const QString text = parser.errorText();
    const QString argument = QRegularExpression(QStringLiteral("'([^']*)'")).match(text).captured(1);
    if (text.startsWith(QLatin1String("Missing value")))
        return UsageError(QStringLiteral("Falta el valor de %1").arg(argument));
    if (text.startsWith(QLatin1String("Unexpected value")))
        return UsageError(QStringLiteral("%1 no lleva valor").arg(argument));
    return UsageError(QStringLiteral("Argumento no válido: %1").arg(text));
}

} // namespace tributra
