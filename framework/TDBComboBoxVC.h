#pragma once

#include <QComboBox>
#include <QStringList>

class DataLink;
namespace db {
class DataSet;
}
namespace framework {
class Prompts;
}

// A drop-down list that shows texts and stores a parallel code: the value of item i is
// Values[i] when there is one, else the item's own text.
class TDBComboBoxVC : public QComboBox {
    Q_OBJECT
public:
    TDBComboBoxVC(db::DataSet& dataSet, const QString& fieldName, framework::Prompts& prompts,
                  const QStringList& items, const QStringList& values = {},
                  QWidget* parent = nullptr);

    QString valueOf(int item) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void showField();

    DataLink* link_;
    QStringList values_;
};
