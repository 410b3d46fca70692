#include "util/CommandOptions.h"

#include "util/UsageError.h"

#include <QCommandLineParser>

namespace tributra {

QStringList parseCommandOptions(QCommandLineParser& parser, const QString& command,
                                const QStringList& arguments, int positional) {
    if (!parser.parse(QStringList{command} + arguments))
        throw UsageError::from(parser);
    const QStringList rest = parser.positionalArguments();
    if (rest.size() > positional)
        throw UsageError(QStringLiteral("Argumento de más: %1").arg(rest[positional]));
    const QStringList names = parser.optionNames();
    for (const QString& name : names)
        if (names.count(name) > 1)
            throw UsageError(QStringLiteral("--%1 aparece más de una vez").arg(name));
    return rest;
}

int requiredNumber(const QCommandLineParser& parser, const QCommandLineOption& option,
                   const QString& what) {
    const QString name = option.names().constFirst();
    if (!parser.isSet(option))
        throw UsageError(QStringLiteral("Falta --%1").arg(name));
    bool isNumber = false;
    const int n = parser.value(option).toInt(&isNumber);
    if (!isNumber)
        throw UsageError(QStringLiteral("--%1 %2: no es un número de %3")
                             .arg(name, parser.value(option), what));
    return n;
}

} // namespace tributra
