#include "db/DataSet.h"
#include "DbFixture.h"
#include "db/ChangeEventsOff.h"
#include "db/Error.h"
#include "db/Statement.h"

namespace {

class DataSetTest : public DbTest {
protected:
    db::DataSet maestro{database, transaction};

    void SetUp() override {
        maestro.setSelectSql(QStringLiteral("select * from T_MAESTRO order by CODIGO"));
        maestro.setInsertSql(
            QStringLiteral("insert into T_MAESTRO (CODIGO, NOMBRE) values (:CODIGO, :NOMBRE)"));
        maestro.setModifySql(QStringLiteral(
            "update T_MAESTRO set CODIGO = :CODIGO, NOMBRE = :NOMBRE where CODIGO = :OLD_CODIGO"));
        maestro.setDeleteSql(QStringLiteral("delete from T_MAESTRO where CODIGO = :OLD_CODIGO"));
        maestro.setRefreshSql(QStringLiteral("select * from T_MAESTRO where CODIGO = :CODIGO"));
    }

    // The table as a transaction sees it.
    QStringList names(db::Transaction& t) {
        db::Statement q(t.database(), t);
        q.setSql(QStringLiteral("select CODIGO || '=' || NOMBRE from T_MAESTRO order by CODIGO"));
        QStringList rows;
        for (q.execute(); !q.eof(); q.next())
            rows << q.field(0).asString();
        return rows;
    }
};

TEST_F(DataSetTest, CommitRetainingShowsAPostToAnotherConnectionWhileTheDataSetStaysOpen) {
    maestro.afterPost.add([](db::DataSet& ds) { ds.transaction().commitRetaining(); });
    maestro.open();
    maestro.append();
    maestro.field(QStringLiteral("CODIGO")).setAsInteger(4);
    maestro.field(QStringLiteral("NOMBRE")).setAsString(QStringLiteral("Cuatro"));
    maestro.post();

    db::Database second;
    testDb.configure(second);
    second.open();
    db::Transaction secondTransaction(second);
    EXPECT_EQ(names(secondTransaction), (QStringList{"1=Uno", "2=Dos", "3=Tres", "4=Cuatro"}));
    EXPECT_EQ(maestro.state(), db::DataSet::State::Browse);
    EXPECT_EQ(maestro.recordCount(), 4);
    EXPECT_EQ(maestro.field(QStringLiteral("NOMBRE")).asString(), QStringLiteral("Cuatro"));
}

// A module adds its handlers to its base's: a check before the post and the commit after
// it both run, in the order they were added.
TEST_F(DataSetTest, EveryHandlerOfAnEventRunsInTheOrderAdded) {
    QStringList ran;
    maestro.beforePost.add([&](db::DataSet&) { ran << QStringLiteral("base check"); });
    maestro.beforePost.add([&](db::DataSet&) { ran << QStringLiteral("model check"); });
    maestro.afterPost.add([&](db::DataSet& ds) {
        ds.transaction().commitRetaining();
        ran << QStringLiteral("base commit");
    });
    maestro.afterPost.add([&](db::DataSet&) { ran << QStringLiteral("model after"); });
    maestro.open();
    maestro.append();
    maestro.field(QStringLiteral("CODIGO")).setAsInteger(4);
    maestro.post();

    EXPECT_EQ(ran, (QStringList{QStringLiteral("base check"), QStringLiteral("model check"),
                                QStringLiteral("base commit"), QStringLiteral("model after")}));
    db::Transaction other(database);
    other.start();
    EXPECT_EQ(names(other).size(), 4) << "the base's commit was not replaced";
}

TEST_F(DataSetTest, AnUpdateByOldKeyChangesOnlyThatRow) {
    maestro.open();
    ASSERT_TRUE(maestro.locate(QStringLiteral("CODIGO"), {2}));
    maestro.edit();
    maestro.field(QStringLiteral("CODIGO")).setAsInteger(20);
    maestro.field(QStringLiteral("NOMBRE")).setAsString(QStringLiteral("Veinte"));
    EXPECT_EQ(maestro.field(QStringLiteral("CODIGO")).oldValue().asInteger(), 2);
    maestro.post();
    EXPECT_EQ(names(transaction), (QStringList{"1=Uno", "3=Tres", "20=Veinte"}));

    maestro.remove();
    EXPECT_EQ(names(transaction), (QStringList{"1=Uno", "3=Tres"}));
    EXPECT_EQ(maestro.recordCount(), 2);
}

TEST_F(DataSetTest, ADetailOpensAgainWhenItsMasterMoves) {
    db::DataSet detalle(database, transaction);
    detalle.setSelectSql(
        QStringLiteral("select * from T_DETALLE where CODIGO = :codigo order by LINEA"));
    detalle.setMaster(&maestro);
    maestro.open();
    detalle.open();
    EXPECT_EQ(detalle.recordCount(), 2);
    maestro.next();
    EXPECT_EQ(detalle.recordCount(), 1);
    EXPECT_EQ(detalle.field(QStringLiteral("CONCEPTO")).asString(), QStringLiteral("c"));
    maestro.next();
    EXPECT_TRUE(detalle.isEmpty());
    maestro.first();
    EXPECT_EQ(detalle.recordCount(), 2);
    maestro.append();
    EXPECT_TRUE(detalle.isEmpty()) << "a new master row has no details yet";
}

TEST_F(DataSetTest, ATextIsCutToTheFieldSizeWhenAssigned) {
    maestro.open();
    maestro.append();
    maestro.field(QStringLiteral("CODIGO")).setAsInteger(5);
    const QString surname = QStringLiteral("FERNANDEZ DE LA CUEVA Y ALVAREZ DE TOLEDO"); // 41
    maestro.field(QStringLiteral("NOMBRE")).setAsString(surname);
    EXPECT_EQ(maestro.field(QStringLiteral("NOMBRE")).asString(), surname.left(40));
    maestro.post();
    EXPECT_EQ(names(transaction).last(), QStringLiteral("5=") + surname.left(40));
}

TEST_F(DataSetTest, ValidateHooksRefuseAndChangeHooksFollow) {
    QStringList log;
    maestro.onFieldValidate({QStringLiteral("codigo")}, [&](db::Field& f) {
        log << QStringLiteral("validate %1").arg(f.asInteger());
        if (f.asInteger() <= 0)
            throw tributra::Error(QStringLiteral("Campo clave vacío"));
    });
    maestro.onFieldChange({QStringLiteral("CODIGO"), QStringLiteral("NOMBRE")}, [&](db::Field& f) {
        log << QStringLiteral("change ") + f.name();
        if (f.name() == u"CODIGO") {
            db::ChangeEventsOff quiet(f.dataSet().field(QStringLiteral("NOMBRE")));
            f.dataSet().field(QStringLiteral("NOMBRE")).setAsString(QStringLiteral("auto"));
        }
    });
    maestro.onNewRecord.add([&](db::DataSet& ds) {
        log << QStringLiteral("new");
        ds.field(QStringLiteral("CODIGO")).setAsInteger(9);
    });
    maestro.open();
    maestro.append();
    EXPECT_THROW(maestro.field(QStringLiteral("CODIGO")).setAsInteger(0), tributra::Error);
    EXPECT_EQ(maestro.field(QStringLiteral("CODIGO")).asInteger(), 9)
        << "a refused value is not stored";
    EXPECT_EQ(log, (QStringList{"new", "validate 9", "change CODIGO", "validate 0"}));
    EXPECT_EQ(maestro.field(QStringLiteral("NOMBRE")).asString(), QStringLiteral("auto"));

    maestro.field(QStringLiteral("NOMBRE")).setAsString(QStringLiteral("x"));
    EXPECT_EQ(log.last(), QStringLiteral("change NOMBRE")) << "events come back after the scope";
}

TEST_F(DataSetTest, StatesFollowTheOperations) {
    maestro.open();
    EXPECT_TRUE(maestro.bof());
    maestro.last();
    EXPECT_TRUE(maestro.eof());
    EXPECT_EQ(maestro.field(QStringLiteral("CODIGO")).asInteger(), 3);
    maestro.next();
    EXPECT_EQ(maestro.field(QStringLiteral("CODIGO")).asInteger(), 3);

    EXPECT_THROW(maestro.field(QStringLiteral("NOMBRE")).setAsString(QStringLiteral("x")),
                 db::Error)
        << "browsing rows are not written";

    maestro.edit();
    maestro.field(QStringLiteral("NOMBRE")).setAsString(QStringLiteral("Otro"));
    maestro.cancel();
    EXPECT_EQ(maestro.field(QStringLiteral("NOMBRE")).asString(), QStringLiteral("Tres"));

    maestro.edit();
    maestro.field(QStringLiteral("NOMBRE")).setAsString(QStringLiteral("Tres bis"));
    maestro.prior(); // leaving an edited row posts it
    EXPECT_EQ(maestro.state(), db::DataSet::State::Browse);
    EXPECT_EQ(names(transaction).last(), QStringLiteral("3=Tres bis"));

    maestro.append();
    maestro.cancel();
    EXPECT_EQ(maestro.recordCount(), 3);

    maestro.append();
    try {
        maestro.post();
        FAIL() << "posted a row without its key";
    } catch (const db::Error& e) {
        EXPECT_EQ(e.text(), QStringLiteral("El campo 'CODIGO' debe tener un valor"));
    }
    EXPECT_EQ(maestro.state(), db::DataSet::State::Insert);
}

TEST_F(DataSetTest, EditOnAnEmptyResultInserts) {
    maestro.setSelectSql(QStringLiteral("select * from T_MAESTRO where CODIGO < 0"));
    maestro.open();
    EXPECT_TRUE(maestro.bof() && maestro.eof());
    maestro.edit();
    EXPECT_EQ(maestro.state(), db::DataSet::State::Insert);
}

TEST_F(DataSetTest, AFailedPostKeepsTheRowInEdit) {
    maestro.open();
    maestro.append();
    maestro.field(QStringLiteral("CODIGO")).setAsInteger(1); // exists already
    maestro.field(QStringLiteral("NOMBRE")).setAsString(QStringLiteral("Siete"));
    EXPECT_THROW(maestro.post(), db::Error);
    EXPECT_EQ(maestro.state(), db::DataSet::State::Insert);
    maestro.field(QStringLiteral("CODIGO")).setAsInteger(7);
    maestro.post();
    EXPECT_EQ(names(transaction).last(), QStringLiteral("7=Siete"));
}

TEST_F(DataSetTest, RefreshReadsTheRowAgain) {
    maestro.open();
    db::Transaction other(database);
    db::Statement upd(database, other);
    upd.setSql(QStringLiteral("update T_MAESTRO set NOMBRE = 'Un' where CODIGO = 1"));
    upd.execute();
    other.commit();
    EXPECT_EQ(maestro.field(QStringLiteral("NOMBRE")).asString(), QStringLiteral("Uno"));
    maestro.refresh();
    EXPECT_EQ(maestro.field(QStringLiteral("NOMBRE")).asString(), QStringLiteral("Un"));
}

TEST_F(DataSetTest, FieldsShowTheirFormatsAndHooks) {
    db::DataSet tipos(database, transaction);
    tipos.setSelectSql(QStringLiteral("select ID, IMPORTE, FECHA, LETRA from T_TIPOS"));
    tipos.setInsertSql(
        QStringLiteral("insert into T_TIPOS (ID, IMPORTE, FECHA) values (:ID, :IMPORTE, :FECHA)"));
    db::Field& importe = tipos.field(QStringLiteral("IMPORTE")); // declared before the open
    importe.setDisplayFormat(QStringLiteral("#,###,###,##0.00"));
    importe.setEditFormat(QStringLiteral("##########.##"));
    tipos.field(QStringLiteral("LETRA")).setGetText([](const db::Field& f, bool shown) {
        return shown && f.isNull() ? QStringLiteral("(ninguna)") : f.asString();
    });
    tipos.open();
    tipos.append();
    tipos.field(QStringLiteral("ID")).setAsInteger(1);
    importe.setAsString(QStringLiteral("1234,5"));
    tipos.field(QStringLiteral("FECHA")).setAsString(QStringLiteral("1/2/18"));
    EXPECT_EQ(importe.text(), QStringLiteral("1.234,50"));
    EXPECT_EQ(importe.editText(), QStringLiteral("1234,5"));
    EXPECT_EQ(tipos.field(QStringLiteral("FECHA")).asDate(), QDate(2018, 2, 1));
    EXPECT_EQ(tipos.field(QStringLiteral("FECHA")).text(), QStringLiteral("01/02/2018"));
    EXPECT_EQ(tipos.field(QStringLiteral("LETRA")).text(), QStringLiteral("(ninguna)"));
    EXPECT_THROW(tipos.field(QStringLiteral("ID")).setAsString(QStringLiteral("1a")),
                 tributra::ConversionError);
    importe.setAsString(QString());
    EXPECT_TRUE(importe.isNull()) << "an empty text clears a number";
    tipos.post();
}

TEST_F(DataSetTest, ADeclaredFieldMissingFromTheResultFailsTheOpen) {
    maestro.field(QStringLiteral("NO_ESTA"));
    EXPECT_THROW(maestro.open(), db::Error);
    EXPECT_FALSE(maestro.active());
}

TEST_F(DataSetTest, LocateMatchesSeveralFieldsAndPartialTexts) {
    maestro.open();
    EXPECT_TRUE(maestro.locate(QStringLiteral("CODIGO;NOMBRE"), {3, QStringLiteral("Tres")}));
    EXPECT_EQ(maestro.currentRow(), 2);
    EXPECT_FALSE(maestro.locate(QStringLiteral("CODIGO;NOMBRE"), {3, QStringLiteral("Dos")}));
    EXPECT_EQ(maestro.currentRow(), 2);
    EXPECT_TRUE(maestro.locate(QStringLiteral("NOMBRE"), {QStringLiteral("do")},
                               {.caseInsensitive = true, .partialKey = true}));
    EXPECT_EQ(maestro.field(QStringLiteral("CODIGO")).asInteger(), 2);
}

TEST_F(DataSetTest, AWriteParameterWithoutAFieldIsAnError) {
    maestro.setModifySql(
        QStringLiteral("update T_MAESTRO set NOMBRE = :NOMBRE where CODIGO = :CLAVE"));
    maestro.open();
    maestro.edit();
    maestro.field(QStringLiteral("NOMBRE")).setAsString(QStringLiteral("x"));
    EXPECT_THROW(maestro.post(), db::Error);
    maestro.setParam(QStringLiteral("clave"), 1);
    maestro.post();
    EXPECT_EQ(names(transaction).first(), QStringLiteral("1=x"));
}

} // namespace
