#pragma once
// Rounding rules of the program. Amounts are rounded in long double, which on
// x86 is the 80-bit extended format, so that products such as 10.125 * 3 keep
// the digits the user typed before they are rounded.
#include <QString>

namespace quorvel {

// x * 100 rounded to the nearest integer (an exact half to the even integer), / 100.
long double roundToCents(long double x);

// Value of a holding: shares * price, in extended precision, rounded to cents.
double holdingValue(double price, double shares);

// Rounds to two decimals, deciding a tie on the third decimal by the value's
// 15-significant-digit decimal text (2.675 -> 2.68 although its binary value
// lies just below). Only the data version check uses it. `decimalPoint` is the
// user's decimal separator; where it is not '.', plain rounding applies.
// A negative value is rounded as its magnitude (ties still go to even).
long double RoundTo2Decimals(long double x, QChar decimalPoint = QLatin1Char('.'));

// Fixed notation with two decimals, '.' as separator, no thousands separator
// (the text form in which chart amounts enter their sums). The value is first
// taken to 15 significant digits, and that decimal text is rounded with halves
// away from zero: 0.125 -> "0.13", -0.125 -> "-0.13", 9.999 -> "10.00". A value
// that rounds to zero gives "0.00", never "-0.00".
QString fixed2Text(long double x);

}  // namespace quorvel
