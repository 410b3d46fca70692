// What lives in model 111's form: where the focus goes, the complementary mode, and the
// road of a user from a new record to the written file.
#include "returns/periodic/TFMM111.h"
#include "QtPrinters.h"
#include "ReturnFormTest.h"
#include "db/Statement.h"
#include "framework/DBEdit.h"
#include "framework/DataModules.h"
#include "framework/FormManager.h"
#include "framework/TDBComboBoxVC.h"
#include "framework/TDBEDITFIND.h"
#include "framework/TDBNavigatorVC.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTabWidget>
#include <QTest>

namespace {

using Button = TDBNavigatorVC::Button;

using TFMM111Test = ReturnFormTest<TFMM111>;

TEST_F(TFMM111Test, InsertShowsTheFirstPageAndFocusesTheTaxpayerEditFocusesBox01) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Retenciones e ingresos a cuenta   - MODELO 111"));
    form.PCModelo->setCurrentIndex(2);
    form.NavMain->BtnClick(Button::Insert);
    EXPECT_EQ(form.PCModelo->currentIndex(), 0);
    EXPECT_EQ(QApplication::focusWidget(), form.EContribuyente);
    type(form.EContribuyente, QStringLiteral("13"));
    choosePeriod(1);
    form.NavMain->BtnClick(Button::Post);

    form.PCModelo->setCurrentIndex(1);
    form.NavMain->BtnClick(Button::Edit);
    EXPECT_EQ(form.PCModelo->currentIndex(), 0);
    EXPECT_EQ(QApplication::focusWidget(), edit("C3I01"));
}

TEST_F(TFMM111Test, TheComplementaryModeShowsTheReceiptAndOpensBox29) {
    QLineEdit* box29 = edit("C3T02");
    form.NavMain->BtnClick(Button::Insert);
    EXPECT_FALSE(form.complementaria());
    EXPECT_TRUE(form.LComplementaria->isHidden());
    EXPECT_TRUE(form.EJustificante->isHidden());
    EXPECT_TRUE(box29->isReadOnly());
    form.btcomplementaria->click();
    EXPECT_TRUE(form.complementaria());
    EXPECT_FALSE(form.LComplementaria->isHidden());
    EXPECT_FALSE(form.LJustificante->isHidden());
    EXPECT_FALSE(form.EJustificante->isHidden());
    EXPECT_FALSE(box29->isReadOnly());
    form.btcomplementaria->click();
    EXPECT_TRUE(form.EJustificante->isHidden());
    EXPECT_TRUE(box29->isReadOnly());
    form.NavMain->BtnClick(Button::Cancel);

    // A stored receipt turns the mode on when the period has chosen that record.
    db::Statement s(test.main.Database, test.main.TLocal);
    s.setSql(QStringLiteral("insert into T_MOD111 (CONTRIBUYENTE, PERIODO, TIPO, C602) "
                            "values (13, '2T', 'I', '1110000000123')"));
    s.execute();
    test.main.TLocal.commitRetaining();
    form.NavMain->BtnClick(Button::Insert);
    type(form.EContribuyente, QStringLiteral("13"));
    choosePeriod(2);
    EXPECT_EQ(record().state(), db::DataSet::State::Edit);
    EXPECT_TRUE(form.complementaria());
    EXPECT_EQ(form.EJustificante->text(), QStringLiteral("1110000000123"));
    EXPECT_FALSE(box29->isReadOnly());
}

// The period picked with the mouse counts at once: the capture clicked next asks the books
// for that quarter, though the focus never left the period box.
TEST_F(TFMM111Test, ThePeriodPickedWithTheMouseIsTheOneTheCaptureAsksFor) {
    TestDatabase accounting(test.work, kAccounting, QStringLiteral("conta.fdb"));
    accounting.database().close();
    db::Statement s(test.main.Database, test.main.TLocal);
    s.setSql(QStringLiteral("update T_CONTRIBUYENTES set FICHERO_CTBLE = '%1' "
                            "where CONTRIBUYENTE = 12")
                 .arg(accounting.path()));
    s.execute();
    test.main.TLocal.commitRetaining();

    form.NavMain->BtnClick(Button::Insert);
    type(form.EContribuyente, QStringLiteral("12"));
    form.DBComboBoxVC3->showPopup();
    QAbstractItemView* list = form.DBComboBoxVC3->view();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(2, 0)).center());
    EXPECT_EQ(record().field(QStringLiteral("PERIODO")).asString(), QStringLiteral("2T"));
    QTest::mouseClick(form.sbCapturaConta, Qt::LeftButton);

    EXPECT_TRUE(test.prompts.log().isEmpty()) << test.prompts.log().join(u'\n').toStdString();
    EXPECT_DOUBLE_EQ(record().field(QStringLiteral("C3I02")).asFloat(), 430)
        << "the second quarter's dates, 1 April to 30 June";
}

TEST_F(TFMM111Test, FromANewRecordToTheWrittenFile) {
    form.NavMain->BtnClick(Button::Insert);
    type(form.EContribuyente, QStringLiteral("12"));
    EXPECT_EQ(form.ETitulo->text(), QStringLiteral("GARCIA  DE LA FUENTE ANA  MARIA"));
    choosePeriod(3);
    EXPECT_EQ(record().field(QStringLiteral("PERIODO")).asString(), QStringLiteral("3T"));
    EXPECT_EQ(edit("TITULO_ADMON")->text(), QStringLiteral("MURCIA"));

    type(edit("C3I02"), QStringLiteral("1200.5"));
    type(edit("C3I03"), QStringLiteral("180.07"));
    EXPECT_DOUBLE_EQ(record().field(QStringLiteral("C3I02")).asFloat(), 1200.5)
        << "a typed point is the decimal comma";
    EXPECT_EQ(edit("C3T01")->text(), QStringLiteral("180,07"));
    EXPECT_EQ(edit("C3T03")->text(), QStringLiteral("180,07"));
    EXPECT_TRUE(edit("C3T01")->isReadOnly());
    EXPECT_FALSE(form.btTelematica->isEnabled()) << "a record being edited is saved first";

    form.NavMain->BtnClick(Button::Post);
    ASSERT_TRUE(form.btTelematica->isEnabled());
    form.btTelematica->click();
    EXPECT_TRUE(
        QFile::exists(drive.file(QStringLiteral("aeat/111_2018/GARCIA  DE LA FUENTE_3T.111"))));
    ASSERT_FALSE(test.prompts.log().isEmpty());
    EXPECT_TRUE(
        test.prompts.log().last().startsWith(QStringLiteral("information: Declaración grabada")));
}

} // namespace
