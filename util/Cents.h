#pragma once

#include <QString>
#include <QtGlobal>

namespace util {

// The digits of |value| * 10^decimals rounded half away from zero: no sign, no point,
// at least one digit ("452" for 4.515 and 2 decimals). The value is first read as the
// 15-significant-digit decimal it stands for, so 4.515 (4.51499999... in binary) and the
// few units of noise a computation leaves round as the amount the user sees; a value too
// large for 15 digits to reach past the rounding position is read as its shortest decimal.
// The value must be finite.
QString roundedDigits(double value, int decimals);

// Euros to cents, halves away from zero, negatives symmetric. Every file writer rounds here.
// Throws tributra::Error when the amount is not finite or its cents do not fit 64 bits.
qint64 cents(double euros);

} // namespace util
