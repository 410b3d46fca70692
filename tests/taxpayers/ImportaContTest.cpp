#include "QtPrinters.h"
#include "TestMain.h"
#include "framework/UserCommand.h"
#include "taxpayers/ImportaContribuyentes.h"

#include <gtest/gtest.h>

namespace {

// The previous edition: the same register, every column filled.
const QString kAnterior = QStringLiteral(R"(
INSERT INTO T_CONTRIBUYENTES (CONTRIBUYENTE, NIF, APELLIDOS, NOMBRE, SIGLAS, DOMICILIO, NUMERO, ESCALERA, PISO,
    PUERTA, COD_POSTAL, MUNICIPIO, PROVINCIA, TELEFONO, FP, CCC, FICHERO_CTBLE, PARTICIPACION, CUENTA_PF, TITULO,
    ADMINISTRACION, SIN_ACTIVIDAD, PERSONA, FIRMANTE, CARGO, LETRAS, IBAN)
VALUES (1, '12345678Z', 'GARCIA LOPEZ', 'ANA', 'CL', 'MAYOR', '12', 'A', '3', 'B', '30001', 'MURCIA', 'MURCIA',
    '968000000', 3, '20380001110000000001', 'servidor:/datos/ana.gdb', 50.25, '47300001', 'GARCIA LOPEZ ANA',
    '30600', 1, 'ANA GARCIA', 'ANA GARCIA LOPEZ', 'TITULAR', 'GRCA', 'ES0020380001110000000001');
INSERT INTO T_CONTRIBUYENTES (CONTRIBUYENTE, NIF, APELLIDOS, NOMBRE, SIGLAS, DOMICILIO, NUMERO, ESCALERA, PISO,
    PUERTA, COD_POSTAL, MUNICIPIO, PROVINCIA, TELEFONO, FP, CCC, FICHERO_CTBLE, PARTICIPACION, CUENTA_PF, TITULO,
    ADMINISTRACION, SIN_ACTIVIDAD, PERSONA, FIRMANTE, CARGO, LETRAS, IBAN)
VALUES (7, 'B30000001', 'TALLERES DEL SEGURA SL', '-', 'AV', 'LIBERTAD', '1', '-', '-', '-', '30009', 'MURCIA',
    'MURCIA', '968111111', 2, '21000001110000000002', 'c:\conta\talleres.gdb', 100, '47300002',
    'TALLERES DEL SEGURA SL', '30600', 0, 'LUIS PEREZ', 'LUIS PEREZ ROS', 'ADMINISTRADOR', 'TLLR', 'ES11');
INSERT INTO T_CONTRIBUYENTES (CONTRIBUYENTE, NIF, APELLIDOS, NOMBRE, SIGLAS, DOMICILIO, NUMERO, ESCALERA, PISO,
    PUERTA, COD_POSTAL, MUNICIPIO, PROVINCIA, TELEFONO, FP, CCC, FICHERO_CTBLE, PARTICIPACION, CUENTA_PF, TITULO,
    ADMINISTRACION, SIN_ACTIVIDAD, PERSONA, FIRMANTE, CARGO, LETRAS, IBAN)
VALUES (12, '23456789D', 'ROS MARTINEZ', 'JUAN', 'PZ', 'ESPAÑA', '4', '1', '2', 'C', '30500', 'MOLINA', 'MURCIA',
    '968222222', 1, '00000000000000000000', '', 0, '', 'ROS MARTINEZ JUAN', '30601', 0, 'JUAN ROS', 'JUAN ROS',
    'TITULAR', 'RSMR', '');
)");

// The current edition already holds number 7, with other data.
const QString kActual =
    QStringLiteral("INSERT INTO T_CONTRIBUYENTES (CONTRIBUYENTE, NIF, APELLIDOS, TELEFONO, FP) "
                   "VALUES (7, 'B30999999', 'TALLERES NUEVOS SL', '600000000', 1);");

// A rule of the current edition that refuses number 12.
const QString kRechaza = QStringLiteral(R"(
CREATE EXCEPTION E_RECHAZADO 'Contribuyente rechazado';
SET TERM ^ ;
CREATE TRIGGER T_CONTRIBUYENTES_RECHAZA FOR T_CONTRIBUYENTES ACTIVE BEFORE INSERT POSITION 1 AS
BEGIN
    IF (NEW.CONTRIBUYENTE = 12) THEN EXCEPTION E_RECHAZADO;
END ^
SET TERM ; ^
)");

// Every taxpayer of a database as "column=value" rows in number order.
QStringList contribuyentes(db::Database& database) {
    db::Transaction t(database);
    db::Statement q(database, t);
    q.setSql(QStringLiteral("select * from T_CONTRIBUYENTES order by CONTRIBUYENTE"));
    QStringList rows;
    for (q.execute(); !q.eof(); q.next()) {
        QStringList row;
        for (const db::ColumnInfo& c : q.columns())
            row << c.name + QLatin1Char('=') + q.field(c.name).asString();
        rows << row.join(QLatin1Char('|'));
    }
    return rows;
}

class ImportaContTest : public ::testing::Test {
protected:
    explicit ImportaContTest(const QString& actual = {}) : test(actual) {}

    TestMain test;
    TestDatabase anterior{test.work, kAnterior, QStringLiteral("Tribra17.gdb")};
    ImportaContribuyentes importa{test.main};

    // A run as the dialog starts it: an error is shown as the default handler shows it.
    bool proceso(const QString& nombre) {
        bool importado = false;
        framework::runCommand(test.prompts, [&] { importado = importa.Proceso(nombre); });
        return importado;
    }
    QStringList actuales() { return contribuyentes(test.main.Database); }
};

class ImportaContConDatosTest : public ImportaContTest {
protected:
    ImportaContConDatosTest() : ImportaContTest(kActual) {}
};

class ImportaContRechazoTest : public ImportaContTest {
protected:
    ImportaContRechazoTest() : ImportaContTest(kRechaza) {}
};

const QString kExito = QStringLiteral("information: Proceso ejecutado con éxito");

TEST_F(ImportaContTest, AnEmptyRegisterReceivesEveryTaxpayerWithItsNumber) {
    int avisos = 0;
    ASSERT_TRUE(importa.Proceso(anterior.path(), [&] { ++avisos; }));
    EXPECT_EQ(test.prompts.log(), QStringList{kExito});
    EXPECT_EQ(actuales(), contribuyentes(anterior.database()));
    EXPECT_EQ(avisos, 3) << "one progress call per taxpayer";
    EXPECT_FALSE(importa.DataTribra.connected()) << "connected only during the run";
}

TEST_F(ImportaContConDatosTest, ATaxpayerInBothKeepsTheCurrentDataAndASecondRunChangesNothing) {
    const QStringList antes = actuales();
    ASSERT_TRUE(proceso(anterior.path()));
    const QStringList despues = actuales();
    const QStringList previos = contribuyentes(anterior.database());
    ASSERT_EQ(despues.size(), 3);
    EXPECT_EQ(despues[0], previos[0]);
    EXPECT_EQ(despues[1], antes[0]) << "number 7 keeps the current edition's data";
    EXPECT_EQ(despues[2], previos[2]);

    ASSERT_TRUE(proceso(anterior.path()));
    EXPECT_EQ(actuales(), despues);
    EXPECT_EQ(test.prompts.log(), (QStringList{kExito, kExito}));
}

TEST_F(ImportaContTest, ANullNifArrivesEmpty) {
    db::Transaction t(anterior.database());
    db::Statement insert(anterior.database(), t);
    insert.setSql(QStringLiteral("insert into T_CONTRIBUYENTES (CONTRIBUYENTE, APELLIDOS) "
                                 "values (20, 'SIN NIF')"));
    insert.execute();
    t.commit();

    ASSERT_TRUE(proceso(anterior.path()));
    db::Statement q(test.main.Database, test.main.TLocal);
    q.setSql(QStringLiteral("select NIF from T_CONTRIBUYENTES where CONTRIBUYENTE = 20"));
    q.execute();
    ASSERT_FALSE(q.eof());
    EXPECT_FALSE(q.field(0).isNull());
    EXPECT_EQ(q.field(0).asString(), QString());
}

TEST_F(ImportaContTest, ADatabaseThatDoesNotOpenImportsNothingAndAnotherNameCanFollow) {
    const QString nombre = test.work.file(QStringLiteral("Tribra16.gdb"));
    EXPECT_FALSE(proceso(nombre));
    EXPECT_EQ(test.prompts.log(), QStringList{QStringLiteral("error: Imposible abrir ") + nombre});
    EXPECT_TRUE(actuales().isEmpty());

    ASSERT_TRUE(proceso(anterior.path()));
    EXPECT_EQ(actuales().size(), 3);
}

TEST_F(ImportaContRechazoTest, AProcedureErrorStopsAtThatTaxpayerKeepingTheOnesBefore) {
    EXPECT_FALSE(proceso(anterior.path()));
    ASSERT_EQ(test.prompts.log().size(), 1);
    EXPECT_TRUE(test.prompts.log()[0].startsWith(QStringLiteral("error: ")));
    EXPECT_TRUE(test.prompts.log()[0].contains(QStringLiteral("Contribuyente rechazado")))
        << test.prompts.log()[0].toStdString();
    EXPECT_FALSE(importa.DataTribra.connected());

    db::Database otra;
    test.database.configure(otra);
    otra.open();
    const QStringList previos = contribuyentes(anterior.database());
    EXPECT_EQ(contribuyentes(otra), previos.mid(0, 2)) << "each one before it was committed";
}

TEST(ImportaContOrigen, TheDefaultIsThePreviousFolderThroughTheLocalServer) {
    ScopedEnv drive("TRIBUTRA_DRIVE_C", QByteArray("/unidad/c"));
    EXPECT_EQ(ImportaContribuyentes::OrigenPorDefecto(),
              QStringLiteral("localhost:/unidad/c/Tributra17/Tribra17.gdb"));
}

} // namespace
