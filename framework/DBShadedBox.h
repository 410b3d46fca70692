#pragma once

#include <QLineEdit>

class DataLink;
namespace db {
class DataSet;
}
namespace framework {
class Prompts;
}

// A computed value: shown with the field's display format, shaded, never typed in.
class DBShadedBox : public QLineEdit {
    Q_OBJECT
public:
    DBShadedBox(db::DataSet& dataSet, const QString& fieldName, framework::Prompts& prompts,
                QWidget* parent = nullptr);

private:
    DataLink* link_;
};
