#include "taxpayers/TFMImportaDatos.h"

#include "config/TDMMain.h"
#include "framework/Prompts.h"
#include "framework/UserCommand.h"
#include "taxpayers/ReferenceImport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLineEdit* newEdit(const char* name, const QString& text = {}) {
    auto* edit = new QLineEdit(text);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QLineEdit* newIndicator(const char* name) {
    QLineEdit* edit = newEdit(name);
    edit->setReadOnly(true);
    return edit;
}

} // namespace

TFMImportaDatos::TFMImportaDatos(TDMMain& dm, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), dm_(dm) {
    setObjectName(QStringLiteral("FMImportaDatos"));
    setWindowTitle(QStringLiteral("Importación ficheros auxiliares de texto"));

    // An empty folder would become the root of the drive.
    EdUbicacion = newEdit("EdUbicacion", QDir::toNativeSeparators(QDir::currentPath()));
    EdUbicacion->setMinimumWidth(360);
    sbUbica = new QToolButton;
    sbUbica->setObjectName(QStringLiteral("sbUbica"));
    sbUbica->setText(QStringLiteral("?"));
    EdDelegaciones = newEdit("EdDelegaciones", QStringLiteral("Admon.tab"));
    EdEpigrafes = newEdit("EdEpigrafes", QStringLiteral("Epigrafe.tab"));
    EdSiglas = newEdit("EdSiglas", QStringLiteral("Siglas.tab"));
    EdPaises = newEdit("EdPaises", QStringLiteral("Paises.txt"));
    edCNAE = newEdit("edCNAE", QStringLiteral("cnae.txt"));
    EdContador = newIndicator("EdContador");
    EdFic = newIndicator("EdFic");
    BtImportar = new QPushButton(QStringLiteral("Importar"));
    BtImportar->setObjectName(QStringLiteral("BtImportar"));
    BtCancelar = new QPushButton(QStringLiteral("Cancelar"));
    BtCancelar->setObjectName(QStringLiteral("BtCancelar"));
    BtCancelar->setEnabled(false);

    panel_ = new QWidget;
    auto* ubicacion = new QHBoxLayout;
    ubicacion->addWidget(EdUbicacion);
    ubicacion->addWidget(sbUbica);
    auto* ficheros = new QFormLayout(panel_);
    ficheros->addRow(QStringLiteral("Ubicación ficheros"), ubicacion);
    ficheros->addRow(QStringLiteral("Delegaciones"), EdDelegaciones);
    ficheros->addRow(QStringLiteral("Epigrafes"), EdEpigrafes);
    ficheros->addRow(QStringLiteral("Siglas"), EdSiglas);
    ficheros->addRow(QStringLiteral("Paises"), EdPaises);
    ficheros->addRow(QStringLiteral("CNAE"), edCNAE);
    auto* avance = new QFormLayout;
    avance->addRow(QStringLiteral("Procesando"), EdContador);
    avance->addRow(QStringLiteral("Fichero"), EdFic);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(BtImportar);
    botones->addWidget(BtCancelar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel_);
    layout->addLayout(avance);
    layout->addLayout(botones);

    connect(sbUbica, &QToolButton::clicked, this, &TFMImportaDatos::sbUbicaClick);
    connect(BtImportar, &QPushButton::clicked, this, &TFMImportaDatos::BtImportarClick);
    connect(BtCancelar, &QPushButton::clicked, this, &TFMImportaDatos::BtCancelarClick);
}

void TFMImportaDatos::sbUbicaClick() {
    const QString chosen =
        dm_.prompts().folder(QStringLiteral("Seleccione carpeta importación"), QString());
    if (!chosen.isEmpty())
        EdUbicacion->setText(chosen);
}

void TFMImportaDatos::BtCancelarClick() {
    if (dm_.prompts().question(QStringLiteral("¿ Desea interrumpir la importación ?"),
                               QStringLiteral("Confirmación"), framework::Prompts::Icon::Stop))
        cancelRequested_ = true;
}

void TFMImportaDatos::reject() {
    if (!importing_)
        QDialog::reject();
}

void TFMImportaDatos::BtImportarClick() {
    cancelRequested_ = false;
    panel_->setEnabled(false);
    BtImportar->setEnabled(false);
    BtCancelar->setEnabled(true);
    importing_ = true;
    const bool ran = framework::runCommand(dm_.prompts(), [this] { importa(); });
    importing_ = false;
    BtCancelar->setEnabled(false);
    if (!ran)
        return; // the error was shown; the dialog stays disabled until it is closed
    panel_->setEnabled(true);
    BtImportar->setEnabled(true);
    accept();
}

void TFMImportaDatos::importa() {
    const QString folder = taxpayers::ReferenceImport::folder(EdUbicacion->text());
    EdUbicacion->setText(folder);
    using taxpayers::ReferenceFile;
    const std::pair<ReferenceFile, QLineEdit*> edits[] = {
        {ReferenceFile::Delegaciones, EdDelegaciones},
        {ReferenceFile::Epigrafes, EdEpigrafes},
        {ReferenceFile::Siglas, EdSiglas},
        {ReferenceFile::Paises, EdPaises},
        {ReferenceFile::Cnae, edCNAE}};
    std::vector<std::pair<ReferenceFile, QString>> files;
    for (const auto& [file, edit] : edits) {
        edit->setText(folder + edit->text().trimmed());
        files.emplace_back(file, edit->text());
    }
    taxpayers::ReferenceImport(dm_.Database, dm_.TLocal)
        .run(files,
             [this](const QString& path, int remaining) { return muestraAvance(path, remaining); });
}

bool TFMImportaDatos::muestraAvance(const QString& path, int remaining) {
    EdFic->setText(path);
    EdContador->setText(QString::number(remaining));
    QCoreApplication::processEvents(); // so that "Cancelar" can be pressed
    return !cancelRequested_;
}
