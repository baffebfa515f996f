#include "data/Schema.h"

namespace quorvel::data::schema {

const QStringList& accountColumns()
{
    static const QStringList columns = {
        "ACode", "AName", "ACoName", "AAcctNo", "ACoAddr1", "ACoAddr2", "ACity",
        "AState", "APostal", "ACountry", "APhone", "AFax", "AEMail", "AWebsite",
        "AContact1", "ACategory", "AOpenDate", "ACloseDate", "ATicker", "AType", "AValue"};
    return columns;
}

const QStringList& entryColumns()
{
    static const QStringList columns = {"ADCode", "ADDate", "ADFee", "ADPrice", "ADShares"};
    return columns;
}

const QStringList& chartColumns()
{
    static const QStringList columns = {"CuInternal", "CuName",   "CuTitle",   "CuType",
                                        "CuCode",     "CuLegend", "CuGainLoss"};
    return columns;
}

QStringList createAccountsTable(const QString& table)
{
    // Text fields hold '' when empty; dates are ISO text, NULL when empty.
    const QString create = QStringLiteral(
        "CREATE TABLE %1 ("
        "ACode TEXT NOT NULL, AName TEXT NOT NULL DEFAULT '', ACoName TEXT NOT NULL DEFAULT '',"
        " AAcctNo TEXT NOT NULL DEFAULT '', ACoAddr1 TEXT NOT NULL DEFAULT '', ACoAddr2 TEXT NOT NULL DEFAULT '',"
        " ACity TEXT NOT NULL DEFAULT '', AState TEXT NOT NULL DEFAULT '', APostal TEXT NOT NULL DEFAULT '',"
        " ACountry TEXT NOT NULL DEFAULT '', APhone TEXT NOT NULL DEFAULT '', AFax TEXT NOT NULL DEFAULT '',"
        " AEMail TEXT NOT NULL DEFAULT '', AWebsite TEXT NOT NULL DEFAULT '', AContact1 TEXT NOT NULL DEFAULT '',"
        " ACategory TEXT NOT NULL DEFAULT '', AOpenDate TEXT, ACloseDate TEXT, ATicker TEXT NOT NULL DEFAULT '',"
        " AType TEXT NOT NULL DEFAULT '', AValue REAL)").arg(table);
    // The code is the account's key; the lasting table refuses a second account
    // with the same code even if a caller forgot to look first.
    const QString index = table == QLatin1String("Accts")
        ? QStringLiteral("CREATE UNIQUE INDEX AcctsCode ON Accts (ACode)")
        : QStringLiteral("CREATE INDEX %1Code ON %1 (ACode)").arg(table);
    return {create, index};
}

QStringList createEntriesTable(const QString& table)
{
    const QString create = QStringLiteral(
        "CREATE TABLE %1 (ADCode TEXT NOT NULL, ADDate TEXT NOT NULL, ADFee INTEGER NOT NULL DEFAULT 0,"
        " ADPrice REAL NOT NULL DEFAULT 0, ADShares REAL NOT NULL DEFAULT 0)").arg(table);
    // One entry per account and date.
    const QString index = table == QLatin1String("Detail")
        ? QStringLiteral("CREATE UNIQUE INDEX DetailKey ON Detail (ADCode, ADDate)")
        : QStringLiteral("CREATE INDEX %1Key ON %1 (ADCode, ADDate)").arg(table);
    return {create, index};
}

QStringList createChartsTable()
{
    return {QStringLiteral(
                "CREATE TABLE Charts (CuInternal TEXT NOT NULL DEFAULT '', CuName TEXT NOT NULL DEFAULT '',"
                " CuTitle TEXT NOT NULL DEFAULT '', CuType TEXT NOT NULL DEFAULT '', CuCode TEXT NOT NULL DEFAULT '',"
                " CuLegend INTEGER NOT NULL DEFAULT 0, CuGainLoss INTEGER NOT NULL DEFAULT 0)"),
            QStringLiteral("CREATE INDEX ChartsKey ON Charts (CuInternal, CuName)")};
}

const QList<PredefinedChart>& predefinedCharts()
{
    static const QList<PredefinedChart> charts = {
        {"All Accounts Line", "L", false},      {"All Accounts Pie", "P", false},
        {"All Accounts", "S", false},           {"Current Account", "L", false},
        {"Current Category", "L", false},       {"Gain/Loss All Accounts", "B", true},
        {"Overall Line", "L", false},
    };
    return charts;
}

}  // namespace quorvel::data::schema
