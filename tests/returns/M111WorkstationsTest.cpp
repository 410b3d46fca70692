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
        return framework::runCommand(test.prompts, [this] { other.QMaestro.post(); },
                                     other.nombreRegistro());
    }

    // The message's words, and the engine's text kept below them.
    void expectMessage(const QString& words, const char* engineText) {
        const QStringList parts =
            test.prompts.log().last().split(QStringLiteral("\n\n"));
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

} // namespace
