#include "db/Statement.h"
#include "DbFixture.h"
#include "db/Error.h"

#include <QDateTime>

namespace {

class StatementTest : public DbTest {
protected:
    int count(const QString& where) {
        db::Statement q(database, transaction);
        q.setSql(QStringLiteral("select count(*) from T_MAESTRO where ") + where);
        q.execute();
        return q.field(0).asInteger();
    }

    void insertTipos(const QVariantList& values) {
        db::Statement ins(database, transaction);
        ins.setSql(
            QStringLiteral("insert into T_TIPOS (ID, PEQUE, REAL_, IMPORTE, FECHA, TEXTO, LETRA, "
                           "MEMO, BINARIO) values (:ID, :PEQUE, :REAL_, :IMPORTE, :FECHA, "
                           ":TEXTO, :LETRA, :MEMO, :BINARIO)"));
        for (int i = 0; i < values.size(); ++i)
            ins.setParam(ins.paramNames()[i], values[i]);
        ins.execute();
    }
};

TEST_F(StatementTest, BindsByNameBesideQuotedTextsWithColons) {
    db::Statement q(database, transaction);
    q.setSql(QStringLiteral("select NOMBRE, \"a:b\" as T1, '10:30' as T2 from T_MAESTRO "
                            "where NOMBRE <> \":codigo\" and codigo = :Codigo -- :nombre\n"
                            "and nombre like :patron"));
    EXPECT_EQ(q.paramNames(), (QStringList{"CODIGO", "PATRON"}));
    q.setParam(QStringLiteral("patron"), QStringLiteral("D%"));
    q.setParam(QStringLiteral("CODIGO"), 2);
    q.execute();
    ASSERT_FALSE(q.eof());
    EXPECT_EQ(q.field(QStringLiteral("nombre")).asString(), QStringLiteral("Dos"));
    EXPECT_EQ(q.field(QStringLiteral("T1")).asString(), QStringLiteral("a:b"));
    EXPECT_EQ(q.field(QStringLiteral("T2")).asString(), QStringLiteral("10:30"));
    q.next();
    EXPECT_TRUE(q.eof());
}

TEST_F(StatementTest, ARepeatedNameSendsOneValueToEveryMarker) {
    EXPECT_EQ(count(QStringLiteral("1=1")), 3);
    db::Statement q(database, transaction);
    q.setSql(
        QStringLiteral("select count(*) from T_MAESTRO where CODIGO >= :N and CODIGO <= :n + 1"));
    q.setParam(QStringLiteral("n"), 1);
    q.execute();
    EXPECT_EQ(q.field(0).asInteger(), 2);
}

TEST_F(StatementTest, EveryColumnTypeRoundTrips) {
    const QDateTime fecha(QDate(2018, 2, 1), QTime(0, 0), Qt::UTC);
    const QByteArray binario("\x00\x01\xff\x80 x", 6);
    const QString texto = QStringLiteral("Peña Cía Ç ´ €");
    const QString memo = QString(20000, u'ñ') + QStringLiteral("€ final");
    insertTipos({1, 32767, -1234.5678, 1234.56, fecha, texto, QStringLiteral("AB"), memo, binario});
    insertTipos({2, QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(),
                 QVariant(), QVariant()});

    db::Statement q(database, transaction);
    q.setSql(QStringLiteral("select * from T_TIPOS order by ID"));
    q.execute();
    EXPECT_EQ(q.field(QStringLiteral("PEQUE")).asInteger(), 32767);
    EXPECT_DOUBLE_EQ(q.field(QStringLiteral("REAL_")).asFloat(), -1234.5678);
    EXPECT_DOUBLE_EQ(q.field(QStringLiteral("IMPORTE")).asFloat(), 1234.56);
    EXPECT_EQ(q.field(QStringLiteral("FECHA")).asDateTime(), fecha);
    EXPECT_EQ(q.field(QStringLiteral("TEXTO")).asString(), texto);
    EXPECT_EQ(q.field(QStringLiteral("LETRA")).asString(), QStringLiteral("AB"))
        << "CHAR padding is dropped";
    EXPECT_EQ(q.field(QStringLiteral("MEMO")).asString(), memo);
    EXPECT_EQ(q.field(QStringLiteral("BINARIO")).asBytes(), binario);

    q.next();
    for (const char* column :
         {"PEQUE", "REAL_", "IMPORTE", "FECHA", "TEXTO", "LETRA", "MEMO", "BINARIO"})
        EXPECT_TRUE(q.field(QString::fromLatin1(column)).isNull()) << column;

    const auto& columns = q.columns();
    EXPECT_EQ(columns[size_t(q.columnIndex(QStringLiteral("FECHA")))].type,
              db::FieldType::DateTime);
    EXPECT_EQ(columns[size_t(q.columnIndex(QStringLiteral("IMPORTE")))].type, db::FieldType::Float);
    EXPECT_EQ(columns[size_t(q.columnIndex(QStringLiteral("TEXTO")))].size, 30);
    EXPECT_EQ(columns[size_t(q.columnIndex(QStringLiteral("MEMO")))].type, db::FieldType::Memo);
}

TEST_F(StatementTest, TextsReachTheEngineAsWin1252) {
    insertTipos({1, 0, 0, 0, QVariant(), QStringLiteral("Peña Cía Ç ´ €"), QVariant(), QVariant(),
                 QVariant()});
    db::Statement q(database, transaction);
    // The engine itself must see the characters: its own functions work on them.
    q.setSql(
        QStringLiteral("select char_length(TEXTO), octet_length(TEXTO), position('€' in TEXTO) "
                       "from T_TIPOS where TEXTO = :t"));
    q.setParam(QStringLiteral("t"), QStringLiteral("Peña Cía Ç ´ €"));
    q.execute();
    ASSERT_FALSE(q.eof());
    EXPECT_EQ(q.field(0).asInteger(), 14);
    EXPECT_EQ(q.field(1).asInteger(), 14);
    EXPECT_EQ(q.field(2).asInteger(), 14);
}

TEST_F(StatementTest, ExecuteProcedureGivesItsOutputs) {
    db::Statement q(database, transaction);
    q.setSql(QStringLiteral("execute procedure PA_DOBLE :n"));
    q.setParam(QStringLiteral("N"), 21);
    q.execute();
    EXPECT_EQ(q.field(QStringLiteral("R")).asInteger(), 42);
    EXPECT_EQ(q.field(QStringLiteral("T")).asString(), QStringLiteral("n:21"));
}

TEST_F(StatementTest, BadInputIsAnErrorWithTheEnginesText) {
    db::Statement q(database, transaction);
    q.setSql(QStringLiteral("select NOMBRE from T_MAESTRO where CODIGO = :codigo"));
    EXPECT_THROW(q.setParam(QStringLiteral("CODGO"), 1), db::Error);

    q.setParam(QStringLiteral("codigo"), QStringLiteral("dos"));
    try {
        q.execute();
        FAIL() << "a text that is no number was accepted";
    } catch (const db::Error& e) {
        EXPECT_EQ(e.sqlCode(), -303);
        EXPECT_TRUE(e.text().contains(QStringLiteral("conversion"), Qt::CaseInsensitive))
            << e.text().toStdString();
    }

    struct Failing {
        const char* sql;
        int sqlCode;
    };
    for (const Failing& f :
         {Failing{"select * from T_NO_EXISTE", -204}, Failing{"selec 1 from T_MAESTRO", -104},
          Failing{"insert into T_MAESTRO values (1, 'otra vez')", -803}}) {
        SCOPED_TRACE(f.sql);
        db::Statement bad(database, transaction);
        bad.setSql(QString::fromLatin1(f.sql));
        try {
            bad.execute();
            ADD_FAILURE() << "no error";
        } catch (const db::Error& e) {
            EXPECT_EQ(e.sqlCode(), f.sqlCode) << e.text().toStdString();
            EXPECT_FALSE(e.text().isEmpty());
        }
    }
}

// The connection speaks Windows-1252, so the engine's texts come in it too, whatever the
// workstation's own code page.
TEST_F(StatementTest, AnExceptionsSpanishTextReadsAsItWasWritten) {
    db::Statement ddl(database, transaction);
    ddl.setSql(QStringLiteral("create exception E_PRUEBA 'Año 2018: falta el importe en €'"));
    ddl.execute();
    transaction.commit();
    for (const auto& [sql, text] :
         {std::pair{"execute block as begin exception E_PRUEBA; end",
                    "Año 2018: falta el importe en €"},
          std::pair{"execute block as begin exception E_PRUEBA 'Señor: 1.000 € de más'; end",
                    "Señor: 1.000 € de más"}}) {
        db::Statement raise(database, transaction);
        raise.setSql(QString::fromUtf8(sql));
        try {
            raise.execute();
            ADD_FAILURE() << "no exception";
        } catch (const db::Error& e) {
            EXPECT_TRUE(e.text().contains(QString::fromUtf8(text))) << e.text().toStdString();
        }
    }
}

TEST_F(StatementTest, ADatabaseThatDoesNotOpenSaysWhy) {
    db::Database missing;
    missing.setDatabaseName(dir.file(QStringLiteral("no/such.fdb")));
    try {
        missing.open();
        FAIL() << "opened a database that does not exist";
    } catch (const db::Error& e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("such.fdb"))) << e.text().toStdString();
    }
    EXPECT_FALSE(missing.connected());
}

TEST_F(StatementTest, RollbackRetainingUndoesAndKeepsTheTransaction) {
    db::Statement del(database, transaction);
    del.setSql(QStringLiteral("delete from T_MAESTRO where CODIGO = 3"));
    del.execute();
    EXPECT_EQ(count(QStringLiteral("1=1")), 2);
    transaction.rollbackRetaining();
    EXPECT_TRUE(transaction.active());
    EXPECT_EQ(count(QStringLiteral("1=1")), 3);
}

TEST_F(StatementTest, ClosingTheConnectionUndoesWhatNobodyCommitted) {
    db::Statement ins(database, transaction);
    ins.setSql(QStringLiteral("insert into T_MAESTRO values (4, 'Cuatro')"));
    ins.execute();
    db::Transaction other(database);
    db::Statement del(database, other);
    del.setSql(QStringLiteral("delete from T_MAESTRO where CODIGO = 1"));
    del.execute();
    database.close();
    EXPECT_FALSE(transaction.active());
    EXPECT_FALSE(other.active());

    database.open();
    EXPECT_EQ(count(QStringLiteral("1=1")), 3);
    EXPECT_EQ(count(QStringLiteral("CODIGO = 1")), 1);
}

TEST_F(StatementTest, StatementsPrepareAgainAfterAReconnection) {
    db::Statement q(database, transaction);
    q.setSql(QStringLiteral("select count(*) from T_MAESTRO"));
    q.execute();
    database.close();
    database.open();
    q.execute();
    EXPECT_EQ(q.field(0).asInteger(), 3);
    EXPECT_TRUE(database.answers());
}

TEST_F(StatementTest, ForcedWritesFollowTheConnectionParameter) {
    const QStringList params = database.params();
    for (const char* value : {"0", "1"}) {
        database.close();
        database.setParams(params + QStringList{QStringLiteral("force_write=") + value});
        database.open();
        db::Statement q(database, transaction);
        q.setSql(QStringLiteral("select MON$FORCED_WRITES from MON$DATABASE"));
        q.execute();
        EXPECT_EQ(q.field(0).asInteger(), QByteArray(value).toInt());
        q.close();
        transaction.commit();
    }
    database.close();
    database.setParams(params + QStringList{QStringLiteral("force_write=on")});
    EXPECT_THROW(database.open(), db::Error);
}

} // namespace
