#pragma once

#include <QString>
#include <QStringList>

class QCommandLineOption;
class QCommandLineParser;

namespace tributra {

// The arguments of a terminal command after its name ("fichero", "deposito"...): parsed,
// each option at most once (a second value would silently win), and at most `positional`
// other arguments, which are returned. What cannot be taken is a UsageError naming it.
QStringList parseCommandOptions(QCommandLineParser& parser, const QString& command,
                                const QStringList& arguments, int positional = 0);

// A required option's value as a whole number; `what` names it in the message, as in
// "--contribuyente doce: no es un número de contribuyente".
int requiredNumber(const QCommandLineParser& parser, const QCommandLineOption& option,
                   const QString& what);

} // namespace tributra
