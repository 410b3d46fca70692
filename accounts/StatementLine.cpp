#include "accounts/StatementLine.h"

#include <QRegularExpression>

namespace accounts {

QString column(const char* code, bool previous) {
    return u'C' + QLatin1String(code) + (previous ? QStringLiteral("9") : QString());
}

QStringList columns(const Statement& statement) {
    QStringList all{QStringLiteral("EMPRESA")};
    for (bool previous : {false, true})
        for (const Line& line : statement.lines)
            all << column(line.code, previous);
    return all;
}

QList<int> numbers(const char* list) {
    QList<int> all;
    static const QRegularExpression digits(QStringLiteral("\\d+"));
    for (const auto& m : digits.globalMatch(QLatin1String(list)))
        all << m.captured().toInt();
    return all;
}

} // namespace accounts
