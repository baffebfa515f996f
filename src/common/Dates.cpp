#include "common/Dates.h"

#include <QRegularExpression>
#include <QString>

namespace quorvel {

int LastDayOfMonth(int month, int year)
{
    if (month < 1 || month > 12 || year < 1 || year > 9999)
        return 0;
    for (int day = 31; day >= 28; --day) {
        if (QDate::isValid(year, month, day))
            return day;
    }
    return 0;
}

namespace {

// The last day of the month that lies `months` months after (year, month).
QDate lastDayMonthsLater(int year, int month, int months)
{
    const int index = (month - 1) + months;  // months counted from January of `year`
    const int targetYear = year + index / 12;
    const int targetMonth = index % 12 + 1;
    const int day = LastDayOfMonth(targetMonth, targetYear);
    return day == 0 ? QDate() : QDate(targetYear, targetMonth, day);
}

}  // namespace

QDate stepEntryDate(const QDate& latest, EntryIncrement step)
{
    if (!latest.isValid())
        return QDate();
    switch (step) {
    case EntryIncrement::OneDay:
        return latest.addDays(1);
    case EntryIncrement::OneMonth:
        return lastDayMonthsLater(latest.year(), latest.month(), 1);
    case EntryIncrement::OneQuarter:
        return lastDayMonthsLater(latest.year(), latest.month(), 3);
    case EntryIncrement::OneYear:
        return lastDayMonthsLater(latest.year(), latest.month(), 12);
    }
    return QDate();
}

namespace {

// Early in the year the current year has too little data to chart, so the
// default range is the year just ended.
int defaultChartYear(const QDate& today)
{
    return today.month() < 3 ? today.year() - 1 : today.year();
}

}  // namespace

QDate defaultChartStart(const QDate& today)
{
    if (!today.isValid())
        return QDate();
    return QDate(defaultChartYear(today), 1, 1);
}

QDate defaultChartEnd(const QDate& today)
{
    if (!today.isValid())
        return QDate();
    return QDate(defaultChartYear(today), 12, 31);
}

QDate parseUsDate(const QString& text)
{
    // Month and day take one or two digits; both separators must be the same.
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{1,2})([/.-])(\\d{1,2})\\2(\\d{4}|\\d{2})$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return QDate();
    const int month = match.captured(1).toInt();
    const int day = match.captured(3).toInt();
    const QString yearText = match.captured(4);
    int year = yearText.toInt();
    if (yearText.size() == 2)
        year += 2000;  // two-digit years are read as 2000..2099
    return QDate(year, month, day);  // invalid when the day does not exist
}

QString formatUsDate(const QDate& date)
{
    if (!date.isValid())
        return QString();
    return QStringLiteral("%1/%2/%3")
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

}  // namespace quorvel
