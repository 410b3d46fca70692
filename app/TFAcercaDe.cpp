#include "app/TFAcercaDe.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* label(const QString& text, const QString& colour = {}, int points = 0) {
    auto* l = new QLabel(text);
    QFont f = l->font();
    if (points) {
        f.setPointSize(points);
        f.setBold(true);
    }
    l->setFont(f);
    if (!colour.isEmpty())
        l->setStyleSheet(QStringLiteral("color: %1;").arg(colour));
    return l;
}

} // namespace

TFAcercaDe::TFAcercaDe(const QString& databaseName, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      background_(QStringLiteral(":/app/fondo.png")) {
    setObjectName(QStringLiteral("FAcercaDe"));
    setWindowTitle(QStringLiteral("Acerca de ..."));

    auto* EdBase = new QLineEdit(databaseName);
    EdBase->setObjectName(QStringLiteral("EdBase"));
    EdBase->setReadOnly(true);
    EdBase->setEnabled(false);
    EdBase->setStyleSheet(QStringLiteral("background: palette(tooltip-base);"));
    auto* BtAceptar = new QPushButton(QStringLiteral("&Aceptar"));
    BtAceptar->setObjectName(QStringLiteral("BtAceptar"));
    BtAceptar->setDefault(true);
    connect(BtAceptar, &QPushButton::clicked, this, &QDialog::accept);

    auto* email = new QHBoxLayout;
    email->addWidget(label(QStringLiteral("E-Mail:")));
    email->addWidget(label(QStringLiteral("soporte@norvel.es")));
    email->addStretch();
    auto* contact = new QVBoxLayout;
    contact->addWidget(label(QStringLiteral("Norvel Sistemas")));
    contact->addWidget(label(QStringLiteral("Avenida de la Libertad, 12 - 30009 Murcia")));
    contact->addWidget(label(QStringLiteral("Telf.: 968 21 40 00")));
    contact->addLayout(email);
    contact->addWidget(label(QStringLiteral("www.norvel.es")));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label(QStringLiteral("Versión 1.1"), QStringLiteral("red"), 18));
    layout->addWidget(
        label(QStringLiteral("Tributra - Ejercicio 2018"), QStringLiteral("blue"), 16));
    layout->addWidget(label(QStringLiteral("Plataforma windows")));
    layout->addWidget(label(QStringLiteral("versión profesional")));
    layout->addSpacing(8);
    layout->addLayout(contact);
    auto* small = label(QStringLiteral("Versión 1.0"), QStringLiteral("red"));
    QFont f = small->font();
    f.setPointSize(f.pointSize() - 2);
    small->setFont(f);
    layout->addWidget(small);
    layout->addWidget(EdBase);
    layout->addWidget(BtAceptar, 0, Qt::AlignRight);
    setMinimumWidth(420);
}

void TFAcercaDe::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(rect(), background_);
}
