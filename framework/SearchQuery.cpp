#include "framework/SearchQuery.h"

bool SearchQuery::EstableceCampo(const QString& column) {
    if (column.compare(column_, Qt::CaseInsensitive) == 0)
        return false;
    column_ = column;
    return true;
}

QString SearchQuery::select() const {
    const QString connector = base_.contains(QStringLiteral("WHERE ")) ? QStringLiteral(" And ")
                                                                       : QStringLiteral("WHERE ");
    return base_ + u'\n' + connector + column_ + QStringLiteral(" LIKE :VALOR") + u'\n' +
           QStringLiteral("ORDER BY ") + column_;
}

SearchQuery::Value SearchQuery::valueFor(const QString& typed, int columnSize) {
    if (typed.size() < columnSize)
        return {typed + u'%', typed};
    const QString cut = typed.left(columnSize);
    return {cut, cut};
}
