// Model 303: both pages field by field against the return's tables, the computed boxes and
// the type they choose, the complementary flag, the fourth quarter's detail, and the capture
// of the accounting settlement.
#include "returns/periodic/TDMM300.h"
#include "FileBytes.h"
#include "FixedFields.h"
#include "ReturnModuleTest.h"
#include "returns/FileViewer.h"
#include "util/Error.h"

#include <QDate>
#include <QRegularExpression>

#include <utility>

namespace {

// The fourth quarter's block when there is nothing to declare in it.
QString filler4T() {
    return QStringLiteral("0    ").repeated(6) + u' ' + QString(154, u'0');
}

// Two headings: the one the first activity asks for, and a different title under the
// default heading, which must not replace the default title.
const QString kHeadings = QStringLiteral(R"(
INSERT INTO T_EPIGRAFES (EPIGRAFE, TITULO) VALUES ('16591', 'COMERCIO MENOR DE JUGUETES');
INSERT INTO T_EPIGRAFES (EPIGRAFE, TITULO) VALUES ('38612', 'ALQUILER DE VIVIENDAS');
)");

// The settlement's columns the capture copies, in the settlement's order, and their boxes.
const std::pair<const char*, const char*> kSettlement[] = {
    {"BASE1", "C301"},
    {"CUOTA1", "C303"},
    {"BASE2", "C304"},
    {"CUOTA2", "C306"},
    {"BASE3", "C307"},
    {"CUOTA3", "C309"},
    {"BASE_REC1", "C316"},
    {"CUOTA_REC1", "C318"},
    {"BASE_REC2", "C319"},
    {"CUOTA_REC2", "C321"},
    {"BASE_REC3", "C322"},
    {"CUOTA_REC3", "C324"},
    {"BASE_ADQ_CEE", "C310"},
    {"CUOTA_ADQ_CEE", "C311"},
    {"BASE_ISP", "C312"},
    {"CUOTA_ISP", "C313"},
    {"BASE_DEV_INCOBRABLE", "C314"},
    {"CUOTA_DEV_INCOBRABLE", "C315"},
    {"BASE_REC_INCOBRABLE", "C325"},
    {"CUOTA_REC_INCOBRABLE", "C326"},
    {"BASE_OP_INT", "C328"},
    {"CUOTA_OP_INT", "C329"},
    {"BASE_OP_BIENES_INV", "C330"},
    {"CUOTA_OP_BIENES_INV", "C331"},
    {"BASE_IMPOR_BIENES", "C332"},
    {"CUOTA_IMPOR_BIENES", "C333"},
    {"BASE_IMPOR_INVERSION", "C334"},
    {"CUOTA_IMPOR_INVERSION", "C335"},
    {"BASE_CEE_BIENSER", "C336"},
    {"CUOTA_CEE_BIENSER", "C337"},
    {"BASE_CEE_INVERSION", "C338"},
    {"CUOTA_CEE_NVERSION", "C339"},
    {"BASE_REC_DEDUCIONES", "C340"},
    {"CUOTA_REC_DEDUCIONES", "C341"},
    {"CUOTA_COMP_AGP", "C342"},
    {"CUOTA_REG_INVERSION", "C343"},
    {"CUOTA_REG_PRORRATA", "C344"},
    {"ENTREGAS_CEE_BYS", "C359"},
    {"EXPORTACIONES", "C360"},
    {"OPERACIONES_ISP", "C361"},
    {"BASE_ENTREGAS_RECC", "C362"},
    {"CUOTAS_ENTREGAS_RECC", "C363"},
    {"BASES_SOPORTADA_RECC", "C374"},
    {"CUOTAS_SOPORTADA_RECC", "C375"},
    {"COMPENSAR_ANT", "C367"},
};

// Books of 2018's company 7. Its "2T" settlement holds in each copied column that column's
// place in the list (1, 2, ...), so a column copied into the wrong box shows; "02" holds a
// quota that is not the base times the rate. Another company's and another year's "2T"
// come first and must not be read.
QString settlementBooks() {
    QStringList columns, numbered, decoy;
    for (const auto& entry : kSettlement) {
        columns << QString::fromLatin1(entry.first);
        numbered << QString::number(numbered.size() + 1);
        decoy << QStringLiteral("999");
    }
    const QString indicators = QStringLiteral("RDM, RECC, DESTINATARIO_CC, PRORRATA");
    const QString insert =
        QStringLiteral("INSERT INTO T_LIQUIDACIONES_IVA (EMPRESA, EJERCICIO, PERIODO, ") +
        columns.join(QStringLiteral(", ")) + QStringLiteral(", ") + indicators +
        QStringLiteral(") VALUES (");
    return QStringLiteral("CREATE TABLE T_PARAMETROS (EJERCICIO INTEGER, EMPRESA INTEGER);\n"
                          "INSERT INTO T_PARAMETROS VALUES (2017, 6);\n"
                          "INSERT INTO T_PARAMETROS VALUES (2018, 7);\n"
                          "CREATE TABLE T_LIQUIDACIONES_IVA (EMPRESA INTEGER, EJERCICIO INTEGER, "
                          "PERIODO VARCHAR(2), ") +
           columns.join(QStringLiteral(" DOUBLE PRECISION DEFAULT 0, ")) +
           QStringLiteral(
               " DOUBLE PRECISION DEFAULT 0, RDM SMALLINT DEFAULT 0, RECC SMALLINT DEFAULT 0, "
               "DESTINATARIO_CC SMALLINT DEFAULT 0, PRORRATA SMALLINT DEFAULT 0);\n") +
           insert + QStringLiteral("6, 2018, '2T', ") + decoy.join(u", ") +
           QStringLiteral(", 1, 1, 1, 1);\n") + insert + QStringLiteral("7, 2017, '2T', ") +
           decoy.join(u", ") + QStringLiteral(", 1, 1, 1, 1);\n") + insert +
           QStringLiteral("7, 2018, '2T', ") + numbered.join(u", ") +
           QStringLiteral(", 1, 1, 0, 1);\n") +
           QStringLiteral(
               "INSERT INTO T_LIQUIDACIONES_IVA (EMPRESA, EJERCICIO, PERIODO, BASE1, CUOTA1) "
               "VALUES (7, 2018, '02', 100, 20);\n");
}

class TDMM300Test : public ReturnModuleTest<TDMM300> {
protected:
    TDMM300Test() : ReturnModuleTest(kTaxpayers + kHeadings) {}
    db::Field& detail(const char* name) { return dm.QDetalle4T.field(QString::fromLatin1(name)); }
    QString page1() { return page(0, 1442); }
    QString page3() { return page(1442, 1139); }
    void expectType(const char* type) {
        EXPECT_EQ(box("TIPO").asString(), QString::fromLatin1(type));
        if (*type == 'I') {
            EXPECT_EQ(box("IBAN").asString(), kIban) << "the taxpayer's account comes back";
        } else {
            EXPECT_TRUE(box("IBAN").isNull()) << "nothing to pay, no account";
        }
    }
};

} // namespace

TEST_F(TDMM300Test, TheLineHoldsTagsAndBothPagesFieldByField) {
    choose(12, "2T");
    // Neighbouring answers differ, so that two swapped ones show.
    for (const auto& [name, value] : {std::pair{"RDM", 1},
                                      {"SOLO_SIMPLIFICADO", 2},
                                      {"ES_CONJUNTA", 1},
                                      {"ES_CONCURSO_ACREEDORES", 2},
                                      {"RECC", 1},
                                      {"DESTINATARIO_CC", 2},
                                      {"ES_PRORRATA", 1},
                                      {"REVOCA_PRORRATA", 2},
                                      {"C801", 1},
                                      {"MA", 1}})
        box(name).setAsInteger(value);
    box("FECHA_CONCURSO").setAsDate(QDate(2018, 3, 5));
    box("AUTO_CONCURSO").setAsString(QStringLiteral("2"));
    box("C802").setAsString(QStringLiteral("3031234567890"));
    // The rates are the new record's: 21, 10, 4, 4.2, 1.4, 0.5, and 100 % for the State.
    // Bases 04, 19 and 22 stay 0: their rates are not written, whatever they hold.
    box("C305").setAsFloat(7);
    for (const auto& [name, value] : {std::pair{"C301", 1000.0},
                                      {"C307", 200.0},
                                      {"C310", 50.0},
                                      {"C311", 5.5},
                                      {"C312", 40.0},
                                      {"C313", 1.25},
                                      {"C314", -30.0},
                                      {"C315", -3.0},
                                      {"C316", 100.0},
                                      {"C325", 2.0},
                                      {"C328", 300.0},
                                      {"C329", 50.0},
                                      {"C342", 2.5},
                                      {"C359", 1.0},
                                      {"C360", 2.0},
                                      {"C361", 3.0},
                                      {"C362", 4.0},
                                      {"C363", 5.0},
                                      {"C374", 6.0},
                                      {"C375", 7.0},
                                      {"C376", 8.0},
                                      {"C377", 9.0},
                                      {"C367", 10.0},
                                      {"C368", 11.0},
                                      {"C370", 20.0}})
        box(name).setAsFloat(value);
    ASSERT_TRUE(dm.GeneraFichero());

    QFile f(test.work.file(QStringLiteral("mod303.txt")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    ASSERT_EQ(bytes.size(), 2927 + 2);
    EXPECT_EQ(bytes.right(2), QByteArray("\r\n"));
    const QString line = QString::fromLatin1(bytes.left(2927));
    expectFields(line, {{1, 17, "<T303020182T0000>"},
                        {18, 5, "<AUX>"},
                        {23, 70, blanks(70)},
                        {93, 4, "1.0 "},
                        {101, 9, "B12312312"},
                        {323, 6, "</AUX>"},
                        {2910, 18, "</T303020182T0000>"}});
    expectFields(line.mid(328, 1442),
                 {
                     {1, 12, "<T30301000> "},
                     {13, 1, "I"},
                     {14, 9, "12345678Z"},
                     {23, 60, QStringLiteral("GARCIA DE LA FUENTE").leftJustified(60)},
                     {83, 20, QStringLiteral("ANA MARIA").leftJustified(20)},
                     {103, 6, "20182T"},
                     {109, 4, "1312"},
                     {113, 8, "20180305"},
                     {121, 5, "21212"},
                     {126, 17, amount17(100000)},
                     {143, 5, "02100"},
                     {148, 17, amount17(21000)},
                     {165, 17, amount17(0)},
                     {182, 5, "00000"},
                     {187, 17, amount17(0)},
                     {204, 17, amount17(20000)},
                     {221, 5, "00400"},
                     {226, 17, amount17(800)},
                     {243, 17, amount17(5000)},
                     {260, 17, amount17(550)},
                     {277, 17, amount17(4000)},
                     {294, 17, amount17(125)},
                     {311, 17, "N0000000000003000"},
                     {328, 17, "N0000000000000300"},
                     {345, 17, amount17(10000)},
                     {362, 5, "00420"},
                     {367, 17, amount17(420)},
                     {384, 17, amount17(0)},
                     {401, 5, "00000"},
                     {406, 17, amount17(0)},
                     {423, 17, amount17(0)},
                     {440, 5, "00000"},
                     {445, 17, amount17(0)},
                     {462, 17, amount17(200)},
                     {479, 17, amount17(0)},
                     {496, 17, amount17(22595)},
                     {513, 17, amount17(30000)},
                     {530, 17, amount17(5000)},
                     {547, 204, QString(204, u'0')}, // boxes 30 to 41
                     {751, 17, amount17(250)},
                     {768, 34, QString(34, u'0')},
                     {802, 17, amount17(5250)},
                     {819, 17, amount17(17345)},
                     {836, 3, "022"},
                     {839, 579, blanks(579)},
                     {1418, 13, blanks(13)},
                     {1431, 12, "</T30301000>"},
                 });
    expectFields(line.mid(328 + 1442, 1139),
                 {
                     {1, 11, "<T30303000>"},      {12, 17, amount17(100)},
                     {29, 17, amount17(200)},     {46, 17, amount17(300)},
                     {63, 17, amount17(400)},     {80, 17, amount17(500)},
                     {97, 17, amount17(600)},     {114, 17, amount17(700)},
                     {131, 17, amount17(800)},    {148, 17, amount17(18145)},
                     {165, 9, "100000000"},       {174, 17, amount17(18145)},
                     {191, 17, amount17(900)},    {208, 17, amount17(1000)},
                     {225, 17, amount17(1100)},   {242, 17, amount17(19145)},
                     {259, 17, amount17(2000)},   {276, 17, amount17(17145)},
                     {293, 14, "X3031234567890"}, {307, 1, "X"},
                     {308, 11, blanks(11)},       {319, 34, kIban.leftJustified(34)},
                     {353, 185, filler4T()},      {538, 122, QString(122, u'0')},
                     {660, 468, blanks(468)},     {1128, 12, "</T30303000>"},
                 });
    const FileView view = viewFile(bytes);
    EXPECT_EQ(view.faults, 0) << view.lines.join(u'\n').toStdString();
    EXPECT_EQ(view.lines.filter(QStringLiteral("relleno del 4º trimestre")).size(), 1)
        << "the viewer tells the filler from the information";
    const QString copy = drive.file(QStringLiteral("aeat/303_2018/GARCIA  DE LA FUENTE_2T.303"));
    QFile c(copy);
    ASSERT_TRUE(c.open(QIODevice::ReadOnly)) << copy.toStdString();
    EXPECT_EQ(c.readAll(), bytes);

    // The other answers: simplified regime "yes", no insolvency date, not complementary,
    // with activity.
    box("SOLO_SIMPLIFICADO").setAsInteger(1);
    box("FECHA_CONCURSO").clear();
    box("C801").setAsInteger(0);
    box("MA").setAsInteger(0);
    expectFields(page1(), {{110, 1, "1"}, {113, 8, blanks(8)}});
    expectFields(page3(),
                 {{259, 17, amount17(0)}, {276, 17, amount17(19145)}, {293, 15, blanks(15)}});
}

TEST_F(TDMM300Test, ComputedBoxesFollowTheirInputsAndSetTheType) {
    choose(12, "1T");
    struct Rated {
        const char *base, *rate, *quota;
    };
    for (const Rated& r : {Rated{"C301", "C302", "C303"},
                           {"C304", "C305", "C306"},
                           {"C307", "C308", "C309"},
                           {"C316", "C317", "C318"},
                           {"C319", "C320", "C321"},
                           {"C322", "C323", "C324"}}) {
        box(r.base).setAsFloat(250);
        box(r.rate).setAsFloat(8);
        EXPECT_DOUBLE_EQ(box(r.quota).asFloat(), 20) << r.quota << " after its rate";
        box(r.base).setAsFloat(300);
        EXPECT_DOUBLE_EQ(box(r.quota).asFloat(), 24) << r.quota << " after its base";
    }
    // Quotas entered directly count in 27 and 45; the bases beside them do not.
    for (const char* base :
         {"C310", "C312", "C314", "C325", "C328", "C330", "C332", "C334", "C336", "C338", "C340"})
        box(base).setAsFloat(1000);
    for (const auto& [name, value] : {std::pair{"C311", 1}, {"C313", 2}, {"C315", 4}, {"C326", 8}})
        box(name).setAsFloat(value);
    EXPECT_DOUBLE_EQ(box("C327").asFloat(), 6 * 24 + 15);
    double deducted = 1;
    for (const char* quota :
         {"C329", "C331", "C333", "C335", "C337", "C339", "C341", "C342", "C343", "C344"}) {
        box(quota).setAsFloat(deducted);
        deducted *= 2;
    }
    EXPECT_DOUBLE_EQ(box("C345").asFloat(), 1023);
    EXPECT_DOUBLE_EQ(box("C346").asFloat(), 159 - 1023);
    box("C376").setAsFloat(64);
    EXPECT_DOUBLE_EQ(box("C364").asFloat(), -800);
    box("C365").setAsFloat(50);
    EXPECT_DOUBLE_EQ(box("C366").asFloat(), -400);
    box("C377").setAsFloat(10);
    box("C367").setAsFloat(30);
    box("C368").setAsFloat(5);
    EXPECT_DOUBLE_EQ(box("C369").asFloat(), -415);
    box("C370").setAsFloat(5);
    EXPECT_DOUBLE_EQ(box("C371").asFloat(), -420);
    expectType("C");

    box("C376").setAsFloat(1864);
    EXPECT_DOUBLE_EQ(box("C371").asFloat(), 480) << "64 = 1000, 66 = 500, 69 = 485";
    expectType("I");
    box("C365").setAsFloat(100);
    EXPECT_DOUBLE_EQ(box("C366").asFloat(), 1000);
    EXPECT_DOUBLE_EQ(box("C371").asFloat(), 980);
}

TEST_F(TDMM300Test, ResultsAreJudgedAndWrittenInCents) {
    choose(12, "1T");
    // 21.50 at 21 % is 4.515; the box keeps it, the file rounds the half cent up, which a
    // plain round of 4.515 * 100 (451.4999...) would not.
    box("C301").setAsFloat(21.5);
    EXPECT_DOUBLE_EQ(box("C303").asFloat(), 4.515);
    expectFields(page1(), {{148, 17, "00000000000000452"}});
    expectType("I");
    box("C301").setAsFloat(0);
    expectType("C");

    // 0.1 + 0.2 - 0.3 leaves 5.55e-17 in box 71: nothing to pay.
    box("C311").setAsFloat(0.1);
    expectType("I");
    box("C313").setAsFloat(0.2);
    box("C329").setAsFloat(0.3);
    EXPECT_NEAR(box("C371").asFloat(), 0, 1e-9);
    expectType("C");
    expectFields(page3(), {{276, 17, amount17(0)}});
    struct Case {
        double box70;
        const char* type;
    };
    for (const Case& c : {Case{-0.01, "I"}, {0, "C"}, {-0.02, "I"}, {0.000000001, "C"}}) {
        SCOPED_TRACE(c.box70);
        box("C370").setAsFloat(c.box70);
        expectType(c.type);
    }
}

TEST_F(TDMM300Test, ClearingTheComplementaryFlagDropsBox70AndTheReceipt) {
    choose(12, "1T");
    box("C301").setAsFloat(100);
    box("C801").setAsInteger(1);
    box("C802").setAsString(QStringLiteral("3031234567890"));
    box("C370").setAsFloat(30);
    EXPECT_DOUBLE_EQ(box("C371").asFloat(), -9);
    expectType("C");

    box("C801").setAsInteger(0);
    EXPECT_TRUE(box("C802").isNull());
    EXPECT_DOUBLE_EQ(box("C370").asFloat(), 0);
    EXPECT_DOUBLE_EQ(box("C371").asFloat(), 21);
    expectType("I");
}

TEST_F(TDMM300Test, TheFourthQuarterDetailIsOneRowOf4TOnly) {
    choose(12, "1T");
    try {
        dm.QDetalle4T.append();
        ADD_FAILURE() << "a detail row for the first quarter";
    } catch (const tributra::Error& e) {
        EXPECT_EQ(e.text(), QStringLiteral("Información solo para el 4º TRIMESTRE"));
    }
    EXPECT_TRUE(dm.QDetalle4T.isEmpty());
    EXPECT_FALSE(dm.QDetalle4T.editing());
    expectFields(page1(), {{836, 1, "0"}});
    expectFields(page3(), {{353, 185, filler4T()}});

    choose(12, "4T");
    expectFields(page1(), {{836, 1, "0"}});
    expectFields(page3(), {{353, 185, filler4T()}});

    dm.QDetalle4T.append();
    EXPECT_EQ(detail("CONTRIBUYENTE").asInteger(), 12);
    EXPECT_EQ(detail("PERIODO").asString(), QStringLiteral("4T"));
    EXPECT_EQ(detail("MOD347").asInteger(), 0);
    EXPECT_EQ(detail("CLAVE_AP").asString(), QStringLiteral("3"));
    EXPECT_EQ(detail("EPIGRAFE_AP").asString(), QStringLiteral("8612"));
    EXPECT_EQ(detail("TITULO_AP").asString(), QStringLiteral("ALQUILER DE LOCALES INDUSTRIALES"));
    EXPECT_FALSE(detail("C080").isNull());
    EXPECT_FALSE(detail("C088").isNull());

    // The title is looked up by key and heading together; an unknown heading empties it.
    detail("CLAVE_IAE1").setAsString(QStringLiteral("1"));
    detail("EPIGRAFE_IAE1").setAsString(QStringLiteral("6591"));
    EXPECT_EQ(detail("TITULO_IAE1").asString(), QStringLiteral("COMERCIO MENOR DE JUGUETES"));
    detail("EPIGRAFE_IAE1").setAsString(QStringLiteral("6592"));
    EXPECT_TRUE(detail("TITULO_IAE1").asString().isEmpty());
    // A heading without a key is not an activity.
    detail("EPIGRAFE_IAE2").setAsString(QStringLiteral("0472"));
    for (const auto& [name, value] : {std::pair{"C080", 1000.0},
                                      {"C081", 200.0},
                                      {"C082", 30.0},
                                      {"C083", 4.0},
                                      {"C084", 0.5},
                                      {"C085", 0.06},
                                      {"C086", 7.0},
                                      {"C087", 100.0}})
        detail(name).setAsFloat(value);
    EXPECT_NEAR(detail("C088").asFloat(), 1141.56, 1e-9) << "80+81+93+83+84+85+86-79";
    detail("MOD347").setAsInteger(1);
    dm.QDetalle4T.post();

    expectFields(page1(), {{836, 3, "122"}});
    // The block's own positions, after the 352 characters before it.
    expectFields(page3(), {
                              {352 + 1, 1, "3"},
                              {352 + 2, 4, "8612"},
                              {352 + 6, 5, "16592"},
                              {352 + 11, 5, "0    "},
                              {352 + 16, 15, QStringLiteral("0    ").repeated(3)},
                              {352 + 31, 1, "X"},
                              {352 + 32, 17, amount17(100000)},
                              {352 + 49, 17, amount17(20000)},
                              {352 + 66, 17, amount17(3000)},
                              {352 + 83, 17, amount17(400)},
                              {352 + 100, 17, amount17(50)},
                              {352 + 117, 17, amount17(6)},
                              {352 + 134, 17, amount17(700)},
                              {352 + 151, 17, amount17(10000)},
                              {352 + 168, 17, amount17(114156)},
                              {352 + 185, 1, "0"},
                              {538, 122, QString(122, u'0')},
                          });

    // The viewer reads the block field by field, box 88 among them.
    ASSERT_TRUE(dm.GeneraFichero());
    const FileView view = viewFile(readBytes(test.work.file(QStringLiteral("mod303.txt"))));
    EXPECT_EQ(view.faults, 0) << view.lines.join(u'\n').toStdString();
    EXPECT_TRUE(view.lines.filter(QStringLiteral("información del 4º trimestre")).size() == 1);
    EXPECT_EQ(
        view.lines.filter(QRegularExpression(QStringLiteral("^  +520-536 +17 88 .*1.141,56 €")))
            .size(),
        1)
        << view.lines.join(u'\n').toStdString();

    dm.QDetalle4T.edit();
    detail("MOD347").setAsInteger(0);
    dm.QDetalle4T.post();
    expectFields(page1(), {{836, 1, "2"}});
    expectFields(page3(), {{352 + 31, 1, " "}});

    EXPECT_NO_THROW(dm.QDetalle4T.append()) << "a second row is dropped without a word";
    EXPECT_EQ(dm.QDetalle4T.recordCount(), 1);
    EXPECT_FALSE(dm.QDetalle4T.editing());
}

TEST_F(TDMM300Test, TheCaptureCopiesTheSettlementOfTheCompanyYearAndPeriod) {
    TestDatabase books(test.work, settlementBooks(), QStringLiteral("conta.fdb"));
    books.database().close();
    db::Statement s(test.main.Database, test.main.TLocal);
    s.setSql(
        QStringLiteral("update T_CONTRIBUYENTES set FICHERO_CTBLE = '%1' where CONTRIBUYENTE = 12")
            .arg(books.path()));
    s.execute();
    test.main.TLocal.commit();

    // Each base before its quota: box 03 holds the settled 2, not 1 at 21 %.
    choose(12, "2T");
    box("TIPO").setAsString(QStringLiteral("N"));
    ASSERT_TRUE(dm.CapturaContabilidad());
    int n = 0;
    for (const auto& [column, target] : kSettlement) {
        ++n;
        EXPECT_DOUBLE_EQ(box(target).asFloat(), n) << column << " into " << target;
    }
    EXPECT_DOUBLE_EQ(box("C302").asFloat(), 21) << "the return's rates stay";
    EXPECT_DOUBLE_EQ(box("C327").asFloat(), 2 + 4 + 6 + 8 + 10 + 12 + 14 + 16 + 18 + 20);
    EXPECT_DOUBLE_EQ(box("C345").asFloat(), 22 + 24 + 26 + 28 + 30 + 32 + 34 + 35 + 36 + 37);
    EXPECT_DOUBLE_EQ(box("C346").asFloat(), 110 - 304);
    EXPECT_DOUBLE_EQ(box("C371").asFloat(), -194 - 45) << "box 67 compensated";
    expectType("C");
    EXPECT_EQ(box("RDM").asInteger(), 1);
    EXPECT_EQ(box("RECC").asInteger(), 1);
    EXPECT_EQ(box("DESTINATARIO_CC").asInteger(), 2) << "a 0 in the settlement keeps the answer";
    EXPECT_EQ(box("ES_PRORRATA").asInteger(), 1);

    choose(12, "02");
    box("TIPO").setAsString(QStringLiteral("N"));
    ASSERT_TRUE(dm.CapturaContabilidad());
    EXPECT_DOUBLE_EQ(box("C301").asFloat(), 100);
    EXPECT_DOUBLE_EQ(box("C303").asFloat(), 20) << "the settled quota, not 21 %";
    EXPECT_DOUBLE_EQ(box("C304").asFloat(), 0);
    EXPECT_DOUBLE_EQ(box("C367").asFloat(), 0);
    EXPECT_DOUBLE_EQ(box("C371").asFloat(), 20);
    expectType("I");
    EXPECT_EQ(box("RDM").asInteger(), 2);

    // No settlement for the quarter: the copied boxes become 0, the others and the
    // answers stay.
    choose(12, "3T");
    box("C301").setAsFloat(50);
    box("C367").setAsFloat(3);
    box("C376").setAsFloat(7);
    box("RECC").setAsInteger(1);
    ASSERT_TRUE(dm.CapturaContabilidad());
    EXPECT_DOUBLE_EQ(box("C301").asFloat(), 0);
    EXPECT_DOUBLE_EQ(box("C303").asFloat(), 0);
    EXPECT_DOUBLE_EQ(box("C367").asFloat(), 0);
    EXPECT_DOUBLE_EQ(box("C376").asFloat(), 7);
    EXPECT_DOUBLE_EQ(box("C371").asFloat(), 7);
    expectType("I");
    EXPECT_EQ(box("RECC").asInteger(), 1);
    EXPECT_EQ(box("RDM").asInteger(), 2);

    choose(12, "00");
    try {
        dm.CapturaContabilidad();
        ADD_FAILURE() << "a capture without a period";
    } catch (const tributra::Error& e) {
        EXPECT_EQ(e.text(), QStringLiteral("Debe Elegir un periodo"));
    }
}
