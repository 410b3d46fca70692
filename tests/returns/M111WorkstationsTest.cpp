// Two workstations with model 111 open on the same database, each with its own transaction,
// as the office's server sees them: what the second one is told when the first got there
// before it, and that what it typed is still on screen.
#include "M111Fixture.h"
#include "db/Transaction.h"
#include "framework/UserCommand.h"

namespace {

class M111WorkstationsTest : public M111Test {
protected:
    void SetUp() override {
        M111Test::SetUp();
        other.DataModuleCreate();
    }

    bool postOther() {
        return framework::runCommand(
            test.prompts, [this] { other.QMaestro.post(); }, other.nombreRegistro());
    }

    // The message's words, and the engine's text kept below them.
    void expectMessage(const QString& words, const char* engineText) {
        const QStringList parts = test.prompts.log().last().split(QStringLiteral("\n\n"));
        ASSERT_EQ(parts.size(), 2) << test.prompts.log().last().toStdString();
        EXPECT_EQ(parts[0], QStringLiteral("error: ") + words);
        EXPECT_TRUE(parts[1].contains(QString::fromLatin1(engineText))) << parts[1].toStdString();
    }

    TDMM111 other{test.main};
};

TEST_F(M111WorkstationsTest, TheSameReturnFiledAtTheSameMomentIsToldInSpanish) {
    choose(13, "1T");
    other.QMaestro.append();
    other.QMaestro.field(QStringLiteral("CONTRIBUYENTE")).setAsInteger(13);
    other.QMaestro.field(QStringLiteral("PERIODO")).setAsString(QStringLiteral("1T"));
    other.QMaestro.field(QStringLiteral("C3I02")).setAsFloat(1234.5);
    record().post();

    EXPECT_FALSE(postOther());
    expectMessage(QStringLiteral("Otro puesto ha grabado esta declaración al mismo tiempo; "
                                 "vuelva a abrirla"),
                  "PK_MOD111");
    EXPECT_EQ(other.QMaestro.state(), db::DataSet::State::Insert);
    EXPECT_EQ(other.QMaestro.field(QStringLiteral("C3I02")).asFloat(), 1234.5);
}

TEST_F(M111WorkstationsTest, AReturnAnotherWorkstationIsChangingIsToldInSpanish) {
    execute(QStringLiteral(
        "insert into T_MOD111 (CONTRIBUYENTE, PERIODO, TIPO) values (13, '2T', 'I')"));
    db::Transaction elsewhere(test.main.Database);
    db::Statement change(test.main.Database, elsewhere);
    change.setSql(QStringLiteral("update T_MOD111 set C3I01 = 5 where CONTRIBUYENTE = 13"));
    change.execute(); // not committed yet

    other.QMaestro.append();
    other.QMaestro.field(QStringLiteral("CONTRIBUYENTE")).setAsInteger(13);
    other.QMaestro.field(QStringLiteral("PERIODO")).setAsString(QStringLiteral("2T"));
    ASSERT_TRUE(other.QMaestro.editing());
    other.QMaestro.field(QStringLiteral("C3I02")).setAsFloat(99);
    EXPECT_FALSE(postOther());
    expectMessage(QStringLiteral("Otro puesto está modificando esta declaración o acaba de "
                                 "hacerlo; lo escrito sigue en pantalla: espere un momento y "
                                 "vuelva a grabar, o cancele y vuelva a abrirla"),
                  "update conflicts with concurrent update");
    EXPECT_EQ(other.QMaestro.field(QStringLiteral("C3I02")).asFloat(), 99);

    elsewhere.rollback();
    EXPECT_TRUE(postOther()) << "once the other workstation let go";
}

// A day's work on a shared server: one workstation posts again and again while the other
// reads. No transaction may stay open across it, or the server could not collect the
// garbage of any of those posts: the oldest snapshot keeps up with the next transaction.
TEST_F(M111WorkstationsTest, PostsAndReadsLeaveNoTransactionHoldingTheOldestSnapshot) {
    choose(13, "3T");
    record().post();
    for (int i = 1; i <= 200; ++i) {
        record().edit();
        box("C3I02").setAsFloat(i);
        record().post();
        if (i % 10 == 0) {
            other.QMaestro.close();
            other.QMaestro.open();
        }
    }
    db::Transaction monitor(test.main.Database);
    db::Statement q(test.main.Database, monitor);
    q.setSql(QStringLiteral("select MON$NEXT_TRANSACTION - MON$OLDEST_SNAPSHOT from MON$DATABASE"));
    q.execute();
    EXPECT_LE(q.field(0).asInteger(), 2) << "only the monitor's own transaction is open";
}

} // namespace
