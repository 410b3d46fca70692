#include "QtPrinters.h"
#include "TestMain.h"
#include "db/Error.h"
#include "taxpayers/TDMContribuyentes.h"

#include <gtest/gtest.h>

namespace {

const QString kSetup = QStringLiteral(R"(
INSERT INTO T_CONTRIBUYENTES (CONTRIBUYENTE, NIF, LETRAS, APELLIDOS, NOMBRE, ADMINISTRACION, SIGLAS, DOMICILIO, NUMERO,
    ESCALERA, PISO, PUERTA, COD_POSTAL, MUNICIPIO, PROVINCIA, TELEFONO)
VALUES (7, '12345678Z', 'GRCA', 'GARCIA  DE LA   FUENTE', 'ANA  MARIA', '30600', 'CL', 'MAYOR', '12', 'A', '3', 'B',
    '30001', 'MURCIA', 'MURCIA', '968000000');
INSERT INTO T_CONTRIBUYENTES (CONTRIBUYENTE, NIF, APELLIDOS) VALUES (8, 'B30000001', 'TALLERES DEL SEGURA SL');
)");

class TaxpayersTest : public ::testing::Test {
protected:
    TestMain test{kSetup};
    TDMContribuyentes dm{test.main};

    void SetUp() override { dm.DataModuleCreate(); }

    db::DataSet& taxpayers() { return dm.QMaestro; }
    db::Field& field(const char* name) { return dm.QMaestro.field(QString::fromLatin1(name)); }
};

TEST_F(TaxpayersTest, ANewTaxpayerWithoutNumberGetsTheNextAndIsFoundByName) {
    taxpayers().append();
    EXPECT_EQ(field("CCC").asString(), QStringLiteral("00000000000000000000"));
    field("APELLIDOS").setAsString(QStringLiteral("PEREZ ROS"));
    field("NOMBRE").setAsString(QStringLiteral("LUIS"));
    taxpayers().post();
    EXPECT_EQ(field("CONTRIBUYENTE").asInteger(), 9);
    EXPECT_EQ(field("TITULO").asString(), QStringLiteral("PEREZ ROS LUIS"))
        << "the list shows the title at once";
    dm.FiltraMaestro(QStringLiteral("PEREZ"), QStringLiteral("CONTRIBUYENTE"),
                     QStringLiteral("TITULO"), QString());
    ASSERT_EQ(taxpayers().recordCount(), 1);
    EXPECT_EQ(field("CONTRIBUYENTE").asInteger(), 9);
}

TEST_F(TaxpayersTest, ATypedNumberMustBeFreeAndAStoredOneNeverChanges) {
    taxpayers().append();
    EXPECT_THROW(field("CONTRIBUYENTE").setAsInteger(7), tributra::Error);
    field("CONTRIBUYENTE").setAsInteger(50);
    taxpayers().post();
    EXPECT_EQ(field("CONTRIBUYENTE").asInteger(), 50);

    ASSERT_TRUE(taxpayers().locate(QStringLiteral("CONTRIBUYENTE"), {8}));
    taxpayers().edit();
    field("CONTRIBUYENTE").setAsInteger(80);
    field("TELEFONO").setAsString(QStringLiteral("600000000"));
    taxpayers().post();
    dm.QuitaFiltro();
    EXPECT_TRUE(taxpayers().locate(QStringLiteral("CONTRIBUYENTE"), {8}));
    EXPECT_EQ(field("TELEFONO").asString(), QStringLiteral("600000000"));
    EXPECT_FALSE(taxpayers().locate(QStringLiteral("CONTRIBUYENTE"), {80}));
}

TEST_F(TaxpayersTest, TheIbanOfTheDefaultAccount) {
    taxpayers().append();
    dm.CalculaIBAN();
    // ISO 13616 over 20 zeros: 98 - ("00000000000000000000" "1428" "00" mod 97 = 16) = 82.
    EXPECT_EQ(field("IBAN").asString(), QStringLiteral("ES8200000000000000000000"));
}

TEST_F(TaxpayersTest, TheIdentificationBlocksLayEachColumnInItsWidth) {
    const QString completa = test.main.IdentificacionCompleta(7);
    ASSERT_EQ(completa.size(), 141);
    struct Piece {
        int at, width;
        const char* text;
    };
    const Piece pieces[] = {{0, 5, "30600"},       {5, 9, "12345678Z"},
                            {14, 4, "GRCA"},       {18, 30, "GARCIA DE LA FUENTE"},
                            {48, 15, "ANA MARIA"}, {63, 2, "CL"},
                            {65, 17, "MAYOR"},     {82, 4, "12"},
                            {86, 2, "A"},          {88, 2, "3"},
                            {90, 2, "B"},          {92, 5, "30001"},
                            {97, 20, "MURCIA"},    {117, 15, "MURCIA"},
                            {132, 9, "968000000"}};
    for (const Piece& p : pieces)
        EXPECT_EQ(completa.mid(p.at, p.width), QString::fromLatin1(p.text).leftJustified(p.width))
            << p.at;

    EXPECT_EQ(test.main.IdentificacionCorta(7), completa.left(63));

    const QString declarante = test.main.IdentificacionDeclarante(8);
    ASSERT_EQ(declarante.size(), 89);
    EXPECT_EQ(declarante.left(9), QStringLiteral("B30000001"));
    EXPECT_EQ(declarante.mid(9, 60), QStringLiteral("TALLERES DEL SEGURA SL").leftJustified(60));
    EXPECT_EQ(declarante.mid(69), QString(20, u' ')) << "a null name gives blanks";

    try {
        test.main.IdentificacionDeclarante(99);
        FAIL() << "a missing taxpayer passed";
    } catch (const tributra::Error& e) {
        EXPECT_EQ(e.text(), QStringLiteral(" No existe el contribuyente "));
    }
}

TEST_F(TaxpayersTest, ASurnameOfFortyIsStoredCutToThirtyAndFillsTheDeclarantBlock) {
    taxpayers().append();
    field("CONTRIBUYENTE").setAsInteger(60);
    field("APELLIDOS").setAsString(QStringLiteral("FERNANDEZ DE LA CUEVA Y ALVAREZ DE TOLEDO"));
    taxpayers().post();
    const QString declarante = test.main.IdentificacionDeclarante(60);
    EXPECT_EQ(declarante.size(), 89);
    EXPECT_EQ(declarante.mid(9, 60),
              QStringLiteral("FERNANDEZ DE LA CUEVA Y ALVARE").leftJustified(60));
}

TEST_F(TaxpayersTest, TheAccountingDatabaseOpensOnlyWhenThereIsOne) {
    EXPECT_FALSE(test.main.AbreContabilidad(7)) << "no database: nothing said";
    EXPECT_TRUE(test.prompts.log().isEmpty());

    TestDatabase conta(test.work, {}, QStringLiteral("conta.fdb"));
    db::Statement set(test.main.Database, test.main.TLocal);
    set.setSql(
        QStringLiteral("update T_CONTRIBUYENTES set FICHERO_CTBLE = :f where CONTRIBUYENTE = :c"));
    set.setParam(QStringLiteral("f"), test.work.file("no-existe.fdb"));
    set.setParam(QStringLiteral("c"), 7);
    set.execute();
    set.setParam(QStringLiteral("f"), conta.path());
    set.setParam(QStringLiteral("c"), 8);
    set.execute();

    EXPECT_FALSE(test.main.AbreContabilidad(7));
    EXPECT_EQ(test.prompts.log(), QStringList{QStringLiteral("error: Imposible abrir ") +
                                              test.work.file("no-existe.fdb")});
    EXPECT_TRUE(test.main.AbreContabilidad(8));
    EXPECT_TRUE(test.main.DBConta.connected());
    EXPECT_EQ(test.main.DBConta.databaseName(), conta.path());
}

} // namespace
