#include "config/ParamLines.h"

namespace config {

void setParamLine(QStringList& lines, const QString& name, const QString& value) {
    const QString wanted = name.toLower();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i].section(u'=', 0, 0).toLower().startsWith(wanted))
            continue;
        if (value.trimmed().isEmpty())
            lines.removeAt(i);
        else
            lines[i] = name + u'=' + value;
        return;
    }
    if (!value.trimmed().isEmpty())
        lines << name + u'=' + value;
}

} // namespace config
