#pragma once
// A built chart as text for quorvel-cli: a JSON object describing what is
// drawn, or the work table as CSV.
#include "charts/ChartRequest.h"
#include "charts/ChartResult.h"

#include <QByteArray>
#include <QString>

namespace quorvel::charts {

// {chartKind, type, title: [line1, line2], legend, gainLoss,
//  series: [{field, values, label}], columns, rows, markLabels}.
// `legend` is whether the drawn chart shows one; `series` lists the line, bar
// or stacked series (none for a pie or an unknown type letter); numbers are
// JSON numbers and empty fields null.
QByteArray chartJson(const ChartResult& result, const ChartRequest& request, const ChartOptions& options);

// {"message": "..."} for a build that stopped with a message.
QByteArray chartMessageJson(const QString& message);

// The work table: a header line of column names, then one line per row;
// empty fields stay empty, texts are quoted when they need it.
QString chartCsv(const ChartResult& result);

}  // namespace quorvel::charts
