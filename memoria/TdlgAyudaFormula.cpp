#include "memoria/TdlgAyudaFormula.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QStringList>
#include <QVBoxLayout>

namespace {

const QStringList kAyuda = {
    QStringLiteral("La sintáxis en la formula admite las siguientes variantes:"),
    QString(),
    QStringLiteral("Formula contable, tiene que comenzar con:"),
    QStringLiteral("S para el SALDO"),
    QStringLiteral("D para el DEBE"),
    QStringLiteral("H para el HABER"),
    QString(),
    QStringLiteral("A continuacíon 1 ó 2 dígitos para especificar el período:"),
    QStringLiteral("0 para la apertura y 13 para el cierre. sigue inmediatamente el caracter"),
    QStringLiteral("de los : (dos puntos)."),
    QString(),
    QStringLiteral("Por último una cadena que representa la cuenta a calcular (129,430,570, etc)."),
    QString(),
    QStringLiteral("Ejemplos:"),
    QStringLiteral("S0:430  (Saldo de apertura de la cuenta de clientes)"),
    QStringLiteral("H12:700 (Haber al período 12 de la cuenta de ingresos)"),
    QString(),
    QStringLiteral("Admite como operadores los símbolo (+,-,/,*) para las operaciones aritméticas"),
    QStringLiteral("básicas."),
    QString(),
    QStringLiteral(
        "También se puede referenciar en la sintáxis un cálculo de una formula anterior"),
    QStringLiteral("indicando la letra F y el número de la formula."),
    QString(),
    QStringLiteral("Ejemplo:"),
    QString(),
    QStringLiteral("S12:570+F1/10"),
    QString(),
    QStringLiteral("F1+F5-F4"),
};

} // namespace

TdlgAyudaFormula::TdlgAyudaFormula(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgAyudaFormula"));
    setWindowTitle(QStringLiteral("Formulación de la sintáxis"));
    Memo1 = new QPlainTextEdit(kAyuda.join(u'\n'));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Memo1);
    layout->addWidget(buttons);
    resize(620, 520);
}
