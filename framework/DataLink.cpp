#include "framework/DataLink.h"

#include "db/DataSet.h"
#include "framework/UserCommand.h"
#include "util/Error.h"

DataLink::DataLink(db::DataSet& dataSet, const QString& fieldName, framework::Prompts& prompts,
                   QObject* parent)
    : QObject(parent), dataSet_(&dataSet), fieldName_(fieldName.toUpper()), prompts_(&prompts) {
    connect(&dataSet, &db::DataSet::rowsChanged, this, &DataLink::reset);
    connect(&dataSet, &db::DataSet::currentChanged, this, &DataLink::reset);
    connect(&dataSet, &db::DataSet::stateChanged, this, &DataLink::reset);
    connect(&dataSet, &db::DataSet::fieldChanged, this, [this](db::Field* f) {
        if (!writing_ && f->name() == fieldName_)
            reset();
    });
    connect(&dataSet, &db::DataSet::aboutToPost, this, [this] {
        if (!modified_ || !writeField)
            return;
        writing_ = true;
        try {
            writeField();
            modified_ = false;
        } catch (const tributra::Error& e) {
            dataSet_->refusePost(e.text()); // the record stays in edit with what was typed
        }
        writing_ = false;
    });
}

db::Field* DataLink::field() const {
    return dataSet_ && dataSet_->active() ? dataSet_->findField(fieldName_) : nullptr;
}

bool DataLink::canModify() const {
    const db::Field* f = field();
    return f && dataSet_->canModify() && !f->readOnly();
}

bool DataLink::edit() {
    if (!canModify())
        return false;
    if (!dataSet_->editing() && !framework::runCommand(*prompts_, [this] { dataSet_->edit(); }))
        return false;
    return dataSet_->editing();
}

bool DataLink::updateRecord() {
    if (!modified_ || !writeField)
        return true;
    writing_ = true;
    const bool ok = framework::runCommand(*prompts_, writeField);
    writing_ = false;
    if (ok) {
        modified_ = false;
        reset();
    }
    return ok;
}

void DataLink::reset() {
    modified_ = false;
    if (showField)
        showField();
}
