#pragma once

#include <QString>
#include <QStringList>

namespace config {

// Connection parameters as name=value lines, as the location dialog edits them: the
// first line whose name begins with the parameter (case aside) takes the new value, or
// is deleted when the value is blank; without such a line one is appended.
void setParamLine(QStringList& lines, const QString& name, const QString& value);

} // namespace config
