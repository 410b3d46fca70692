#include "FormsFixture.h"
#include "TFModeloPrueba.h"

#include "framework/TPopUpKeys.h"

#include <QMenu>
#include <QToolButton>

namespace {

using Button = TDBNavigatorVC::Button;

class ReturnFormTest : public FormsTest {
protected:
    TFModeloPrueba& form = open<TFModeloPrueba>();
    db::DataSet& ds = form.module().QMaestro;

    QString stored(int codigo, const char* column) {
        db::Statement q(test.main.Database, test.main.TLocal);
        q.setSql(QStringLiteral("select %1 from T_PRUEBA where CODIGO = :c")
                     .arg(QString::fromLatin1(column)));
        q.setParam(QStringLiteral("c"), codigo);
        q.execute();
        return q.eof() ? QStringLiteral("(none)") : q.field(0).asString();
    }
    QStringList visibleButtons() const {
        QStringList names;
        for (int i = 0; i < TDBNavigatorVC::kButtons; ++i)
            if (!form.NavMain->button(static_cast<Button>(i))->isHidden())
                names << form.NavMain->button(static_cast<Button>(i))->objectName();
        return names;
    }
};

TEST_F(ReturnFormTest, ShowsOnlyTheEditingButtonsAndTheirItems) {
    EXPECT_EQ(visibleButtons(), (QStringList{"VCX_INSERT", "VCX_DELETE", "VCX_EDIT", "VCX_POST",
                                             "VCX_CANCEL", "VCX_REFRESH"}));
    QStringList items;
    for (const QAction* a : form.CEMainPMEdit->actions())
        if (a->isVisible())
            items << a->text();
    EXPECT_EQ(items,
              (QStringList{"Añadir", "Borrar", "Modificar", "Grabar", "Cancelar", "Refrescar"}));
    EXPECT_FALSE(form.PEMain->isEnabled()) << "the card waits for an edit";
}

TEST_F(ReturnFormTest, KeyboardCommandsInsertSaveAndCancel) {
    press(form.codigo, Qt::CTRL | Qt::Key_Insert);
    EXPECT_EQ(ds.state(), db::DataSet::State::Insert);
    EXPECT_TRUE(form.PEMain->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), form.codigo) << "the insert control takes the focus";
    form.codigo->selectAll();
    QTest::keyClicks(form.codigo, QStringLiteral("77"));
    form.titulo->setFocus();
    QTest::keyClicks(form.titulo, QStringLiteral("NUEVO"));
    form.importe->setFocus();
    EXPECT_EQ(form.importe->text(), QString()) << "a zero amount is edited as an empty box";
    QTest::keyClicks(form.importe, QStringLiteral("12.5"));
    EXPECT_EQ(form.importe->text(), QStringLiteral("12,5")) << "a typed point is the decimal comma";
    press(form.importe, Qt::CTRL | Qt::Key_G); // saved without leaving the box
    EXPECT_EQ(ds.state(), db::DataSet::State::Browse);
    EXPECT_EQ(stored(77, "TITULO"), QStringLiteral("NUEVO"));
    EXPECT_EQ(stored(77, "IMPORTE"), QStringLiteral("12,5"));
    EXPECT_EQ(form.importe->text(), QStringLiteral("12,50")) << "the display format once saved";

    press(form.titulo, Qt::CTRL | Qt::Key_E);
    EXPECT_EQ(QApplication::focusWidget(), form.titulo);
    form.titulo->selectAll();
    QTest::keyClicks(form.titulo, QStringLiteral("OTRO"));
    press(form.titulo, Qt::CTRL | Qt::Key_X); // cancels: the edit does not cut
    EXPECT_EQ(ds.state(), db::DataSet::State::Browse);
    EXPECT_EQ(form.titulo->text(), QStringLiteral("NUEVO"));
    EXPECT_EQ(stored(77, "TITULO"), QStringLiteral("NUEVO"));
}

TEST_F(ReturnFormTest, CancelToTheDeleteQuestionKeepsTheRecord) {
    ASSERT_TRUE(ds.locate(QStringLiteral("CODIGO"), {12}));
    test.prompts.answer(false);
    form.NavMain->button(Button::Delete)->click();
    EXPECT_EQ(test.prompts.log().last(),
              QStringLiteral("question Información:  ¿ Borra el registro ? "));
    EXPECT_EQ(stored(12, "TITULO"), QStringLiteral("GARCIA PEREZ"));
    test.prompts.answer(true);
    form.NavMain->button(Button::Delete)->click();
    EXPECT_EQ(stored(12, "TITULO"), QStringLiteral("(none)"));
}

TEST_F(ReturnFormTest, AFailedSaveKeepsTheUserInputAndTheEditing) {
    press(form.codigo, Qt::CTRL | Qt::Key_Insert);
    form.codigo->selectAll();
    QTest::keyClicks(form.codigo, QStringLiteral("12")); // exists already
    form.titulo->setFocus();
    EXPECT_EQ(test.prompts.log().last(),
              QStringLiteral("error: Clave existente, no se puede duplicar."));
    QTest::keyClicks(form.titulo, QStringLiteral("REPETIDO"));
    press(form.titulo, Qt::CTRL | Qt::Key_G);
    EXPECT_EQ(ds.state(), db::DataSet::State::Insert);
    EXPECT_EQ(form.titulo->text(), QStringLiteral("REPETIDO"));
    EXPECT_TRUE(form.PEMain->isEnabled());
    EXPECT_TRUE(form.NavMain->button(Button::Post)->isEnabled());
}

TEST_F(ReturnFormTest, TheComboShowsTheCodeItStoresAndNothingForAnUnknownOne) {
    ASSERT_TRUE(ds.locate(QStringLiteral("CODIGO"), {1}));
    EXPECT_EQ(form.n->currentText(), QStringLiteral("Uno"));
    ds.edit();
    ds.field(QStringLiteral("N")).setAsInteger(9);
    EXPECT_EQ(form.n->currentIndex(), -1);
    form.n->setCurrentIndex(1);
    emit form.n->activated(1); // the user picks "Dos"
    ds.post();                 // the pick reaches the field with the post
    EXPECT_EQ(ds.field(QStringLiteral("N")).asInteger(), 2);
}

TEST_F(ReturnFormTest, OpeningAgainRaisesTheOpenFormAndClosingReleasesTheModule) {
    EXPECT_EQ(&manager.MuestraFormulario<TFModeloPrueba>(), &form);
    TDMBase& module = form.module();
    EXPECT_EQ(modules.users(module), 1);
    form.close();
    QApplication::processEvents();
    EXPECT_EQ(modules.users(module), 0);
}

} // namespace
