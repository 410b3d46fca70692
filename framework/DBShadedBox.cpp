#include "framework/DBShadedBox.h"

#include "db/DataSet.h"
#include "framework/DataLink.h"

DBShadedBox::DBShadedBox(db::DataSet& dataSet, const QString& fieldName,
                         framework::Prompts& prompts, QWidget* parent)
    : QLineEdit(parent), link_(new DataLink(dataSet, fieldName, prompts, this)) {
    setObjectName(QStringLiteral("DBS") + fieldName);
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setStyleSheet(
        QStringLiteral("QLineEdit { background: palette(window); color: palette(window-text); }"));
    link_->showField = [this] {
        const db::Field* f = link_->field();
        setText(f ? f->text() : QString());
    };
    link_->showField();
}
