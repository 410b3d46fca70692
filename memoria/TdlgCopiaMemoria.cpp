#include "memoria/TdlgCopiaMemoria.h"

#include "config/TDMMain.h"
#include "framework/Prompts.h"
#include "framework/TEditFind.h"
#include "framework/UserCommand.h"
#include "memoria/CopiaMemoria.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {

TEditFind* memoria(TDMMain& main) {
    auto* e = new TEditFind(main.Database, main.TLocal, main.prompts(),
                            {QStringLiteral("T_MEMORIAS"),
                             {QStringLiteral("MEMORIA"), QStringLiteral("TITULO")},
                             QStringLiteral("MEMORIA"),
                             QStringLiteral("TITULO"),
                             {}});
    e->setMaximumWidth(90);
    return e;
}

} // namespace

TdlgCopiaMemoria::TdlgCopiaMemoria(TDMMain& main, QWidget* parent) : QDialog(parent), main_(main) {
    setObjectName(QStringLiteral("dlgCopiaMemoria"));
    setWindowTitle(QStringLiteral("Copia de Memorias"));
    EOrigen = memoria(main);
    auto* nombreOrigen = new QLineEdit;
    nombreOrigen->setReadOnly(true);
    nombreOrigen->setFocusPolicy(Qt::NoFocus);
    nombreOrigen->setMinimumWidth(360);
    EOrigen->setLookUpEdit(nombreOrigen);
    EDestino = memoria(main);
    ENombre = new QLineEdit;
    ENombre->setMaxLength(64);

    auto* botones = new QDialogButtonBox;
    QPushButton* copiar =
        botones->addButton(QStringLiteral("Copiar memorias"), QDialogButtonBox::ActionRole);
    copiar->setObjectName(QStringLiteral("btnCopiar"));
    botones->addButton(QStringLiteral("&Salir"), QDialogButtonBox::RejectRole);
    connect(copiar, &QPushButton::clicked, this,
            [this] { framework::runCommand(main_.prompts(), [this] { CopiarMemorias(); }); });
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Memoria Origen"), EOrigen);
    form->addRow(QStringLiteral("Nombre"), nombreOrigen);
    form->addRow(QStringLiteral("Memoria Destino"), EDestino);
    form->addRow(QStringLiteral("Nombre"), ENombre);
    form->addRow(botones);
}

void TdlgCopiaMemoria::CopiarMemorias() {
    CopiaMemoria(main_, EOrigen->text().trimmed().toInt(), EDestino->text().trimmed().toInt(),
                 ENombre->text());
    main_.prompts().information(QStringLiteral("Proceso finalizado con éxito"));
}
