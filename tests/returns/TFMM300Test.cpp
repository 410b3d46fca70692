// What lives in model 303's form: the panels its answers open, the result that closes the
// "without activity" box, the fourth quarter's own navigator, and the road to the file.
#include "returns/periodic/TFMM300.h"
#include "ReturnFormTest.h"
#include "framework/DBCheckBox.h"
#include "framework/DataModules.h"
#include "framework/FormManager.h"
#include "framework/TDBComboBoxVC.h"
#include "framework/TDBEDITFIND.h"
#include "framework/TDBNavigatorVC.h"
#include "returns/periodic/TDMM300.h"

#include <QApplication>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

using Button = TDBNavigatorVC::Button;

class TFMM300Test : public ReturnFormTest<TFMM300> {
protected:
    // A new record of taxpayer 12 for the period at that place of the list.
    void start(int period) {
        form.NavMain->BtnClick(Button::Insert);
        type(form.EContribuyente, QStringLiteral("12"));
        choosePeriod(period);
    }
};

TEST_F(TFMM300Test, TheAnswersOpenTheirPanelsAndTheResultClosesTheNoActivityBox) {
    EXPECT_EQ(form.windowTitle(),
              QStringLiteral("Impuesto sobre el valor añadido - MODELO 303. Autoliquidación"));
    start(1);
    EXPECT_FALSE(form.PConcurso->isEnabled());
    QTest::mouseClick(form.CBConcurso, Qt::LeftButton);
    EXPECT_EQ(record().field(QStringLiteral("ES_CONCURSO_ACREEDORES")).asInteger(), 1);
    EXPECT_TRUE(form.PConcurso->isEnabled());

    EXPECT_FALSE(form.EJustificante->isEnabled());
    EXPECT_FALSE(form.DBResultadoAnterior->isEnabled());
    form.CBComplementaria->click();
    EXPECT_TRUE(form.EJustificante->isEnabled());
    EXPECT_TRUE(form.DBResultadoAnterior->isEnabled());

    EXPECT_TRUE(form.CBSinActividad->isEnabled()) << "a result of 0";
    type(edit("C301"), QStringLiteral("1000"));
    EXPECT_EQ(edit("C371")->text(), QStringLiteral("210,00"));
    EXPECT_FALSE(form.CBSinActividad->isEnabled());
    type(form.DBResultadoAnterior, QStringLiteral("210"));
    EXPECT_TRUE(form.CBSinActividad->isEnabled());
    EXPECT_EQ(record().field(QStringLiteral("TIPO")).asString(), QStringLiteral("C"));
}

TEST_F(TFMM300Test, TheFourthQuartersNavigatorAddsOneRowOnItsQuarterOnly) {
    start(1); // 1T
    form.NavDetalle->button(Button::Insert)->click();
    ASSERT_FALSE(test.prompts.log().isEmpty());
    EXPECT_TRUE(
        test.prompts.log().last().contains(QStringLiteral("Información solo para el 4º TRIMESTRE")))
        << test.prompts.log().last().toStdString();
    form.NavMain->BtnClick(Button::Cancel);

    start(4); // 4T
    form.NavDetalle->button(Button::Insert)->click();
    db::DataSet& detail = form.dm300().QDetalle4T;
    EXPECT_EQ(detail.state(), db::DataSet::State::Insert);
    EXPECT_EQ(edit("TITULO_AP")->text(), QStringLiteral("ALQUILER DE LOCALES INDUSTRIALES"));
    type(edit("C080"), QStringLiteral("1500"));
    EXPECT_EQ(edit("C088")->text(), QStringLiteral("1.500,00"));
    form.NavMain->BtnClick(Button::Post);
    EXPECT_EQ(detail.state(), db::DataSet::State::Browse) << "saved with the return";
    ASSERT_EQ(detail.recordCount(), 1);

    form.btTelematica->click();
    EXPECT_TRUE(
        test.prompts.log().last().startsWith(QStringLiteral("information: Declaración grabada")))
        << test.prompts.log().last().toStdString();
    EXPECT_TRUE(
        QFile::exists(drive.file(QStringLiteral("aeat/303_2018/GARCIA  DE LA FUENTE_4T.303"))));
}

} // namespace
