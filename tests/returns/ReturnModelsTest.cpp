// The list of models: every model's tables whole before any file is written with them.
#include "returns/ReturnModels.h"

#include <gtest/gtest.h>

namespace {

// Rows follow one another from position 1 to the table's end; a block's forms fill it.
void expectWhole(const layout::Table& table) {
    int next = 1;
    for (const layout::Row& row : table.rows) {
        EXPECT_EQ(row.position, next) << table.name << ", box " << row.box;
        next = row.position + row.length;
        for (const layout::Table& variant : row.variants) {
            EXPECT_EQ(variant.length, row.length) << variant.name;
            expectWhole(variant);
        }
    }
    EXPECT_EQ(next, table.length + 1) << table.name;
}

} // namespace

TEST(ReturnModelsTest, EveryPageIsWholeAndEveryBoxAndComputedFieldIsAColumn) {
    ASSERT_FALSE(returns::models().empty());
    for (const PeriodicReturn::Model* model : returns::models()) {
        SCOPED_TRACE(model->modelo.toStdString());
        EXPECT_EQ(returns::findModel(model->modelo), model);
        QStringList boxes;
        for (const layout::Table& page : model->paginas) {
            expectWhole(page);
            for (const layout::Row& row : page.rows) {
                if (*row.box) {
                    EXPECT_FALSE(boxes.contains(QLatin1String(row.box))) << "box " << row.box;
                    boxes << QLatin1String(row.box);
                    EXPECT_TRUE(model->campos.contains(QLatin1String(row.source))) << row.source;
                }
            }
        }
        for (const ComputedBox& box : model->calculadas) {
            EXPECT_TRUE(model->campos.contains(box.result)) << box.result.toStdString();
            for (const QString& input : box.inputs)
                EXPECT_TRUE(model->campos.contains(input)) << input.toStdString();
        }
        EXPECT_FALSE(model->periodoValido(QStringLiteral("00")));
    }
}
