#include "framework/TDBComboBoxVC.h"

#include "db/DataSet.h"
#include "framework/DataLink.h"

#include <QKeyEvent>

TDBComboBoxVC::TDBComboBoxVC(db::DataSet& dataSet, const QString& fieldName,
                             framework::Prompts& prompts, const QStringList& items,
                             const QStringList& values, QWidget* parent)
    : QComboBox(parent), link_(new DataLink(dataSet, fieldName, prompts, this)), values_(values) {
    setObjectName(QStringLiteral("DBCB") + fieldName);
    addItems(items);
    link_->showField = [this] { showField(); };
    link_->writeField = [this] {
        if (db::Field* f = link_->field(); f && currentIndex() >= 0)
            f->setAsString(valueOf(currentIndex()));
    };
    connect(this, &QComboBox::activated, this, [this](int item) {
        if (!link_->edit()) { // going into edit showed the field again: the pick comes back
            showField();
            return;
        }
        setCurrentIndex(item);
        // Written at once, so the command the user clicks next sees the pick.
        link_->setModified();
        link_->updateRecord();
    });
    showField();
}

QString TDBComboBoxVC::valueOf(int item) const {
    const QString value = values_.value(item);
    return value.isEmpty() ? itemText(item) : value;
}

void TDBComboBoxVC::showField() {
    const db::Field* f = link_->field();
    const QString value = f ? f->editText() : QString();
    int found = -1;
    for (int i = 0; i < count() && !value.isEmpty() && found < 0; ++i)
        if (valueOf(i) == value)
            found = i;
    setCurrentIndex(found);
}

void TDBComboBoxVC::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        link_->reset();
        return;
    }
    const bool choosing =
        event->key() == Qt::Key_Up || event->key() == Qt::Key_Down || !event->text().isEmpty();
    if (choosing && !link_->edit())
        return; // a record that cannot be edited keeps its value
    QComboBox::keyPressEvent(event);
}

void TDBComboBoxVC::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    link_->updateRecord();
}
