#include "framework/DBCheckBox.h"

#include "db/DataSet.h"
#include "framework/DataLink.h"

DBCheckBox::DBCheckBox(const QString& caption, db::DataSet& dataSet, const QString& fieldName,
                       framework::Prompts& prompts, const QString& valueChecked,
                       const QString& valueUnchecked, QWidget* parent)
    : QCheckBox(caption, parent), link_(new DataLink(dataSet, fieldName, prompts, this)),
      checked_(valueChecked), unchecked_(valueUnchecked) {
    setObjectName(QStringLiteral("DBCB") + fieldName);
    link_->showField = [this] { showField(); };
    link_->writeField = [this] {
        if (db::Field* f = link_->field())
            f->setAsString(isChecked() ? checked_ : unchecked_);
    };
    showField();
}

void DBCheckBox::showField() {
    const db::Field* f = link_->field();
    setChecked(f && f->asString() == checked_);
}

void DBCheckBox::nextCheckState() {
    if (!link_->edit())
        return;
    QCheckBox::nextCheckState();
    link_->setModified();
    link_->updateRecord();
}
