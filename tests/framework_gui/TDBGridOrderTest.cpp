#include "framework/TDBGridOrder.h"
#include "GridTest.h"

#include <QTabWidget>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

using gridtest::clickCell;
using gridtest::clickTitle;
using State = framework::OrderedGrid::SortState;

enum { kNumero, kTitulo, kImporte };

// A register's form as far as its grid goes: the card and table sheets, the grid on the
// table sheet showing number, title and amount, the first two sortable.
class TDBGridOrderTest : public ::testing::Test {
protected:
    TestMain test{kPruebaSetup};
    std::unique_ptr<TDMPrueba> dm;
    QTabWidget tabs;
    QWidget* ficha = new QWidget;
    QWidget* tabla = new QWidget;
    TDBGridOrder* grid = new TDBGridOrder(test.prompts, tabla);

    void open(const QString& select, const QVariant& minimo = {}) {
        dm = std::make_unique<TDMPrueba>(test.main, select);
        if (minimo.isValid())
            dm->QMaestro.setParam(QStringLiteral("MINIMO"), minimo);
        dm->DataModuleCreate();
        tabs.addTab(ficha, QStringLiteral("&Ficha"));
        tabs.addTab(tabla, QStringLiteral("&Tabla"));
        (new QVBoxLayout(tabla))->addWidget(grid);
        grid->setColumns({{QStringLiteral("CODIGO"), QStringLiteral("Número")},
                          {QStringLiteral("TITULO"), QStringLiteral("Titulo"), 200},
                          {QStringLiteral("IMPORTE"), QStringLiteral("Importe")}});
        grid->CamposAOrdenar = {QStringLiteral("CODIGO"), QStringLiteral("TITULO")};
        grid->TabFicha = ficha;
        grid->setDataSource(&dm->QMaestro);
        tabs.setCurrentWidget(tabla);
        tabs.resize(600, 400);
        tabs.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&tabs));
    }
    QStringList codes() const { return gridtest::column(*grid->model()); }
    QVariant cellRole(int column, int role) const {
        return grid->model()->index(1, column).data(role);
    }
    bool isHighlighted(int column) const {
        return cellRole(column, Qt::BackgroundRole) == QVariant(grid->CampoAOrdenarColor) &&
               cellRole(column, Qt::ForegroundRole) ==
                   QVariant(grid->palette().color(QPalette::PlaceholderText));
    }
    bool hasNormalColours(int column) const {
        return !cellRole(column, Qt::BackgroundRole).isValid() &&
               !cellRole(column, Qt::ForegroundRole).isValid();
    }
};

// Rows of T_PRUEBA as stored, and by title in the database's byte order (capitals first).
const QStringList kNatural{"1", "12", "120", "123", "2", "21", "3"};
const QStringList kByTitle{"21", "1", "12", "3", "120", "2", "123"};

TEST_F(TDBGridOrderTest, TitleClicksCycleAscendingDescendingAndTheNaturalOrder) {
    open(QStringLiteral("select * from T_PRUEBA\norder by CODIGO desc"));
    ASSERT_EQ(codes(), (QStringList{"123", "120", "21", "12", "3", "2", "1"}));
    EXPECT_EQ(grid->CampoAOrdenarColor, grid->palette().color(QPalette::ToolTipBase));

    QStringList descending = kByTitle;
    std::reverse(descending.begin(), descending.end());
    struct Click {
        QStringList codes;
        State state;
        bool highlighted;
    };
    const Click clicks[] = {
        {kByTitle, State::Ascending, true},
        {descending, State::Descending, true},
        {kNatural, State::Unsorted, false}, // the form's own ORDER BY is gone too
        {kByTitle, State::Ascending, true},
    };
    for (const Click& c : clicks) {
        clickTitle(*grid, kTitulo);
        SCOPED_TRACE(int(c.state));
        EXPECT_EQ(codes(), c.codes);
        EXPECT_EQ(grid->sortedColumn(), kTitulo);
        EXPECT_EQ(grid->sortState(), c.state);
        EXPECT_EQ(isHighlighted(kTitulo), c.highlighted);
        EXPECT_EQ(hasNormalColours(kTitulo), !c.highlighted);
        EXPECT_TRUE(hasNormalColours(kNumero));
    }
    EXPECT_TRUE(test.prompts.log().isEmpty()) << test.prompts.log().join(u'\n').toStdString();
}

TEST_F(TDBGridOrderTest, AnotherSortableTitleSortsAscendingAndTheFirstGetsItsColoursBack) {
    open(QStringLiteral("select * from T_PRUEBA"));
    clickTitle(*grid, kTitulo);
    clickTitle(*grid, kTitulo); // descending
    clickTitle(*grid, kNumero);
    EXPECT_EQ(codes(), (QStringList{"1", "2", "3", "12", "21", "120", "123"}));
    EXPECT_EQ(grid->sortedColumn(), kNumero);
    EXPECT_EQ(grid->sortState(), State::Ascending);
    EXPECT_TRUE(isHighlighted(kNumero));
    EXPECT_TRUE(hasNormalColours(kTitulo));
}

TEST_F(TDBGridOrderTest, ATitleThatIsNotSortableChangesNothing) {
    open(QStringLiteral("select * from T_PRUEBA"));
    clickTitle(*grid, kTitulo);
    const QString select = dm->QMaestro.selectSql();
    clickTitle(*grid, kImporte);
    EXPECT_EQ(dm->QMaestro.selectSql(), select);
    EXPECT_EQ(codes(), kByTitle);
    EXPECT_EQ(grid->sortedColumn(), kTitulo);
    EXPECT_TRUE(isHighlighted(kTitulo));
    EXPECT_TRUE(hasNormalColours(kImporte));
}

TEST_F(TDBGridOrderTest, AParameterKeepsItsValueThroughTheReorders) {
    open(QStringLiteral("select * from T_PRUEBA\nwhere IMPORTE >= :MINIMO\norder by TITULO"), 0);
    const QStringList orders[] = {
        {"1", "2", "3", "21", "120", "123"},
        {"123", "120", "21", "3", "2", "1"},
        {"1", "120", "123", "2", "21", "3"},
    };
    for (const QStringList& order : orders) {
        clickTitle(*grid, kNumero);
        EXPECT_EQ(codes(), order);
    }
}

TEST_F(TDBGridOrderTest, EnterAndADoubleClickShowTheCardOfTheRow) {
    open(QStringLiteral("select * from T_PRUEBA"));
    clickCell(*grid, 2, kTitulo);
    EXPECT_EQ(dm->QMaestro.field(QStringLiteral("CODIGO")).asString(), QStringLiteral("120"));
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(tabs.currentWidget(), ficha);

    tabs.setCurrentWidget(tabla);
    const QRect cell = grid->visualRect(grid->model()->index(4, kNumero));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(tabs.currentWidget(), ficha);
    EXPECT_EQ(dm->QMaestro.field(QStringLiteral("CODIGO")).asString(), QStringLiteral("2"));

    tabs.setCurrentWidget(tabla);
    grid->PermutaPaneles = false;
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(tabs.currentWidget(), tabla);
}

TEST_F(TDBGridOrderTest, ADestroyedCardSheetIsForgotten) {
    open(QStringLiteral("select * from T_PRUEBA"));
    delete ficha;
    EXPECT_EQ(grid->TabFicha, nullptr);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(tabs.currentWidget(), tabla);
}

TEST_F(TDBGridOrderTest, TheGridAndTheDataSetShareTheCurrentRow) {
    open(QStringLiteral("select * from T_PRUEBA"));
    dm->QMaestro.moveTo(3);
    EXPECT_EQ(grid->currentIndex().row(), 3);
    EXPECT_TRUE(grid->selectionModel()->isRowSelected(3, {}));
    clickCell(*grid, 5, kImporte);
    EXPECT_EQ(dm->QMaestro.currentRow(), 5);
    clickTitle(*grid, kNumero);
    EXPECT_EQ(dm->QMaestro.currentRow(), 0);
    EXPECT_EQ(grid->currentIndex().row(), 0);
}

} // namespace
