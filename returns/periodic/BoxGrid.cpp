#include "returns/periodic/BoxGrid.h"

#include "framework/DBEdit.h"
#include "framework/DBShadedBox.h"
#include "util/Error.h"

#include <QGridLayout>
#include <QLabel>

BoxGrid::BoxGrid(const BoxGroup& group, PeriodicReturn& module, framework::Prompts& prompts,
                 QWidget* parent)
    : BoxGrid(group, module.model(), module.QMaestro, module.calculadas(), prompts, parent) {}

BoxGrid::BoxGrid(const BoxGroup& group, const PeriodicReturn::Model& model, db::DataSet& record,
                 const ComputedBoxes& computed, framework::Prompts& prompts, QWidget* parent)
    : QGroupBox(QString::fromUtf8(group.title), parent), model_(model), record_(record),
      computed_(computed), prompts_(prompts), grid_(new QGridLayout(this)) {
    grid_->setVerticalSpacing(3);
    grid_->setColumnStretch(0, 1);
    for (int i = 0; i < int(group.headings.size()); ++i) {
        auto* heading = new QLabel(QString::fromUtf8(group.headings[size_t(i)]));
        heading->setAlignment(Qt::AlignCenter);
        grid_->addWidget(heading, 0, 1 + 2 * i, 1, 2);
    }
    for (const BoxGroup::Row& row : group.rows)
        addRow(row);
}

void BoxGrid::addRow(const BoxGroup::Row& row) {
    const int at = grid_->rowCount();
    auto* label = new QLabel(QString::fromUtf8(row.caption));
    label->setWordWrap(true);
    grid_->addWidget(label, at, 0);
    int column = 1;
    for (const char* numero : row.boxes) {
        if (!*numero) {
            column += 2;
            continue;
        }
        const layout::Row* casilla = model_.casilla(QLatin1String(numero));
        if (!casilla)
            throw tributra::Error(QStringLiteral("Modelo %1: no hay una casilla %2")
                                      .arg(model_.modelo, QLatin1String(numero)));
        const QString campo = QString::fromLatin1(casilla->source);
        auto* number = new QLabel(QLatin1String(numero));
        number->setStyleSheet(QStringLiteral("font-weight: bold"));
        grid_->addWidget(number, at, column++, Qt::AlignRight);
        const bool count = casilla->kind == layout::Kind::Count;
        QLineEdit* edit = nullptr;
        if (computed_.locked(campo)) {
            edit = new DBShadedBox(record_, campo, prompts_);
        } else {
            auto* typed = new DBEdit(record_, campo, prompts_);
            typed->setPuntoToComa(!count);
            edit = typed;
        }
        edit->setMinimumWidth(count ? 70 : 120);
        if (casilla->kind == layout::Kind::Percent)
            edit->setFixedWidth(70);
        grid_->addWidget(edit, at, column++);
        boxes_.insert(campo, edit);
    }
}
