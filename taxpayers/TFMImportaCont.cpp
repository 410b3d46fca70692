#include "taxpayers/TFMImportaCont.h"

#include "config/TDMMain.h"
#include "framework/Prompts.h"
#include "framework/UserCommand.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// The folder of a database name, without the server in front of it.
QString carpeta(const QString& nombre) {
    static const QRegularExpression servidor(QStringLiteral("^[^:\\\\/]{2,}:"));
    return QFileInfo(QString(nombre).remove(servidor)).path();
}

QPushButton* button(const char* name, const QString& caption) {
    auto* b = new QPushButton(caption);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

TFMImportaCont::TFMImportaCont(TDMMain& dm, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), dm_(dm), importa_(dm) {
    setObjectName(QStringLiteral("FMImportaCont"));
    setWindowTitle(QStringLiteral("Importación datos contribuyentes ejercicio 2017"));

    auto* memo = new QPlainTextEdit;
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setReadOnly(true);
    memo->setStyleSheet(QStringLiteral("background: palette(tooltip-base);"));
    memo->setPlainText(
        QStringLiteral("Este proceso capturará los datos de los contribuyentes de \n"
                       "ejercicios anteriores y las memorias, aquellos contribuyentes \n"
                       "ya dados de alta en el ejercicio actual no se actualizarán."));

    EdTribra = new QLineEdit(ImportaContribuyentes::OrigenPorDefecto());
    EdTribra->setObjectName(QStringLiteral("EdTribra"));
    auto* sbUbica = button("sbUbica", QStringLiteral("Examinar"));
    connect(sbUbica, &QPushButton::clicked, this, &TFMImportaCont::sbUbicaClick);
    btProceso = button("btProceso", QStringLiteral("Iniciar proceso"));
    connect(btProceso, &QPushButton::clicked, this, &TFMImportaCont::btProcesoClick);
    BitBtn1 = button("BitBtn1", QStringLiteral("&Salir"));
    connect(BitBtn1, &QPushButton::clicked, this, &TFMImportaCont::reject);

    auto* fichero = new QHBoxLayout;
    fichero->addWidget(new QLabel(QStringLiteral("Fichero Tribra 2017")));
    fichero->addWidget(EdTribra, 1);
    fichero->addWidget(sbUbica);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btProceso);
    buttons->addWidget(BitBtn1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(memo);
    layout->addLayout(fichero);
    layout->addLayout(buttons);
    resize(600, 300);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void TFMImportaCont::reject() {
    if (!running_)
        QDialog::reject();
}

void TFMImportaCont::sbUbicaClick() {
    const QString chosen = dm_.prompts().openFileName(
        {QString(), carpeta(EdTribra->text()), QString(),
         QStringLiteral("Database Files (*.gdb)|*.gdb|All files (*.*)|*.*"), QString()});
    if (!chosen.isEmpty())
        EdTribra->setText(QDir::toNativeSeparators(chosen));
}

void TFMImportaCont::btProcesoClick() {
    running_ = true;
    btProceso->setEnabled(false);
    BitBtn1->setEnabled(false);
    framework::runCommand(dm_.prompts(), [this] {
        importa_.Proceso(EdTribra->text(), [] { QCoreApplication::processEvents(); });
    });
    btProceso->setEnabled(true);
    BitBtn1->setEnabled(true);
    running_ = false;
}
