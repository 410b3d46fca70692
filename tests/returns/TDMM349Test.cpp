// Model 349: the records field by field as the agency's design places them, the cover file,
// and the capture of a period's intra-community operations from the books.
#include "returns/informative/TDMM349.h"
#include "InformativeFixture.h"
#include "returns/FileViewer.h"
#include "returns/informative/Caratula.h"
#include "returns/periodic/FileCommand.h"
#include "util/UsageError.h"
#include "util/Win1252.h"

namespace {

// Taxpayer 12's books of 2018 (company 7): deliveries to France in two quarters, services to
// Germany, an acquisition from Italy.
const QString kLibros = QStringLiteral(R"(
INSERT INTO T_PARAMETROS (EJERCICIO, EMPRESA) VALUES (2018, 7);
INSERT INTO T_REGISTRO_IVA (EMPRESA, EJERCICIO, ASIENTO, FECHA, NOMBRE, CIF, TIPOREGISTRO, TIPOIVA, TIPOASIENTO, SUBCUENTA_DEBE, SUBCUENTA_HABER, BASE0)
VALUES (7, 2018, 1, '2018-02-10', 'Dupont  sarl', 'fr 12-345.678', 'R', '5', '9', '43000001', '70000000', 1000);
INSERT INTO T_REGISTRO_IVA (EMPRESA, EJERCICIO, ASIENTO, FECHA, NOMBRE, CIF, TIPOREGISTRO, TIPOIVA, TIPOASIENTO, SUBCUENTA_DEBE, SUBCUENTA_HABER, BASE0)
VALUES (7, 2018, 2, '2018-03-10', 'DUPONT SARL', 'FR 12-345.678', 'R', '5', '9', '43000001', '70000000', 500.5);
INSERT INTO T_REGISTRO_IVA (EMPRESA, EJERCICIO, ASIENTO, FECHA, NOMBRE, CIF, TIPOREGISTRO, TIPOIVA, TIPOASIENTO, SUBCUENTA_DEBE, SUBCUENTA_HABER, BASE0)
VALUES (7, 2018, 3, '2018-05-10', 'DUPONT SARL', 'FR12345678', 'R', '5', '9', '43000001', '70000000', 2000);
INSERT INTO T_REGISTRO_IVA (EMPRESA, EJERCICIO, ASIENTO, FECHA, NOMBRE, CIF, TIPOREGISTRO, TIPOIVA, TIPOASIENTO, SUBCUENTA_DEBE, SUBCUENTA_HABER, BASE0)
VALUES (7, 2018, 4, '2018-02-20', 'MULLER GMBH', 'DE999999999', 'R', '6', '9', '43000002', '70500000', 300);
INSERT INTO T_REGISTRO_IVA (EMPRESA, EJERCICIO, ASIENTO, FECHA, NOMBRE, CIF, TIPOREGISTRO, TIPOIVA, TIPOASIENTO, SUBCUENTA_DEBE, SUBCUENTA_HABER, BASE0)
VALUES (7, 2018, 5, '2018-01-15', 'ROSSI SPA', 'IT01234567897', 'S', '2', '4', '60000000', '40000001', 800);
)");

class TDMM349Test : public InformativeTest<TDMM349> {
protected:
    // Each operation as "country number key amount".
    QStringList operaciones() {
        QStringList todas;
        db::DataSet& o = dm.QOperaciones;
        for (o.first(); !o.eof(); o.next())
            todas << QStringLiteral("%1 %2 %3 %4 %5")
                         .arg(o.field(QStringLiteral("PAIS")).asString(),
                              o.field(QStringLiteral("NIF")).asString(),
                              o.field(QStringLiteral("CLAVE")).asString(),
                              o.field(QStringLiteral("IMPORTE")).variant().toString(),
                              o.field(QStringLiteral("DECLARADO")).asString());
        return todas;
    }
};

TEST_F(TDMM349Test, TheCaptureTakesThePeriodsOperationsWithTheirCountries) {
    libros(kLibros);
    dm.FijaDeclaracion(12, QStringLiteral("1T"));
    ASSERT_TRUE(dm.CapturaContabilidad());
    EXPECT_EQ(operaciones(),
              (QStringList{QStringLiteral("IT 01234567897 A 800 ROSSI SPA"), // by account
                           QStringLiteral("FR 12345678 E 1500.5 DUPONT  SARL"),
                           QStringLiteral("DE 999999999 S 300 MULLER GMBH")}))
        << operaciones().join(QStringLiteral(" | ")).toStdString();
    // A second capture adds to the operations of the same country, number and key.
    ASSERT_TRUE(dm.CapturaContabilidad());
    EXPECT_EQ(operaciones()[1], QStringLiteral("FR 12345678 E 3001 DUPONT  SARL"));
    EXPECT_EQ(operaciones().size(), 3);

    dm.FijaDeclaracion(12, QStringLiteral("0A"));
    ASSERT_TRUE(dm.CapturaContabilidad());
    EXPECT_TRUE(operaciones().contains(QStringLiteral("FR 12345678 E 3500.5 DUPONT  SARL")))
        << "the whole year";
    dm.FijaDeclaracion(12, QStringLiteral("12"));
    EXPECT_FALSE(dm.CapturaContabilidad());
    EXPECT_TRUE(
        test.prompts.log().last().endsWith(QStringLiteral("No existen datos para capturar.")));
    dm.FijaDeclaracion(12, QStringLiteral("00"));
    EXPECT_THROW(dm.CapturaContabilidad(), tributra::Error) << "Debe elegir un período";
}

TEST_F(TDMM349Test, TheRecordsHoldEveryFieldWhereTheAgencyReadsIt) {
    dm.FijaDeclaracion(12, QStringLiteral("2T"));
    EXPECT_EQ(dm.QMaestro.field(QStringLiteral("PRESENTACION")).asString(), QStringLiteral("1"));
    dm.QMaestro.field(QStringLiteral("PERSONA")).setAsString(QStringLiteral("ANA GARCIA"));
    dm.QMaestro.field(QStringLiteral("TIPO")).setAsInteger(1);
    dm.QMaestro.post();
    db::DataSet& o = dm.QOperaciones;
    o.append();
    o.field(QStringLiteral("PAIS")).setAsString(QStringLiteral("FR"));
    o.field(QStringLiteral("NIF")).setAsString(QStringLiteral("12345678"));
    o.field(QStringLiteral("DECLARADO")).setAsString(QStringLiteral("DUPONT SARL"));
    o.field(QStringLiteral("CLAVE")).setAsString(QStringLiteral("E"));
    o.field(QStringLiteral("IMPORTE")).setAsFloat(1500.5);
    o.post();
    db::DataSet& r = dm.QRectificaciones;
    r.append();
    r.field(QStringLiteral("PAIS")).setAsString(QStringLiteral("DE"));
    r.field(QStringLiteral("NIF")).setAsString(QStringLiteral("999999999"));
    r.field(QStringLiteral("DECLARADO")).setAsString(QStringLiteral("MULLER GMBH"));
    r.field(QStringLiteral("CLAVE")).setAsString(QStringLiteral("A"));
    r.field(QStringLiteral("EJERCICIO")).setAsInteger(2017);
    r.field(QStringLiteral("PER_ANT")).setAsString(QStringLiteral("3T"));
    r.field(QStringLiteral("IMPORTE")).setAsFloat(250);
    r.field(QStringLiteral("IMPORTE_ANT")).setAsFloat(-40.25);
    r.post();

    const QStringList registros = dm.ComponeFichero().split(QStringLiteral("\r\n"));
    ASSERT_EQ(registros.size(), 4);
    const std::pair<std::pair<int, int>, QString> declarante[] = {
        {{1, 8}, "13492018"},
        {{9, 17}, "12345678Z"},
        {{18, 57}, QStringLiteral("GARCIA DE LA FUENTE ANA MARIA").leftJustified(40)},
        {{58, 58}, "T"},
        {{59, 67}, QString(9, u' ')},
        {{68, 107}, QStringLiteral("ANA GARCIA").leftJustified(40)},
        {{108, 120}, "3490000000000"},
        {{121, 122}, "C "},
        {{123, 135}, "0000000000000"},
        {{136, 137}, "2T"},
        {{138, 146}, "000000001"},
        {{147, 161}, "000000000150050"},
        {{162, 170}, "000000001"},
        {{171, 185}, "000000000025000"},
        {{186, 500}, QString(315, u' ')},
    };
    for (const auto& [p, esperado] : declarante)
        EXPECT_EQ(at(registros[0], p.first, p.second), esperado) << "declarante " << p.first;
    const std::pair<std::pair<int, int>, QString> operacion[] = {
        {{1, 8}, "23492018"},
        {{9, 17}, "12345678Z"},
        {{18, 75}, QString(58, u' ')},
        {{76, 77}, "FR"},
        {{78, 92}, QStringLiteral("12345678").leftJustified(15)},
        {{93, 132}, QStringLiteral("DUPONT SARL").leftJustified(40)},
        {{133, 133}, "E"},
        {{134, 146}, "0000000150050"},
        {{147, 500}, QString(354, u' ')},
    };
    for (const auto& [p, esperado] : operacion)
        EXPECT_EQ(at(registros[1], p.first, p.second), esperado) << "operación " << p.first;
    const std::pair<std::pair<int, int>, QString> rectificacion[] = {
        {{1, 8}, "23492018"},
        {{9, 17}, "12345678Z"},
        {{18, 75}, QString(58, u' ')},
        {{76, 77}, "DE"},
        {{78, 92}, QStringLiteral("999999999").leftJustified(15)},
        {{93, 132}, QStringLiteral("MULLER GMBH").leftJustified(40)},
        {{133, 133}, "A"},
        {{134, 146}, QString(13, u' ')},
        {{147, 150}, "2017"},
        {{151, 152}, "3T"},
        {{153, 165}, "0000000025000"},
        {{166, 178}, "N000000004025"},
        {{179, 500}, QString(322, u' ')},
    };
    for (const auto& [p, esperado] : rectificacion)
        EXPECT_EQ(at(registros[2], p.first, p.second), esperado) << "rectificación " << p.first;
    const FileView vista = viewFile(util::toWin1252(registros.join(QStringLiteral("\r\n"))));
    EXPECT_EQ(vista.faults, 0) << vista.lines.join(u'\n').toStdString();
    EXPECT_TRUE(vista.lines.join(u'\n').contains(QStringLiteral("registro de rectificación")));
}

// The records and their cover file stay in the working folder for the agency's program.
TEST_F(TDMM349Test, TheFileAndItsCoverStayInTheWorkingFolder) {
    execute(QStringLiteral(
        "update T_CONTRIBUYENTES set SIGLAS = 'CL', DOMICILIO = 'MAYOR', NUMERO = '7', "
        "MUNICIPIO = 'SAN PEDRO PINATAR', COD_POSTAL = '30740', FIRMANTE = 'ANA GARCIA', "
        "CARGO = 'TITULAR' where CONTRIBUYENTE = 12"));
    dm.FijaDeclaracion(12, QStringLiteral("1T"));
    dm.QMaestro.field(QStringLiteral("FECHA")).setValue(QDate(2018, 4, 20).startOfDay());
    ASSERT_TRUE(dm.GeneraFichero());
    EXPECT_EQ(lee(test.work.file(QStringLiteral("mod349.txt"))).size(), 502);
    const QString caratula =
        QString::fromLatin1(lee(test.work.file(QStringLiteral("caratula.txt"))));
    EXPECT_EQ(caratula, QStringLiteral("13492008") + QStringLiteral("12345678Z") +
                            QStringLiteral("30600") + QStringLiteral("CL") +
                            QStringLiteral("MAYOR").leftJustified(20) + QStringLiteral("00007") +
                            QStringLiteral("SAN PEDRO PI") + QStringLiteral("3030740") +
                            QStringLiteral("20180420") +
                            QStringLiteral("ANA GARCIA").leftJustified(30) +
                            QStringLiteral("TITULAR").leftJustified(25) + QString(20, u' ') +
                            QStringLiteral("\r\n"));
    EXPECT_TRUE(
        test.prompts.log().last().contains(QStringLiteral("Se ha generado el archivo mod349.txt")));
    EXPECT_FALSE(QDir(drive.file(QStringLiteral("aeat/349_2018"))).exists())
        << "no copy for the agency";

    // A taxpayer without a town, a postal code or a number.
    execute(QStringLiteral(
        "update T_CONTRIBUYENTES set MUNICIPIO = NULL, COD_POSTAL = NULL, NUMERO = NULL "
        "where CONTRIBUYENTE = 12"));
    const QString sinDatos =
        caratula::linea(test.main, QStringLiteral("13492008"), 12, QDate(2018, 4, 20));
    EXPECT_EQ(sinDatos.mid(8 + 9 + 5 + 2 + 20, 5 + 12 + 7),
              QStringLiteral("00000") + QString(12, u' ') + QStringLiteral("0000000"));
}

TEST_F(TDMM349Test, TheCommandLineFilesAPeriod) {
    libros(kLibros);
    EXPECT_EQ(FileCommand::parse({QStringLiteral("349"), QStringLiteral("--contribuyente"),
                                  QStringLiteral("12"), QStringLiteral("--periodo"),
                                  QStringLiteral("1T"), QStringLiteral("--captura")})
                  .run(test.main),
              0)
        << test.prompts.log().join(u'\n').toStdString();
    const FileView vista = viewFile(lee(test.work.file(QStringLiteral("mod349.txt"))));
    EXPECT_EQ(vista.faults, 0) << vista.lines.join(u'\n').toStdString();
    EXPECT_EQ(vista.lines.filter(QStringLiteral("registro de operación")).size(), 3);
    EXPECT_THROW(FileCommand::parse({QStringLiteral("349"), QStringLiteral("--contribuyente"),
                                     QStringLiteral("12")}),
                 tributra::UsageError)
        << "no period";
    EXPECT_EQ(FileCommand::parse({QStringLiteral("349"), QStringLiteral("--contribuyente"),
                                  QStringLiteral("12"), QStringLiteral("--periodo"),
                                  QStringLiteral("5T")})
                  .run(test.main),
              1);
    EXPECT_TRUE(FileCommand::usage().contains(
        QStringLiteral("tributra fichero 349 --contribuyente NUMERO --periodo "
                       "1T|2T|3T|4T|01|02|03|04|05|06|07|08|09|10|11|12|0A "
                       "[--captura]")));
}

} // namespace
