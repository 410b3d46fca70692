// Model 123: its page field by field against the return's table, the computed boxes and the
// payment, and what a negative declaration leaves out.
#include "returns/periodic/TDMM123.h"
#include "FileBytes.h"
#include "FixedFields.h"
#include "ReturnModuleTest.h"
#include "returns/FileViewer.h"

namespace {

class TDMM123Test : public ReturnModuleTest<TDMM123> {
protected:
    QString page() { return ReturnModuleTest::page(0, 500); }
};

} // namespace

TEST_F(TDMM123Test, TheLineHoldsTagsAndThePageFieldByField) {
    choose(12, "02");
    EXPECT_EQ(box("TIPO").asString(), QStringLiteral("U"));
    EXPECT_EQ(box("IBAN").asString(), kIban);
    box("C01").setAsInteger(3);
    box("C02").setAsFloat(1000);
    box("C03").setAsFloat(100);
    box("C04").setAsFloat(50);
    box("C05").setAsFloat(20.5);
    box("C07").setAsFloat(30);
    EXPECT_DOUBLE_EQ(box("C06").asFloat(), 120.5);
    EXPECT_DOUBLE_EQ(box("C08").asFloat(), 90.5);
    box("ES_COMPLEMENTARIA").setAsInteger(1);
    box("C602").setAsString(QStringLiteral("1231234567890"));
    ASSERT_TRUE(dm.GeneraFichero());

    const QByteArray bytes = readBytes(test.work.file(QStringLiteral("mod123.txt")));
    ASSERT_EQ(bytes.size(), 846 + 2);
    EXPECT_EQ(bytes.right(2), QByteArray("\r\n"));
    const QString line = QString::fromLatin1(bytes.left(846));
    expectFields(line, {{1, 17, "<T12302018020000>"},
                        {18, 5, "<AUX>"},
                        {93, 4, "1.0 "},
                        {101, 9, "B12312312"},
                        {323, 6, "</AUX>"},
                        {829, 18, "</T12302018020000>"}});
    expectFields(line.mid(328, 500),
                 {
                     {1, 12, "<T12301000> "},
                     {13, 1, "U"},
                     {14, 9, "12345678Z"},
                     {23, 60, QStringLiteral("GARCIA DE LA FUENTE").leftJustified(60)},
                     {83, 20, QStringLiteral("ANA MARIA").leftJustified(20)},
                     {103, 4, "2018"},
                     {107, 2, "02"},
                     {109, 15, "000000000000003"},
                     {124, 17, amount17(100000)},
                     {141, 17, amount17(10000)},
                     {158, 17, amount17(5000)},
                     {175, 17, amount17(2050)},
                     {192, 17, amount17(12050)},
                     {209, 17, amount17(3000)},
                     {226, 17, amount17(9050)},
                     {243, 1, "X"},
                     {244, 13, "1231234567890"},
                     {257, 34, kIban.leftJustified(34)},
                     {291, 185, blanks(185)},
                     {476, 13, blanks(13)},
                     {489, 12, "</T12301000>"},
                 });

    const FileView view = viewFile(bytes);
    EXPECT_TRUE(view.recognized);
    EXPECT_EQ(view.faults, 0) << view.lines.join(u'\n').toStdString();
    const QString copy = drive.file(QStringLiteral("aeat/123_2018/GARCIA  DE LA FUENTE_02.123"));
    EXPECT_EQ(readBytes(copy), bytes) << copy.toStdString();
}

TEST_F(TDMM123Test, ComputedBoxesLeaveOutBox04AndThePaymentFollows08) {
    choose(12, "4T");
    box("C03").setAsFloat(100);
    box("C05").setAsFloat(20);
    EXPECT_DOUBLE_EQ(box("C06").asFloat(), 120);
    box("C04").setAsFloat(50);
    EXPECT_DOUBLE_EQ(box("C06").asFloat(), 120) << "box 04 takes no part";
    EXPECT_DOUBLE_EQ(box("C08").asFloat(), 120);
    EXPECT_DOUBLE_EQ(box("C4I").asFloat(), 120);

    box("C07").setAsFloat(200);
    EXPECT_DOUBLE_EQ(box("C08").asFloat(), -80);
    EXPECT_DOUBLE_EQ(box("C4I").asFloat(), -80);
    box("C05").setAsFloat(-20);
    EXPECT_DOUBLE_EQ(box("C08").asFloat(), -120) << "08 follows a change of 06";
    EXPECT_DOUBLE_EQ(box("C4I").asFloat(), -120);

    const QString line = dm.ComponeFichero();
    expectFields(line, {{1, 17, "<T123020184T0000>"}});
    expectFields(line.mid(328, 500), {{107, 2, "4T"},
                                      {109, 15, QString(15, u'0')},
                                      {175, 17, "N0000000000002000"},
                                      {192, 17, amount17(8000)},
                                      {226, 17, "N0000000000012000"},
                                      {243, 14, blanks(14)}});
}

TEST_F(TDMM123Test, ANegativeDeclarationCarriesNoAccount) {
    choose(12, "1T");
    box("TIPO").setAsString(QStringLiteral("N"));
    ASSERT_FALSE(box("IBAN").isNull()) << "the account is stored, yet not written";
    ASSERT_TRUE(dm.GeneraFichero());
    const QByteArray bytes = readBytes(test.work.file(QStringLiteral("mod123.txt")));
    expectFields(QString::fromLatin1(bytes).mid(328, 500), {{13, 1, "N"}, {257, 34, blanks(34)}});
    const FileView view = viewFile(bytes);
    EXPECT_EQ(view.faults, 0) << view.lines.join(u'\n').toStdString();
}
