// An office whose system database lives on a Firebird server, reached through the
// loopback: start-up, a second workstation, a capture from books on the server, the
// previous edition's import, and a server that is not there.
#include "AccountingTestDatabase.h"
#include "QtPrinters.h"
#include "ServerOffice.h"
#include "config/DatabaseLocation.h"
#include "platform/WindowsPaths.h"
#include "returns/periodic/TDMM111.h"
#include "taxpayers/ImportaContribuyentes.h"
#include "taxpayers/TDMContribuyentes.h"
#include "util/UUtiles.h"

namespace {

TEST_F(ServerOfficeTest, StartsOnTheServerTheSettingsName) {
    writeSettings(systemPath(), QStringLiteral("localhost"), QStringLiteral("TCP"));
    TDMMain& main = start();
    ASSERT_FALSE(main.terminating()) << prompts.log().join(u'\n').toStdString();
    EXPECT_EQ(main.CadenaConexion(), QStringLiteral("localhost:") + systemPath());
    db::Statement q(main.Database, main.TLocal);
    q.setSql(QStringLiteral("select count(*) from T_PROVINCIAS"));
    q.execute();
    EXPECT_EQ(q.field(0).asInteger(), 52);
}

TEST_F(ServerOfficeTest, AtFirstStartTheLocationDialogChoosesTheServer) {
    prompts.answerLocation([this](config::DatabaseLocation& location) {
        location.databaseName = systemPath();
        location.remote = true;
        location.server = QStringLiteral("localhost");
        location.protocol = QStringLiteral("TCP");
        return true;
    });
    ASSERT_FALSE(start().terminating()) << prompts.log().join(u'\n').toStdString();
    EXPECT_EQ(setting("BaseDeDatos"), systemPath());
    EXPECT_EQ(setting("Servidor"), QStringLiteral("localhost"));
    EXPECT_EQ(setting("Protocolo"), QStringLiteral("TCP"));
}

TEST_F(ServerOfficeTest, ATaxpayerPostedIsReadAtOnceByAnotherWorkstation) {
    writeSettings(systemPath(), QStringLiteral("localhost"), QStringLiteral("TCP"));
    TDMMain& main = start();
    ASSERT_FALSE(main.terminating());
    TDMContribuyentes dm(main);
    dm.DataModuleCreate();
    dm.QMaestro.append();
    dm.QMaestro.field(QStringLiteral("APELLIDOS")).setAsString(QStringLiteral("PEÑA IBÁÑEZ"));
    dm.QMaestro.field(QStringLiteral("NOMBRE")).setAsString(QStringLiteral("JOSÉ"));
    dm.QMaestro.post();
    const int numero = dm.QMaestro.field(QStringLiteral("CONTRIBUYENTE")).asInteger();
    EXPECT_EQ(valueThroughServer(systemPath(), QStringLiteral("select TITULO from T_CONTRIBUYENTES "
                                                              "where CONTRIBUYENTE = %1")
                                                   .arg(numero))
                  .toString(),
              QStringLiteral("PEÑA IBÁÑEZ JOSÉ"));
}

const QString kTaxpayer =
    QStringLiteral("INSERT INTO T_CONTRIBUYENTES (CONTRIBUYENTE, NIF, APELLIDOS, NOMBRE, FP) "
                   "VALUES (1, 'B30123456', 'TALLERES DEL SEGURA SL', NULL, 2);");

class ServerCaptureTest : public ServerOfficeTest {
protected:
    ServerCaptureTest() : ServerOfficeTest(kTaxpayer) {}
};

TEST_F(ServerCaptureTest, Model111IsCapturedFromBooksOnTheServerAndItsFileWritten) {
    AccountingTestDatabase books(server.dir, AccountingTestDatabase::smallSample(),
                                 QStringLiteral("conta.fdb"));
    books.database().close();
    ServerFolder::handOver(books.path());
    TempDir drive;
    QDir(drive.path()).mkdir(QStringLiteral("aeat"));
    ScopedEnv driveC("TRIBUTRA_DRIVE_C", drive.path().toLocal8Bit());
    writeSettings(systemPath(), QStringLiteral("localhost"), QStringLiteral("TCP"));
    TDMMain& main = start();
    ASSERT_FALSE(main.terminating());
    db::Statement link(main.Database, main.TLocal);
    link.setSql(
        QStringLiteral("update T_CONTRIBUYENTES set FICHERO_CTBLE = :F where CONTRIBUYENTE = 1"));
    link.setParam(QStringLiteral("F"), ServerFolder::remote(books.path()));
    link.execute();
    main.TLocal.commitRetaining();

    TDMM111 dm(main);
    dm.DataModuleCreate();
    ASSERT_TRUE(dm.GeneraFicheroDe(1, QStringLiteral("1T"), true))
        << prompts.log().join(u'\n').toStdString();

    // What the books withheld from wages in the first quarter, asked of the server directly.
    const double withheld =
        valueThroughServer(books.path(),
                           QStringLiteral("select RETENCION from pa_mod110 ((select EMPRESA from "
                                          "T_PARAMETROS where EJERCICIO = 2018), 2018, "
                                          "'2018-01-01', '2018-03-31') where CLAVE = 'A'"))
            .toDouble();
    EXPECT_GT(withheld, 0);
    QFile file(drive.file(QStringLiteral("aeat/111_2018/TALLERES DEL SEGURA SL_1T.111")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString page = QString::fromLatin1(file.readAll()).mid(328, 1000);
    EXPECT_EQ(page.mid(133, 17), UUtiles::ImporteN(17, withheld)) << "box 03";
    EXPECT_FALSE(main.DBConta.connected()) << "the books are let go after the capture";
}

// The previous edition's register: two taxpayers, one of them already in this edition.
const QString kPrevious =
    QStringLiteral("INSERT INTO T_CONTRIBUYENTES (CONTRIBUYENTE, NIF, APELLIDOS) VALUES (1, "
                   "'B30999999', 'ANTIGUO SL');\n"
                   "INSERT INTO T_CONTRIBUYENTES (CONTRIBUYENTE, NIF, APELLIDOS, NOMBRE) VALUES "
                   "(2, '22222222J', 'LOPEZ', 'EVA');");

TEST_F(ServerCaptureTest, ThePreviousEditionIsImportedThroughTheLoopbackServerByDefault) {
    // Its usual place, "c:\Tributra17\Tribra17.gdb", on a drive C the server can reach.
    ScopedEnv driveC("TRIBUTRA_DRIVE_C", server.dir.path().toLocal8Bit());
    QDir(server.dir.path()).mkdir(QStringLiteral("Tributra17"));
    ServerFolder::openFolder(server.dir.file(QStringLiteral("Tributra17")));
    TestDatabase previous(server.dir, kPrevious, QStringLiteral("Tributra17/Tribra17.gdb"));
    previous.database().close();
    ServerFolder::handOver(previous.path());

    writeSettings(systemPath(), QStringLiteral("localhost"), QStringLiteral("TCP"));
    TDMMain& main = start();
    ASSERT_FALSE(main.terminating());
    ImportaContribuyentes importa(main);
    EXPECT_EQ(ImportaContribuyentes::OrigenPorDefecto(), ServerFolder::remote(previous.path()));
    ASSERT_TRUE(importa.Proceso(ImportaContribuyentes::OrigenPorDefecto()))
        << prompts.log().join(u'\n').toStdString();
    EXPECT_EQ(
        valueThroughServer(systemPath(), QStringLiteral("select APELLIDOS from T_CONTRIBUYENTES "
                                                        "where CONTRIBUYENTE = 1"))
            .toString(),
        QStringLiteral("TALLERES DEL SEGURA SL"))
        << "a taxpayer of this edition keeps its data";
    EXPECT_EQ(valueThroughServer(systemPath(), QStringLiteral("select TITULO from T_CONTRIBUYENTES "
                                                              "where CONTRIBUYENTE = 2"))
                  .toString(),
              QStringLiteral("LOPEZ EVA"));
}

TEST_F(ServerOfficeTest, AServerThatIsNotThereOrADatabaseItLacksCannotBeOpened) {
    struct Case {
        const char* servidor;
        QString database;
    };
    const Case cases[] = {
        {"127.0.0.2", systemPath()}, // a loopback address nothing listens on
        {"localhost", server.dir.file(QStringLiteral("missing.gdb"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.servidor);
        writeSettings(c.database, QString::fromLatin1(c.servidor), QStringLiteral("TCP"));
        EXPECT_TRUE(start().terminating());
        EXPECT_EQ(prompts.log().last(), QStringLiteral("error: Imposible abrir %1:%2")
                                            .arg(QString::fromLatin1(c.servidor), c.database));
        EXPECT_EQ(setting("Servidor"), QString::fromLatin1(c.servidor)) << "the settings are kept";
        EXPECT_EQ(setting("BaseDeDatos"), c.database);
    }
}

} // namespace
