#include "config/TFUbica.h"

#include "config/AdminAccount.h"
#include "config/ConnectionString.h"
#include "config/ConnectionTest.h"
#include "config/DatabaseLocation.h"
#include "config/ParamLines.h"
#include "util/Error.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QLabel* buddyLabel(const QString& caption, QWidget* buddy) {
    auto* label = new QLabel(caption);
    label->setBuddy(buddy);
    return label;
}

} // namespace

TFUbica::TFUbica(config::DatabaseLocation& location, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      location_(location) {
    setObjectName(QStringLiteral("FUbica"));
    setWindowTitle(QStringLiteral("Ubicación de la base de datos"));

    DatabaseName = new QLineEdit(location.databaseName);
    DatabaseName->setMinimumWidth(360);
    LocalRbtn = new QRadioButton(QStringLiteral("&Local"));
    RemoteRbtn = new QRadioButton(QStringLiteral("&Remota"));
    LocalRbtn->setChecked(true);
    Browse = new QPushButton(QStringLiteral("&Buscar"));
    ServerName = new QLineEdit;
    ServerLabel = buddyLabel(QStringLiteral("&Servidor:"), ServerName);
    Protocol = new QComboBox;
    Protocol->addItems({QStringLiteral("TCP"), QStringLiteral("NETBEUI"), QStringLiteral("SPX")});
    Protocol->setCurrentIndex(-1);
    ProtocolLabel = buddyLabel(QStringLiteral("&Protocolo:"), Protocol);

    auto* kind = new QHBoxLayout;
    kind->addWidget(LocalRbtn);
    kind->addWidget(RemoteRbtn);
    kind->addStretch();
    kind->addWidget(Browse);
    auto* connection = new QGroupBox(QStringLiteral("Conexión con la base de datos"));
    auto* connectionForm = new QFormLayout(connection);
    connectionForm->addRow(buddyLabel(QStringLiteral("&Base de datos:"), DatabaseName),
                           DatabaseName);
    connectionForm->addRow(kind);
    connectionForm->addRow(ServerLabel, ServerName);
    connectionForm->addRow(ProtocolLabel, Protocol);

    UserName = new QLineEdit;
    Password = new QLineEdit; // shown in clear, as the administrators who set this up expect
    DatabaseParams = new QPlainTextEdit;
    DatabaseParams->setPlainText(location.params.join(u'\n'));
    DatabaseParams->setFixedHeight(70);
    auto* params = new QGroupBox(QStringLiteral("Parámetros base de datos"));
    auto* paramsForm = new QFormLayout(params);
    paramsForm->addRow(buddyLabel(QStringLiteral("&Usuario:"), UserName), UserName);
    paramsForm->addRow(buddyLabel(QStringLiteral("Clave:"), Password), Password);
    paramsForm->addRow(buddyLabel(QStringLiteral("Valores:"), DatabaseParams), DatabaseParams);

    auto* buttons = new QDialogButtonBox;
    OKBtn = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    Test = buttons->addButton(QStringLiteral("&Test"), QDialogButtonBox::ActionRole);
    auto* Defecto = buttons->addButton(QStringLiteral("&Defecto"), QDialogButtonBox::ResetRole);
    OKBtn->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(connection);
    layout->addWidget(params);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &TFUbica::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TFUbica::reject);
    connect(Test, &QPushButton::clicked, this, &TFUbica::TestClick);
    connect(Defecto, &QPushButton::clicked, this, &TFUbica::DefectoClick);
    connect(Browse, &QPushButton::clicked, this, &TFUbica::BrowseClick);
    connect(LocalRbtn, &QRadioButton::toggled, this, &TFUbica::LocalRemoteClick);
    connect(UserName, &QLineEdit::textChanged, this,
            [this](const QString& v) { updateParam(QStringLiteral("user_name"), v); });
    connect(Password, &QLineEdit::textChanged, this,
            [this](const QString& v) { updateParam(QStringLiteral("password"), v); });
    LocalRemoteClick();
    // Settings being corrected start as they were read.
    if (location.remote) {
        RemoteRbtn->setChecked(true);
        ServerName->setText(location.server);
    }
}

void TFUbica::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    DefectoClick();
    OKBtn->setFocus();
}

void TFUbica::DefectoClick() {
    UserName->setText(config::adminUser());
    Password->setText(config::adminPassword());
}

void TFUbica::updateParam(const QString& name, const QString& value) {
    QStringList lines = DatabaseParams->toPlainText().split(u'\n', Qt::SkipEmptyParts);
    config::setParamLine(lines, name, value);
    DatabaseParams->setPlainText(lines.join(u'\n'));
}

void TFUbica::LocalRemoteClick() {
    const bool remote = RemoteRbtn->isChecked();
    Browse->setEnabled(!remote);
    for (QWidget* w : {static_cast<QWidget*>(ServerLabel), static_cast<QWidget*>(ServerName),
                       static_cast<QWidget*>(ProtocolLabel), static_cast<QWidget*>(Protocol)})
        w->setEnabled(remote);
    if (remote)
        Protocol->setCurrentText(QStringLiteral("TCP"));
}

void TFUbica::BrowseClick() {
    const QString chosen =
        QFileDialog::getOpenFileName(this, QString(), QFileInfo(DatabaseName->text()).path(),
                                     QStringLiteral("Database Files (*.gdb);;All files (*.*)"));
    if (!chosen.isEmpty())
        DatabaseName->setText(QDir::toNativeSeparators(chosen));
}

void TFUbica::TestClick() {
    Test->setEnabled(false);
    const QString name = config::connectionString(LocalRbtn->isChecked() ? QStringLiteral("LOCAL")
                                                                         : ServerName->text(),
                                                  Protocol->currentText(), DatabaseName->text());
    try {
        config::testConnection(name,
                               DatabaseParams->toPlainText().split(u'\n', Qt::SkipEmptyParts));
        QMessageBox::information(this, windowTitle(), QStringLiteral("Conexión con éxito."));
    } catch (const tributra::Error& e) {
        QMessageBox::critical(this, windowTitle(), e.text());
    }
    Test->setEnabled(true);
}

void TFUbica::accept() {
    location_.databaseName = DatabaseName->text();
    location_.remote = RemoteRbtn->isChecked();
    location_.server = ServerName->text();
    location_.protocol = Protocol->currentText();
    location_.params = DatabaseParams->toPlainText().split(u'\n', Qt::SkipEmptyParts);
    QDialog::accept();
}
