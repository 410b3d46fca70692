#include "framework/TFErrores.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFErrores::TFErrores(const QString& text, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FErrores"));
    setWindowTitle(QStringLiteral("Errores detectados en el modelo"));
    auto* Memo1 = new QPlainTextEdit(text);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setStyleSheet(QStringLiteral("background: palette(tooltip-base);"));
    auto* BtSalir = new QPushButton(QStringLiteral("&Salir"));
    BtSalir->setObjectName(QStringLiteral("BtSalir"));
    connect(BtSalir, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Memo1);
    layout->addWidget(BtSalir, 0, Qt::AlignCenter);
    resize(640, 420);
}
