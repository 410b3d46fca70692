// Model 202: both pages field by field against the return's tables, the rate code that
// chooses between one rate and two, the percentage of box 29, the amount to pay, and a
// new record's defaults.
#include "returns/periodic/TDMM202.h"
#include "FileBytes.h"
#include "FixedFields.h"
#include "ReturnModuleTest.h"
#include "returns/FileViewer.h"

#include <QDate>

#include <initializer_list>
#include <utility>

namespace {

const char* const kIndicators[] = {
    "DA_3_LEY_49_2002", "DA_3_LEY_11_2009", "DA_3_POS_123", "DA_3_POS_124", "DA_3_POS_125",
    "DA_3_POS_126",     "DA_3_POS_132",     "DA_3_POS_133", "DC_6",         "IA_5_DATOS_ADICIONAL"};

class TDMM202Test : public ReturnModuleTest<TDMM202> {
protected:
    // In the order given: each entry may move the boxes computed from it.
    void enter(std::initializer_list<std::pair<const char*, double>> values) {
        for (const auto& [name, value] : values)
            box(name).setAsFloat(value);
    }
    void setRate(const char* code) { box("DA_3_POS_127").setAsString(QString::fromLatin1(code)); }
    QString page1() { return page(0, 700); }
    QString page2() { return page(700, 700); }
};

} // namespace

TEST_F(TDMM202Test, TheLineHoldsTagsAndBothPagesFieldByField) {
    choose(12, "2");
    box("D2_FECHA_INICIO").setAsDate(QDate(2018, 3, 5));
    box("D2_CNAE").setAsInteger(111);
    // Neighbouring marks differ, so that two swapped ones show.
    for (const auto& [name, value] : {std::pair{"DA_3_LEY_49_2002", 1},
                                      {"DA_3_POS_123", 1},
                                      {"DA_3_POS_125", 1},
                                      {"DA_3_POS_126", 1},
                                      {"DA_3_POS_132", 2},
                                      {"DA_3_POS_133", 1},
                                      {"IA_5_DATOS_ADICIONAL", 1},
                                      {"DC_6", 1}})
        box(name).setAsInteger(value);
    box("IA_5_NRS").setAsString(QStringLiteral("NRS0000000001"));
    box("DC_6_JUSTIFICANTE").setAsString(QStringLiteral("2021234567890"));
    box("LIQA01").setAsFloat(1000);
    EXPECT_DOUBLE_EQ(box("LIQA03").asFloat(), 180) << "18 % of box 01";
    // The new record's rate "00025": one rate, method B.1. Box 19 stays 0, so boxes 23 and
    // 25 come out negative.
    enter({{"LIQA02", 30},  {"LIQB04", 50000}, {"LIQB05", 2000}, {"LIQB06", 1100}, {"LIQB37", 300},
           {"LIQB07", 400}, {"LIQB08", 100},   {"LIQB44", 1200}, {"LIQB14", 2500}, {"LIQB45", 500},
           {"LIQB46", 200}, {"LIQB17", 18},    {"LIQB47", 10},   {"LIQB40", 20},   {"LIQB48", 35},
           {"LIQB49", 5},   {"LIQB20", 1000},  {"LIQB21", 15},   {"LIQB24", 25},   {"LIQB50", 1},
           {"LIQB42", 2},   {"LIQB51", 3},     {"LIQB52", 4},    {"LIQB27", 100},  {"LIQB28", 200},
           {"LIQB30", 300}, {"LIQB31", 9},     {"LIQB29", 100}});
    const char* const additional[] = {"IA_5_P340", "IA_5_P357", "IA_5_P374", "IA_5_P391",
                                      "IA_5_P408", "IA_5_P425", "IA_5_P442", "IA_5_P459",
                                      "IA_5_P476", "IA_5_P493", "IA_5_P510"};
    for (int k = 0; k < 11; ++k)
        box(additional[k]).setAsFloat(1001 + k);
    EXPECT_DOUBLE_EQ(box("LIQA03").asFloat(), 150);
    EXPECT_DOUBLE_EQ(box("LIQB16").asFloat(), 47500);
    EXPECT_DOUBLE_EQ(box("LIQB18").asFloat(), 8570);
    EXPECT_DOUBLE_EQ(box("LIQB32").asFloat(), 7961) << "from box 18 under one rate";
    EXPECT_DOUBLE_EQ(dm.Importe(), 7961);
    ASSERT_TRUE(dm.GeneraFichero());

    const QByteArray bytes = readBytes(test.work.file(QStringLiteral("mod202.txt")));
    ASSERT_EQ(bytes.size(), 1746 + 2);
    EXPECT_EQ(bytes.right(2), QByteArray("\r\n"));
    const QString line = QString::fromLatin1(bytes.left(1746));
    expectFields(line, {{1, 17, "<T202020182P0000>"},
                        {18, 5, "<AUX>"},
                        {93, 4, "1.0b"},
                        {101, 9, "B12312312"},
                        {323, 6, "</AUX>"},
                        {1729, 18, "</T202020182P0000>"}});
    expectFields(line.mid(328, 700),
                 {
                     {1, 12, "<T20201000> "},
                     {13, 1, "U"},
                     {14, 9, "12345678Z"},
                     {23, 60, QStringLiteral("GARCIA DE LA FUENTE").leftJustified(60)},
                     {83, 20, QStringLiteral("ANA MARIA").leftJustified(20)},
                     {103, 4, "2018"},
                     {107, 2, "2P"},
                     {109, 8, "05032018"},
                     {117, 4, "0111"},
                     {121, 1, "X"},
                     {122, 1, " "},
                     {123, 1, "X"},
                     {124, 1, " "},
                     {125, 1, "X"},
                     {126, 1, "1"},
                     {127, 5, "25   "},
                     {132, 1, "2"},
                     {133, 1, "X"},
                     {134, 17, amount17(100000)},
                     {151, 17, amount17(3000)},
                     {168, 17, amount17(15000)},
                     {185, 17, amount17(5000000)},
                     {202, 17, amount17(200000)},
                     {219, 17, amount17(110000)},
                     {236, 17, amount17(30000)},
                     {253, 17, amount17(40000)},
                     {270, 17, amount17(10000)},
                     {287, 17, amount17(240000)},
                     {304, 17, amount17(150000)},
                     {321, 17, amount17(5090000)},
                     {338, 17, amount17(120000)},
                     {355, 17, amount17(250000)},
                     {372, 17, amount17(50000)},
                     {389, 17, amount17(20000)},
                     {406, 17, amount17(4750000)},
                     {423, 5, "01800"},
                     {428, 17, amount17(1000)},
                     {445, 17, amount17(2000)},
                     {462, 17, amount17(3500)},
                     {479, 17, amount17(500)},
                     {496, 17, amount17(857000)},
                     {513, 176, blanks(176)},
                     {689, 12, "</T20201000>"},
                 });
    const QString second = line.mid(328 + 700, 700);
    expectFields(second, {
                             {1, 12, "<T20202000> "},
                             {13, 17, amount17(0)},
                             {30, 17, amount17(100000)},
                             {47, 5, "01500"},
                             {52, 17, amount17(15000)},
                             {69, 17, "N0000000000100000"},
                             {86, 5, "02500"},
                             {91, 17, "N0000000000025000"},
                             {108, 17, amount17(100)},
                             {125, 17, amount17(200)},
                             {142, 17, amount17(300)},
                             {159, 17, amount17(400)},
                             {176, 17, "N0000000000010200"},
                             {193, 17, amount17(10000)},
                             {210, 17, amount17(20000)},
                             {227, 5, "10000"},
                             {232, 17, amount17(30000)},
                             {249, 17, amount17(900)},
                             {266, 17, amount17(796100)},
                             {283, 17, amount17(0)},
                             {300, 17, amount17(796100)},
                             {317, 1, "X"},
                             {318, 22, QStringLiteral("NRS0000000001").leftJustified(22)},
                             {527, 1, "X"},
                             {528, 13, "2021234567890"},
                             {541, 34, kIban.leftJustified(34)},
                             {575, 101, blanks(101)},
                             {676, 13, blanks(13)},
                             {689, 12, "</T20202000>"},
                         });
    // Each additional amount sits at the position its name carries.
    for (int k = 0; k < 11; ++k) {
        const int position = QString::fromLatin1(additional[k]).mid(6).toInt();
        expectFields(second, {{position, 17, amount17((1001 + k) * 100)}});
    }
    const FileView view = viewFile(bytes);
    EXPECT_TRUE(view.recognized);
    EXPECT_EQ(view.faults, 0) << view.lines.join(u'\n').toStdString();
    const QString copy = drive.file(QStringLiteral("aeat/202_2018/GARCIA  DE LA FUENTE_2P.202"));
    EXPECT_EQ(readBytes(copy), bytes) << copy.toStdString();

    // The other answers, and a two-rate code written as it is.
    for (const auto& [name, value] : {std::pair{"DA_3_LEY_49_2002", 0},
                                      {"DA_3_LEY_11_2009", 1},
                                      {"DA_3_POS_123", 0},
                                      {"DA_3_POS_124", 1},
                                      {"DA_3_POS_125", 0},
                                      {"DA_3_POS_126", 0},
                                      {"DA_3_POS_132", 3},
                                      {"DA_3_POS_133", 0},
                                      {"IA_5_DATOS_ADICIONAL", 0},
                                      {"DC_6", 0}})
        box(name).setAsInteger(value);
    setRate("04/25");
    expectFields(page1(), {{121, 13, " X X 004/253 "}});
    expectFields(page2(), {{317, 1, " "}, {527, 1, " "}});
}

TEST_F(TDMM202Test, TheRateCodeChoosesTheBaseAndTheResult) {
    choose(12, "1");
    // 13 = 10000; one rate takes 14, 44, 45 and 46 into box 16, two rates only 14 and 44
    // into box 19. Box 23 is 19 - 20, so it too tells the method.
    enter({{"LIQB04", 10000},
           {"LIQB44", 1000},
           {"LIQB14", 2000},
           {"LIQB45", 500},
           {"LIQB46", 200},
           {"LIQB17", 10},
           {"LIQB20", 4000},
           {"LIQB21", 25},
           {"LIQB24", 30},
           {"LIQB27", 100}});
    struct Case {
        const char* code;
        const char* written;
        bool twoRates;
    };
    for (const Case& c : {Case{"00025", "25   ", false},
                          {"04/25", "04/25", true},
                          {"00000", "     ", false},
                          {"20/25", "20/25", true},
                          {"00001", "01   ", false},
                          {"25/30", "25/30", true},
                          {"00030", "30   ", false}}) {
        SCOPED_TRACE(c.code);
        setRate(c.code);
        expectFields(page1(), {{127, 5, QString::fromLatin1(c.written)}});
        EXPECT_DOUBLE_EQ(box("LIQB16").asFloat(), c.twoRates ? 0 : 7300);
        EXPECT_DOUBLE_EQ(box("LIQB18").asFloat(), c.twoRates ? 0 : 730);
        EXPECT_DOUBLE_EQ(box("LIQB19").asFloat(), c.twoRates ? 7000 : 0);
        EXPECT_DOUBLE_EQ(box("LIQB22").asFloat(), 1000);
        EXPECT_DOUBLE_EQ(box("LIQB23").asFloat(), c.twoRates ? 3000 : -4000);
        EXPECT_DOUBLE_EQ(box("LIQB26").asFloat(), c.twoRates ? 1900 : -200);
        EXPECT_DOUBLE_EQ(box("LIQB32").asFloat(), c.twoRates ? 1800 : 630)
            << "from box 26 or box 18";
        EXPECT_DOUBLE_EQ(box("LIQB34").asFloat(), box("LIQB32").asFloat());
    }
    // Under two rates a change of the base reaches box 23 as 19 - 20; 45 does not count.
    setRate("20/25");
    box("LIQB14").setAsFloat(3000);
    box("LIQB45").setAsFloat(900);
    EXPECT_DOUBLE_EQ(box("LIQB16").asFloat(), 0);
    EXPECT_DOUBLE_EQ(box("LIQB19").asFloat(), 6000);
    EXPECT_DOUBLE_EQ(box("LIQB23").asFloat(), 2000);
    EXPECT_DOUBLE_EQ(box("LIQB32").asFloat(), 1500);
    EXPECT_DOUBLE_EQ(box("LIQB34").asFloat(), 1500);
}

TEST_F(TDMM202Test, Box29IsAPercentageOfTheResultThatStaysApplied) {
    choose(12, "1");
    enter({{"LIQB04", 2000}, {"LIQB17", 10}});
    ASSERT_DOUBLE_EQ(box("LIQB32").asFloat(), 200);
    struct Step {
        const char* name;
        double value;
        double result;
    };
    for (const Step& s : {Step{"LIQB29", 50, 100},
                          {"LIQB29", 80, 160},
                          {"LIQB29", 50, 100},
                          {"LIQB29", 50, 100},
                          {"LIQB27", 20, 90},
                          {"LIQB29", 0, 180},
                          {"LIQB29", 50, 90}}) {
        box(s.name).setAsFloat(s.value);
        EXPECT_DOUBLE_EQ(box("LIQB32").asFloat(), s.result) << s.name << " = " << s.value;
        EXPECT_DOUBLE_EQ(box("LIQB34").asFloat(), s.result) << s.name << " = " << s.value;
    }
    expectFields(page2(),
                 {{227, 5, "05000"}, {266, 17, amount17(9000)}, {300, 17, amount17(9000)}});
}

TEST_F(TDMM202Test, TheAmountIsTheLargerOfBoxes34And03) {
    choose(12, "1");
    enter({{"LIQA01", 250}, {"LIQA02", 40}, {"LIQB27", 10}});
    ASSERT_DOUBLE_EQ(box("LIQA03").asFloat(), 5);
    ASSERT_DOUBLE_EQ(box("LIQB34").asFloat(), -10);
    EXPECT_DOUBLE_EQ(dm.Importe(), 5);
    enter({{"LIQB04", 900}, {"LIQB17", 2}}); // 18 = 18, so 34 = 8
    ASSERT_DOUBLE_EQ(box("LIQB34").asFloat(), 8);
    EXPECT_DOUBLE_EQ(dm.Importe(), 8);
}

TEST_F(TDMM202Test, ANewRecordsDefaultsAndTheAccountOfEveryType) {
    choose(13, "1");
    EXPECT_EQ(box("D2_FECHA_INICIO").asDate(), QDate(2018, 1, 1));
    EXPECT_EQ(box("DA_3_POS_127").asString(), QStringLiteral("00025"));
    EXPECT_EQ(box("TIPO").asString(), QStringLiteral("U"))
        << "whatever the taxpayer's way of paying";
    for (const char* indicator : kIndicators)
        EXPECT_EQ(box(indicator).asInteger(), 0) << indicator;
    EXPECT_TRUE(box("IBAN").isNull());
    expectFields(dm.ComponeFichero(), {{1, 17, "<T202020181P0000>"}});
    expectFields(page1(), {{13, 1, "U"},
                           {14, 9, "B30000001"},
                           {23, 60, QStringLiteral("TALLERES DEL SEGURA SL").leftJustified(60)},
                           {83, 20, blanks(20)},
                           {107, 2, "1P"},
                           {109, 8, "01012018"},
                           {121, 13, "     025   0 "}});
    expectFields(page2(), {{317, 1, " "}, {527, 1, " "}, {541, 34, blanks(34)}});

    // A negative declaration still carries the account.
    choose(12, "3");
    EXPECT_EQ(box("IBAN").asString(), kIban);
    box("TIPO").setAsString(QStringLiteral("N"));
    expectFields(dm.ComponeFichero(), {{1, 17, "<T202020183P0000>"}});
    expectFields(page1(), {{13, 1, "N"}, {107, 2, "3P"}});
    expectFields(page2(), {{541, 34, kIban.leftJustified(34)}});
    ASSERT_TRUE(dm.GeneraFichero());
    const FileView view = viewFile(readBytes(test.work.file(QStringLiteral("mod202.txt"))));
    EXPECT_EQ(view.faults, 0) << view.lines.join(u'\n').toStdString();
}
