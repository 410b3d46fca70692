#include "framework/TerminalPrompts.h"
#include "config/DatabaseLocation.h"

#include <gtest/gtest.h>

namespace {

// Nobody sits at a script's terminal: nothing may wait for an answer, and every question
// gets the answer that changes nothing.
TEST(TerminalPromptsTest, MessagesAreWrittenAndQuestionsChangeNothing) {
    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    framework::TerminalPrompts prompts(out, err);

    prompts.information(QStringLiteral("Declaración grabada"));
    prompts.error(QStringLiteral("Imposible abrir x"));
    EXPECT_FALSE(
        prompts.question(QStringLiteral("¿Desea crearla?"), QStringLiteral("Confirmación")));
    EXPECT_EQ(prompts.questionWithCancel(QStringLiteral("¿Graba?"), QString()),
              framework::Prompts::Answer::Cancel);
    EXPECT_FALSE(prompts.confirm(QStringLiteral("¿Sigue?"), QString()));
    EXPECT_TRUE(prompts.saveFileName({QStringLiteral("Copiar"), {}, {}, {}, {}}).isEmpty());
    EXPECT_TRUE(prompts.folder(QStringLiteral("Carpeta"), {}).isEmpty());
    config::DatabaseLocation location;
    EXPECT_FALSE(prompts.askDatabaseLocation(location));
    bool updated = false;
    EXPECT_FALSE(prompts.runSchemaUpdate([&] { updated = true; }));
    EXPECT_FALSE(updated);

    EXPECT_EQ(outText, QStringLiteral("Declaración grabada\n"));
    EXPECT_TRUE(errText.startsWith(QStringLiteral("Imposible abrir x\n¿Desea crearla? [No]\n")));
    EXPECT_EQ(errText.count(u'\n'), 8) << "every question and dialog is told, one line each";
}

} // namespace
