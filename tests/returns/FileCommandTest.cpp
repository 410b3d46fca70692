#include "returns/periodic/FileCommand.h"
#include "M111Fixture.h"

namespace {

TEST(FileCommandTest, ReadsItsArguments) {
    struct Case {
        QStringList arguments;
        bool valid;
        int contribuyente;
        const char* periodo;
        bool captura;
    };
    const Case cases[] = {
        {{"111", "--contribuyente", "12", "--periodo", "1T"}, true, 12, "1T", false},
        {{"111", "--periodo", "4t", "--captura", "--contribuyente", "3"}, true, 3, "4T", true},
        {{"111", "--contribuyente", "12"}, false, 0, "", false},
        {{"111", "--periodo", "1T"}, false, 0, "", false},
        {{"111", "--contribuyente", "doce", "--periodo", "1T"}, false, 0, "", false},
        {{"111", "--contribuyente", "12", "--periodo"}, false, 0, "", false},
        {{"111", "--contribuyente", "12", "--periodo", "1T", "--otro"}, false, 0, "", false},
        {{"303", "--contribuyente", "12", "--periodo", "1T"}, false, 0, "", false},
        {{}, false, 0, "", false},
    };
    for (const Case& c : cases) {
        const auto command = FileCommand::parse(c.arguments);
        ASSERT_EQ(command.has_value(), c.valid) << c.arguments.join(u' ').toStdString();
        if (!command)
            continue;
        EXPECT_EQ(command->modelo, QStringLiteral("111"));
        EXPECT_EQ(command->contribuyente, c.contribuyente);
        EXPECT_EQ(command->periodo, QString::fromLatin1(c.periodo));
        EXPECT_EQ(command->captura, c.captura);
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

} // namespace
