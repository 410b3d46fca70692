#pragma once

#include <QString>
#include <QStringList>

namespace schema {

// Splits an SQL script as the interactive SQL tool reads it: statements end at the
// current terminator (";" until a "SET TERM" changes it, so procedure and trigger
// bodies keep their own semicolons); terminators inside quoted texts don't count;
// comments are dropped. The SET TERM lines themselves are not returned.
QStringList splitScript(const QString& script);

} // namespace schema
