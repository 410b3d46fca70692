#include "framework/OrderBy.h"
#include "QtPrinters.h"
#include "TDMPrueba.h"
#include "TestMain.h"
#include "db/Error.h"

#include <gtest/gtest.h>

namespace {

TEST(WithOrderBy, ReplacesTheLastOrderByAndWhatFollowsIt) {
    struct Case {
        const char* what;
        const char* select;
        const char* order;
        const char* result;
    };
    const Case cases[] = {
        {"no order yet", "select * from T\nwhere A = 1", "TITULO",
         "select * from T\nwhere A = 1\nORDER BY TITULO"},
        {"own line", "select * from T\nORDER BY CODIGO DESC", "TITULO",
         "select * from T\nORDER BY TITULO"},
        {"mid-line", "select * from T order by CODIGO", "TITULO DESC",
         "select * from T \nORDER BY TITULO DESC"},
        {"lines after it, as a search leaves them",
         "select * from T\nwhere A = 1\nORDER BY \nCODIGO", "NOMBRE",
         "select * from T\nwhere A = 1\nORDER BY NOMBRE"},
        {"lower case, no new order", "select * from T\norder by codigo", "", "select * from T"},
        {"only the last one", "select * from (select * from U\norder by X)\norder by Y", "Z",
         "select * from (select * from U\norder by X)\nORDER BY Z"},
        {"nothing to cut, nothing to add", "select * from T", "", "select * from T"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(framework::withOrderBy(QString::fromUtf8(c.select), QString::fromUtf8(c.order)),
                  QString::fromUtf8(c.result));
    }
}

class OrdenaPorTest : public ::testing::Test {
protected:
    TestMain test{kPruebaSetup};
    TDMPrueba dm{test.main, QStringLiteral("select * from T_PRUEBA\nwhere IMPORTE >= :MINIMO")};

    void SetUp() override {
        dm.QMaestro.setParam(QStringLiteral("MINIMO"), 0);
        dm.DataModuleCreate();
    }
    QStringList codes() {
        QStringList rows;
        for (dm.QMaestro.first(); !dm.QMaestro.eof(); dm.QMaestro.next())
            rows << dm.QMaestro.field(QStringLiteral("CODIGO")).asString();
        return rows;
    }
};

TEST_F(OrdenaPorTest, ReordersWithTheParameterAndLeavesAClosedDataSetClosed) {
    framework::OrdenaPor(dm.QMaestro, QStringLiteral("CODIGO DESC"));
    EXPECT_EQ(codes(), (QStringList{"123", "120", "21", "3", "2", "1"}));

    dm.QMaestro.close();
    framework::OrdenaPor(dm.QMaestro, QStringLiteral("CODIGO"));
    EXPECT_FALSE(dm.QMaestro.active());
    dm.QMaestro.open();
    EXPECT_EQ(codes(), (QStringList{"1", "2", "3", "21", "120", "123"}));
}

TEST_F(OrdenaPorTest, PostsTheEditedRowInsteadOfDroppingIt) {
    dm.QMaestro.moveTo(0);
    dm.QMaestro.edit();
    dm.QMaestro.field(QStringLiteral("TITULO")).setAsString(QStringLiteral("AAA"));
    framework::OrdenaPor(dm.QMaestro, QStringLiteral("TITULO"));
    EXPECT_EQ(dm.QMaestro.state(), db::DataSet::State::Browse);
    EXPECT_EQ(dm.QMaestro.field(QStringLiteral("TITULO")).asString(), QStringLiteral("AAA"));
}

TEST_F(OrdenaPorTest, AnOrderTheDatabaseRefusesLeavesTheDataSetClosed) {
    EXPECT_THROW(framework::OrdenaPor(dm.QMaestro, QStringLiteral("NO_EXISTE")), db::Error);
    EXPECT_FALSE(dm.QMaestro.active());
}

} // namespace
