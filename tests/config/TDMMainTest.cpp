#include "config/TDMMain.h"
#include "FakePrompts.h"
#include "QtPrinters.h"
#include "ScopedCurrentDir.h"
#include "ScopedEnv.h"
#include "TempDir.h"
#include "TestDatabase.h"
#include "config/DatabaseLocation.h"
#include "platform/IniFile.h"
#include "util/DateFormat.h"

#include <QFile>
#include <QLocale>
#include <gtest/gtest.h>

namespace {

class TDMMainTest : public ::testing::Test {
protected:
    TempDir windows;
    TempDir work;
    ScopedEnv windir{"TRIBUTRA_WINDIR", windows.path().toLocal8Bit()};
    ScopedCurrentDir current{work.path()};
    FakePrompts prompts;

    QString settings(const QString& key) const {
        return platform::IniFile(windows.file("Tribra18.ini"))
            .readString(QStringLiteral("Datos"), key);
    }
    void setSettings(std::initializer_list<std::pair<const char*, QString>> values) {
        platform::IniFile ini(windows.file("Tribra18.ini"));
        for (const auto& [key, value] : values)
            ini.writeString(QStringLiteral("Datos"), QString::fromLatin1(key), value);
    }
    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile f(work.file(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

TEST_F(TDMMainTest, FirstStartAsksTheLocationAndCreatesTheDatabase) {
    const QString proposed = QDir::toNativeSeparators(work.file("Tribra18.gdb"));
    prompts.answerLocation([&](config::DatabaseLocation& l) {
        EXPECT_EQ(l.databaseName, proposed);
        return true;
    });
    prompts.answer(true);
    TDMMain dm(prompts);
    EXPECT_FALSE(dm.terminating());
    EXPECT_TRUE(dm.Database.connected());
    EXPECT_FALSE(dm.TLocal.active()) << "started by its statements, never left open all day";
    EXPECT_EQ(
        prompts.log().last(),
        QStringLiteral("question Confirmación...: La base de datos %1 no existe. ¿Desea crearla?")
            .arg(proposed));
    EXPECT_EQ(settings(QStringLiteral("BaseDeDatos")), proposed);
    EXPECT_EQ(settings(QStringLiteral("Servidor")), QStringLiteral("LOCAL"));
    EXPECT_EQ(dm.DirectorioTrabajo(), work.path());
}

// Settings whose server and protocol give no connection string: the message names the
// file and what it read, and the location dialog, started from them, may correct them.
TEST_F(TDMMainTest, SettingsThatLeadNowhereAreNamedAndKeptWhenNotCorrected) {
    struct Case {
        const char* name;
        QString servidor;
        QString protocolo;
    };
    const QString base = work.file("Tribra18.gdb");
    const Case cases[] = {
        {"no server", QString(), QString()},
        {"lower-case protocol", QStringLiteral("srv"), QStringLiteral("tcp")},
        {"unknown protocol", QStringLiteral("srv"), QStringLiteral("IPX")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(windows.file("Tribra18.ini"));
        setSettings({{"BaseDeDatos", base}, {"Servidor", c.servidor}, {"Protocolo", c.protocolo}});
        FakePrompts quiet;
        quiet.answerLocation([&](config::DatabaseLocation& l) {
            EXPECT_EQ(l.databaseName, base);
            EXPECT_EQ(l.server, c.servidor);
            return false;
        });
        TDMMain dm(quiet);
        EXPECT_TRUE(dm.terminating());
        ASSERT_EQ(quiet.log().size(), 2);
        EXPECT_EQ(quiet.log()[0],
                  QStringLiteral("error: Imposible abrir \nLos ajustes de %1 no dan una conexión: "
                                 "BaseDeDatos=%2, Servidor=%3, Protocolo=%4. Servidor es LOCAL "
                                 "para una base de datos de este puesto, o el nombre del servidor "
                                 "con Protocolo TCP, NETBEUI o SPX.")
                      .arg(QDir::toNativeSeparators(windows.file("Tribra18.ini")), base,
                           c.servidor, c.protocolo));
        EXPECT_EQ(quiet.log()[1], QStringLiteral("location"));
        EXPECT_EQ(settings(QStringLiteral("BaseDeDatos")), base) << "the failed location is kept";
        EXPECT_EQ(settings(QStringLiteral("Servidor")), c.servidor);
        EXPECT_EQ(settings(QStringLiteral("Protocolo")), c.protocolo);
    }
}

TEST_F(TDMMainTest, CorrectedSettingsAreWrittenOnlyOnceTheirDatabaseOpens) {
    TestDatabase existing(work);
    existing.database().close();
    setSettings({{"BaseDeDatos", existing.path()}, {"Servidor", QStringLiteral("srv")},
                 {"Protocolo", QStringLiteral("tcp")}});
    prompts.answerLocation([&](config::DatabaseLocation& l) {
        l.databaseName = work.file("no-existe/Tribra18.gdb");
        l.remote = false;
        return true;
    });
    prompts.answer(false); // not to creating it there
    {
        TDMMain dm(prompts);
        EXPECT_TRUE(dm.terminating());
        EXPECT_EQ(prompts.log().last(),
                  QStringLiteral("error: Imposible abrir ") + work.file("no-existe/Tribra18.gdb"));
        EXPECT_EQ(settings(QStringLiteral("Servidor")), QStringLiteral("srv")) << "kept";
        EXPECT_EQ(settings(QStringLiteral("BaseDeDatos")), existing.path());
    }
    prompts.answerLocation([&](config::DatabaseLocation& l) {
        l.remote = false;
        return true;
    });
    TDMMain dm(prompts);
    EXPECT_FALSE(dm.terminating());
    EXPECT_TRUE(dm.Database.connected());
    EXPECT_EQ(settings(QStringLiteral("BaseDeDatos")), existing.path());
    EXPECT_EQ(settings(QStringLiteral("Servidor")), QStringLiteral("LOCAL"));
    EXPECT_EQ(settings(QStringLiteral("Protocolo")), QString());
}

TEST_F(TDMMainTest, NoToCreatingTheDatabaseEndsTheStart) {
    setSettings({{"BaseDeDatos", work.file("nueva.gdb")}, {"Servidor", QStringLiteral("LOCAL")}});
    prompts.answer(false);
    TDMMain dm(prompts);
    EXPECT_TRUE(dm.terminating());
    EXPECT_EQ(prompts.log().last(),
              QStringLiteral("error: Imposible abrir ") + work.file("nueva.gdb"));
    EXPECT_FALSE(QFile::exists(work.file("nueva.gdb")));
}

TEST_F(TDMMainTest, ACancelledLocationDialogFailsToOpen) {
    prompts.answerLocation([](config::DatabaseLocation&) { return false; });
    TDMMain dm(prompts);
    EXPECT_TRUE(dm.terminating());
    EXPECT_EQ(prompts.log(),
              (QStringList{"location",
                           QStringLiteral("error: Imposible abrir \nNo consta la ubicación de la "
                                          "base de datos en %1. Para elegirla, inicie la "
                                          "aplicación una vez (tributra); para probar, cree una "
                                          "oficina de demostración (tributra --demo CARPETA).")
                               .arg(QDir::toNativeSeparators(windows.file("Tribra18.ini")))}));
}

TEST_F(TDMMainTest, AnExistingDatabaseOpensWithoutQuestionsAndTheFormatsAreSpanish) {
    TestDatabase existing(work);
    setSettings({{"BaseDeDatos", existing.path()},
                 {"Servidor", QStringLiteral("LOCAL")},
                 {"Deposito", QStringLiteral("c:\\d2")}});
    TDMMain dm(prompts);
    EXPECT_FALSE(dm.terminating());
    EXPECT_TRUE(prompts.log().isEmpty()) << "no update offered without its script";
    EXPECT_EQ(dm.DirectorioDeposito, QStringLiteral("c:\\d2"));
    EXPECT_EQ(QLocale().toString(1234567.5, 'f', 2), QStringLiteral("1234567,50"));
    EXPECT_DOUBLE_EQ(QLocale().toDouble(QStringLiteral("1234,5")), 1234.5);
    EXPECT_EQ(util::parseDate(QStringLiteral("1/2/18")), QDate(2018, 2, 1));
}

TEST_F(TDMMainTest, TheUpdateRewritesTheConnectLineRunsTheBatchAndDeletesTheScript) {
    TestDatabase existing(work);
    setSettings({{"BaseDeDatos", existing.path()}, {"Servidor", QStringLiteral("LOCAL")}});
    writeFile(QStringLiteral("Tribra.sql"), "connect 'old.gdb';\nalter table X add Y integer;\n");
    writeFile(QStringLiteral("act.bat"), "cp Tribra.sql seen.sql\n");
    prompts.answerUpdate(true);
    TDMMain dm(prompts);
    EXPECT_EQ(prompts.log(), QStringList{"update"});
    EXPECT_FALSE(QFile::exists(work.file("Tribra.sql")));
    QFile seen(work.file("seen.sql"));
    ASSERT_TRUE(seen.open(QIODevice::ReadOnly)) << "act.bat did not run";
    EXPECT_EQ(seen.readLine(),
              ("connect '" + existing.path() + "' user 'SYSDBA' password 'quillbrag';\n").toUtf8());
}

TEST_F(TDMMainTest, AnUpdateThatCannotRunKeepsItsScript) {
    TestDatabase existing(work);
    setSettings({{"BaseDeDatos", existing.path()}, {"Servidor", QStringLiteral("LOCAL")}});
    writeFile(QStringLiteral("Tribra.sql"), "alter table X add Y integer;\n");
    prompts.answerUpdate(true);
    prompts.answerUpdate(false);
    { TDMMain dm(prompts); }
    EXPECT_EQ(prompts.log(),
              (QStringList{"update", "error: No se pudo realizar la actualización"}));
    EXPECT_TRUE(QFile::exists(work.file("Tribra.sql")));
    TDMMain cancelled(prompts);
    EXPECT_TRUE(QFile::exists(work.file("Tribra.sql")))
        << "Cancel runs nothing and keeps the script";
}

} // namespace
