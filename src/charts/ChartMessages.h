#pragma once
// The texts with which a chart build stops; the pages show them as they stand.
#include <QString>

namespace quorvel::charts::messages {

inline QString noCodes()
{
    return QStringLiteral("There are no codes to chart.");
}

inline QString datesOutOfOrder()
{
    return QStringLiteral("Starting calendar date must be before ending calendar date.");
}

inline QString noRecords()
{
    return QStringLiteral("This date range produces no records.");
}

inline QString singlePoint()
{
    return QStringLiteral(
        "This date range produces a single point for this line chart. You must have two points to view a line chart.");
}

}  // namespace quorvel::charts::messages
