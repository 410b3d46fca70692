#include "framework/OrderBy.h"

#include "db/DataSet.h"

#include <QStringList>

namespace framework {
namespace {

const QString kOrderBy = QStringLiteral("ORDER BY");

} // namespace

QString withOrderBy(const QString& select, const QString& order) {
    QStringList lines = select.split(u'\n');
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        const qsizetype at = lines[i].toUpper().lastIndexOf(kOrderBy);
        if (at < 0)
            continue;
        lines.erase(lines.begin() + i + 1, lines.end());
        lines[i].truncate(at);
        if (lines[i].trimmed().isEmpty())
            lines.removeAt(i);
        break;
    }
    if (!order.isEmpty())
        lines << kOrderBy + u' ' + order;
    return lines.join(u'\n');
}

void OrdenaPor(db::DataSet& dataSet, const QString& orden) {
    // Closing would drop what was typed: it is posted first, as leaving the row does.
    if (dataSet.editing()) {
        if (dataSet.modified())
            dataSet.post();
        else
            dataSet.cancel();
    }
    const bool wasOpen = dataSet.active();
    dataSet.close();
    dataSet.setSelectSql(withOrderBy(dataSet.selectSql(), orden));
    if (wasOpen)
        dataSet.open();
}

} // namespace framework
