#include "returns/periodic/TFImpModelo.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* soloLectura(const QString& texto) {
    auto* edit = new QLineEdit(texto);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    return edit;
}

} // namespace

TFImpModelo::TFImpModelo(const PeriodicReturn::CondicionesListado& condiciones, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FImpModelo"));
    setWindowTitle(QStringLiteral("Condiciones del listado"));
    lModelo = new QLabel(condiciones.modelo);
    QFont grande = lModelo->font();
    grande.setPointSize(grande.pointSize() * 2);
    grande.setBold(true);
    lModelo->setFont(grande);
    EPagador = soloLectura(condiciones.contribuyente);
    EPagador->setMinimumWidth(320);
    EPeriodo = soloLectura(condiciones.periodo);
    EEjercicio = soloLectura(QString::number(PeriodicReturn::kEjercicio));
    CBCopia = new QCheckBox(QStringLiteral("Copia adicional para el interesado"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Contribuyente"), EPagador);
    form->addRow(QStringLiteral("Periodo"), EPeriodo);
    form->addRow(QStringLiteral("Ejercicio"), EEjercicio);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    buttons->button(QDialogButtonBox::Ok)->setFocus();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lModelo);
    layout->addLayout(form);
    layout->addWidget(CBCopia);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize); // a fixed border
}
