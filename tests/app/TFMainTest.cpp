#include "app/TFMain.h"
#include "QtPrinters.h"
#include "TestMain.h"
#include "framework/DataModules.h"
#include "framework/FormManager.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class TFMainTest : public ::testing::Test {
protected:
    TestMain test;
    FakePrompts& prompts = test.prompts;
    DataModules modules{test.main};
    FormManager forms{test.main, modules};
    TFMain main{test.main, forms};

    void SetUp() override { main.show(); }

    QAction* action(const char* name) const {
        return main.findChild<QAction*>(QString::fromLatin1(name));
    }
};

// What the user sees: visible items, "-" for a separator, "(off)" for a disabled one.
QStringList visibleItems(const QMenu* menu) {
    QStringList items;
    for (const QAction* a : menu->actions()) {
        if (!a->isVisible())
            continue;
        items << (a->isSeparator()
                      ? QStringLiteral("-")
                      : a->text() + (a->isEnabled() ? QString() : QStringLiteral(" (off)")));
    }
    return items;
}

TEST_F(TFMainTest, TheMenuShowsTheCommandsInOrderWithoutTheHiddenOnes) {
    QStringList menus;
    for (const QAction* a : main.menuBar()->actions())
        if (a->isVisible())
            menus << a->text();
    EXPECT_EQ(menus, (QStringList{"&Archivos", "I.R.P.F.", "I.V.A", "Informativas",
                                  "Cuentas anuales", "Ventanas", "Ayuda"}));

    const auto menu = [&](const char* title) {
        for (QAction* a : main.menuBar()->actions())
            if (a->text() == QString::fromUtf8(title))
                return a->menu();
        return static_cast<QMenu*>(nullptr);
    };
    EXPECT_EQ(visibleItems(menu("&Archivos")),
              (QStringList{"Contribuyentes", "-", "Importa Datos", "Importa contribuyentes",
                           "Importa Memoria", "-", "Salir de la aplicación"}));
    EXPECT_EQ(visibleItems(menu("I.R.P.F.")),
              (QStringList{"Modelo 111", "Modelo 115", "Modelo 123", "-", "Modelo 130",
                           "Modelo 131", "-", "Modelo 202"}));
    EXPECT_EQ(visibleItems(menu("I.V.A")), QStringList{"Modelo 303"});
    EXPECT_EQ(visibleItems(menu("Informativas")),
              (QStringList{"Modelo 349", "Modelo 340 (off)"}));
    EXPECT_EQ(visibleItems(menu("Cuentas anuales")),
              (QStringList{"Elaboración Cuentas Anuales", "Traspaso a Depósito Digital",
                           "-", "Confección de Memorias", "Copia memorias",
                           "Impresión de Memoria", "-"}));
    EXPECT_TRUE(main.MGVentanas->actions().isEmpty());
    EXPECT_EQ(visibleItems(menu("Ayuda")), QStringList{"Acerca de"});
    EXPECT_EQ(visibleItems(menu("Res.Anuales")),
              (QStringList{"Modelo 180 (off)", "Modelo 190 (off)", "Modelo 390 (off)", "-",
                           "Mod. 347"}))
        << "the annual summaries are built, only hidden";
}

TEST_F(TFMainTest, F3OpensTheTaxpayerRegisterOnceAndListsIt) {
    QApplication::setActiveWindow(&main);
    QTest::keyClick(&main, Qt::Key_F3);
    QTest::keyClick(&main, Qt::Key_F3);
    QStringList listed;
    for (const QAction* a : main.MGVentanas->actions())
        listed << a->text();
    EXPECT_EQ(listed, QStringList{"Contribuyentes"});
    ASSERT_FALSE(listed.isEmpty());
    auto* form = qobject_cast<QWidget*>(main.MGVentanas->actions().first()->parent());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Mantenimiento de contribuyentes"));
    delete form;
}

TEST_F(TFMainTest, ExitAsksAndNoKeepsTheWindow) {
    prompts.answer(false);
    action("ASalir")->trigger();
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(prompts.log().last(),
              QStringLiteral("question Confirmación...: ¿Está seguro de salir de la aplicación?"));
    prompts.answer(true);
    action("ASalir")->trigger();
    EXPECT_FALSE(main.isVisible());
    EXPECT_TRUE(test.main.terminating());
}

TEST_F(TFMainTest, TitleAndStatusBar) {
    EXPECT_TRUE(main.windowTitle().startsWith(
        QStringLiteral("Tributra 2018  -  Norvel Sistemas - Telf.: ")));
    QStringList panels;
    for (const QLabel* l : main.statusBar()->findChildren<QLabel*>())
        panels << QStringLiteral("%1 %2").arg(l->text()).arg(l->width());
    EXPECT_EQ(panels, (QStringList{"Empresa 400", "Ejercicio 250", "Usuario 150"}));
}

} // namespace
