#pragma once

#include <QObject>
#include <QString>

#include <functional>

namespace db {
class DataSet;
class Field;
} // namespace db
namespace framework {
class Prompts;
}

// Binds one control to one field of a dataset: the control shows the field whenever the
// row, the state or the field changes, puts the dataset in edit when the user starts
// typing, and writes what was typed into the field when it is left or the record posted.
class DataLink : public QObject {
    Q_OBJECT
public:
    DataLink(db::DataSet& dataSet, const QString& fieldName, framework::Prompts& prompts,
             QObject* parent);

    db::DataSet& dataSet() const { return *dataSet_; }
    const QString& fieldName() const { return fieldName_; }
    framework::Prompts& prompts() const { return *prompts_; }
    // Null while the dataset is closed.
    db::Field* field() const;
    bool canModify() const;

    // Before the user's change: the dataset goes into edit; false when it cannot.
    bool edit();
    void setModified() { modified_ = true; }
    bool modified() const { return modified_; }
    // Writes the control's value when it changed; an error is shown and the control
    // keeps what was typed. False on error.
    bool updateRecord();
    // Shows the field again, dropping what was typed.
    void reset();

    std::function<void()> showField;  // the control shows the field's value
    std::function<void()> writeField; // the control's value goes into the field

private:
    void changed();

    db::DataSet* dataSet_;
    QString fieldName_;
    framework::Prompts* prompts_;
    bool modified_ = false;
    bool writing_ = false;
};
