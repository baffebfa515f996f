#pragma once
// The numbers of an entry as the user reads and types them: fee, price,
// shares and value, with the thousands and decimal separators of the user's
// locale. No widgets here, so the rules are tested on their own.
#include <QLocale>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace quorvel::entries {

// How many digits a field takes before and after the decimal separator.
struct NumberShape {
    int integerDigits;
    int decimals;
};

// Fee and value: "###,###,###.##"; price and shares take five decimals and, like
// the fee, up to nine digits before them (a holding of millions of shares fits).
constexpr NumberShape kMoneyShape{9, 2};
constexpr NumberShape kQuantityShape{9, 5};

// How far a field's text is from a number. Invalid text cannot be typed at
// all (a letter, a second decimal separator, too many digits); intermediate
// text may still become a number ("", "1,23" on its way to "1,234").
enum class NumberTextState { Invalid, Intermediate, Acceptable };

NumberTextState checkNumberText(const QString& text, const NumberShape& shape, const QLocale& locale);

// The number in plain "1234.5" form (no group separators, '.' as decimal
// point), or nothing when the text is not an acceptable number. Thousands
// separators must stand between groups of three digits, so that "1.5" in a
// locale whose thousands separator is '.' is not silently read as 15.
std::optional<QString> normalizedNumber(const QString& text, const NumberShape& shape, const QLocale& locale);

std::optional<double> parseNumber(const QString& text, const NumberShape& shape, const QLocale& locale);

// The fee in ten-thousandths, taken from the decimal digits (no binary
// rounding on the way).
std::optional<qint64> parseFeeTenThousandths(const QString& text, const QLocale& locale);

// Fixed decimals with thousands separators: 1234.5 -> "1,234.50000" (en_US).
QString groupedNumber(double value, int decimals, const QLocale& locale);

// The grid's fee: a literal dollar sign, thousands separators, two decimals
// ("$1,234.50"); a negative fee shows its sign before the dollar sign.
QString gridFeeText(qint64 feeTenThousandths, const QLocale& locale);

// The fee with two decimals as the fee field shows it ("1,234.50").
QString feeFieldText(qint64 feeTenThousandths, const QLocale& locale);

}  // namespace quorvel::entries
