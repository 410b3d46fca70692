#include "schema/ScriptParser.h"

#include <QRegularExpression>

namespace schema {
namespace {

// The new terminator when the statement is a SET TERM, else empty.
QString setTermTarget(const QString& statement) {
    static const QRegularExpression setTerm(QStringLiteral("^SET\\s+TERM\\s+(\\S+)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const auto m = setTerm.match(statement);
    return m.hasMatch() ? m.captured(1) : QString();
}

} // namespace

QStringList splitScript(const QString& script) {
    QStringList statements;
    QString terminator = QStringLiteral(";");
    QString current;
    const qsizetype n = script.size();
    qsizetype i = 0;
    auto finish = [&] {
        const QString statement = current.trimmed();
        current.clear();
        if (statement.isEmpty())
            return;
        const QString target = setTermTarget(statement);
        if (target.isEmpty())
            statements << statement;
        else
            terminator = target;
    };
    while (i < n) {
        const QChar c = script[i];
        const QChar next = i + 1 < n ? script[i + 1] : QChar();
        if (c == u'\'' || c == u'"') {
            qsizetype end = i + 1;
            while (end < n) {
                if (script[end] != c) {
                    ++end;
                } else if (end + 1 < n && script[end + 1] == c) {
                    end += 2; // a doubled quote stays inside the text
                } else {
                    ++end;
                    break;
                }
            }
            current += QStringView(script).mid(i, end - i);
            i = end;
        } else if (c == u'-' && next == u'-') {
            const qsizetype end = script.indexOf(u'\n', i);
            i = end < 0 ? n : end;
        } else if (c == u'/' && next == u'*') {
            const qsizetype end = script.indexOf(QStringLiteral("*/"), i + 2);
            i = end < 0 ? n : end + 2;
            current += u' ';
        } else if (QStringView(script).mid(i).startsWith(terminator, Qt::CaseInsensitive)) {
            i += terminator.size();
            finish();
        } else {
            current += c;
            ++i;
        }
    }
    finish();
    return statements;
}

} // namespace schema
