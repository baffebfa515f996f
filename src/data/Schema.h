#pragma once
// Columns of every table, in their stored order, and the statements that create them.
#include <QString>
#include <QStringList>

namespace quorvel::data::schema {

const QStringList& accountColumns();  // ACode ... AValue
const QStringList& entryColumns();    // ADCode, ADDate, ADFee, ADPrice, ADShares
const QStringList& chartColumns();    // CuInternal, CuName, CuTitle, CuType, CuCode, CuLegend, CuGainLoss

// CREATE TABLE statements (with their key indexes) for a table named `table`
// of the given kind: "Accts"/"AccTemp", "Detail"/"DetTemp", "Charts".
QStringList createAccountsTable(const QString& table);
QStringList createEntriesTable(const QString& table);
QStringList createChartsTable();

struct PredefinedChart {
    const char* name;
    const char* type;
    bool gainLoss;
};
// The seven chart definitions behind the chart list, in list order.
const QList<PredefinedChart>& predefinedCharts();

}  // namespace quorvel::data::schema
