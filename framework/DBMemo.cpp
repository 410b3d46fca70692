#include "framework/DBMemo.h"

#include "db/DataSet.h"
#include "framework/DataLink.h"

#include <QKeyEvent>

DBMemo::DBMemo(db::DataSet& dataSet, const QString& fieldName, framework::Prompts& prompts,
               QWidget* parent)
    : QPlainTextEdit(parent), link_(new DataLink(dataSet, fieldName, prompts, this)) {
    setObjectName(QStringLiteral("DBM") + fieldName);
    link_->showField = [this] { showField(); };
    link_->writeField = [this] {
        if (db::Field* f = link_->field())
            f->setAsString(toPlainText());
    };
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!showing_)
            link_->setModified();
    });
    showField();
}

void DBMemo::showField() {
    showing_ = true;
    const db::Field* f = link_->field();
    setPlainText(f ? f->asString() : QString());
    setReadOnly(!link_->canModify());
    showing_ = false;
}

void DBMemo::keyPressEvent(QKeyEvent* event) {
    const bool typing = !event->text().isEmpty() || event->key() == Qt::Key_Backspace ||
                        event->key() == Qt::Key_Delete;
    if (typing && !event->matches(QKeySequence::Copy) && !link_->edit())
        return;
    QPlainTextEdit::keyPressEvent(event);
}

void DBMemo::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    link_->updateRecord();
}
