#pragma once

#include <QString>

// Numbers as the user sees and types them. The regional formats are fixed for the whole
// process (decimal comma, thousands dot), whatever the user's locale says.
namespace util {

// A number laid out by a FormatFloat pattern: '0' a digit always shown, '#' a digit shown
// only when significant, the first '.' the decimal point, any ',' turns thousands
// grouping on, text in single or double quotes and any other character are copied.
// Up to three ';'-separated sections: positive;negative;zero. A missing or empty negative
// section formats negatives with the first one and a leading '-'; a missing or empty zero
// section formats a value that shows as zero with the first one, without sign. Shown digits
// round half away from zero as roundedDigits does. An empty pattern gives formatGeneral.
// "#,###,###,##0.00" of -1234.5 is "-1.234,50"; "##########.##" of 1234 is "1234".
QString formatFloat(const QString& pattern, double value);

// The shortest general text: up to 15 significant digits, a decimal comma only when there
// is a fraction, an exponent only for very large or very small values (450 -> "450",
// 0.5 -> "0,5").
QString formatGeneral(double value);

// A typed number: optional sign, digits, a decimal comma (or a '.', which amount boxes
// take for one), blanks around it ignored. Thousands dots only in the grouped form with a
// decimal comma ("1.234,56"). Throws tributra::ConversionError otherwise; an empty text
// throws too, as it means null and callers must handle it before.
double parseFloat(const QString& text);

} // namespace util
