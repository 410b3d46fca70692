#include "accounts/DepositKeys.h"

#include "util/Cents.h"

void DepositKeys::clave(const QString& codigo, const QString& valor) {
    text_ += QStringLiteral("<Clave><Codigo>") + codigo + QStringLiteral("</Codigo><Valor>") +
             escapa(valor) + QStringLiteral("</Valor></Clave>");
}

QString DepositKeys::importe(const QVariant& valor) {
    if (!valor.isValid() || valor.isNull())
        return {};
    // In cents, as the accounts keep them: a sum's noise is no figure, and zero has no sign.
    const qint64 centimos = util::cents(valor.toDouble());
    return centimos == 0 ? QStringLiteral("0") : QString::number(centimos / 100.0, 'g', 15);
}

bool DepositKeys::cero(double valor) {
    return util::cents(valor) == 0;
}

QString DepositKeys::entero(const QVariant& valor) {
    if (!valor.isValid() || valor.isNull())
        return {};
    return QString::number(valor.toLongLong());
}

QString DepositKeys::escapa(const QString& texto) {
    QString escaped = texto;
    escaped.replace(u'&', QStringLiteral("&amp;"));
    escaped.replace(u'<', QStringLiteral("&lt;"));
    return escaped;
}
