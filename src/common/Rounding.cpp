#include "common/Rounding.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace quorvel {

namespace {

// Rounds to the nearest integer, an exact half to the even one. nearbyintl
// follows the current rounding mode; the program never changes it from
// round-to-nearest-even, but say so explicitly rather than rely on it.
long double roundHalfEven(long double v)
{
    long double lower = std::floor(v);
    long double diff = v - lower;
    if (diff < 0.5L)
        return lower;
    if (diff > 0.5L)
        return lower + 1.0L;
    return std::fmod(lower, 2.0L) == 0.0L ? lower : lower + 1.0L;
}

// The value as general-format text with 15 significant digits, trailing zeros
// dropped, with the user's decimal separator in place of '.'.
QString generalText15(long double x, QChar decimalPoint)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15Lg", x);
    QString text = QString::fromLatin1(buf);
    text.replace(QLatin1Char('.'), decimalPoint);
    return text;
}

// Adds one to a string of decimal digits ("0999" -> "1000", "99" -> "100").
void incrementDigits(std::string& digits)
{
    for (auto i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

}  // namespace

long double roundToCents(long double x)
{
    return roundHalfEven(x * 100.0L) / 100.0L;
}

double holdingValue(double price, double shares)
{
    return static_cast<double>(roundToCents(static_cast<long double>(price) * shares));
}

long double RoundTo2Decimals(long double x, QChar decimalPoint)
{
    // The tie rule is written for positive values (the only ones the version
    // check sees): shifting by 0.005 towards the even neighbour. For a
    // negative value the same shift would move away from it, so round the
    // magnitude and restore the sign.
    if (x < 0)
        return -RoundTo2Decimals(-x, decimalPoint);

    const QString text = generalText15(x, decimalPoint);
    const int dot = text.lastIndexOf(QLatin1Char('.'));
    static const long double kHalfCent = 0.005L;
    long double cents;
    if (dot >= 0 && text.size() - dot - 1 == 3 && text.at(text.size() - 1) == QLatin1Char('5')) {
        const int secondDecimal = text.at(text.size() - 2).digitValue();
        if (secondDecimal % 2 == 0)
            cents = roundHalfEven((x - kHalfCent) * 100.0L);
        else
            cents = roundHalfEven((x + kHalfCent) * 100.0L);
    } else {
        cents = roundHalfEven(x * 100.0L);
    }
    return cents / 100.0L;
}

QString fixed2Text(long double x)
{
    if (std::isnan(x))
        return QStringLiteral("NAN");
    if (std::isinf(x))
        return x < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");

    // Take the 15 significant digits first, then round that decimal text to
    // two decimals with halves away from zero: 0.125 (exact in binary) and
    // 2.675 (just below in binary, but 2.67500000000000 at 15 digits) both
    // round up.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14Le", std::fabs(x));
    // buf is "d.dddddddddddddde[+-]xx".
    std::string digits;
    digits += buf[0];
    digits.append(buf + 2, 14);
    const int exponent = std::atoi(std::strchr(buf, 'e') + 1);

    // Number of leading digits that make up x * 100 as an integer.
    const int keep = exponent + 3;
    std::string cents;
    if (keep < 0) {
        cents = "0";
    } else if (keep == 0) {
        cents = digits[0] >= '5' ? "1" : "0";
    } else if (keep >= static_cast<int>(digits.size())) {
        cents = digits + std::string(keep - digits.size(), '0');
    } else {
        cents = digits.substr(0, keep);
        if (digits[keep] >= '5')
            incrementDigits(cents);
    }

    const auto firstNonZero = cents.find_first_not_of('0');
    cents = firstNonZero == std::string::npos ? std::string() : cents.substr(firstNonZero);
    const bool negative = x < 0 && !cents.empty();  // no "-0.00"
    if (cents.size() < 3)
        cents.insert(0, 3 - cents.size(), '0');
    cents.insert(cents.size() - 2, 1, '.');
    if (negative)
        cents.insert(0, 1, '-');
    return QString::fromLatin1(cents.c_str());
}

}  // namespace quorvel
