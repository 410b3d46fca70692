#include "memoria/TdlgEmpresa.h"

#include "config/TDMMain.h"
#include "framework/TEditFind.h"
#include "memoria/TDMMemorias.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

TdlgEmpresa::TdlgEmpresa(TDMMain& main, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgEmpresa"));
    setWindowTitle(QStringLiteral("Contribuyente"));
    ENumero = new TEditFind(main.Database, main.TLocal, main.prompts(),
                            {QStringLiteral("T_CONTRIBUYENTES"),
                             {QStringLiteral("CONTRIBUYENTE"), QStringLiteral("APELLIDOS")},
                             QStringLiteral("CONTRIBUYENTE"),
                             QStringLiteral("APELLIDOS"),
                             {}});
    ENumero->setMaximumWidth(90);
    ENombre = new QLineEdit;
    ENombre->setMinimumWidth(300);
    ENombre->setReadOnly(true);
    ENumero->setLookUpEdit(ENombre);
    EEjercicio = new QLineEdit(QString::number(TDMMemorias::kEjercicio));
    EEjercicio->setReadOnly(true);
    EEjercicio->setMaximumWidth(60);
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Número"), ENumero);
    form->addRow(QStringLiteral("Nombre"), ENombre);
    form->addRow(QStringLiteral("Ejercicio"), EEjercicio);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

int TdlgEmpresa::contribuyente() const {
    return ENumero->text().trimmed().toInt();
}
