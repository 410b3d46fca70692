// Model 131: the page field by field against the return's table, the five activities and
// the boxes that follow them, and the account of a negative declaration.
#include "returns/periodic/TDMM131.h"
#include "FileBytes.h"
#include "FixedFields.h"
#include "ReturnModuleTest.h"
#include "returns/FileViewer.h"

#include <utility>

namespace {

// An activity row nobody filled: no heading, and every figure 0.
QString emptyActivity() {
    return blanks(4) + QString(17, u'0') + QStringLiteral("00000") + QString(17, u'0');
}

class TDMM131Test : public ReturnModuleTest<TDMM131> {
protected:
    QString page() { return ReturnModuleTest::page(0, 751); }
};

} // namespace

TEST_F(TDMM131Test, TheLineHoldsTagsAndThePageFieldByField) {
    choose(12, "3");
    EXPECT_EQ(box("TIPO").asString(), QStringLiteral("U"));
    // Activities 1, 2 and 5 differ in every column; 3 and 4 stay empty. Yield and
    // percentage are typed in both orders.
    box("C3I01A1").setAsString(QStringLiteral("6591"));
    box("C3I02A1").setAsFloat(10000);
    box("C3I03A1").setAsFloat(4);
    box("C3I01A2").setAsString(QStringLiteral("7221"));
    box("C3I03A2").setAsFloat(12.5);
    box("C3I02A2").setAsFloat(2500.5);
    box("C3I01A5").setAsString(QStringLiteral("0472"));
    box("C3I02A5").setAsFloat(800);
    box("C3I03A5").setAsFloat(1);
    EXPECT_DOUBLE_EQ(box("C3I04A1").asFloat(), 400);
    EXPECT_DOUBLE_EQ(box("C3I04A2").asFloat(), 312.5625);
    EXPECT_DOUBLE_EQ(box("C3I04A5").asFloat(), 8);
    EXPECT_DOUBLE_EQ(box("C301").asFloat(), 13300.5);
    EXPECT_DOUBLE_EQ(box("C302").asFloat(), 720.5625);
    for (const auto& [name, value] : {std::pair{"C303", 5000.0},
                                      {"C305", 2000.0},
                                      {"C308", 1000.0},
                                      {"C309", 50.0},
                                      {"C311", 10.0},
                                      {"C312", 20.0},
                                      {"C314", 5.0}})
        box(name).setAsFloat(value);
    EXPECT_DOUBLE_EQ(box("C315").asFloat(), -224.4375) << "withholdings above the instalments";
    EXPECT_EQ(box("TIPO").asString(), QStringLiteral("U")) << "no type is chosen from the result";
    box("ES_COMPLEMENTARIA").setAsInteger(1);
    box("JUSTIFICANTE").setAsString(QStringLiteral("1311234567890"));
    ASSERT_TRUE(dm.GeneraFichero());

    const QByteArray bytes = readBytes(test.work.file(QStringLiteral("mod131.txt")));
    ASSERT_EQ(bytes.size(), 1097 + 2);
    EXPECT_EQ(bytes.right(2), QByteArray("\r\n"));
    const QString line = QString::fromLatin1(bytes.left(1097));
    expectFields(line, {{1, 17, "<T131020183T0000>"},
                        {18, 5, "<AUX>"},
                        {93, 4, "1.1a"},
                        {101, 9, "B12312312"},
                        {323, 6, "</AUX>"},
                        {1080, 18, "</T131020183T0000>"}});
    expectFields(line.mid(328, 751),
                 {
                     {1, 12, "<T13101000> "},
                     {13, 1, "U"},
                     {14, 9, "12345678Z"},
                     {23, 60, QStringLiteral("GARCIA DE LA FUENTE").leftJustified(60)},
                     {83, 20, QStringLiteral("ANA MARIA").leftJustified(20)},
                     {103, 4, "2018"},
                     {107, 2, "3T"},
                     {109, 4, "6591"},
                     {113, 17, amount17(1000000)},
                     {130, 5, "00400"},
                     {135, 17, amount17(40000)},
                     {152, 4, "7221"},
                     {156, 17, amount17(250050)},
                     {173, 5, "01250"},
                     {178, 17, amount17(31256)},
                     {195, 43, emptyActivity()},
                     {238, 43, emptyActivity()},
                     {281, 4, "0472"},
                     {285, 17, amount17(80000)},
                     {302, 5, "00100"},
                     {307, 17, amount17(800)},
                     {324, 17, amount17(1330050)},
                     {341, 17, amount17(72056)},
                     {358, 17, amount17(500000)},
                     {375, 17, amount17(10000)},
                     {392, 17, amount17(200000)},
                     {409, 17, amount17(4000)},
                     {426, 17, amount17(86056)},
                     {443, 17, amount17(100000)},
                     {460, 17, amount17(5000)},
                     {477, 17, "N0000000000018944"},
                     {494, 17, amount17(1000)},
                     {511, 17, amount17(2000)},
                     {528, 17, "N0000000000021944"},
                     {545, 17, amount17(500)},
                     {562, 17, "N0000000000022444"},
                     {579, 34, kIban.leftJustified(34)},
                     {613, 1, "X"},
                     {614, 13, "1311234567890"},
                     {627, 100, blanks(100)},
                     {727, 13, blanks(13)},
                     {740, 12, "</T13101000>"},
                 });
    const FileView view = viewFile(bytes);
    EXPECT_TRUE(view.recognized);
    EXPECT_EQ(view.faults, 0) << view.lines.join(u'\n').toStdString();
    const QString copy = drive.file(QStringLiteral("aeat/131_2018/GARCIA  DE LA FUENTE_3T.131"));
    EXPECT_EQ(readBytes(copy), bytes) << copy.toStdString();
}

TEST_F(TDMM131Test, ANegativeDeclarationCarriesNoAccount) {
    choose(12, "1");
    ASSERT_EQ(box("IBAN").asString(), kIban);
    box("TIPO").setAsString(QStringLiteral("N"));
    const QString line = dm.ComponeFichero();
    expectFields(line, {{1, 17, "<T131020181T0000>"}});
    expectFields(page(), {{13, 1, "N"},
                          {107, 2, "1T"},
                          {579, 34, blanks(34)},
                          {613, 1, " "},
                          {614, 13, blanks(13)}});
}

TEST_F(TDMM131Test, BoxesFollowEveryActivityAndEachOther) {
    choose(12, "2");
    struct Activity {
        const char *yield, *percentage, *result;
    };
    const Activity activities[] = {{"C3I02A1", "C3I03A1", "C3I04A1"},
                                   {"C3I02A2", "C3I03A2", "C3I04A2"},
                                   {"C3I02A3", "C3I03A3", "C3I04A3"},
                                   {"C3I02A4", "C3I03A4", "C3I04A4"},
                                   {"C3I02A5", "C3I03A5", "C3I04A5"}};
    // Activity n yields 1000 n at n %, so a row read into another's result shows.
    double yields = 0, results = 0;
    for (int n = 1; n <= 5; ++n) {
        const Activity& a = activities[n - 1];
        box(a.percentage).setAsFloat(n);
        box(a.yield).setAsFloat(1000.0 * n);
        yields += 1000.0 * n;
        results += 10.0 * n * n;
        EXPECT_DOUBLE_EQ(box(a.result).asFloat(), 10.0 * n * n) << a.result;
        EXPECT_DOUBLE_EQ(box("C301").asFloat(), yields) << "after activity " << n;
        EXPECT_DOUBLE_EQ(box("C302").asFloat(), results) << "after activity " << n;
    }
    box("C3I03A1").setAsFloat(0);
    EXPECT_DOUBLE_EQ(box("C3I04A1").asFloat(), 0);
    EXPECT_DOUBLE_EQ(box("C302").asFloat(), 540);
    // At 0 % the result stays 0, but the yield still counts in box 01.
    box("C3I02A1").setAsFloat(7000);
    EXPECT_DOUBLE_EQ(box("C3I04A1").asFloat(), 0);
    EXPECT_DOUBLE_EQ(box("C301").asFloat(), 21000);
    EXPECT_DOUBLE_EQ(box("C302").asFloat(), 540);

    box("C303").setAsFloat(3000);
    EXPECT_DOUBLE_EQ(box("C304").asFloat(), 60) << "2 % of box 03";
    box("C305").setAsFloat(1500);
    EXPECT_DOUBLE_EQ(box("C306").asFloat(), 30) << "2 % of box 05";
    EXPECT_DOUBLE_EQ(box("C307").asFloat(), 630);
    box("C308").setAsFloat(100);
    box("C309").setAsFloat(20);
    EXPECT_DOUBLE_EQ(box("C310").asFloat(), 510);
    box("C311").setAsFloat(40);
    box("C312").setAsFloat(50);
    EXPECT_DOUBLE_EQ(box("C313").asFloat(), 420);
    box("C314").setAsFloat(400);
    EXPECT_DOUBLE_EQ(box("C315").asFloat(), 20);
    // A change at the top ripples down to box 15.
    box("C3I03A2").setAsFloat(5);
    EXPECT_DOUBLE_EQ(box("C302").asFloat(), 600);
    EXPECT_DOUBLE_EQ(box("C307").asFloat(), 690);
    EXPECT_DOUBLE_EQ(box("C315").asFloat(), 80);
}
