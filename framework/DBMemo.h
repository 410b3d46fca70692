#pragma once

#include <QPlainTextEdit>

class DataLink;
namespace db {
class DataSet;
}
namespace framework {
class Prompts;
}

// Several lines of text over a field; written when left or when the record is posted.
class DBMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    DBMemo(db::DataSet& dataSet, const QString& fieldName, framework::Prompts& prompts,
           QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void showField();

    DataLink* link_;
    bool showing_ = false;
};
