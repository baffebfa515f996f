#include "charts/MonthEndSnapshots.h"

#include "common/Dates.h"

namespace quorvel::charts {

namespace {

QDate monthEndOf(const QDate& date)
{
    return QDate(date.year(), date.month(), LastDayOfMonth(date.month(), date.year()));
}

QDate nextMonthEnd(const QDate& monthEnd)
{
    const QDate firstOfNext = QDate(monthEnd.year(), monthEnd.month(), 1).addMonths(1);
    return monthEndOf(firstOfNext);
}

}  // namespace

QVector<data::Entry> monthEndSnapshots(const QVector<data::Entry>& entries, const QDate& end,
                                       const QDate& today)
{
    QVector<data::Entry> snapshots;
    if (entries.isEmpty())
        return snapshots;

    // A date past any entry, so that the last entry's values run on to the
    // last month end that is due.
    static const QDate noMoreEntries(2199, 12, 31);

    data::Entry current = entries.first();
    QDate monthEnd = monthEndOf(current.date);
    for (int next = 1;; ++next) {
        const QDate nextDate = next < entries.size() ? entries.at(next).date : noMoreEntries;
        while (nextDate > monthEnd) {
            data::Entry snapshot = current;
            snapshot.date = monthEnd;
            snapshots.append(snapshot);
            monthEnd = nextMonthEnd(monthEnd);
            if (monthEnd > today || monthEnd > end)
                return snapshots;
        }
        if (next >= entries.size())
            return snapshots;  // only with today and end beyond the year 2199
        current = entries.at(next);
    }
}

}  // namespace quorvel::charts
