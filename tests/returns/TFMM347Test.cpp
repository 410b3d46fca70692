// Model 347's form from the taxpayer to the file: the return chosen, a declared party typed
// with its quarters, the lists switched, the file written.
#include "returns/informative/TFMM347.h"
#include "ReturnFormTest.h"
#include "framework/DBEdit.h"
#include "framework/TDBEDITFIND.h"
#include "framework/TDBNavigatorVC.h"
#include "returns/informative/TDMM347.h"

#include <QFileInfo>
#include <QStackedWidget>
#include <QToolButton>

namespace {

using Button = TDBNavigatorVC::Button;

class TFMM347Test : public ReturnFormTest<TFMM347> {
protected:
    // A box of the declared parties' card (the premises' card has fields of the same names).
    QLineEdit* declarado(const char* field) {
        return form.PDetalle->widget(0)->findChild<QLineEdit*>(QStringLiteral("DBE") +
                                                               QLatin1String(field));
    }
};

TEST_F(TFMM347Test, FromTheTaxpayerToTheFile) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Declaración anual de operaciones - MODELO 347"));
    form.NavMain->BtnClick(Button::Insert);
    type(form.EDeclarante, QStringLiteral("12"));
    form.NavMain->BtnClick(Button::Post);
    EXPECT_EQ(record().field(QStringLiteral("DECLARANTE")).asInteger(), 12);

    form.NavDetalle->button(Button::Insert)->click();
    type(declarado("NIF"), QStringLiteral("B30000066"));
    type(declarado("DECLARADO"), QStringLiteral("CLIENTE SL"));
    type(declarado("PRIMERO"), QStringLiteral("1000.5"));
    type(declarado("SEGUNDO"), QStringLiteral("2500"));
    EXPECT_EQ(declarado("IMPORTE")->text(), QStringLiteral("3.500,50"));
    // The quarters make the annual amount; a country only for a party abroad.
    EXPECT_TRUE(form.EImporte->isReadOnly());
    EXPECT_FALSE(form.EPais->isEnabled());
    declarado("PROVINCIA")->setFocus();
    declarado("PROVINCIA")->selectAll(); // over the office's province
    type(declarado("PROVINCIA"), QStringLiteral("99"));
    EXPECT_TRUE(form.EPais->isEnabled());
    form.dm().QDeclarados.field(QStringLiteral("CC")).setAsInteger(1);
    EXPECT_FALSE(form.EImporte->isReadOnly()) << "a cash-basis party's amount is typed";
    form.dm().QDeclarados.field(QStringLiteral("CC")).setAsInteger(0);
    form.dm().QDeclarados.field(QStringLiteral("PROVINCIA")).setAsString(QStringLiteral("30"));
    EXPECT_FALSE(form.EPais->isEnabled());
    form.NavDetalle->button(Button::Post)->click();
    EXPECT_EQ(form.dm().QDeclarados.field(QStringLiteral("ORDEN")).asInteger(), 1);

    form.btInmuebles->click();
    EXPECT_EQ(form.NavDetalle->dataSource(), &form.dm().QInmuebles);
    EXPECT_EQ(form.PDetalle->currentIndex(), 1);
    form.btDeclarados->click();
    EXPECT_EQ(form.NavDetalle->dataSource(), &form.dm().QDeclarados);

    form.btImprime->click();
    EXPECT_EQ(
        QFileInfo(drive.file(QStringLiteral("aeat/347_2018/GARCIA  DE LA FUENTE_0A.347"))).size(),
        2 * 502)
        << "the declarant and the party, each 500 characters and CR LF";
    ASSERT_FALSE(test.prompts.log().isEmpty());
    EXPECT_TRUE(test.prompts.log().last().contains(QStringLiteral("Declaración grabada")));
}

} // namespace
