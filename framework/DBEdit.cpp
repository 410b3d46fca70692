#include "framework/DBEdit.h"

#include "db/DataSet.h"
#include "framework/DataLink.h"

#include <QKeyEvent>

DBEdit::DBEdit(db::DataSet& dataSet, const QString& fieldName, framework::Prompts& prompts,
               QWidget* parent)
    : QLineEdit(parent), link_(new DataLink(dataSet, fieldName, prompts, this)) {
    setObjectName(QStringLiteral("DBE") + fieldName);
    link_->showField = [this] { showField(); };
    link_->writeField = [this] {
        if (db::Field* f = link_->field())
            f->setAsString(text());
    };
    connect(this, &QLineEdit::textEdited, this, [this] {
        link_->setModified();
        typedTextChanged();
    });
    showField();
}

void DBEdit::showField() {
    const db::Field* f = link_->field();
    const bool editing = hasFocus() && link_->canModify();
    QString shown = !f ? QString() : editing ? f->editText() : f->text();
    if (upperCase_)
        shown = shown.toUpper();
    if (shown != text()) // the same text again would lose the user's selection
        setText(shown);
    const bool number =
        f && (f->type() == db::FieldType::Float || f->type() == db::FieldType::Integer ||
              f->type() == db::FieldType::SmallInt || f->type() == db::FieldType::BigInt);
    setAlignment(number ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
    const int longest = f && f->type() == db::FieldType::Text && f->size() > 0 ? f->size() : 32767;
    if (longest != maxLength()) // setting it sets the text again
        setMaxLength(longest);
    setReadOnly(locked_ || !link_->canModify());
}

void DBEdit::setLocked(bool on) {
    locked_ = on;
    showField();
}

bool DBEdit::enterText(const QString& value) {
    if (!link_->edit())
        return false;
    setText(value);
    link_->setModified();
    return link_->updateRecord();
}

void DBEdit::setUpperCase(bool on) {
    upperCase_ = on;
    showField();
}

// Keys that would change the text: they first need the record in edit.
bool DBEdit::changesText(const QKeyEvent* event) const {
    if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut) ||
        event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo))
        return true;
    switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        return true;
    default:
        return !event->text().isEmpty() && event->text().at(0).isPrint();
    }
}

void DBEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && link_->modified()) {
        link_->reset();
        selectAll();
        return;
    }
    if (changesText(event) && (locked_ || !link_->edit())) {
        event->accept(); // a record that cannot be edited takes no typing
        return;
    }
    if (puntoToComa_ && event->text() == u".") {
        QKeyEvent comma(event->type(), Qt::Key_Comma, event->modifiers(), QStringLiteral(","));
        QLineEdit::keyPressEvent(&comma);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void DBEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (locked_ || !link_->edit())
        return;
    QLineEdit::inputMethodEvent(event);
}

void DBEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (!link_->modified())
        showField();
}

void DBEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (link_->updateRecord() && !link_->modified())
        showField();
}
