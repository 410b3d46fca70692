// The deposit from the command line: what it takes, and what it refuses, named.
#include "accounts/DepositCommand.h"
#include "util/UsageError.h"

#include <gtest/gtest.h>

namespace {

TEST(DepositCommandTest, ReadsItsArguments) {
    const DepositCommand plain = DepositCommand::parse({"--contribuyente", "1"});
    EXPECT_EQ(plain.contribuyente, 1);
    EXPECT_TRUE(plain.carpeta.isEmpty());
    EXPECT_FALSE(plain.captura);
    EXPECT_FALSE(plain.reemplaza);
    const DepositCommand all = DepositCommand::parse(
        {"--captura", "--carpeta", "/tmp/d2", "--contribuyente=12", "--reemplaza"});
    EXPECT_EQ(all.contribuyente, 12);
    EXPECT_EQ(all.carpeta, QStringLiteral("/tmp/d2"));
    EXPECT_TRUE(all.captura);
    EXPECT_TRUE(all.reemplaza);
}

TEST(DepositCommandTest, AnArgumentItCannotTakeIsNamed) {
    const std::pair<QStringList, const char*> cases[] = {
        {{}, "Falta --contribuyente"},
        {{"--contribuyente", "uno"}, "--contribuyente uno: no es un número de contribuyente"},
        {{"--contribuyente", "1", "--contribuyente", "2"}, "--contribuyente aparece más de una vez"},
        {{"--contribuyente", "1", "otro"}, "Argumento de más: otro"},
        {{"--contribuyente", "1", "--periodo", "1T"}, "Opción desconocida: --periodo"},
    };
    for (const auto& [arguments, error] : cases) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        try {
            DepositCommand::parse(arguments);
            ADD_FAILURE() << "taken";
        } catch (const tributra::UsageError& e) {
            EXPECT_EQ(e.text(), QString::fromUtf8(error));
        }
    }
}

} // namespace
