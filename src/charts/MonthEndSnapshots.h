#pragma once
// Month-end snapshots of one account: for each month end from the month of
// the first entry on, the values of the latest entry dated on or before it.
#include "data/Records.h"

#include <QDate>
#include <QVector>

namespace quorvel::charts {

// `entries` are one account's entries, oldest first, none after `end`.
// The first month's snapshot is always written; after it, the series stops
// before the first month end that lies after `today` or after `end`.
// Each snapshot is an Entry dated on its month end.
QVector<data::Entry> monthEndSnapshots(const QVector<data::Entry>& entries, const QDate& end,
                                       const QDate& today);

}  // namespace quorvel::charts
