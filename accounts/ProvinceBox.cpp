#include "accounts/ProvinceBox.h"

#include "db/DataSet.h"

namespace {

std::pair<QStringList, QStringList> itemsOf(db::DataSet& provinces) {
    QStringList names{QString()}, codes{QStringLiteral("0")};
    for (int row = 0; row < provinces.recordCount(); ++row) {
        names << provinces.displayText(row, 1);
        codes << QString::number(provinces.valueAt(row, 0).toString().toInt());
    }
    return {names, codes};
}

} // namespace

ProvinceBox::ProvinceBox(db::DataSet& record, const QString& field, db::DataSet& provinces,
                         framework::Prompts& prompts, QWidget* parent)
    : TDBComboBoxVC(record, field, prompts, itemsOf(provinces).first, itemsOf(provinces).second,
                    parent) {}
