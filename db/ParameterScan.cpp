#include "db/ParameterScan.h"

namespace db {
namespace {

bool startsName(QChar c) {
    return c.isLetter() || c == u'_';
}

bool continuesName(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'$';
}

// Index just past the quoted text that starts at i (a doubled quote stays inside).
qsizetype skipQuoted(const QString& sql, qsizetype i) {
    const QChar quote = sql[i];
    for (++i; i < sql.size(); ++i) {
        if (sql[i] != quote)
            continue;
        if (i + 1 < sql.size() && sql[i + 1] == quote)
            ++i;
        else
            return i + 1;
    }
    return sql.size();
}

qsizetype skipComment(const QString& sql, qsizetype i) {
    if (sql[i] == u'-') {
        const qsizetype end = sql.indexOf(u'\n', i);
        return end < 0 ? sql.size() : end;
    }
    const qsizetype end = sql.indexOf(QStringLiteral("*/"), i + 2);
    return end < 0 ? sql.size() : end + 2;
}

} // namespace

ParsedSql parseParameters(const QString& sql) {
    ParsedSql parsed;
    parsed.sql.reserve(sql.size());
    qsizetype i = 0;
    while (i < sql.size()) {
        const QChar c = sql[i];
        const QChar next = i + 1 < sql.size() ? sql[i + 1] : QChar();
        qsizetype end = i + 1;
        if (c == u'\'' || c == u'"')
            end = skipQuoted(sql, i);
        else if ((c == u'-' && next == u'-') || (c == u'/' && next == u'*'))
            end = skipComment(sql, i);
        else if (c == u':' && startsName(next)) {
            end = i + 2;
            while (end < sql.size() && continuesName(sql[end]))
                ++end;
            parsed.names << sql.mid(i + 1, end - i - 1).toUpper();
            parsed.sql += u'?';
            i = end;
            continue;
        }
        parsed.sql += QStringView(sql).mid(i, end - i);
        i = end;
    }
    return parsed;
}

} // namespace db
