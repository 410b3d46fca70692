#pragma once

#include <QString>
#include <QStringList>

namespace db {

// A statement text with its :NAME parameters replaced by '?', and the names in the
// order of the markers (upper case; a name may repeat).
struct ParsedSql {
    QString sql;
    QStringList names;
};

// Texts in single or double quotes (dialect 1 strings), "--" and "/* */" comments are
// copied untouched, so a colon inside them is never taken for a parameter.
ParsedSql parseParameters(const QString& sql);

} // namespace db
