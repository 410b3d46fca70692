#include "app/EnterAsTab.h"
#include "TestMain.h"
#include "framework/TFormBusqueda.h"

#include <QApplication>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <QTextEdit>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

class EnterAsTabTest : public ::testing::Test {
protected:
    EnterAsTab filter;
    QWidget window;
    QLineEdit* first = add<QLineEdit>("Primero");
    QLineEdit* second = add<QLineEdit>("Segundo");
    QLineEdit* search = add<QLineEdit>("EBusca");
    QTableView* grid = addGrid("DBGMain");
    QTableView* accumulated = addGrid("DBGAcumulado");
    QTextEdit* memo = add<QTextEdit>("Memo");

    void SetUp() override {
        qApp->installEventFilter(&filter);
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void TearDown() override { qApp->removeEventFilter(&filter); }

    template <class W> W* add(const char* name) {
        if (!window.layout())
            new QVBoxLayout(&window);
        auto* w = new W;
        w->setObjectName(QString::fromLatin1(name));
        window.layout()->addWidget(w);
        return w;
    }
    QTableView* addGrid(const char* name) {
        QTableView* view = add<QTableView>(name);
        auto* model = new QStandardItemModel(2, 3, view);
        view->setModel(model);
        view->setCurrentIndex(model->index(0, 0));
        return view;
    }
    void enterIn(QWidget* w) {
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Return);
    }
};

TEST_F(EnterAsTabTest, MovesToTheNextControlFromAnEdit) {
    enterIn(first);
    EXPECT_EQ(QApplication::focusWidget(), second);
}

TEST_F(EnterAsTabTest, MovesToTheNextColumnInAGrid) {
    enterIn(grid);
    EXPECT_EQ(grid->currentIndex().column(), 1);
}

TEST_F(EnterAsTabTest, LeavesEnterToTheSearchBoxTheAccumulatedGridAndMemos) {
    int searches = 0;
    QObject::connect(search, &QLineEdit::returnPressed, [&] { ++searches; });
    enterIn(search);
    EXPECT_EQ(searches, 1);
    EXPECT_EQ(QApplication::focusWidget(), search);

    enterIn(accumulated);
    EXPECT_EQ(accumulated->currentIndex().column(), 0);

    enterIn(memo);
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("\n"));
}

TEST_F(EnterAsTabTest, LeavesEnterAloneWhileTheSearchFormIsActive) {
    TestMain test;
    TFormBusqueda form(test.main.Database, test.main.TLocal, test.prompts,
                       QStringLiteral("SELECT CONTRIBUYENTE, TITULO FROM T_CONTRIBUYENTES "), 2);
    form.EstableceCampo(QStringLiteral("CONTRIBUYENTE"));
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    enterIn(form.Edt_valor);
    EXPECT_EQ(form.result(), QDialog::Rejected)
        << "Enter pressed the default button: no row, no choice";
    EXPECT_FALSE(form.isVisible()) << "the dialog closed instead of moving the focus";
}

} // namespace
