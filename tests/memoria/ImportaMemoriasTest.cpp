// The memoria models of another database copied in: the sample memoria's (memorias only) or
// the previous edition's (also each company's identification sheet and deposit request).
#include "memoria/ImportaMemorias.h"
#include "MemoriaFixture.h"
#include "util/Error.h"

#include <QDate>

namespace {

// Last year's database: a memoria with a chapter and a calculated formula, and the
// company's sheet, request and balance.
const QString kAnterior = QStringLiteral(R"(
INSERT INTO T_MEMORIAS VALUES (2, 'MEMORIA 2016');
INSERT INTO T_CAPITULOS (MEMORIA, CAPITULO, TITULO) VALUES (2, 1, 'ACTIVIDAD');
INSERT INTO T_FORMULAS VALUES (2, 1, 1, 'CAPITAL', '-S13:100', 1, '+', 55);
INSERT INTO IDENTIFICACION (EMPRESA, DEPOSITO, NIF, IDPROVINCIA, FECHA_CIERRE, FECHA_CIERRE_ANT)
VALUES (12, 'GARCIA', '12345678Z', 30, '2016-12-31', '2015-12-31');
INSERT INTO SOLICITUD (EMPRESA, TOMO, FOLIO, HOJA, IDPROVINCIA, PRESENTADOR)
VALUES (12, 1, 2, 3, 30, 'ANA GARCIA');
INSERT INTO BALANCE (EMPRESA) VALUES (12);
)");

class ImportaMemoriasTest : public MemoriaTest {
protected:
    int filas(const QString& sql) {
        db::Statement q(test.main.Database, test.main.TLocal);
        q.setSql(sql);
        int n = 0;
        for (q.execute(); !q.eof(); q.next())
            ++n;
        q.close();
        test.main.TLocal.commit();
        return n;
    }
    QVariant valor(const QString& sql) {
        db::Statement q(test.main.Database, test.main.TLocal);
        q.setSql(sql);
        q.execute();
        const QVariant v = q.eof() ? QVariant() : q.field(0).variant();
        q.close();
        test.main.TLocal.commit();
        return v;
    }
    // A source database of the system's structure, closed for the import to open.
    QString fuente(const QString& script, const QString& nombre) {
        fuentes_.push_back(std::make_unique<TestDatabase>(test.work, script, nombre));
        fuentes_.back()->database().close();
        return fuentes_.back()->path();
    }

    ImportaMemorias importacion{test.main};

private:
    std::vector<std::unique_ptr<TestDatabase>> fuentes_;
};

TEST_F(ImportaMemoriasTest, ThePreviousEditionBringsItsMemoriasAndTheCompanysSheetClosingThisYear) {
    importacion.importa(fuente(kAnterior, QStringLiteral("Tribra17.gdb")));
    EXPECT_EQ(valor(QStringLiteral("select TITULO from T_MEMORIAS where MEMORIA = 2")).toString(),
              QStringLiteral("MEMORIA 2016"));
    EXPECT_EQ(filas(QStringLiteral("select * from T_CAPITULOS where MEMORIA = 2")), 1);
    EXPECT_EQ(valor(QStringLiteral("select SINTAXIS from T_FORMULAS where MEMORIA = 2")).toString(),
              QStringLiteral("-S13:100"));
    EXPECT_EQ(
        valor(QStringLiteral("select CONDICIONAL from T_FORMULAS where MEMORIA = 2")).toString(),
        QStringLiteral("+"));
    EXPECT_TRUE(valor(QStringLiteral("select IMPORTE from T_FORMULAS where MEMORIA = 2")).isNull())
        << "no amount until calculated";
    EXPECT_EQ(valor(QStringLiteral("select FECHA_CIERRE from IDENTIFICACION where EMPRESA = 12"))
                  .toDate(),
              QDate(2017, 12, 31));
    EXPECT_EQ(
        valor(QStringLiteral("select FECHA_CIERRE_ANT from IDENTIFICACION where EMPRESA = 12"))
            .toDate(),
        QDate(2016, 12, 31));
    EXPECT_EQ(
        valor(QStringLiteral("select DEPOSITO from IDENTIFICACION where EMPRESA = 12")).toString(),
        QStringLiteral("GARCIA"));
    EXPECT_EQ(
        valor(QStringLiteral("select PRESENTADOR from SOLICITUD where EMPRESA = 12")).toString(),
        QStringLiteral("ANA GARCIA"));
    EXPECT_EQ(filas(QStringLiteral("select * from BALANCE")), 0) << "balances are not imported";
}

TEST_F(ImportaMemoriasTest, TheSampleMemoriasDatabaseBringsOnlyMemorias) {
    EXPECT_TRUE(ImportaMemorias::esEjemplo(QStringLiteral("C:\\TRIBUTRA\\Memoria.GDB")));
    EXPECT_FALSE(ImportaMemorias::esEjemplo(QStringLiteral("C:\\Tributra17\\Tribra17.gdb")));
    importacion.importa(fuente(kAnterior, QStringLiteral("Memoria.GDB")));
    EXPECT_EQ(filas(QStringLiteral("select * from T_FORMULAS where MEMORIA = 2")), 1);
    EXPECT_EQ(filas(QStringLiteral("select * from IDENTIFICACION")), 0);
    EXPECT_EQ(filas(QStringLiteral("select * from SOLICITUD")), 0);
}

// A second run stops at the first row already there: that table's rows are undone, the
// tables before it stay.
TEST_F(ImportaMemoriasTest, ARowAlreadyThereStopsTheImportKeepingTheEarlierTables) {
    const QString choca = QStringLiteral(R"(
INSERT INTO T_MEMORIAS VALUES (3, 'NUEVA');
INSERT INTO T_CAPITULOS (MEMORIA, CAPITULO, TITULO) VALUES (3, 1, 'NUEVO');
INSERT INTO T_CAPITULOS (MEMORIA, CAPITULO, TITULO) VALUES (1, 1, 'YA ESTA');
)");
    try {
        importacion.importa(fuente(choca, QStringLiteral("memoria.gdb")));
        ADD_FAILURE() << "a chapter imported twice";
    } catch (const tributra::Error& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("T_CAPITULOS"))) << e.message().toStdString();
    }
    EXPECT_EQ(filas(QStringLiteral("select * from T_MEMORIAS where MEMORIA = 3")), 1);
    EXPECT_EQ(filas(QStringLiteral("select * from T_CAPITULOS where MEMORIA = 3")), 0);
    EXPECT_EQ(valor(QStringLiteral("select TITULO from T_CAPITULOS where MEMORIA = 1")).toString(),
              QStringLiteral("INMOVILIZADO"));
}

TEST_F(ImportaMemoriasTest, ASourceThatDoesNotOpenImportsNothing) {
    const QString nada = test.work.file("no_existe.gdb");
    try {
        importacion.importa(nada);
        ADD_FAILURE() << "imported from nowhere";
    } catch (const tributra::Error& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Imposible abrir ") + nada);
    }
    EXPECT_EQ(filas(QStringLiteral("select * from T_MEMORIAS")), 1);
}

} // namespace
