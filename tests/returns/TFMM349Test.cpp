// Model 349's form from the taxpayer and period to the file: an operation typed, the lists
// switched, the records and their cover file written.
#include "returns/informative/TFMM349.h"
#include "ReturnFormTest.h"
#include "framework/TDBComboBoxVC.h"
#include "framework/TDBEDITFIND.h"
#include "framework/TDBNavigatorVC.h"
#include "returns/informative/TDMM349.h"

#include <QFileInfo>
#include <QStackedWidget>
#include <QToolButton>

namespace {

using Button = TDBNavigatorVC::Button;

class TFMM349Test : public ReturnFormTest<TFMM349> {
protected:
    // A box of the operations' card (the corrections' card has fields of the same names).
    QLineEdit* operacion(const char* field) {
        return form.PDetalle->widget(0)->findChild<QLineEdit*>(QStringLiteral("DBE") +
                                                               QLatin1String(field));
    }
};

TEST_F(TFMM349Test, FromTheTaxpayerAndPeriodToTheFile) {
    EXPECT_EQ(form.windowTitle(),
              QStringLiteral("Resumen operaciones con la Unión Europea. Modelo 349"));
    form.NavMain->BtnClick(Button::Insert);
    type(form.EDeclarante, QStringLiteral("12"));
    form.DBPeriodo->setFocus();
    QTest::keyClick(form.DBPeriodo, Qt::Key_Down); // "Seleccione un período"
    QTest::keyClick(form.DBPeriodo, Qt::Key_Down); // 1T
    QTest::keyClick(form.DBPeriodo, Qt::Key_Tab);
    form.NavMain->BtnClick(Button::Post);
    EXPECT_EQ(record().field(QStringLiteral("PERIODO")).asString(), QStringLiteral("1T"));

    form.NavDetalle->button(Button::Insert)->click();
    type(operacion("PAIS"), QStringLiteral("FR"));
    type(operacion("NIF"), QStringLiteral("12345678"));
    type(operacion("DECLARADO"), QStringLiteral("DUPONT SARL"));
    type(operacion("IMPORTE"), QStringLiteral("1500.5"));
    form.NavDetalle->button(Button::Post)->click();
    EXPECT_EQ(form.dm().QOperaciones.field(QStringLiteral("IMPORTE")).asFloat(), 1500.5);
    EXPECT_EQ(form.dm().QOperaciones.field(QStringLiteral("CLAVE")).asString(),
              QStringLiteral("A"));

    form.btRectificaciones->click();
    EXPECT_EQ(form.NavDetalle->dataSource(), &form.dm().QRectificaciones);
    form.btOperaciones->click();

    form.btImprime->click();
    EXPECT_EQ(QFileInfo(test.work.file(QStringLiteral("mod349.txt"))).size(), 2 * 502);
    EXPECT_TRUE(QFileInfo::exists(test.work.file(QStringLiteral("caratula.txt"))));
    ASSERT_FALSE(test.prompts.log().isEmpty());
    EXPECT_TRUE(
        test.prompts.log().last().contains(QStringLiteral("Se ha generado el archivo mod349.txt")));
}

} // namespace
