#include "memoria/TdlgImportaMemoria.h"

#include "config/TDMMain.h"
#include "framework/Prompts.h"
#include "framework/UserCommand.h"
#include "memoria/ImportaMemorias.h"
#include "memoria/MemoriaEjemplo.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QStringList kAviso = {
    QStringLiteral("Este proceso puede importar la memoria ejemplo, o las memorias "),
    QStringLiteral("confeccionadas en el ejercicio anterior, para ello elija el fichero "),
    QStringLiteral("adecuado."),
    QStringLiteral("Ejecute este procedimiento una sola vez."),
};

} // namespace

TdlgImportaMemoria::TdlgImportaMemoria(TDMMain& main, QWidget* parent)
    : QDialog(parent), main_(main) {
    setObjectName(QStringLiteral("dlgImportaMemoria"));
    setWindowTitle(QStringLiteral("Importa Memorias"));
    auto* aviso = new QPlainTextEdit(kAviso.join(u'\n'));
    aviso->setReadOnly(true);
    aviso->setMaximumHeight(90);
    EOrigen = new QLineEdit(QDir::toNativeSeparators(MemoriaEjemplo::fichero()));
    EOrigen->setObjectName(QStringLiteral("EOrigen"));
    EOrigen->setMinimumWidth(420);
    auto* examinar = new QPushButton(QStringLiteral("Examinar"));
    connect(examinar, &QPushButton::clicked, this, [this] { this->examinar(); });
    auto* origen = new QHBoxLayout;
    origen->addWidget(EOrigen, 1);
    origen->addWidget(examinar);

    auto* botones = new QDialogButtonBox;
    btnIniciar =
        botones->addButton(QStringLiteral("Iniciar proceso"), QDialogButtonBox::ActionRole);
    botones->addButton(QStringLiteral("&Salir"), QDialogButtonBox::RejectRole);
    connect(btnIniciar, &QPushButton::clicked, this, [this] { IniciarProceso(); });
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(aviso);
    layout->addWidget(
        new QLabel(QStringLiteral("Seleccione el archivo origen para importar la memoria.")));
    layout->addWidget(new QLabel(QStringLiteral(
        "Si quiere importar memoria base elija el archivo memoria.gdb que acompaña al programa.")));
    layout->addWidget(new QLabel(QStringLiteral("Si quiere importar memoria ejercicio 2016, elija "
                                                "el archivo Tribra17.gdb de Tributra17.")));
    layout->addLayout(origen);
    layout->addWidget(botones);
}

void TdlgImportaMemoria::examinar() {
    const QString elegido = main_.prompts().openFileName(
        {QString(), QFileInfo(EOrigen->text()).path(), QString(),
         QStringLiteral("Database Files (*.gdb)|*.gdb|All files (*.*)|*.*"), QString()});
    if (!elegido.isEmpty())
        EOrigen->setText(QDir::toNativeSeparators(elegido));
}

void TdlgImportaMemoria::IniciarProceso() {
    // One run at a time; the button comes back whatever happened.
    btnIniciar->setEnabled(false);
    const bool hecho = framework::runCommand(main_.prompts(), [this] {
        ImportaMemorias(main_).importa(QDir::fromNativeSeparators(EOrigen->text().trimmed()));
    });
    btnIniciar->setEnabled(true);
    if (hecho)
        main_.prompts().information(QStringLiteral("Proceso ejecutado con éxito"));
}
