#pragma once
// The arithmetic of a chart build, free of the database: which requested codes
// have data, which series the work table gets, how snapshots become period
// rows (or pie slices), and the row checks with the gain/loss pass.
#include "charts/ChartRequest.h"
#include "charts/ChartResult.h"

#include <QDate>
#include <QString>
#include <QVector>
#include <optional>

namespace quorvel::charts {

// A row of the period query: a month-end snapshot with its account's category.
struct PeriodRow {
    QString code;
    QString category;
    QDate date;
    double price = 0;
    double shares = 0;
};

// A row of the grouped query: one per account (and its category) with snapshots in the range.
struct GroupedRow {
    QString code;
    QString category;
};

// One row of the work table. Line, bar and stacked layouts use every member
// but `code`; a pie uses `sum` and `code`.
struct WorkRow {
    int year = 0;
    int month = 0;
    int quarter = 0;
    QString xLabel;
    int xValue = 0;
    double sum = 0;
    QVector<double> fields;                       // Field1..N
    QVector<std::optional<double>> gainLoss;      // GLField1..N, empty until computed
    QString code;                                 // ChCode of a pie slice
};

struct PeriodSettings {
    QChar type;  // first letter of CuType
    ChartSpan span = ChartSpan::Monthly;
    ChartValue value = ChartValue::Value;
    bool byAccount = false;
    QDate start;
    QDate end;
};

// Fills codeUsed, category and codeAmount ("0") from the grouped rows: each
// requested code that has a grouped row, in the grouped rows' order. A code
// requested twice is taken once, so that slots and series stay aligned.
void chooseUsedCodes(const QVector<GroupedRow>& grouped, const QStringList& requested,
                     ChartWorkingLists& lists);

// Line, bar and stacked layouts: one series per account or per category, in
// the grouped rows' order; fills fieldName (Field1, ...) and fieldLabel.
void defineSeries(const QVector<GroupedRow>& grouped, bool byAccount, ChartWorkingLists& lists);

// Turns the period rows into work table rows; fills markLabel and leaves
// codeAmount as the last period left it.
QVector<WorkRow> buildPeriodRows(const QVector<PeriodRow>& periodRows, const PeriodSettings& settings,
                                 ChartWorkingLists& lists);

// The row checks and, for a gain/loss chart that is not a pie, the change
// from period to period (which drops the first row). Returns the message
// that stops the build, or an empty text when the chart can be drawn.
QString checkRowsAndGainLoss(QVector<WorkRow>& rows, QChar type, bool gainLoss, ChartWorkingLists& lists);

// Work table layout.
QStringList workTableColumns(bool pie, int fieldCount, bool gainLoss);
QString workTableColumnDefinitions(bool pie, int fieldCount, bool gainLoss);
QVector<QVariant> workRowValues(const WorkRow& row, bool pie, bool gainLoss);

// An amount as it enters the sums: its fixed two-decimal text (halves away
// from zero, as fixed2Text writes it) and that text's value.
struct SlotAmount {
    QString text;
    long double value = 0;
};
SlotAmount slotAmountOf(long double x);

// ChSum as the mark label shows it: thousands separators and two decimals
// in the user's locale (12,345.68).
QString markLabelText(double sum);

}  // namespace quorvel::charts
