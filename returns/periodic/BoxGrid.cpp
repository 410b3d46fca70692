#include "returns/periodic/BoxGrid.h"

#include "framework/DBEdit.h"
#include "framework/DBShadedBox.h"

#include <QGridLayout>
#include <QLabel>

BoxGrid::BoxGrid(const QString& title, const QStringList& headings, db::DataSet& dataSet,
                 framework::Prompts& prompts, QWidget* parent)
    : QGroupBox(title, parent), dataSet_(dataSet), prompts_(prompts), grid_(new QGridLayout(this)) {
    grid_->setVerticalSpacing(3);
    grid_->setColumnStretch(0, 1);
    for (int i = 0; i < headings.size(); ++i) {
        auto* heading = new QLabel(headings[i]);
        heading->setAlignment(Qt::AlignCenter);
        grid_->addWidget(heading, 0, 1 + 2 * i, 1, 2);
    }
}

void BoxGrid::addRow(const QString& caption, const std::vector<Box>& boxes) {
    const int row = grid_->rowCount();
    auto* label = new QLabel(caption);
    label->setWordWrap(true);
    grid_->addWidget(label, row, 0);
    int column = 1;
    for (const Box& b : boxes) {
        auto* number = new QLabel(b.numero);
        number->setStyleSheet(QStringLiteral("font-weight: bold"));
        grid_->addWidget(number, row, column++, Qt::AlignRight);
        QLineEdit* edit = nullptr;
        if (b.kind == Kind::Computed) {
            edit = new DBShadedBox(dataSet_, b.campo, prompts_);
        } else {
            auto* typed = new DBEdit(dataSet_, b.campo, prompts_);
            typed->setPuntoToComa(b.kind == Kind::Amount);
            edit = typed;
        }
        edit->setMinimumWidth(b.kind == Kind::Count ? 70 : 120);
        grid_->addWidget(edit, row, column++);
        boxes_.insert(b.campo, edit);
    }
}
