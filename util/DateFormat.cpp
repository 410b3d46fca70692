#include "util/DateFormat.h"

#include "util/Error.h"

#include <QRegularExpression>

namespace util {

namespace {

constexpr int kTwoDigitYearWindow = 50;

int fullYear(int twoDigits, int referenceYear) {
    const int first = referenceYear - kTwoDigitYearWindow;
    const int year = first - first % 100 + twoDigits;
    return year < first ? year + 100 : year;
}

} // namespace

QString formatDate(const QDate& date) {
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

QDate parseDate(const QString& text) {
    return parseDate(text, QDate::currentDate().year());
}

QDate parseDate(const QString& text, int referenceYear) {
    static const QRegularExpression form(
        QStringLiteral("^\\s*([0-9]{1,2})\\s*/\\s*([0-9]{1,2})\\s*/\\s*([0-9]{2}|[0-9]{4})\\s*$"));
    const QRegularExpressionMatch match = form.match(text);
    if (match.hasMatch()) {
        const int year = match.capturedLength(3) == 2
                             ? fullYear(match.captured(3).toInt(), referenceYear)
                             : match.captured(3).toInt();
        const QDate date(year, match.captured(2).toInt(), match.captured(1).toInt());
        if (date.isValid())
            return date;
    }
    throw tributra::ConversionError(QStringLiteral("'%1' no es una fecha válida").arg(text));
}

} // namespace util
