#include "returns/periodic/ModoComplementario.h"

#include "framework/DBEdit.h"

#include <QGridLayout>
#include <QLabel>
#include <QToolButton>

ModoComplementario::ModoComplementario(db::DataSet& record, const QString& justificante,
                                       framework::Prompts& prompts, QWidget* parent)
    : QWidget(parent) {
    btcomplementaria = new QToolButton;
    btcomplementaria->setObjectName(QStringLiteral("btcomplementaria"));
    btcomplementaria->setText(QStringLiteral("C"));
    btcomplementaria->setToolTip(QStringLiteral("Declaración complementaria"));
    btcomplementaria->setProperty("tag", 0);
    btcomplementaria->setCheckable(true);
    connect(btcomplementaria, &QToolButton::clicked, this, [this] { pulsa(); });
    LComplementaria = new QLabel(QStringLiteral("Declaración complementaria"));
    LComplementaria->setStyleSheet(QStringLiteral("color: red; font-weight: bold"));
    LJustificante = new QLabel(QStringLiteral("Nº de justificante"));
    EJustificante = new DBEdit(record, justificante, prompts);
    EJustificante->setMaximumWidth(130);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(btcomplementaria, 1, 0);
    grid->addWidget(LComplementaria, 0, 1, 1, 2);
    grid->addWidget(LJustificante, 1, 1);
    grid->addWidget(EJustificante, 1, 2);
    muestra();
}

void ModoComplementario::abre(DBEdit* aDeducir) {
    aDeducir_ = aDeducir;
    muestra();
}

bool ModoComplementario::activo() const {
    return btcomplementaria->property("tag").toInt() == 1;
}

// The button keeps the mode in its tag: 1 turns into 0, anything else into 1.
void ModoComplementario::pulsa() {
    btcomplementaria->setProperty("tag", activo() ? 0 : 1);
    muestra();
}

void ModoComplementario::siguePorJustificante() {
    if (!EJustificante->text().trimmed().isEmpty() && EJustificante->isHidden())
        pulsa();
}

void ModoComplementario::muestra() {
    const bool on = activo();
    btcomplementaria->setChecked(on);
    for (QWidget* w : {static_cast<QWidget*>(LComplementaria), static_cast<QWidget*>(LJustificante),
                       static_cast<QWidget*>(EJustificante)})
        w->setVisible(on);
    if (aDeducir_)
        aDeducir_->setLocked(!on);
}
