#include "schema/TaxNumber.h"

namespace schema {

QString nifOf(int number) {
    static const QString letters = QStringLiteral("TRWAGMYFPDXBNJZSQVHLCKE");
    return QStringLiteral("%1").arg(number, 8, 10, QChar(u'0')) + letters[number % 23];
}

QString cifOf(QChar letter, int number) {
    const QString digits = QStringLiteral("%1").arg(number, 7, 10, QChar(u'0'));
    int sum = 0;
    for (int i = 0; i < 7; ++i) {
        const int d = digits[i].digitValue();
        // Positions 1, 3, 5 and 7 count doubled, their digits added.
        sum += i % 2 == 0 ? (2 * d) / 10 + (2 * d) % 10 : d;
    }
    const int control = (10 - sum % 10) % 10;
    const bool takesLetter = QStringLiteral("PQSKNW").contains(letter);
    return letter + digits +
           (takesLetter ? QStringLiteral("JABCDEFGHI")[control] : QChar(u'0' + control));
}

} // namespace schema
