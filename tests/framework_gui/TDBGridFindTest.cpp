#include "framework/TDBGridFind.h"
#include "GridTest.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <memory>

namespace {

using gridtest::clickCell;
using gridtest::clickTitle;
using Check = framework::OrderedGrid::Check;

enum { kCodigo, kTitulo, kMarca };

// The grid of a detail list whose N column is a check box: 1 ticked, 0 not.
class TDBGridFindTest : public ::testing::Test {
protected:
    TestMain test{kPruebaSetup};
    std::unique_ptr<TDMPrueba> dm = std::make_unique<TDMPrueba>(test.main);
    db::DataSet& ds = dm->QMaestro;
    TDBGridFind grid{test.prompts};

    void SetUp() override {
        ds.setModifySql(QStringLiteral(
            "update T_PRUEBA set TITULO = :TITULO, N = :N where CODIGO = :OLD_CODIGO"));
        dm->DataModuleCreate();
        grid.setObjectName(QStringLiteral("DBGCapitulos"));
        grid.setColumns({{QStringLiteral("CODIGO")},
                         {QStringLiteral("TITULO")},
                         {QStringLiteral("N"), QStringLiteral("Marca")}});
        grid.CamposAOrdernar = {QStringLiteral("CODIGO")};
        grid.ColumnasCheckBoxes = {QStringLiteral("N")};
        grid.ColumnasChecked = {QStringLiteral("1")};
        grid.ColumnasNoChecked = {QStringLiteral("0")};
        grid.setDataSource(&ds);
        grid.resize(500, 300);
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    }
    // What the database holds for a row, read by a dataset of its own.
    QString stored(int codigo, const char* field) {
        TDMPrueba other(test.main,
                        QStringLiteral("select * from T_PRUEBA where CODIGO = %1").arg(codigo));
        other.DataModuleCreate();
        return other.QMaestro.field(QString::fromLatin1(field)).asString();
    }
    Check check(int row) const { return grid.check(grid.model()->index(row, kMarca)); }
};

TEST_F(TDBGridFindTest, AClickAndSpaceToggleTheCheckAndPostWhenAsked) {
    grid.AutoPostEnCheckBox = true;
    EXPECT_EQ(check(1), Check::Ticked);
    clickCell(grid, 1, kMarca);
    EXPECT_EQ(ds.currentRow(), 1);
    EXPECT_EQ(check(1), Check::Unticked);
    EXPECT_EQ(ds.state(), db::DataSet::State::Browse);
    EXPECT_EQ(stored(12, "N"), QStringLiteral("0"));

    QTest::keyClick(&grid, Qt::Key_Space);
    EXPECT_EQ(check(1), Check::Ticked);
    EXPECT_EQ(stored(12, "N"), QStringLiteral("1"));
    EXPECT_EQ(grid.indexWidget(grid.currentIndex()), nullptr) << "no editor on a check box";

    clickCell(grid, 2, kTitulo);
    EXPECT_EQ(check(2), Check::Ticked) << "other cells do not toggle";
}

TEST_F(TDBGridFindTest, WithoutAutoPostTheToggleWaitsAndAReorderPostsIt) {
    clickCell(grid, 0, kMarca);
    EXPECT_EQ(ds.state(), db::DataSet::State::Edit);
    EXPECT_EQ(stored(1, "N"), QStringLiteral("1"));
    clickTitle(grid, kCodigo);
    EXPECT_EQ(stored(1, "N"), QStringLiteral("0"));
    EXPECT_EQ(grid.sortState(), framework::OrderedGrid::SortState::Ascending);
    const QModelIndex codigo = grid.model()->index(0, kCodigo);
    EXPECT_EQ(codigo.data(Qt::BackgroundRole), QVariant(grid.CampoAOrdenarColor));
    EXPECT_FALSE(codigo.data(Qt::ForegroundRole).isValid()) << "the text keeps its colour";
}

TEST_F(TDBGridFindTest, TypedTextGoesIntoTheFieldAlsoWhenThePostComesFromElsewhere) {
    clickCell(grid, 3, kTitulo);
    QTest::keyClicks(&grid, QStringLiteral("N"));
    QWidget* editor = grid.indexWidget(grid.currentIndex());
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("UEVO"));
    EXPECT_EQ(ds.state(), db::DataSet::State::Edit);
    ds.post(); // the navigator's Grabar, with the cell still open
    EXPECT_EQ(stored(123, "TITULO"), QStringLiteral("NUEVO"));
}

TEST_F(TDBGridFindTest, RaisesOnEveryRowMove) {
    QSignalSpy moved(&grid, &TDBGridFind::OnRowChange);
    clickCell(grid, 4, kCodigo);
    ds.next();
    EXPECT_EQ(moved.size(), 2);
}

TEST_F(TDBGridFindTest, ASortableTitleWithoutDataSourceNamesTheGrid) {
    grid.setDataSource(nullptr);
    clickTitle(grid, kCodigo);
    EXPECT_EQ(test.prompts.log(),
              QStringList{"error: No hay DataSource asignado al componente DBGCapitulos."});
}

} // namespace
