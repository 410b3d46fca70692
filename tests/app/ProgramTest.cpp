#include "QtPrinters.h"
#include "TempDir.h"
#include "TestDatabase.h"
#include "platform/IniFile.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>

namespace {

struct Ended {
    int exitCode;
    QString out;
    QString err;
};

// The program on its own settings folder, which holds no settings unless a test writes them.
Ended run(const QStringList& arguments, const TempDir& settings) {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TRIBUTRA_WINDIR"), settings.path());
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(settings.path());
    program.start(QStringLiteral(TRIBUTRA_PROGRAM), arguments);
    if (!program.waitForFinished(60000))
        ADD_FAILURE() << "the program did not end";
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

TEST(ProgramTest, HelpAndVersionAreAnswersNotErrors) {
    const TempDir settings;
    const Ended help = run({QStringLiteral("--help")}, settings);
    EXPECT_EQ(help.exitCode, 0);
    for (const char* command : {"--init-db RUTA", "--demo CARPETA [--no-window]", "ver FICHERO",
                                "fichero 111 --contribuyente NUMERO",
                                "deposito --contribuyente NUMERO [--carpeta DIR] [--captura]"})
        EXPECT_TRUE(help.out.contains(QString::fromLatin1(command))) << command;
    EXPECT_TRUE(help.err.isEmpty()) << help.err.toStdString();

    const Ended version = run({QStringLiteral("--version")}, settings);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QStringLiteral("Tributra 2018, versión 1.1\n"));
}

TEST(ProgramTest, AnArgumentItCannotTakeIsNamed) {
    struct Case {
        QStringList arguments;
        QString error;
    };
    const Case cases[] = {
        {{"--frobnicate"}, "Opción desconocida: --frobnicate"},
        {{"--init-db"}, "Falta el valor de --init-db"},
        {{"--no-window"}, "--no-window solo vale con --demo CARPETA"},
        {{"ver"}, "Falta el fichero de ver"},
        {{"imprime"}, "Orden desconocida: imprime"},
        {{"fichero", "111", "--contribuyente", "12", "--periodo"}, "Falta el valor de --periodo"},
        {{"fichero", "390", "--contribuyente", "12", "--periodo", "1T"}, "Modelo desconocido: 390"},
    };
    const TempDir settings;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const Ended r = run(c.arguments, settings);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.err.startsWith(c.error + u'\n')) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("Uso: tributra")));
    }
}

TEST(ProgramTest, WithoutSettingsTheMessageNamesTheFileAndHowToMakeOne) {
    const TempDir settings;
    const Ended r = run({QStringLiteral("fichero"), QStringLiteral("111"),
                       QStringLiteral("--contribuyente"), QStringLiteral("12"),
                       QStringLiteral("--periodo"), QStringLiteral("1T")},
                      settings);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QDir::toNativeSeparators(settings.file(QStringLiteral("Tribra18.ini")))))
        << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("tributra --demo CARPETA"))) << r.err.toStdString();
}

// The window application on a database of its own, told to end from outside once it is up:
// it ends as "Salir" would, without questions, with the signal's exit code, instead of
// going on with connections the database client shut down.
TEST(ProgramTest, TheWindowApplicationEndsOnASignalWithItsExitCode) {
    for (const auto& [signal, exitCode] : {std::pair{SIGTERM, 143}, std::pair{SIGINT, 130}}) {
        SCOPED_TRACE(signal);
        const TempDir settings;
        TestDatabase database(settings, {}, QStringLiteral("Tribra18.gdb"));
        database.database().close();
        const QString ini = settings.file(QStringLiteral("Tribra18.ini"));
        {
            platform::IniFile file(ini);
            file.writeString(QStringLiteral("Datos"), QStringLiteral("BaseDeDatos"), database.path());
            file.writeString(QStringLiteral("Datos"), QStringLiteral("Servidor"), QStringLiteral("LOCAL"));
        }
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TRIBUTRA_WINDIR"), settings.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(settings.path());
        program.start(QStringLiteral(TRIBUTRA_PROGRAM), {});
        ASSERT_TRUE(program.waitForStarted());
        // It writes its settings back once the database is open, the "Deposito" key with them.
        const QDeadlineTimer patience(60000);
        const auto settingsWritten = [&] {
            return platform::IniFile(ini).readString(QStringLiteral("Datos"),
                                                     QStringLiteral("Deposito"),
                                                     QStringLiteral("?")) != u"?";
        };
        while (!settingsWritten() && !patience.hasExpired() &&
               program.state() == QProcess::Running)
            QThread::msleep(20);
        ASSERT_EQ(program.state(), QProcess::Running) << program.readAllStandardError().toStdString();

        ::kill(pid_t(program.processId()), signal);
        EXPECT_TRUE(program.waitForFinished(60000)) << "still running after the signal";
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), exitCode);
        database.database().open(); // let go of cleanly
        EXPECT_TRUE(database.database().answers());
    }
}

} // namespace
