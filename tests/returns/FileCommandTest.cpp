#include "returns/periodic/FileCommand.h"
#include "M111Fixture.h"
#include "platform/TerminationSignals.h"
#include "util/UsageError.h"

#include <csignal>

namespace {

TEST(FileCommandTest, ReadsItsArguments) {
    struct Case {
        QStringList arguments;
        int contribuyente;
        const char* periodo;
        bool captura;
    };
    const Case cases[] = {
        {{"111", "--contribuyente", "12", "--periodo", "1T"}, 12, "1T", false},
        {{"111", "--periodo", "4t", "--captura", "--contribuyente", "3"}, 3, "4T", true},
        {{"111", "--contribuyente=7", "--periodo=2T"}, 7, "2T", false},
        {{"311", "--contribuyente", "5"}, 5, "", false}, // a return of the year
    };
    for (const Case& c : cases) {
        const FileCommand command = FileCommand::parse(c.arguments);
        EXPECT_EQ(command.modelo, c.arguments.first());
        EXPECT_EQ(command.contribuyente, c.contribuyente);
        EXPECT_EQ(command.periodo, QString::fromLatin1(c.periodo));
        EXPECT_EQ(command.captura, c.captura);
    }
}

TEST(FileCommandTest, AnArgumentItCannotTakeIsNamed) {
    struct Case {
        QStringList arguments;
        const char* error;
    };
    const Case cases[] = {
        {{"111", "--contribuyente", "12"}, "Falta --periodo"},
        {{"111", "--periodo", "1T"}, "Falta --contribuyente"},
        {{"111", "--contribuyente", "doce", "--periodo", "1T"},
         "--contribuyente doce: no es un número de contribuyente"},
        {{"111", "--contribuyente", "12", "--periodo"}, "Falta el valor de --periodo"},
        {{"111", "--contribuyente", "12", "--periodo", "1T", "--otro"},
         "Opción desconocida: --otro"},
        {{"111", "--contribuyente", "12", "--periodo", "1T", "--captura=si"},
         "--captura no lleva valor"},
        {{"111", "--contribuyente", "12", "--periodo", "1T", "--periodo", "2T"},
         "--periodo aparece más de una vez"},
        {{"111", "--contribuyente", "12", "--periodo", "1T", "2T"}, "Argumento de más: 2T"},
        {{"390", "--contribuyente", "12", "--periodo", "1T"}, "Modelo desconocido: 390"},
        {{"311", "--contribuyente", "12", "--periodo", "4"}, "El modelo 311 no lleva --periodo"},
        {{"310", "--contribuyente", "12"}, "Falta --periodo"},
        {{}, "Falta el modelo de fichero"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        try {
            FileCommand::parse(c.arguments);
            ADD_FAILURE() << "taken";
        } catch (const tributra::UsageError& e) {
            EXPECT_EQ(e.text(), QString::fromUtf8(c.error));
        }
    }
}

class FileCommandRunTest : public M111Test {};

TEST_F(FileCommandRunTest, ItsExitCodeSaysWhetherTheFileWasWritten) {
    EXPECT_EQ((FileCommand{"111", 12, "2T", false}.run(test.main)), 0);
    EXPECT_TRUE(QFile::exists(agencyFile(QStringLiteral("GARCIA  DE LA FUENTE_2T.111"))));
    EXPECT_EQ((FileCommand{"111", 77, "2T", false}.run(test.main)), 1);
    EXPECT_EQ(test.prompts.log().last(), QStringLiteral("error:  No existe el contribuyente "));
    EXPECT_EQ((FileCommand{"111", 12, "00", false}.run(test.main)), 1);
    EXPECT_EQ(test.prompts.log().last(), QStringLiteral("error: Debe Elegir un periodo"));
}

// A run told to end stops at the next step: before the post nothing is stored, after it the
// record is, and in neither case is a file written.
TEST_F(FileCommandRunTest, AStopBetweenStepsLeavesNoUnpostedRecordAndNoFile) {
    for (int step = 1; step <= 3; ++step) {
        SCOPED_TRACE(step);
        TDMM111 module(test.main);
        module.DataModuleCreate();
        int reached = 0;
        module.setEntrePasos([&] {
            if (++reached == step)
                throw platform::TerminationSignals::Interrupted{SIGTERM};
        });
        EXPECT_THROW(module.GeneraFicheroDe(13, QStringLiteral("1T"), false),
                     platform::TerminationSignals::Interrupted);
        EXPECT_FALSE(module.QMaestro.editing());
        db::Statement q(test.main.Database, test.main.TLocal);
        q.setSql(QStringLiteral("select count(*) from T_MOD111 where CONTRIBUYENTE = 13"));
        q.execute();
        EXPECT_EQ(q.field(0).asInteger(), step == 3 ? 1 : 0);
        EXPECT_FALSE(QFile::exists(printFile()));
        EXPECT_FALSE(QFile::exists(agencyFile(QStringLiteral("TALLERES DEL SEGURA SL_1T.111"))));
    }
}

} // namespace
