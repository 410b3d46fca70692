#include "schema/SystemDatabase.h"
#include "QtPrinters.h"
#include "TempDir.h"
#include "config/AdminAccount.h"
#include "db/Database.h"
#include "db/Error.h"
#include "db/Statement.h"
#include "db/Transaction.h"
#include "schema/ScriptDatabase.h"
#include "schema/ScriptRunner.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

class SystemDatabaseTest : public ::testing::Test {
protected:
    TempDir dir;
    QString path = dir.file(QStringLiteral("Tribra18.gdb"));
    db::Database database;

    void SetUp() override {
        schema::createSystemDatabase(path, config::adminParams());
        database.setDatabaseName(path);
        database.setParams(config::adminParams());
        database.open();
    }

    db::Value single(const QString& sql) {
        db::Transaction t(database);
        db::Statement q(database, t);
        q.setSql(sql);
        q.execute();
        return q.field(0);
    }
};

TEST_F(SystemDatabaseTest, IsDialectOneWithWin1252Texts) {
    EXPECT_EQ(single(QStringLiteral("select MON$SQL_DIALECT from MON$DATABASE")).asInteger(), 1);
    EXPECT_EQ(single(QStringLiteral("select RDB$CHARACTER_SET_NAME from RDB$DATABASE")).asString(),
              QStringLiteral("WIN1252"));
    EXPECT_EQ(
        single(QStringLiteral("select count(*) from RDB$FIELDS where RDB$FIELD_NAME = 'D_IMPORTE'"))
            .asInteger(),
        1);
    EXPECT_THROW(schema::createSystemDatabase(path, config::adminParams()), db::Error)
        << "an existing file is never replaced";
}

TEST_F(SystemDatabaseTest, ScriptsLoadProceduresTriggersAndRows) {
    const QString script = QStringLiteral(R"(
SET SQL DIALECT 1;
CREATE TABLE T_PRUEBA (N INTEGER NOT NULL, TITULO VARCHAR(20), NOTA VARCHAR(20));
SET TERM ^ ;
CREATE TRIGGER T_PRUEBA_BI FOR T_PRUEBA BEFORE INSERT AS
BEGIN
    NEW.TITULO = UPPER(NEW.NOTA); /* a comment; with a terminator */
END ^
CREATE PROCEDURE PA_SIGUIENTE RETURNS (N INTEGER) AS
BEGIN
    SELECT COALESCE(MAX(N), 0) + 1 FROM T_PRUEBA INTO :N;
    SUSPEND;
END ^
SET TERM ; ^
INSERT INTO T_PRUEBA (N, NOTA) VALUES (1, "uno;");
INSERT INTO T_PRUEBA (N, NOTA) VALUES (2, 'dos');
COMMIT WORK;
)");
    schema::runScript(database, script, QStringLiteral("prueba.sql"));
    EXPECT_EQ(single(QStringLiteral("select TITULO from T_PRUEBA where N = 1")).asString(),
              QStringLiteral("UNO;"));
    EXPECT_EQ(single(QStringLiteral("select N from PA_SIGUIENTE")).asInteger(), 3);
}

TEST_F(SystemDatabaseTest, AFailingStatementNamesTheScriptAndKeepsTheEnginesCode) {
    try {
        schema::runScript(
            database,
            QStringLiteral("create table T_A (X integer);\ncreate tabel T_B (Y integer);"),
            QStringLiteral("roto.sql"));
        FAIL() << "a bad statement passed";
    } catch (const db::Error& e) {
        EXPECT_TRUE(e.text().startsWith(QStringLiteral("roto.sql, sentencia 2")))
            << e.text().toStdString();
        EXPECT_EQ(e.sqlCode(), -104);
    }
    EXPECT_EQ(single(QStringLiteral("select count(*) from T_A")).asInteger(), 0)
        << "what came before stays";
}

void writeScript(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// A script that fails half-way leaves no database behind, under its name or any other:
// the next start must not open a half-built one as if it were whole.
TEST(DatabaseFromScripts, AFailingScriptLeavesNoFileAndNamesScriptAndStatement) {
    const TempDir scripts;
    writeScript(scripts.file(QStringLiteral("10_tablas.sql")), "CREATE TABLE T_A (X INTEGER);\n");
    writeScript(scripts.file(QStringLiteral("20_filas.sql")),
                "INSERT INTO T_A VALUES (1);\nINSERT INTO T_NO_EXISTE VALUES (2);\n");
    const TempDir target;
    const QString path = target.file(QStringLiteral("Tribra18.gdb"));
    try {
        schema::createFromScripts(path, config::adminParams(), scripts.path());
        FAIL() << "a failing script built a database";
    } catch (const db::Error& e) {
        EXPECT_TRUE(e.text().startsWith(QStringLiteral("20_filas.sql, sentencia 2")))
            << e.text().toStdString();
        EXPECT_EQ(e.sqlCode(), -204);
    }
    EXPECT_EQ(QDir(target.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList());
}

TEST(DatabaseFromScripts, IsBuiltUnderItsNameOnlyWhenEveryScriptRan) {
    const TempDir scripts;
    writeScript(scripts.file(QStringLiteral("10_tablas.sql")), "CREATE TABLE T_A (X INTEGER);\n");
    writeScript(scripts.file(QStringLiteral("20_filas.sql")), "INSERT INTO T_A VALUES (1);\n");
    const TempDir target;
    const QString path = target.file(QStringLiteral("Tribra18.gdb"));
    // What a build killed half-way left beside it is no obstacle.
    writeScript(path + QStringLiteral(".part"), "a medio hacer");
    schema::createFromScripts(path, config::adminParams(), scripts.path());
    EXPECT_EQ(QDir(target.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("Tribra18.gdb")});

    db::Database database;
    database.setDatabaseName(path);
    database.setParams(config::adminParams());
    database.open();
    db::Transaction t(database);
    db::Statement q(database, t);
    q.setSql(QStringLiteral("select count(*) from T_A"));
    q.execute();
    EXPECT_EQ(q.field(0).asInteger(), 1);
}

} // namespace
