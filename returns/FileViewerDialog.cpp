#include "returns/FileViewerDialog.h"

#include "returns/FileViewer.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

FileViewerDialog::FileViewerDialog(const QString& path, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FileViewerDialog"));
    setWindowTitle(QStringLiteral("Contenido de ") + QDir::toNativeSeparators(path));
    Texto = new QPlainTextEdit;
    Texto->setReadOnly(true);
    Texto->setLineWrapMode(QPlainTextEdit::NoWrap);
    Texto->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QFile file(path);
    Texto->setPlainText(file.open(QIODevice::ReadOnly)
                            ? viewFile(file.readAll()).lines.join(u'\n')
                            : QStringLiteral("No se puede leer el fichero: ") + file.errorString());
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("Cerrar"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Texto);
    layout->addWidget(buttons);
    resize(900, 600);
}
