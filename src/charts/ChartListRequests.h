#pragma once
// Filling a chart request the way the Charts page does: from one of the seven
// items of the chart list (each backed by a predefined chart definition whose
// title, and for one item the legend flag, is rewritten before every drawing)
// or from a user's custom chart definition. No widgets; the Charts page, the
// Custom Charts page and quorvel-cli share it.
#include "charts/ChartRequest.h"

#include <QString>
#include <QVector>
#include <optional>

namespace quorvel::data {
class Engine;
}

namespace quorvel::charts {

struct ChartListItem {
    QString text;       // the list's text, e.g. "All Accounts (Line)"
    QString cuName;     // CuName of its predefined definition (CuInternal "$")
    QString chartKind;  // ChartKind of the request
};

// The seven items in list order (which is also their sorted order).
const QVector<ChartListItem>& chartListItems();
std::optional<ChartListItem> findChartListItem(const QString& text);

enum class RequestFill {
    Filled,             // the request is ready for ChartBuilder::build
    NoAccounts,         // the accounts table is empty: nothing to do, no message
    UnknownItem,        // no list item has this text (no selection)
    MissingDefinition,  // the predefined definition is not in Charts: nothing drawn, no message
    NoCurrentAccount,   // "Current ..." items without a current account
    NoCodes,            // a custom definition with an empty code list
};

// Sets chartKind, definition and codes of `request` for the list item and
// stores the rewritten CuTitle (and, for "Current Category (Line)", CuLegend
// from request.byAccount) in the predefined row. Dates and options of the
// request are left as they are. On any outcome but Filled neither the request
// nor the store is changed.
RequestFill fillFromChartList(data::Engine& engine, const QString& itemText, const QString& currentCode,
                              ChartRequest& request);

// The custom chart's "Show Chart": chartKind "WorkPie" for a pie definition,
// "Work" otherwise; the codes of the definition's code list in list order.
RequestFill fillFromCustomChart(data::Engine& engine, const data::ChartDef& definition, ChartRequest& request);

}  // namespace quorvel::charts
