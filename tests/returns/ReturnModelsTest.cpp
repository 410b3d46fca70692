// The list of models: every model's tables whole before any file is written with them.
#include "returns/ReturnModels.h"

#include <gtest/gtest.h>

TEST(ReturnModelsTest, EveryPageIsWholeAndEveryBoxAndComputedFieldIsAColumn) {
    ASSERT_FALSE(returns::models().empty());
    for (const PeriodicReturn::Model* model : returns::models()) {
        SCOPED_TRACE(model->modelo.toStdString());
        EXPECT_EQ(returns::findModel(model->modelo), model);
        QStringList boxes;
        for (const layout::Table& page : model->paginas) {
            int next = 1;
            for (const layout::Row& row : page.rows) {
                EXPECT_EQ(row.position, next) << page.name << ", box " << row.box;
                next = row.position + row.length;
                if (*row.box) {
                    EXPECT_FALSE(boxes.contains(QLatin1String(row.box))) << "box " << row.box;
                    boxes << QLatin1String(row.box);
                    EXPECT_TRUE(model->campos.contains(QLatin1String(row.source))) << row.source;
                }
            }
            EXPECT_EQ(next, page.length + 1) << page.name;
        }
        for (const ComputedBox& box : model->calculadas) {
            EXPECT_TRUE(model->campos.contains(box.result)) << box.result.toStdString();
            for (const QString& input : box.inputs)
                EXPECT_TRUE(model->campos.contains(input)) << input.toStdString();
        }
        EXPECT_FALSE(model->periodoValido(QStringLiteral("00")));
    }
}
