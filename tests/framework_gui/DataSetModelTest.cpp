#include "framework/DataSetModel.h"
#include "GridTest.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <memory>

namespace {

using gridtest::column;

enum { kCodigo, kTitulo, kImporte };

class DataSetModelTest : public ::testing::Test {
protected:
    TestMain test{kPruebaSetup};
    std::unique_ptr<TDMPrueba> dm = std::make_unique<TDMPrueba>(test.main);
    db::DataSet& ds = dm->QMaestro;
    framework::DataSetModel model;

    void SetUp() override {
        ds.field(QStringLiteral("IMPORTE")).setDisplayFormat(QStringLiteral("#,###,###,##0.00"));
        dm->DataModuleCreate();
        model.setColumns({{QStringLiteral("CODIGO"), QStringLiteral("Número")},
                          {QStringLiteral("TITULO")},
                          {QStringLiteral("IMPORTE"), QStringLiteral("Importe")}});
        model.setDataSet(&ds);
    }
};

TEST_F(DataSetModelTest, EveryRowShowsItsOwnDisplayText) {
    ds.field(QStringLiteral("TITULO")).setGetText([](const db::Field& f, bool) {
        return f.dataSet().field(QStringLiteral("CODIGO")).asString() + u':' + f.asString();
    });
    ds.moveTo(4);
    EXPECT_EQ(column(model, kImporte).mid(0, 3), (QStringList{"10,00", "-5,00", "0,00"}));
    EXPECT_EQ(column(model, kTitulo).mid(0, 2), (QStringList{"1:GARCIA LOPEZ", "12:GARCIA PEREZ"}));
    EXPECT_EQ(ds.currentRow(), 4) << "reading the rows does not move the dataset";
    EXPECT_EQ(ds.field(QStringLiteral("TITULO")).text(), QStringLiteral("2:O'BRIEN"));
}

TEST_F(DataSetModelTest, TitlesAndAlignment) {
    EXPECT_EQ(model.headerData(kCodigo, Qt::Horizontal), QVariant(QStringLiteral("Número")));
    EXPECT_EQ(model.headerData(kTitulo, Qt::Horizontal), QVariant(QStringLiteral("TITULO")));
    const auto alignment = [&](int c) { return model.index(0, c).data(Qt::TextAlignmentRole); };
    EXPECT_EQ(alignment(kCodigo), QVariant(Qt::AlignRight | Qt::AlignVCenter));
    EXPECT_EQ(alignment(kImporte), QVariant(Qt::AlignRight | Qt::AlignVCenter));
    EXPECT_FALSE(alignment(kTitulo).isValid());
    EXPECT_FALSE(model.flags(model.index(0, kTitulo)).testFlag(Qt::ItemIsEditable));
}

TEST_F(DataSetModelTest, FollowsTheEditsPostsAndRowsOfTheDataSet) {
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    ds.moveTo(1);
    ds.edit();
    ds.field(QStringLiteral("TITULO")).setAsString(QStringLiteral("NUEVO"));
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0][0].toModelIndex().row(), 1);
    ds.post();
    EXPECT_EQ(model.index(1, kTitulo).data().toString(), QStringLiteral("NUEVO"));

    ds.append();
    EXPECT_EQ(model.rowCount(), 8);
    ds.cancel();
    EXPECT_EQ(model.rowCount(), 7);
    ds.close();
    EXPECT_EQ(model.rowCount(), 0);
    ds.open();
    EXPECT_EQ(column(model, kTitulo)[1], QStringLiteral("NUEVO"));

    dm.reset();
    EXPECT_EQ(model.rowCount(), 0) << "a destroyed dataset leaves an empty list";
    EXPECT_EQ(model.columnCount(), 3);
}

TEST_F(DataSetModelTest, AnEditableModelWritesTypedTextAndShowsARefusal) {
    model.setEditable(&test.prompts);
    const QModelIndex importe = model.index(2, kImporte);
    EXPECT_TRUE(model.flags(importe).testFlag(Qt::ItemIsEditable));
    EXPECT_TRUE(model.setData(importe, QStringLiteral("12,5")));
    EXPECT_EQ(ds.currentRow(), 2);
    EXPECT_EQ(ds.state(), db::DataSet::State::Edit);
    EXPECT_EQ(ds.field(QStringLiteral("IMPORTE")).asFloat(), 12.5);

    EXPECT_FALSE(model.setData(importe, QStringLiteral("doce")));
    EXPECT_EQ(test.prompts.log().size(), 1);
    EXPECT_EQ(ds.field(QStringLiteral("IMPORTE")).asFloat(), 12.5);
}

} // namespace
