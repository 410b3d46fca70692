#pragma once

#include <QDate>
#include <QString>

// Dates as the user sees and types them: "dd/mm/yyyy", fixed for the whole process.
namespace util {

// "01/02/2018"; a null date gives an empty text.
QString formatDate(const QDate& date);

// A typed date: day and month of one or two digits and a year of two or four, separated
// by '/', blanks around the numbers ignored ("1/2/18" is 1 February 2018). A two-digit year
// falls in the hundred years that begin 50 years before the current year.
// Throws tributra::ConversionError when the text is no valid date; an empty text throws
// too, as it means null and callers must handle it before.
QDate parseDate(const QString& text);

// As above, with the hundred years counted from referenceYear instead of the current one.
QDate parseDate(const QString& text, int referenceYear);

} // namespace util
