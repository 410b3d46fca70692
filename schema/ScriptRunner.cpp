#include "schema/ScriptRunner.h"

#include "db/Error.h"
#include "db/ExecuteImmediate.h"
#include "db/Transaction.h"
#include "schema/ScriptParser.h"

#include <QRegularExpression>

namespace schema {
namespace {

QString firstWords(const QString& statement, int count) {
    return statement.simplified().section(u' ', 0, count - 1).toUpper();
}

bool isToolSetting(const QString& statement) {
    static const QStringList settings = {QStringLiteral("SET SQL"),     QStringLiteral("SET NAMES"),
                                         QStringLiteral("SET AUTODDL"), QStringLiteral("SET ECHO"),
                                         QStringLiteral("SET LIST"),    QStringLiteral("SET BAIL"),
                                         QStringLiteral("SET WARNINGS")};
    return settings.contains(firstWords(statement, 2));
}

bool isCommit(const QString& statement) {
    const QString words = firstWords(statement, 2);
    return words == u"COMMIT" || words == u"COMMIT WORK";
}

bool changesRows(const QString& statement) {
    static const QStringList dml = {QStringLiteral("INSERT"), QStringLiteral("UPDATE"),
                                    QStringLiteral("DELETE"), QStringLiteral("MERGE"),
                                    QStringLiteral("EXECUTE")};
    const QString word = firstWords(statement, 1);
    return dml.contains(word) && firstWords(statement, 2) != u"EXECUTE BLOCK";
}

} // namespace

void runScript(db::Database& database, const QString& script, const QString& scriptName) {
    db::Transaction transaction(database);
    const QStringList statements = splitScript(script);
    for (qsizetype k = 0; k < statements.size(); ++k) {
        const QString& statement = statements[k];
        if (isToolSetting(statement))
            continue;
        if (isCommit(statement)) {
            if (transaction.active())
                transaction.commit();
            continue;
        }
        try {
            db::executeImmediate(transaction, statement);
            if (!changesRows(statement))
                transaction.commit();
        } catch (const db::Error& e) {
            throw db::Error(QStringLiteral("%1, sentencia %2 (%3): %4")
                                .arg(scriptName)
                                .arg(k + 1)
                                .arg(statement.simplified().left(60), e.text()),
                            e.sqlCode());
        }
    }
    if (transaction.active())
        transaction.commit();
}

} // namespace schema
