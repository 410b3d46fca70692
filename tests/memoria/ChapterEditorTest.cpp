// The chapter editor as the memoria form opens it: the placeholders inserted from the formula
// form, resolved into a taxpayer's amounts and switched back; what is stored when the editor
// is left one way or the other.
#include "CloseWindows.h"
#include "MemoriaFixture.h"
#include "framework/DataModules.h"
#include "framework/FormManager.h"
#include "memoria/TFMFormulas.h"
#include "memoria/TFMMemorias.h"
#include "memoria/TMainForm.h"
#include "memoria/TdlgFManual.h"
#include "richtext/Rtf.h"
#include "util/Error.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

namespace {

class ChapterEditorTest : public MemoriaTest {
protected:
    void SetUp() override {
        MemoriaTest::SetUp();
        formula(dm, 3, QStringLiteral("S13:57"));   // 400 in the books
        formula(dm, 12, QStringLiteral("-S0:430")); // -250
    }
    void TearDown() override { closeWindows(); }

    // Works in the modal window of type W once it is up.
    template <class W> void mientras(std::function<void(W&)> trabajo) {
        QTimer::singleShot(0, [trabajo] {
            auto* w = qobject_cast<W*>(QApplication::activeModalWidget());
            ASSERT_NE(w, nullptr);
            trabajo(*w);
        });
    }
    static QString texto(const QByteArray& rtf) {
        QTextDocument d;
        (void)richtext::readRtf(rtf, d);
        return d.toPlainText();
    }
    QByteArray guardado() {
        db::DataSet& c = dm.QCapitulos;
        c.refresh();
        return c.field(QStringLiteral("TEXTO")).asBytes();
    }

    DataModules modules{test.main};
    FormManager manager{test.main, modules};
    TFMMemorias& form = manager.MuestraFormulario<TFMMemorias>();
    TDMMemorias& dm = static_cast<TDMMemorias&>(form.module());
};

TEST_F(ChapterEditorTest, TheEditorStartsEmptyAtLineOneColumnOne) {
    TMainForm editor(dm);
    editor.carga({});
    EXPECT_EQ(editor.StatusBar->findChildren<QLabel*>().value(0)->text(),
              QStringLiteral("Linea:   1   Col:   1"));
    EXPECT_FALSE(editor.modificado());
    EXPECT_FALSE(editor.ATexto->isVisible());
}

// The formula chosen goes to the caret as its placeholder; the amounts replace the
// placeholders and the text with them is kept aside until switched back.
TEST_F(ChapterEditorTest, PlaceholdersBecomeTheTaxpayersAmountsAndBack) {
    TMainForm editor(dm);
    editor.carga({});
    QTest::keyClicks(editor.RichEdit1, QStringLiteral("Total: "));
    mientras<TFMFormulas>([this](TFMFormulas& f) {
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Formulas Memoria 1 Capítulo 1"));
        EXPECT_TRUE(dm.QFormulas.locate(QStringLiteral("FORMULA"), {3}));
        f.accept();
    });
    editor.AFormulas->trigger();
    QTest::keyClicks(editor.RichEdit1, QStringLiteral(" euros. "));
    editor.InsertaFormula(12);
    const QString formulas = QStringLiteral("Total: [Formula 003] euros. [Formula 012]");
    ASSERT_EQ(editor.RichEdit1->toPlainText(), formulas);

    editor.Calculo(12);
    EXPECT_EQ(editor.RichEdit1->toPlainText(),
              QStringLiteral("Total:        400,00 euros.       -250,00"));
    EXPECT_TRUE(editor.ATexto->isVisible());
    EXPECT_FALSE(editor.ACalculo->isVisible());
    EXPECT_TRUE(QFile::exists(QStringLiteral("capitulo.txt")));

    editor.CambiaAFormulas();
    EXPECT_EQ(editor.RichEdit1->toPlainText(), formulas);
    EXPECT_FALSE(editor.ATexto->isVisible());
    EXPECT_TRUE(editor.ACalculo->isVisible());

    // Without the text kept aside the editor keeps what it shows.
    QFile::remove(QStringLiteral("capitulo.txt"));
    editor.RichEdit1->setPlainText(QStringLiteral("sin cambios"));
    EXPECT_THROW(editor.CambiaAFormulas(), tributra::Error);
    EXPECT_EQ(editor.RichEdit1->toPlainText(), QStringLiteral("sin cambios"));
}

TEST_F(ChapterEditorTest, AChapterWithoutFormulasGivesNoPlaceholder) {
    while (!dm.QFormulas.isEmpty())
        dm.QFormulas.remove();
    TMainForm editor(dm);
    editor.carga({});
    mientras<TFMFormulas>([](TFMFormulas& f) {
        f.accept(); // refused: the form stays
        EXPECT_TRUE(f.isVisible());
        f.reject();
    });
    editor.AFormulas->trigger();
    EXPECT_TRUE(editor.RichEdit1->toPlainText().isEmpty());
    EXPECT_EQ(test.prompts.log().size(), 1);
}

// "Guardar capítulo" stores what the editor shows, amounts included; any other way out
// leaves the chapter as it was.
TEST_F(ChapterEditorTest, OnlyGuardarCapituloStoresTheText) {
    mientras<TMainForm>([](TMainForm& e) {
        e.RichEdit1->setPlainText(QStringLiteral("Total: [Formula 003]"));
        e.reject();
    });
    form.DBCapitulosEditButtonClick();
    EXPECT_TRUE(guardado().isEmpty());

    mientras<TMainForm>([](TMainForm& e) {
        e.RichEdit1->setPlainText(QStringLiteral("Total: [Formula 003]"));
        e.Calculo(12);
        e.accept();
    });
    form.DBCapitulosEditButtonClick();
    EXPECT_EQ(texto(guardado()), QStringLiteral("Total:        400,00"));

    mientras<TMainForm>([](TMainForm& e) {
        EXPECT_EQ(e.RichEdit1->toPlainText(), QStringLiteral("Total:        400,00"));
        EXPECT_EQ(e.LCapitulo->text(), QStringLiteral("1  INMOVILIZADO"));
        e.RichEdit1->setPlainText(QStringLiteral("otro"));
        e.reject();
    });
    form.DBCapitulosEditButtonClick();
    EXPECT_EQ(texto(guardado()), QStringLiteral("Total:        400,00"));
}

// A typed point is the decimal comma; letters are dropped.
TEST_F(ChapterEditorTest, TheManualAmountTakesOnlyANumber) {
    TdlgFManual dialogo(dm, 12.5);
    EXPECT_EQ(dialogo.EImporte->text(), QStringLiteral("12,5"));
    dialogo.EImporte->clear();
    QTest::keyClicks(dialogo.EImporte, QStringLiteral("-1a2.5x"));
    EXPECT_EQ(dialogo.EImporte->text(), QStringLiteral("-12,5"));
    EXPECT_DOUBLE_EQ(dialogo.importe(), -12.5);
    EXPECT_EQ(TdlgFManual(dm, 0).EImporte->text(), QStringLiteral("0"));
}

} // namespace
