#pragma once
// What a chart caller asks for: the stored definition, the accounts, the
// date range and the options of the Charts page that shape the data.
#include "data/Records.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace quorvel::charts {

// Length of one period of a line, bar or stacked chart.
enum class ChartSpan { Monthly, Quarterly, Yearly };

// What is charted for each account.
enum class ChartValue { Price, Shares, Value };

struct ChartRequest {
    // "AllLine", "AllPie", "All", "Current", "CurrCat", "GLAll", "OvrLine",
    // "Work", "WorkPie"; empty before the first request.
    QString chartKind;
    data::ChartDef definition;  // CuType, CuTitle, CuLegend, CuGainLoss
    QStringList codes;          // LBCode: account codes, each at most once
    QDate start;                // CalChartStart, inclusive
    QDate end;                  // CalChartEnd, inclusive
    QDate today;                // TodayDate: month ends after it get no snapshot
    ChartSpan span = ChartSpan::Monthly;
    ChartValue value = ChartValue::Value;
    bool byAccount = false;     // "Chart By Account" down; else by category
};

// Options that only change how a built chart is drawn.
struct ChartOptions {
    bool showMarks = false;  // "Show Values" down
    bool threeD = true;      // "3D" down
    int pieRotation = 0;     // degrees, 0..360
};

// First letter of CuType, which alone decides the chart type.
inline QChar chartTypeLetter(const data::ChartDef& def)
{
    return def.type.isEmpty() ? QChar() : def.type.at(0);
}

inline bool isPieChart(const data::ChartDef& def)
{
    return chartTypeLetter(def) == QLatin1Char('P');
}

}  // namespace quorvel::charts
