#include "entries/EntryNumberText.h"

#include <QStringList>

namespace quorvel::entries {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The locale's separators; where the thousands separator is a kind of blank
// (French: a narrow no-break space) a plain blank counts as one too, since
// that is what a keyboard types.
struct Separators {
    QChar decimal;
    QChar group;
    bool groupIsBlank;

    explicit Separators(const QLocale& locale)
        : decimal(locale.decimalPoint()), group(locale.groupSeparator()), groupIsBlank(group.isSpace())
    {
    }
    bool isGroup(QChar c) const { return c == group || (groupIsBlank && c == QLatin1Char(' ')); }
};

// The text split at its decimal separator; false when the text holds
// something that cannot be part of a number of this shape.
struct Parts {
    QString integer;   // digits and group separators, as typed
    QString decimals;  // digits only
    int integerDigits = 0;
    bool hasDecimalSeparator = false;
};

bool splitNumberText(const QString& text, const NumberShape& shape, const Separators& separators, Parts& parts)
{
    for (const QChar c : text) {
        if (isAsciiDigit(c)) {
            if (parts.hasDecimalSeparator) {
                parts.decimals += c;
            } else {
                parts.integer += c;
                ++parts.integerDigits;
            }
        } else if (c == separators.decimal) {
            if (parts.hasDecimalSeparator || shape.decimals == 0)
                return false;
            parts.hasDecimalSeparator = true;
        } else if (separators.isGroup(c)) {
            if (parts.hasDecimalSeparator)
                return false;
            parts.integer += separators.group;
        } else {
            return false;
        }
    }
    return parts.integerDigits <= shape.integerDigits && parts.decimals.size() <= shape.decimals;
}

// Thousands separators, if any, stand between groups of exactly three digits
// after a first group of one to three.
bool wellGrouped(const QString& integer, QChar group)
{
    if (!integer.contains(group))
        return true;
    const QStringList groups = integer.split(group);
    if (groups.first().isEmpty() || groups.first().size() > 3)
        return false;
    for (int i = 1; i < groups.size(); ++i) {
        if (groups.at(i).size() != 3)
            return false;
    }
    return true;
}

}  // namespace

NumberTextState checkNumberText(const QString& text, const NumberShape& shape, const QLocale& locale)
{
    const Separators separators(locale);
    Parts parts;
    if (!splitNumberText(text, shape, separators, parts))
        return NumberTextState::Invalid;
    if (parts.integerDigits == 0 && parts.decimals.isEmpty())
        return NumberTextState::Intermediate;
    if (!wellGrouped(parts.integer, separators.group))
        return NumberTextState::Intermediate;
    return NumberTextState::Acceptable;
}

std::optional<QString> normalizedNumber(const QString& text, const NumberShape& shape, const QLocale& locale)
{
    if (checkNumberText(text, shape, locale) != NumberTextState::Acceptable)
        return std::nullopt;
    const Separators separators(locale);
    Parts parts;
    splitNumberText(text, shape, separators, parts);
    QString integer = parts.integer;
    integer.remove(separators.group);
    if (integer.isEmpty())
        integer = QStringLiteral("0");
    if (parts.decimals.isEmpty())
        return integer;
    return integer + QLatin1Char('.') + parts.decimals;
}

std::optional<double> parseNumber(const QString& text, const NumberShape& shape, const QLocale& locale)
{
    const std::optional<QString> plain = normalizedNumber(text, shape, locale);
    if (!plain)
        return std::nullopt;
    bool ok = false;
    const double value = plain->toDouble(&ok);  // QString::toDouble reads the C locale
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<qint64> parseFeeTenThousandths(const QString& text, const QLocale& locale)
{
    const std::optional<QString> plain = normalizedNumber(text, kMoneyShape, locale);
    if (!plain)
        return std::nullopt;
    const int point = plain->indexOf(QLatin1Char('.'));
    const QString integer = point < 0 ? *plain : plain->left(point);
    const QString decimals = point < 0 ? QString() : plain->mid(point + 1);
    // The shape allows at most two decimals and nine integer digits: no overflow.
    return integer.toLongLong() * 10000 + decimals.leftJustified(4, QLatin1Char('0')).toLongLong();
}

QString groupedNumber(double value, int decimals, const QLocale& locale)
{
    QLocale grouped = locale;
    grouped.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return grouped.toString(value, 'f', decimals);
}

QString feeFieldText(qint64 feeTenThousandths, const QLocale& locale)
{
    // Cents from ten-thousandths, a half away from zero (as a display format rounds).
    const qint64 magnitude = feeTenThousandths < 0 ? -feeTenThousandths : feeTenThousandths;
    const qint64 cents = (magnitude + 50) / 100;
    QLocale grouped = locale;
    grouped.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    QString text = grouped.toString(cents / 100) + grouped.decimalPoint()
        + QStringLiteral("%1").arg(cents % 100, 2, 10, QLatin1Char('0'));
    if (feeTenThousandths < 0 && cents != 0)
        text.prepend(grouped.negativeSign());
    return text;
}

QString gridFeeText(qint64 feeTenThousandths, const QLocale& locale)
{
    QString text = feeFieldText(feeTenThousandths, locale);
    const QString minus = locale.negativeSign();
    if (text.startsWith(minus))
        return minus + QLatin1Char('$') + text.mid(minus.size());
    return QLatin1Char('$') + text;
}

}  // namespace quorvel::entries
