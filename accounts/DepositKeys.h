#pragma once

#include <QString>
#include <QVariant>

// The keys of a deposit document as its text grows: "<Clave><Codigo>1010</Codigo><Valor>
// ...</Valor></Clave>", a value's ampersand and less-than written as entity references.
class DepositKeys {
public:
    void clave(const QString& codigo, const QString& valor);
    void clave(qint64 codigo, const QString& valor) { clave(QString::number(codigo), valor); }
    // An amount as the deposit program reads it: its cents, up to 15 significant digits,
    // point as the decimal separator, no trailing zeros; zero is "0", never "-0"; null is empty.
    static QString importe(const QVariant& valor);
    // No cents to declare.
    static bool cero(double valor);
    // An integer column: its digits; null is empty.
    static QString entero(const QVariant& valor);
    // What the document may hold of a text: "&" and "<" as entity references.
    static QString escapa(const QString& texto);

    const QString& text() const { return text_; }

private:
    QString text_;
};
