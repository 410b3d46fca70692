#include "taxpayers/TFMContribuyentes.h"
#include "QtPrinters.h"
#include "TestMain.h"
#include "framework/DBEdit.h"
#include "framework/DataModules.h"
#include "framework/FormManager.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class TFMContribuyentesTest : public ::testing::Test {
protected:
    TestMain test{
        QStringLiteral("INSERT INTO T_CONTRIBUYENTES (CONTRIBUYENTE, APELLIDOS, MUNICIPIO) "
                       "VALUES (1, 'Garcia', 'murcia');")};
    DataModules modules{test.main};
    FormManager manager{test.main, modules};
    QPointer<TFMContribuyentes> form = &manager.MuestraFormulario<TFMContribuyentes>();

    void TearDown() override { delete form; }
    // Key by key, as a keyboard sends them, accents included.
    static void type(QWidget* w, const QString& text) {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &press);
        }
    }
    DBEdit* box(const char* field) const {
        return form->findChild<DBEdit*>(QStringLiteral("DBE") + QString::fromLatin1(field));
    }
};

TEST_F(TFMContribuyentesTest, TheCardTakesCapitalsOnlyAndShowsThemSo) {
    EXPECT_EQ(box("APELLIDOS")->text(), QStringLiteral("GARCIA"))
        << "a stored lower-case name shows in capitals";
    EXPECT_EQ(box("MUNICIPIO")->text(), QStringLiteral("MURCIA"));
    DBEdit* nombre = box("NOMBRE");
    nombre->setFocus();
    type(nombre, QStringLiteral("JOSé aÑ Ñ1"));
    EXPECT_EQ(nombre->text(), QStringLiteral("JOS Ñ Ñ1"))
        << "lower case and accented vowels are swallowed";
    DBEdit* municipio = box("MUNICIPIO");
    municipio->setFocus();
    municipio->selectAll();
    type(municipio, QStringLiteral("LORCA 2"));
    EXPECT_EQ(municipio->text(), QStringLiteral("LORCA ")) << "no digits in a town";
    DBEdit* ccc = box("CCC");
    ccc->setFocus();
    ccc->selectAll();
    type(ccc, QStringLiteral("ab12"));
    EXPECT_EQ(ccc->text(), QStringLiteral("ab12")) << "the account has no filter";
}

} // namespace
