// The identification sheet and the deposit request: the taxpayer's data refreshed from the
// register whenever the taxpayer is chosen, the legal form from the tax number, and one row
// of each per taxpayer.
#include "../returns/M111Fixture.h"
#include "QtPrinters.h"
#include "accounts/TDMIDP.h"
#include "accounts/TDMSolicitud.h"

namespace {

// Taxpayer 12 with an address whose province is written in lower case with a trailing blank;
// 13 in a province the list does not know.
const QString kAddresses = QStringLiteral(R"(
UPDATE T_CONTRIBUYENTES SET DOMICILIO = 'MAYOR 3', COD_POSTAL = '30001', MUNICIPIO = 'MURCIA',
    PROVINCIA = 'murcia ', TELEFONO = '968111222', PERSONA = 'ANA GARCIA' WHERE CONTRIBUYENTE = 12;
UPDATE T_CONTRIBUYENTES SET PROVINCIA = 'ATLANTIDA', PERSONA = 'PEDRO LOPEZ', TELEFONO = '968333444'
    WHERE CONTRIBUYENTE = 13;
)");

class IdentificationTest : public ::testing::Test {
protected:
    db::Field& field(TDMBase& dm, const char* name) { return dm.QMaestro.field(QString::fromLatin1(name)); }
    // As the form does: a new row, then the taxpayer typed.
    void choose(int taxpayer) {
        if (idp.QMaestro.editing())
            idp.QMaestro.cancel();
        idp.QMaestro.append();
        field(idp, "EMPRESA").setAsInteger(taxpayer);
    }

    TestMain test{kTaxpayers + kAddresses};
    TDMIDP idp{test.main};
    TDMSolicitud solicitud{test.main};
    void SetUp() override {
        idp.DataModuleCreate();
        solicitud.DataModuleCreate();
    }
};

TEST_F(IdentificationTest, ChoosingTheTaxpayerTakesItsDataFromTheRegisterEveryTime) {
    choose(12);
    EXPECT_EQ(field(idp, "FECHA_CIERRE").asDate(), QDate(2017, 12, 31));
    for (const char* flag : {"SA", "SL", "MICROEMPRESA"})
        EXPECT_EQ(field(idp, flag).asInteger(), 0) << flag;
    const std::pair<const char*, const char*> fromRegister[] = {
        {"NIF", "12345678Z"}, {"NOMBRESOCIAL", "GARCIA  DE LA FUENTE"}, {"DOMISOCIAL", "MAYOR 3"},
        {"CODPOSTAL", "30001"}, {"MUNICIPIO", "MURCIA"}, {"TELEFONO", "968111222"}};
    for (const auto& [name, value] : fromRegister)
        EXPECT_EQ(field(idp, name).asString().trimmed(), QLatin1String(value).trimmed()) << name;
    EXPECT_EQ(field(idp, "IDPROVINCIA").asInteger(), 30) << "found by name, whatever its case";
    field(idp, "MUNICIPIO").setAsString(QStringLiteral("CARTAGENA"));
    field(idp, "FIJO").setAsFloat(3);
    idp.QMaestro.post();

    // Chosen again: the stored row in edit, the register's data over what was typed.
    choose(12);
    EXPECT_EQ(idp.QMaestro.state(), db::DataSet::State::Edit);
    EXPECT_EQ(field(idp, "MUNICIPIO").asString(), QStringLiteral("MURCIA"));
    EXPECT_DOUBLE_EQ(field(idp, "FIJO").asFloat(), 3) << "what is not the register's stays";

    // A province the list does not know keeps the one there.
    idp.QMaestro.cancel();
    choose(13);
    field(idp, "IDPROVINCIA").setAsInteger(3);
    idp.QMaestro.post();
    choose(13);
    EXPECT_EQ(field(idp, "IDPROVINCIA").asInteger(), 3);
}

TEST_F(IdentificationTest, TheTaxNumberSetsTheLegalFormAndNeverClearsIt) {
    choose(13); // B30000001
    EXPECT_EQ(field(idp, "SL").asInteger(), 1);
    EXPECT_EQ(field(idp, "SA").asInteger(), 0);
    field(idp, "NIF").setAsString(QStringLiteral("A30654321"));
    EXPECT_EQ(field(idp, "SA").asInteger(), 1);
    EXPECT_EQ(field(idp, "SL").asInteger(), 1) << "the other flag stays";
    field(idp, "NIF").setAsString(QString());
    EXPECT_EQ(field(idp, "SA").asInteger(), 1);
}

TEST_F(IdentificationTest, TheRequestIsOnePerTaxpayerWithItsContactRefreshed) {
    solicitud.FijaEmpresa(12);
    solicitud.QMaestro.append();
    EXPECT_EQ(field(solicitud, "EMPRESA").asInteger(), 12);
    EXPECT_EQ(field(solicitud, "PRESENTADOR").asString(), QStringLiteral("ANA GARCIA"));
    EXPECT_EQ(field(solicitud, "TELEFONO").asString(), QStringLiteral("968111222"));
    field(solicitud, "TOMO").setAsInteger(1234);
    field(solicitud, "IDPROVINCIA").setAsInteger(30);
    field(solicitud, "PRESENTADOR").setAsString(QStringLiteral("OTRA PERSONA"));
    solicitud.QMaestro.post();

    // Inserting again opens the stored request, the contact taken afresh.
    solicitud.QMaestro.append();
    EXPECT_EQ(solicitud.QMaestro.state(), db::DataSet::State::Edit);
    EXPECT_EQ(solicitud.QMaestro.recordCount(), 1);
    EXPECT_EQ(field(solicitud, "TOMO").asInteger(), 1234);
    EXPECT_EQ(field(solicitud, "PRESENTADOR").asString(), QStringLiteral("ANA GARCIA"));
    solicitud.QMaestro.cancel();

    solicitud.FijaEmpresa(13);
    EXPECT_TRUE(solicitud.QMaestro.isEmpty()) << "each taxpayer its own";
}

} // namespace
