#pragma once

#include <QCheckBox>

class DataLink;
namespace db {
class DataSet;
}
namespace framework {
class Prompts;
}

// A check box over a field that stores one value when ticked and another when not
// ("S"/"N", "1"/"0"...). A click goes into the field at once.
class DBCheckBox : public QCheckBox {
    Q_OBJECT
public:
    DBCheckBox(const QString& caption, db::DataSet& dataSet, const QString& fieldName,
               framework::Prompts& prompts, const QString& valueChecked = QStringLiteral("1"),
               const QString& valueUnchecked = QStringLiteral("0"), QWidget* parent = nullptr);

protected:
    void nextCheckState() override;

private:
    void showField();

    DataLink* link_;
    QString checked_;
    QString unchecked_;
};
