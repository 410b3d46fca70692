#include "accounts/TdlgDeposito.h"

#include "config/TDMMain.h"
#include "framework/Prompts.h"
#include "framework/TEditFind.h"
#include "platform/WindowsPaths.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TdlgDeposito::TdlgDeposito(TDMMain& main, QWidget* parent) : QDialog(parent), main_(main) {
    setObjectName(QStringLiteral("dlgDeposito"));
    setWindowTitle(QStringLiteral("Traspaso cuentas al programa D2 (Depósito digital 2017)"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto* memo = new QPlainTextEdit;
    memo->setReadOnly(true);
    memo->setFocusPolicy(Qt::NoFocus);
    memo->setPlainText(QStringLiteral(
        "Este módulo traspasa toda la información elaborada de la cuentas \n"
        "anuales al programa D2 para su presentación digital. \n"
        "Si no dispone aún de dicho software, puede descargarlo desde:\n"
        "\n"
        "https://www.registradores.org/"));
    memo->setFixedSize(470, 110);

    EEmpresa = new TEditFind(main.Database, main.TLocal, main.prompts(),
                             {QStringLiteral("T_CONTRIBUYENTES"),
                              {QStringLiteral("CONTRIBUYENTE"), QStringLiteral("TITULO")},
                              QStringLiteral("CONTRIBUYENTE"),
                              QStringLiteral("TITULO"),
                              {}});
    EEmpresa->setText(QStringLiteral("0"));
    EEmpresa->setMaximumWidth(90);
    ENombre = new QLineEdit;
    ENombre->setMinimumWidth(320);
    EEmpresa->setLookUpEdit(ENombre);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Empresa:"), EEmpresa);
    form->addRow(QStringLiteral("Nombre:"), ENombre);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(memo);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int TdlgDeposito::empresa() const {
    return EEmpresa->text().trimmed().toInt(); // 0 when it is not a number
}

void TdlgDeposito::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (main_.DirectorioDeposito.trimmed().isEmpty())
        QTimer::singleShot(0, this, [this] { pideDirectorio(); });
}

void TdlgDeposito::pideDirectorio() {
    framework::Prompts& prompts = main_.prompts();
    const QString chosen =
        prompts.folder(QStringLiteral("Seleccione directorio de trabajo D2_2017"),
                       platform::nativePath(QStringLiteral("c:\\Users\\Public\\Documents")));
    if (chosen.isEmpty()) {
        prompts.information(
            QStringLiteral("Es obligatorio definir el directorio de trabajo D2_2017"));
        return;
    }
    main_.DirectorioDeposito = chosen;
    main_.GrabaConfiguracion();
}
