#include "QtPrinters.h"
#include "TDMPrueba.h"
#include "TestMain.h"
#include "db/Error.h"
#include "framework/ErrorList.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

class TDMBaseTest : public ::testing::Test {
protected:
    TestMain test{kPruebaSetup};

    QStringList codes(db::DataSet& ds) {
        QStringList rows;
        for (ds.first(); !ds.eof(); ds.next())
            rows << ds.field(QStringLiteral("CODIGO")).asString();
        return rows;
    }

    void write(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

TEST_F(TDMBaseTest, SearchesByPrefixOrderedAndCaseSensitive) {
    TDMPrueba dm(test.main);
    dm.DataModuleCreate();
    struct Case {
        const char* text;
        QStringList codes;
    };
    const Case cases[] = {
        {"12", {"12", "120", "123"}}, // a number: the numeric field, ordered by it
        {"GARCIA", {"1", "12", "3"}}, // a text: the text field, ordered by it
        {"garcia", {}},               // capitals matter
        {"O'B", {"2"}},               // quotes in the text are only text
        {"DIJO \"", {"21"}},
        {"\" or 1=1 or TITULO = \"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        dm.FiltraMaestro(QString::fromUtf8(c.text), QStringLiteral("CODIGO"),
                         QStringLiteral("TITULO"), QString());
        EXPECT_EQ(codes(dm.QMaestro), c.codes);
    }
    dm.FiltraMaestro(QString(), QStringLiteral("CODIGO"), QStringLiteral("TITULO"), QString());
    EXPECT_TRUE(codes(dm.QMaestro).isEmpty()) << "an empty search leaves the last result";
    dm.QuitaFiltro();
    EXPECT_EQ(dm.QMaestro.recordCount(), 7);
}

TEST_F(TDMBaseTest, ASearchJoinsAnExistingWhereAndReplacesTheOrder) {
    TDMPrueba dm(
        test.main,
        QStringLiteral("select * from T_PRUEBA\nwhere IMPORTE >= 0\nORDER BY CODIGO desc"));
    dm.DataModuleCreate();
    EXPECT_EQ(codes(dm.QMaestro).first(), QStringLiteral("123"));
    dm.FiltraMaestro(QStringLiteral("GARCIA"), QStringLiteral("CODIGO"), QStringLiteral("TITULO"),
                     QString());
    EXPECT_EQ(codes(dm.QMaestro), (QStringList{"1", "3"}));
    dm.FiltraMaestro(QStringLiteral("1"), QStringLiteral("CODIGO"), QStringLiteral("TITULO"),
                     QStringLiteral("TITULO desc"));
    EXPECT_EQ(codes(dm.QMaestro), (QStringList{"123", "120", "1"}));
}

TEST_F(TDMBaseTest, ASearchTheDatabaseRejectsLeavesTheMasterClosedUntilTheFilterGoes) {
    TDMPrueba dm(test.main);
    dm.DataModuleCreate();
    EXPECT_THROW(dm.FiltraMaestro(QStringLiteral("X"), QStringLiteral("CODIGO"),
                                  QStringLiteral("NO_EXISTE"), QString()),
                 db::Error);
    EXPECT_FALSE(dm.QMaestro.active());
    dm.QuitaFiltro();
    EXPECT_EQ(dm.QMaestro.recordCount(), 7);
}

TEST_F(TDMBaseTest, TheKeyIsCheckedOnInsertOnly) {
    TDMPrueba dm(test.main);
    dm.DataModuleCreate();
    dm.QMaestro.append();
    db::Field& codigo = dm.QMaestro.field(QStringLiteral("CODIGO"));
    EXPECT_EQ(codigo.asInteger(), 0) << "a new record starts at zero";
    EXPECT_EQ(dm.QMaestro.field(QStringLiteral("IMPORTE")).text(), QStringLiteral("0,00"));
    try {
        codigo.setAsString(QString());
        FAIL() << "an empty key passed";
    } catch (const tributra::Error& e) {
        EXPECT_EQ(e.text(), QStringLiteral("Campo clave vacío"));
    }
    try {
        codigo.setAsInteger(12);
        FAIL() << "a repeated key passed";
    } catch (const tributra::Error& e) {
        EXPECT_EQ(e.text(), QStringLiteral("Clave existente, no se puede duplicar."));
    }
    codigo.setAsInteger(99);
    dm.QMaestro.post();

    ASSERT_TRUE(dm.QMaestro.locate(QStringLiteral("CODIGO"), {12}));
    dm.QMaestro.edit();
    codigo.setAsInteger(12); // an existing record keeps its own key without a check
    dm.QMaestro.cancel();
}

TEST_F(TDMBaseTest, EveryPostIsCommittedAtOnce) {
    TDMPrueba dm(test.main);
    dm.DataModuleCreate();
    dm.QMaestro.append();
    dm.QMaestro.field(QStringLiteral("CODIGO")).setAsInteger(50);
    dm.QMaestro.post();
    ASSERT_TRUE(dm.QMaestro.locate(QStringLiteral("CODIGO"), {1}));
    dm.QMaestro.remove();

    db::Database other;
    test.database.configure(other);
    other.open();
    db::Transaction t(other);
    db::Statement q(other, t);
    q.setSql(QStringLiteral("select list(CODIGO) from T_PRUEBA where CODIGO in (1, 50)"));
    q.execute();
    EXPECT_EQ(q.field(0).asString(), QStringLiteral("50"));
}

TEST_F(TDMBaseTest, CreationMakesTheWorkFolderCurrentAgain) {
    QDir::setCurrent(test.windows.path());
    TDMPrueba dm(test.main);
    dm.DataModuleCreate();
    EXPECT_EQ(QDir::currentPath(), test.work.path());
}

TEST_F(TDMBaseTest, TheAccountingCompanyOfAYear) {
    TempDir conta;
    TestDatabase accounting(
        conta,
        QStringLiteral("CREATE TABLE T_PARAMETROS (EJERCICIO INTEGER, EMPRESA INTEGER);"
                       "INSERT INTO T_PARAMETROS VALUES (2018, 7);"
                       "INSERT INTO T_PARAMETROS VALUES (2017, NULL);"),
        QStringLiteral("conta.fdb"));
    test.main.DBConta.setDatabaseName(accounting.path());
    test.main.DBConta.open();
    TDMPrueba dm(test.main);
    dm.DataModuleCreate();
    EXPECT_EQ(dm.EmpresaContable(2018), 7);
    EXPECT_EQ(dm.EmpresaContable(2017), 0);
    EXPECT_EQ(dm.EmpresaContable(2016), 0);
}

TEST_F(TDMBaseTest, TheErrorListPrefersTheTextFile) {
    const TempDir folder;
    EXPECT_EQ(framework::errorListText(folder.path()),
              QStringLiteral("No existe información para mostrar"));
    write(folder.file("Errores.xml"), "<errores/>");
    EXPECT_EQ(framework::errorListText(folder.path()), QStringLiteral("<errores/>"));
    write(folder.file("Errores.txt"), "Casilla 01: importe err\xf3neo");
    EXPECT_EQ(framework::errorListText(folder.path()),
              QStringLiteral("Casilla 01: importe erróneo"));

    TDMPrueba dm(test.main);
    dm.DataModuleCreate();
    dm.MuestraErrores();
    EXPECT_EQ(test.prompts.log().last(),
              QStringLiteral("errors: No existe información para mostrar"));
}

TEST_F(TDMBaseTest, CopiaFicheroCopiesWhereTheUserSays) {
    TDMPrueba dm(test.main);
    dm.DataModuleCreate();
    write(test.work.file("mod310.txt"), "contenido");
    const TempDir target;
    write(target.file("copia.txt"), "anterior");

    test.prompts.answer(true);
    test.prompts.answerFile(target.file("copia.txt"));
    dm.CopiaFichero(QStringLiteral("mod310.txt"));
    QFile copy(target.file("copia.txt"));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), QByteArray("contenido"));
    EXPECT_EQ(test.prompts.log().mid(0, 2),
              (QStringList{"question Confirmación: ¿ Desea copiar el fichero creado a disquete ?",
                           "save Copiar fichero mod310.txt"}));

    test.prompts.answer(false); // No: nothing more is asked
    dm.CopiaFichero(QStringLiteral("mod310.txt"));
    test.prompts.answer(true);
    test.prompts.answerFile(QString()); // the save dialog cancelled
    dm.CopiaFichero(QStringLiteral("mod310.txt"));
    test.prompts.answer(true);
    test.prompts.answerFile(target.file("no/existe/copia.txt"));
    dm.CopiaFichero(QStringLiteral("mod310.txt"));
    const QStringList failure = test.prompts.log().last().split(u'\n');
    ASSERT_EQ(failure.size(), 2);
    EXPECT_EQ(failure[0], QStringLiteral("information: No se puede guardar el fichero"));
    EXPECT_FALSE(failure[1].isEmpty()); // why, for whoever looks into it
    EXPECT_EQ(test.prompts.log().size(), 8);
}

} // namespace
