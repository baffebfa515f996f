#pragma once
// Texts of a drawn chart that do not need a widget: the title lines and the
// number formats of values, marks and pie percentages.
#include "charts/ChartRequest.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace quorvel::charts {

// "Share Prices", "Shares" or "Values".
QString valueCaption(ChartValue value);

// First line: the value caption, preceded by CuTitle and ": " when the title
// is not empty; second line: "mm/dd/yyyy to mm/dd/yyyy".
QStringList chartTitleLines(const QString& title, ChartValue value, const QDate& start, const QDate& end);

// The value format of every series: "#,##0.00000" for prices and share
// counts, "#,##0.00" for values, with the user's separators.
QString formatChartValue(double value, ChartValue kind);

// The pie's percentage format "##0.00%".
QString formatPercent(double percent);

}  // namespace quorvel::charts
