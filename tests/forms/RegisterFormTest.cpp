#include "FormsFixture.h"
#include "TFMPrueba.h"
#include "TFModeloPrueba.h"
#include "framework/TDBNavigatorVC.h"
#include "framework/TFormBusqueda.h"

#include <QMenu>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

namespace {

using Button = TDBNavigatorVC::Button;

class RegisterFormTest : public FormsTest {
protected:
    TFMPrueba& form = open<TFMPrueba>();
    db::DataSet& ds = form.module().QMaestro;

    // Works in the search dialog once it is up, then closes it with OK or Cancel.
    void whileSearching(std::function<void(TFormBusqueda&)> work, bool ok) {
        QTimer::singleShot(0, [work, ok] {
            auto* dialog = qobject_cast<TFormBusqueda*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            work(*dialog);
            ok ? dialog->accept() : dialog->reject();
        });
    }
    QStringList shown(const QTableView* view) const {
        QStringList rows;
        for (int r = 0; r < view->model()->rowCount(); ++r)
            rows << view->model()->index(r, 0).data().toString();
        return rows;
    }
    QStringList visibleTabs() const {
        QStringList tabs;
        for (int i = 0; i < form.PageControl1->count(); ++i)
            if (form.PageControl1->isTabVisible(i))
                tabs << form.PageControl1->tabText(i);
        return tabs;
    }
};

TEST_F(RegisterFormTest, F2SearchesThePrefixAndReturnsTheChosenCode) {
    ASSERT_TRUE(ds.locate(QStringLiteral("CODIGO"), {1}));
    form.relacionado->setFocus();
    QStringList seen;
    whileSearching(
        [&](TFormBusqueda& dialog) {
            seen = shown(dialog.DBGCampos);
            EXPECT_EQ(dialog.searchColumn(), QStringLiteral("CODIGO"));
            dialog.Edt_valor->clear();
            QTest::keyClicks(dialog.Edt_valor,
                             QStringLiteral("GARCIA P")); // letters: the name column
            EXPECT_EQ(dialog.searchColumn(), QStringLiteral("TITULO"));
            EXPECT_EQ(shown(dialog.DBGCampos), QStringList{"12"});
        },
        true);
    form.relacionado->selectAll();
    QTest::keyClicks(form.relacionado, QStringLiteral("12"));
    QTest::keyClick(form.relacionado, Qt::Key_F2);
    EXPECT_EQ(seen, (QStringList{"12", "120", "123"})) << "the typed number as a prefix, ordered";
    EXPECT_EQ(form.relacionado->text(), QStringLiteral("12"));
    EXPECT_EQ(ds.field(QStringLiteral("N")).asInteger(), 12);
    EXPECT_EQ(form.descripcion->text(), QStringLiteral("GARCIA PEREZ"))
        << "the description follows the code";
}

TEST_F(RegisterFormTest, CancelLeavesTheEditAsItWas) {
    form.relacionado->setFocus();
    whileSearching(
        [](TFormBusqueda& dialog) { QTest::keyClicks(dialog.Edt_valor, QStringLiteral("PEREZ")); },
        false);
    QTest::keyClick(form.relacionado, Qt::Key_F2);
    EXPECT_EQ(form.relacionado->text(), QStringLiteral("1"));
    EXPECT_EQ(ds.state(), db::DataSet::State::Browse);
}

TEST_F(RegisterFormTest, TheDescriptionFollowsTheTypedCode) {
    form.relacionado->setFocus();
    form.relacionado->selectAll();
    QTest::keyClicks(form.relacionado, QStringLiteral("123"));
    EXPECT_EQ(form.descripcion->text(), QStringLiteral("PEREZ"));
    QTest::keyClick(form.relacionado, Qt::Key_Backspace);
    EXPECT_EQ(form.descripcion->text(), QStringLiteral("GARCIA PEREZ"));
    QTest::keyClicks(form.relacionado, QStringLiteral("9"));
    EXPECT_EQ(form.descripcion->text(), QString()) << "a code that does not exist clears it";
}

TEST_F(RegisterFormTest, AnInsertHidesTheTableTabUntilItIsSaved) {
    EXPECT_EQ(visibleTabs(), (QStringList{"&Ficha", "&Tabla"}));
    press(form.EBusca, Qt::CTRL | Qt::Key_Insert);
    EXPECT_EQ(visibleTabs(), QStringList{"&Ficha"});
    EXPECT_FALSE(form.NavMain->button(Button::Next)->isEnabled());
    press(form.codigo, Qt::CTRL | Qt::Key_S); // next: does nothing while editing
    EXPECT_EQ(ds.state(), db::DataSet::State::Insert);
    press(form.codigo, Qt::CTRL | Qt::Key_X);
    EXPECT_EQ(visibleTabs(), (QStringList{"&Ficha", "&Tabla"}));
    EXPECT_EQ(form.PageControl1->currentWidget(), form.TSFicha) << "the card stays in front";
}

TEST_F(RegisterFormTest, TheSearchBoxFiltersOnEnter) {
    QTest::keyClicks(form.EBusca, QStringLiteral("GARCIA"));
    QTest::keyClick(form.EBusca, Qt::Key_Return);
    EXPECT_EQ(ds.recordCount(), 3);
    form.EBusca->clear();
    QTest::keyClick(form.EBusca, Qt::Key_Return);
    EXPECT_EQ(ds.recordCount(), 7);
}

TEST_F(RegisterFormTest, TheWindowMenuListsExactlyTheOpenForms) {
    QMenu ventanas;
    manager.setWindowMenu(&ventanas);
    form.close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QAction registro(QStringLiteral("Registro"));
    QAction modelo(QStringLiteral("Modelo"));
    manager.MuestraFormulario<TFMPrueba>(&registro);
    auto& ret = manager.MuestraFormulario<TFModeloPrueba>(&modelo);
    manager.MuestraFormulario<TFMPrueba>(&registro); // already open: raised, not listed twice
    QStringList items;
    for (const QAction* a : ventanas.actions())
        items << a->text();
    EXPECT_EQ(items, (QStringList{"Registro", "Modelo"}));
    ret.close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(ventanas.actions().size(), 1);
    EXPECT_EQ(ventanas.actions().first()->text(), QStringLiteral("Registro"));
}

} // namespace
