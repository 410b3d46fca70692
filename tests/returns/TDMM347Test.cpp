// Model 347: the records field by field as the agency's design places them, and the
// capture from the VAT register with its threshold, groupings and cash-basis amounts.
#include "returns/informative/TDMM347.h"
#include "InformativeFixture.h"
#include "returns/FileViewer.h"
#include "returns/periodic/FileCommand.h"
#include "util/UsageError.h"
#include "util/Win1252.h"

#include <map>

namespace {

// Taxpayer 12's books of 2018 (company 7): suppliers and customers around the threshold.
const QString kLibros = QStringLiteral(R"(
INSERT INTO T_PARAMETROS (EJERCICIO, EMPRESA) VALUES (2018, 7);
INSERT INTO T_SUBCUENTAS (EMPRESA, EJERCICIO, SUBCUENTA, TITULO, CIF, COD_POSTAL) VALUES (7, 2018, '40000001', 'JUSTO', 'B30000011', '28046');
INSERT INTO T_SUBCUENTAS (EMPRESA, EJERCICIO, SUBCUENTA, TITULO, CIF, COD_POSTAL) VALUES (7, 2018, '40000002', 'POR ENCIMA', 'B-30.000.022', '4600');
INSERT INTO T_SUBCUENTAS (EMPRESA, EJERCICIO, SUBCUENTA, TITULO, CIF, COD_POSTAL) VALUES (7, 2018, '43000001', 'MIXTO', 'A30000033', '03001');
INSERT INTO T_SUBCUENTAS (EMPRESA, EJERCICIO, SUBCUENTA, TITULO, CIF, COD_POSTAL) VALUES (7, 2018, '40000004', 'SIN NIF', '--', NULL);
INSERT INTO T_REGISTRO_IVA (EMPRESA, EJERCICIO, ASIENTO, FECHA, NOMBRE, CIF, TIPOREGISTRO, TIPOIVA, TIPOASIENTO, SUBCUENTA_DEBE, SUBCUENTA_HABER, BASE1, IVA1, CC, DEVENGO)
VALUES (7, 2018, 1, '2018-03-10', 'JUSTO  EN  EL UMBRAL', NULL, 'S', '1', '4', '60000000', '40000001', 2483.52, 521.54, 0, 0);
INSERT INTO T_REGISTRO_IVA (EMPRESA, EJERCICIO, ASIENTO, FECHA, NOMBRE, CIF, TIPOREGISTRO, TIPOIVA, TIPOASIENTO, SUBCUENTA_DEBE, SUBCUENTA_HABER, BASE1, IVA1, CC, DEVENGO)
VALUES (7, 2018, 2, '2018-02-10', 'Por encima', NULL, 'S', '5', '4', '60000000', '40000002', 3005.07, 0, 0, 0);
INSERT INTO T_REGISTRO_IVA (EMPRESA, EJERCICIO, ASIENTO, FECHA, NOMBRE, CIF, TIPOREGISTRO, TIPOIVA, TIPOASIENTO, SUBCUENTA_DEBE, SUBCUENTA_HABER, BASE1, IVA1, CC, DEVENGO)
VALUES (7, 2018, 3, '2018-05-02', 'MIXTO SA', 'A30000033', 'S', '1', '4', '60000000', '43000001', 4000, 840, 0, 0);
INSERT INTO T_REGISTRO_IVA (EMPRESA, EJERCICIO, ASIENTO, FECHA, NOMBRE, CIF, TIPOREGISTRO, TIPOIVA, TIPOASIENTO, SUBCUENTA_DEBE, SUBCUENTA_HABER, BASE1, IVA1, CC, DEVENGO)
VALUES (7, 2018, 4, '2018-08-20', 'MIXTO SA', NULL, 'R', '1', '9', '43000001', '70000000', 3000, 630, 0, 0);
INSERT INTO T_REGISTRO_IVA (EMPRESA, EJERCICIO, ASIENTO, FECHA, NOMBRE, CIF, TIPOREGISTRO, TIPOIVA, TIPOASIENTO, SUBCUENTA_DEBE, SUBCUENTA_HABER, BASE1, IVA1, CC, DEVENGO)
VALUES (7, 2018, 5, '2018-11-20', 'MIXTO SA', NULL, 'R', '1', '9', '43000001', '70000000', 1000, 210, 0, 0);
INSERT INTO T_REGISTRO_IVA (EMPRESA, EJERCICIO, ASIENTO, FECHA, NOMBRE, CIF, TIPOREGISTRO, TIPOIVA, TIPOASIENTO, SUBCUENTA_DEBE, SUBCUENTA_HABER, BASE1, IVA1, CC, DEVENGO)
VALUES (7, 2018, 6, '2018-04-01', 'FUERA DEL PLAN', NULL, 'S', '1', '4', '60000000', '40000099', 5000, 0, 0, 0);
INSERT INTO T_REGISTRO_IVA (EMPRESA, EJERCICIO, ASIENTO, FECHA, NOMBRE, CIF, TIPOREGISTRO, TIPOIVA, TIPOASIENTO, SUBCUENTA_DEBE, SUBCUENTA_HABER, BASE1, IVA1, CC, DEVENGO)
VALUES (7, 2018, 7, '2018-04-02', 'SIN NIF', NULL, 'S', '1', '4', '60000000', '40000004', 6000, 0, 0, 0);
INSERT INTO T_REGISTRO_IVA (EMPRESA, EJERCICIO, ASIENTO, FECHA, NOMBRE, CIF, TIPOREGISTRO, TIPOIVA, TIPOASIENTO, SUBCUENTA_DEBE, SUBCUENTA_HABER, BASE1, IVA1, CC, DEVENGO)
VALUES (7, 2018, 8, '2018-06-01', 'CAJA', 'B30000044', 'R', '1', '9', '43000005', '70000000', 4000, 0, 1, 0);
INSERT INTO T_REGISTRO_IVA (EMPRESA, EJERCICIO, ASIENTO, FECHA, NOMBRE, CIF, TIPOREGISTRO, TIPOIVA, TIPOASIENTO, SUBCUENTA_DEBE, SUBCUENTA_HABER, BASE1, IVA1, CC, DEVENGO)
VALUES (7, 2018, 9, '2018-07-01', 'CAJA', 'B30000044', 'R', '1', '9', '43000005', '70000000', 9000, 0, 1, 1);
INSERT INTO T_REGISTRO_IVA (EMPRESA, EJERCICIO, ASIENTO, FECHA, NOMBRE, CIF, TIPOREGISTRO, TIPOIVA, TIPOASIENTO, SUBCUENTA_DEBE, SUBCUENTA_HABER, BASE1, IVA1, CC, DEVENGO)
VALUES (7, 2018, 10, '2018-07-01', 'EXENTA', 'B30000055', 'S', '2', '4', '60000000', '40000006', 9000, 0, 0, 0);
)");

class TDMM347Test : public InformativeTest<TDMM347> {
protected:
    // The declared parties by tax number.
    std::map<QString, std::map<QString, QString>> declarados() {
        std::map<QString, std::map<QString, QString>> todos;
        db::DataSet& d = dm.QDeclarados;
        for (d.first(); !d.eof(); d.next())
            for (const char* c : {"CLAVE", "DECLARADO", "PROVINCIA", "PRIMERO", "SEGUNDO",
                                  "TERCERO", "CUARTO", "IMPORTE", "IMPORTECC", "CC", "SP"})
                todos[d.field(QStringLiteral("CLAVE")).asString() + u' ' +
                      d.field(QStringLiteral("NIF")).asString()][QLatin1String(c)] =
                    d.field(QLatin1String(c)).variant().toString();
        return todos;
    }
};

TEST_F(TDMM347Test, TheCaptureDeclaresWhoPassesTheThresholdQuarterByQuarter) {
    libros(kLibros);
    dm.FijaDeclarante(12);
    ASSERT_TRUE(dm.CapturaContabilidad());
    const auto d = declarados();
    EXPECT_EQ(d.count(QStringLiteral("A B30000011")), 0u) << "exactly 3.005,06 stays out";
    ASSERT_EQ(d.count(QStringLiteral("A B30000022")), 1u) << "the chart's number, normalised";
    const auto& encima = d.at(QStringLiteral("A B30000022"));
    EXPECT_EQ(encima.at("PRIMERO").toDouble(), 3005.07);
    EXPECT_EQ(encima.at("IMPORTE").toDouble(), 3005.07);
    EXPECT_EQ(encima.at("SEGUNDO").toDouble(), 0);
    EXPECT_EQ(encima.at("SP"), QStringLiteral("1")) << "a reverse-charge purchase";
    EXPECT_EQ(encima.at("PROVINCIA"), QStringLiteral("30"))
        << "a postal code of four: the office's";
    EXPECT_EQ(encima.at("DECLARADO"), QStringLiteral("POR ENCIMA"));
    // One counterpart, a purchase and two sales: one party per key; the quarters add up.
    const auto& compra = d.at(QStringLiteral("A A30000033"));
    EXPECT_EQ(compra.at("SEGUNDO").toDouble(), 4840);
    EXPECT_EQ(compra.at("PROVINCIA"), QStringLiteral("03"));
    const auto& venta = d.at(QStringLiteral("B A30000033"));
    EXPECT_EQ(venta.at("TERCERO").toDouble(), 3630);
    EXPECT_EQ(venta.at("CUARTO").toDouble(), 1210);
    EXPECT_EQ(venta.at("IMPORTE").toDouble(), 4840);
    EXPECT_EQ(d.count(QStringLiteral("A 40000099")), 1u) << "a subaccount outside the chart";
    EXPECT_EQ(d.count(QStringLiteral("A EEEEEEEEE")), 1u) << "nothing left of the number";
    // Cash basis: accrued amounts apart, neither in a quarter nor in the threshold.
    const auto& caja = d.at(QStringLiteral("B B30000044"));
    EXPECT_EQ(caja.at("IMPORTE").toDouble(), 4000);
    EXPECT_EQ(caja.at("IMPORTECC").toDouble(), 9000);
    EXPECT_EQ(caja.at("SEGUNDO").toDouble() + caja.at("TERCERO").toDouble(), 0);
    EXPECT_EQ(caja.at("CC"), QStringLiteral("1"));
    EXPECT_EQ(d.count(QStringLiteral("A B30000055")), 0u) << "an exempt purchase is left out";
    EXPECT_EQ(d.size(), 6u);

    // A second capture adds the parties again, with new order numbers.
    ASSERT_TRUE(dm.CapturaContabilidad());
    EXPECT_EQ(dm.QDeclarados.recordCount(), 12);
    EXPECT_TRUE(test.prompts.log().isEmpty()) << test.prompts.log().join(u'\n').toStdString();
}

TEST_F(TDMM347Test, TheRecordsHoldEveryFieldWhereTheAgencyReadsIt) {
    dm.FijaDeclarante(12);
    dm.QMaestro.field(QStringLiteral("PERSONA")).setAsString(QStringLiteral("ANA GARCIA"));
    dm.QMaestro.field(QStringLiteral("TIPO")).setAsInteger(2);
    dm.QMaestro.field(QStringLiteral("JUSTIFICANTE")).setAsString(QStringLiteral("3470000000123"));
    dm.QMaestro.field(QStringLiteral("PRESENTACION")).setAsString(QStringLiteral("1"));
    dm.QMaestro.post();
    db::DataSet& d = dm.QDeclarados;
    d.append();
    d.field(QStringLiteral("NIF")).setAsString(QStringLiteral("X1234567"));
    d.field(QStringLiteral("DECLARADO")).setAsString(QStringLiteral("DUPONT  SARL"));
    d.field(QStringLiteral("PROVINCIA")).setAsString(QStringLiteral("99"));
    d.field(QStringLiteral("PAIS")).setAsString(QStringLiteral("FR"));
    d.field(QStringLiteral("CLAVE")).setAsString(QStringLiteral("B"));
    d.field(QStringLiteral("PRIMERO")).setAsFloat(-10.50);
    d.field(QStringLiteral("CUARTO")).setAsFloat(5000);
    d.field(QStringLiteral("TI_SEGUNDO")).setAsFloat(100);
    d.field(QStringLiteral("TIPO_OPERACION")).setAsInteger(2);
    d.field(QStringLiteral("EJERCICIOMETALICO")).setAsInteger(2017);
    d.field(QStringLiteral("RECIBOMETALICO")).setAsFloat(12.34);
    d.field(QStringLiteral("CC")).setAsInteger(1);
    d.field(QStringLiteral("IMPORTECC")).setAsFloat(7);
    d.post();
    d.append();
    d.field(QStringLiteral("NIF")).setAsString(QStringLiteral("B30000066"));
    d.field(QStringLiteral("REPRESENTANTE")).setAsInteger(1);
    d.field(QStringLiteral("PAIS")).setAsString(QStringLiteral("PT"));
    d.field(QStringLiteral("DECLARADO")).setAsString(QStringLiteral("REPRESENTADO"));
    d.field(QStringLiteral("TERCERO")).setAsFloat(4000);
    d.post();
    EXPECT_TRUE(d.field(QStringLiteral("PAIS")).isNull()) << "a country only abroad";
    db::DataSet& i = dm.QInmuebles;
    i.append();
    i.field(QStringLiteral("NIF")).setAsString(QStringLiteral("B30000077"));
    i.field(QStringLiteral("ARRENDATARIO")).setAsString(QStringLiteral("INQUILINO SL"));
    i.field(QStringLiteral("IMPORTE")).setAsFloat(6000);
    i.field(QStringLiteral("CATASTRO")).setAsString(QStringLiteral("OTRA"));
    i.field(QStringLiteral("SITUACION")).setAsInteger(3);
    EXPECT_TRUE(i.field(QStringLiteral("CATASTRO")).isNull()) << "no reference without one";
    i.field(QStringLiteral("SITUACION")).setAsInteger(1);
    i.field(QStringLiteral("CATASTRO")).setAsString(QStringLiteral("1234567AB1234C0001XY"));
    i.field(QStringLiteral("SIGLAS")).setAsString(QStringLiteral("AV"));
    i.field(QStringLiteral("NOMBREVIA")).setAsString(QStringLiteral("LIBERTAD"));
    i.field(QStringLiteral("NUMCASA")).setAsString(QStringLiteral("12"));
    i.field(QStringLiteral("PISO")).setAsString(QStringLiteral("2"));
    i.field(QStringLiteral("MUNICIPIO")).setAsString(QStringLiteral("MURCIA"));
    i.field(QStringLiteral("CODMUNICIPIO")).setAsString(QStringLiteral("0300"));
    i.field(QStringLiteral("PROVINCIA")).setAsString(QStringLiteral("30"));
    i.field(QStringLiteral("CODPOSTAL")).setAsString(QStringLiteral("30001"));
    i.post();

    const QStringList registros = dm.ComponeFichero().split(QStringLiteral("\r\n"));
    ASSERT_EQ(registros.size(), 5) << "four records, each ended by CR LF";
    EXPECT_TRUE(registros[4].isEmpty());
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(registros[r].size(), 500) << r;

    const QString& r1 = registros[0];
    const std::pair<std::pair<int, int>, QString> declarante[] = {
        {{1, 8}, "13472018"},
        {{9, 17}, "12345678Z"},
        {{18, 57}, QStringLiteral("GARCIA DE LA FUENTE ANA MARIA").leftJustified(40)},
        {{58, 58}, "C"},
        {{59, 67}, QString(9, u' ')},
        {{68, 107}, QStringLiteral("ANA GARCIA").leftJustified(40)},
        {{108, 120}, "3470000000000"},
        {{121, 122}, " S"},
        {{123, 135}, "3470000000123"},
        {{136, 144}, "000000002"},
        {{145, 160}, " 000000000898950"}, // 4989.50 + 4000
        {{161, 169}, "000000001"},
        {{170, 185}, " 000000000600000"},
        {{186, 500}, QString(315, u' ')},
    };
    for (const auto& [posiciones, esperado] : declarante)
        EXPECT_EQ(at(r1, posiciones.first, posiciones.second), esperado)
            << "declarante " << posiciones.first;

    const QString& extranjero = registros[1];
    const std::pair<std::pair<int, int>, QString> declarado[] = {
        {{1, 8}, "23472018"},
        {{9, 17}, "12345678Z"},
        {{18, 26}, "0X1234567"}, // a short number zero-filled
        {{27, 35}, QString(9, u' ')},
        {{36, 75}, QStringLiteral("DUPONT SARL").leftJustified(40)},
        {{76, 76}, "D"},
        {{77, 78}, "99"},
        {{79, 81}, "FR "},
        {{82, 82}, "B"},
        {{83, 98}, " 000000000498950"},
        {{99, 100}, " X"},
        {{101, 115}, "000000000001234"},
        {{116, 131}, " 000000000010000"},
        {{132, 135}, "2017"},
        {{136, 151}, "N000000000001050"},
        {{152, 167}, " 000000000000000"},
        {{168, 183}, " 000000000000000"},
        {{184, 199}, " 000000000010000"},
        {{200, 215}, " 000000000000000"},
        {{216, 231}, " 000000000000000"},
        {{232, 247}, " 000000000500000"},
        {{248, 263}, " 000000000000000"},
        {{264, 280}, QString(17, u' ')},
        {{281, 283}, "X  "},
        {{284, 299}, " 000000000000700"},
        {{300, 500}, QString(201, u' ')},
    };
    for (const auto& [posiciones, esperado] : declarado)
        EXPECT_EQ(at(extranjero, posiciones.first, posiciones.second), esperado)
            << "declarado " << posiciones.first;

    const QString& representado = registros[2];
    EXPECT_EQ(at(representado, 18, 26), QString(9, u' '));
    EXPECT_EQ(at(representado, 27, 35), QStringLiteral("B30000066"));
    EXPECT_EQ(at(representado, 77, 81), QStringLiteral("30   "))
        << "the office's province, no country";
    EXPECT_EQ(at(representado, 99, 100), QStringLiteral("  "));

    const QString& local = registros[3];
    const std::pair<std::pair<int, int>, QString> inmueble[] = {
        {{1, 8}, "23472018"},
        {{9, 17}, "12345678Z"},
        {{18, 26}, "B30000077"},
        {{27, 35}, QString(9, u' ')},
        {{36, 75}, QStringLiteral("INQUILINO SL").leftJustified(40)},
        {{76, 76}, "I"},
        {{77, 99}, QString(23, u' ')},
        {{100, 114}, "000000000600000"},
        {{115, 115}, "1"},
        {{116, 140}, QStringLiteral("1234567AB1234C0001XY").leftJustified(25)},
        {{141, 145}, "AVDA "},
        {{146, 195}, QStringLiteral("LIBERTAD").leftJustified(50)},
        {{196, 198}, "   "},
        {{199, 203}, "00012"},
        {{204, 215}, QString(12, u' ')},
        {{216, 218}, "2  "},
        {{219, 261}, QString(43, u' ')},
        {{262, 291}, QString(30, u' ')},
        {{292, 321}, QStringLiteral("MURCIA").leftJustified(30)},
        {{322, 326}, "0300 "},
        {{327, 328}, "30"},
        {{329, 333}, "30001"},
        {{334, 500}, QString(167, u' ')},
    };
    for (const auto& [posiciones, esperado] : inmueble)
        EXPECT_EQ(at(local, posiciones.first, posiciones.second), esperado)
            << "inmueble " << posiciones.first;

    // The viewer reads each record through its type; a letter in an amount is named.
    const FileView vista = viewFile(util::toWin1252(registros.join(QStringLiteral("\r\n"))));
    EXPECT_TRUE(vista.recognized);
    EXPECT_EQ(vista.faults, 0) << vista.lines.join(u'\n').toStdString();
    const QString leido = vista.lines.join(u'\n');
    for (const char* tipo :
         {"registro de declarante", "registro de declarado", "registro de inmueble"})
        EXPECT_TRUE(leido.contains(QLatin1String(tipo))) << tipo;
    EXPECT_TRUE(leido.contains(QStringLiteral("-10,50 €")));
    QStringList danado = registros;
    danado[1][150] = u'X';
    EXPECT_EQ(viewFile(util::toWin1252(danado.join(QStringLiteral("\r\n")))).faults, 1);
}

// An ordinary return: two blanks and thirteen zeros; the file goes to the agency's folder
// under the taxpayer's surname.
TEST_F(TDMM347Test, TheFileIsCopiedUnderTheSurname) {
    dm.FijaDeclarante(12);
    EXPECT_EQ(dm.QMaestro.field(QStringLiteral("PRESENTACION")).asString(), QStringLiteral("0"));
    ASSERT_TRUE(dm.GeneraFichero());
    const QByteArray escrito = lee(test.work.file(QStringLiteral("mod347.txt")));
    ASSERT_EQ(escrito.size(), 502);
    EXPECT_EQ(escrito.mid(57, 1), "T");
    EXPECT_EQ(escrito.mid(120, 15), "  0000000000000");
    EXPECT_TRUE(escrito.endsWith("\r\n"));
    EXPECT_EQ(lee(drive.file(QStringLiteral("aeat/347_2018/GARCIA  DE LA FUENTE_0A.347"))),
              escrito);
}

// From the command line: captured from the books and filed, like the periodic returns.
TEST_F(TDMM347Test, TheCommandLineFilesAYearWithoutAPeriod) {
    libros(kLibros);
    EXPECT_EQ(FileCommand::parse({QStringLiteral("347"), QStringLiteral("--contribuyente"),
                                  QStringLiteral("12"), QStringLiteral("--captura")})
                  .run(test.main),
              0);
    const FileView vista =
        viewFile(lee(drive.file(QStringLiteral("aeat/347_2018/GARCIA  DE LA FUENTE_0A.347"))));
    EXPECT_EQ(vista.faults, 0) << vista.lines.join(u'\n').toStdString();
    EXPECT_EQ(vista.lines.filter(QStringLiteral("registro de declarado")).size(), 6);
    EXPECT_THROW(FileCommand::parse({QStringLiteral("347"), QStringLiteral("--contribuyente"),
                                     QStringLiteral("12"), QStringLiteral("--periodo"),
                                     QStringLiteral("1T")}),
                 tributra::UsageError);
    EXPECT_EQ(FileCommand::parse(
                  {QStringLiteral("347"), QStringLiteral("--contribuyente"), QStringLiteral("99")})
                  .run(test.main),
              1);
    EXPECT_TRUE(FileCommand::usage().contains(
        QStringLiteral("tributra fichero 347 --contribuyente NUMERO [--captura]")));
}

// A taxpayer typed on the return brings its stored return, or starts one with its contact
// person, signatory and position.
TEST_F(TDMM347Test, ChoosingTheTaxpayerBringsItsReturn) {
    execute(QStringLiteral("update T_CONTRIBUYENTES set PERSONA = 'LUIS', FIRMANTE = 'ANA', "
                           "CARGO = 'ADMINISTRADORA' where CONTRIBUYENTE = 13"));
    dm.FijaDeclarante(12);
    dm.QMaestro.field(QStringLiteral("PERSONA")).setAsString(QStringLiteral("GUARDADA"));
    dm.QMaestro.post();
    dm.QMaestro.append();
    dm.QMaestro.field(QStringLiteral("DECLARANTE")).setAsInteger(13);
    EXPECT_EQ(dm.QMaestro.state(), db::DataSet::State::Insert);
    EXPECT_EQ(dm.QMaestro.field(QStringLiteral("PERSONA")).asString(), QStringLiteral("LUIS"));
    EXPECT_EQ(dm.QMaestro.field(QStringLiteral("CARGO")).asString(),
              QStringLiteral("ADMINISTRADORA"));
    EXPECT_EQ(dm.QMaestro.field(QStringLiteral("TIPO")).asInteger(), 0);
    EXPECT_EQ(dm.QMaestro.field(QStringLiteral("FECHA")).asDate().year(), 2018);
    dm.QMaestro.field(QStringLiteral("DECLARANTE")).setAsInteger(12);
    EXPECT_EQ(dm.QMaestro.state(), db::DataSet::State::Edit);
    EXPECT_EQ(dm.QMaestro.field(QStringLiteral("PERSONA")).asString(), QStringLiteral("GUARDADA"));
}

} // namespace
