#include "charts/WorkTableRows.h"

#include "charts/ChartMessages.h"

#include "common/Rounding.h"

#include <QHash>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace quorvel::charts {

namespace {

// A text no code or category equals, so the first grouped row opens a series.
const QString kNoKeyYet = QStringLiteral("$#$#$#$#$#$#$#$#$#$#$#$#$#$#$#$#$#$#$");

bool isPie(QChar type)
{
    return type == QLatin1Char('P');
}

bool isLineBarOrStacked(QChar type)
{
    return type == QLatin1Char('L') || type == QLatin1Char('B') || type == QLatin1Char('S');
}

// Cents rounding that never leaves a negative zero behind (it would show as "-0.00").
double cents(long double x)
{
    return static_cast<double>(roundToCents(x) + 0.0L);
}

// The amounts travel as fixed two-decimal text; reading it back through whole
// cents keeps the value exact and independent of the C library's locale.
long double amountFromText(const QString& text)
{
    QString digits = text;
    const int point = digits.indexOf(QLatin1Char('.'));
    if (point >= 0 && point == digits.size() - 3) {
        digits.remove(point, 1);
        bool ok = false;
        const qlonglong whole = digits.toLongLong(&ok);
        if (ok)
            return static_cast<long double>(whole) / 100.0L;
    }
    return static_cast<long double>(text.toDouble());
}

}  // namespace

SlotAmount slotAmountOf(long double x)
{
    // fixed2Text rounds the value's 15-digit decimal text. Away from a tie
    // that equals rounding x * 100 to the nearest whole cent, which is much
    // cheaper; at (or within the text's precision of) a tie, or for huge
    // values, the text decides.
    const long double scaled = std::fabs(x) * 100.0L;
    if (std::isfinite(scaled) && scaled < 1e13L) {
        const long double whole = std::floor(scaled);
        const long double fraction = scaled - whole;
        const long double window = std::max(1e-6L, scaled * 1e-13L);
        if (std::fabs(fraction - 0.5L) > window) {
            const qint64 cents = static_cast<qint64>(whole) + (fraction > 0.5L ? 1 : 0);
            const bool negative = x < 0 && cents != 0;
            QString text = QString::number(cents / 100) + QLatin1Char('.')
                + QString::number(cents % 100).rightJustified(2, QLatin1Char('0'));
            if (negative)
                text.prepend(QLatin1Char('-'));
            return {text, (negative ? -cents : cents) / 100.0L};
        }
    }
    const QString text = fixed2Text(x);
    return {text, amountFromText(text)};
}

namespace {

QString periodLabel(int year, int month, int quarter, ChartSpan span)
{
    switch (span) {
    case ChartSpan::Quarterly:
        return QStringLiteral("%1-Q%2").arg(year).arg(quarter);
    case ChartSpan::Monthly:
        return QStringLiteral("%1-%2").arg(year).arg(month, 2, 10, QLatin1Char('0'));
    case ChartSpan::Yearly:
        break;
    }
    return QString::number(year);
}

long double slotAmount(const PeriodRow& row, ChartValue value)
{
    switch (value) {
    case ChartValue::Price:
        return row.price;
    case ChartValue::Shares:
        return row.shares;
    case ChartValue::Value:
        break;
    }
    return holdingValue(row.price, row.shares);
}

}  // namespace

QString markLabelText(double sum)
{
    return QLocale().toString(sum, 'f', 2);
}

void chooseUsedCodes(const QVector<GroupedRow>& grouped, const QStringList& requested,
                     ChartWorkingLists& lists)
{
    lists.codeUsed.clear();
    lists.codeAmount.clear();
    lists.category.clear();
    for (const GroupedRow& row : grouped) {
        if (requested.contains(row.code) && !lists.codeUsed.contains(row.code)) {
            lists.codeUsed.append(row.code);
            lists.category.append(row.category);
            lists.codeAmount.append(QStringLiteral("0"));
        }
    }
}

void defineSeries(const QVector<GroupedRow>& grouped, bool byAccount, ChartWorkingLists& lists)
{
    lists.fieldName.clear();
    lists.fieldLabel.clear();
    QString previousKey = kNoKeyYet;
    for (const GroupedRow& row : grouped) {
        if (!lists.codeUsed.contains(row.code))
            continue;
        const QString key = byAccount ? row.code : row.category;
        if (key == previousKey)
            continue;
        previousKey = key;
        lists.fieldLabel.append(key);
        lists.fieldName.append(QStringLiteral("Field%1").arg(lists.fieldLabel.size()));
    }
}

QVector<WorkRow> buildPeriodRows(const QVector<PeriodRow>& periodRows, const PeriodSettings& settings,
                                 ChartWorkingLists& lists)
{
    const bool pie = isPie(settings.type);
    const int fieldCount = lists.fieldName.size();
    const int slotCount = lists.codeUsed.size();

    // Slot of each code (a code standing twice would take its later position).
    QHash<QString, int> slotOf;
    for (int i = 0; i < slotCount; ++i)
        slotOf.insert(lists.codeUsed.at(i), i);

    // Series column (0-based) that each slot adds to: its own by account; by
    // category the last series titled with its category, else the first.
    QVector<int> targetOf(slotCount);
    for (int i = 0; i < slotCount; ++i) {
        if (settings.byAccount) {
            targetOf[i] = i;
        } else {
            const int k = lists.fieldLabel.lastIndexOf(lists.category.value(i));
            targetOf[i] = k < 0 ? 0 : k;
        }
    }

    QVector<WorkRow> rows;
    lists.markLabel.clear();

    // The amounts as numbers, kept beside their texts in codeAmount.
    QVector<long double> amounts(slotCount, 0.0L);
    for (int i = 0; i < slotCount; ++i)
        amounts[i] = amountFromText(lists.codeAmount.at(i));

    auto closeRow = [&](WorkRow& row) {
        for (int i = 0; i < slotCount; ++i) {
            const long double amount = amounts.at(i);
            if (pie) {
                row.sum = cents(row.sum + amount);
            } else {
                const int k = targetOf.at(i);
                if (k < fieldCount)
                    row.fields[k] = cents(row.fields.at(k) + amount);
            }
        }
        if (!pie) {
            long double sum = 0;
            for (int k = 0; k < fieldCount; ++k)
                sum = row.fields.at(k) + sum;
            row.sum = cents(sum);
        }
        lists.markLabel.append(markLabelText(row.sum));
    };

    bool firstPending = true;
    int previousYear = 0;
    int previousQuarter = 0;
    int previousMonth = 0;
    QString previousKey;

    for (const PeriodRow& period : periodRows) {
        const auto slot = slotOf.constFind(period.code);
        if (slot == slotOf.constEnd())
            continue;
        if (period.date < settings.start || period.date > settings.end)
            continue;

        const int year = period.date.year();
        const int month = period.date.month();
        const int quarter = (month - 1) / 3 + 1;

        bool opensRow = false;
        if (isLineBarOrStacked(settings.type)) {
            opensRow = year != previousYear
                || (settings.span == ChartSpan::Quarterly && quarter != previousQuarter)
                || (settings.span == ChartSpan::Monthly && month != previousMonth);
        } else if (pie) {
            opensRow = (settings.byAccount ? period.code : period.category) != previousKey;
        }

        if (opensRow || firstPending) {
            if (!firstPending)
                closeRow(rows.last());
            previousYear = year;
            previousQuarter = quarter;
            previousMonth = month;

            WorkRow row;
            if (pie) {
                row.code = settings.byAccount ? period.code : period.category;
                previousKey = row.code;
            } else {
                row.year = year;
                row.month = month;
                row.quarter = quarter;
                row.xLabel = periodLabel(year, month, quarter, settings.span);
                row.xValue = rows.size() + 1;
                row.fields.fill(0.0, fieldCount);
                row.gainLoss.resize(fieldCount);
            }
            rows.append(row);
            for (QString& amount : lists.codeAmount)
                amount = QStringLiteral("0");
            amounts.fill(0.0L);
            firstPending = false;
        }

        const SlotAmount amount = slotAmountOf(slotAmount(period, settings.value));
        lists.codeAmount[*slot] = amount.text;
        amounts[*slot] = amount.value;
    }
    if (!rows.isEmpty())
        closeRow(rows.last());
    return rows;
}

QString checkRowsAndGainLoss(QVector<WorkRow>& rows, QChar type, bool gainLoss, ChartWorkingLists& lists)
{
    for (int pass = 0;; ++pass) {
        if (rows.isEmpty())
            return messages::noRecords();
        if (rows.size() == 1 && type == QLatin1Char('L'))
            return messages::singlePoint();
        if (!gainLoss || isPie(type) || pass != 0)
            return QString();

        const int seriesCount = lists.fieldLabel.size();
        for (int k = 0; k < seriesCount; ++k) {
            double previous = 0;
            for (int r = 0; r < rows.size(); ++r) {
                WorkRow& row = rows[r];
                if (k >= row.fields.size())
                    break;
                if (r > 0)
                    row.gainLoss[k] = cents(static_cast<long double>(row.fields.at(k)) - previous);
                previous = row.fields.at(k);
            }
        }
        rows.removeFirst();

        if (!rows.isEmpty()) {
            lists.markLabel.clear();
            for (WorkRow& row : rows) {
                long double sum = 0;
                for (const auto& change : qAsConst(row.gainLoss))
                    sum += change.value_or(0.0);
                row.sum = cents(sum);
                lists.markLabel.append(markLabelText(row.sum));
            }
        }
    }
}

QStringList workTableColumns(bool pie, int fieldCount, bool gainLoss)
{
    if (pie)
        return {QStringLiteral("ChSum"), QStringLiteral("ChCode")};
    QStringList columns = {"ChYear", "ChMonth", "ChDay", "ChQuarter", "ChXLabel", "ChXValue", "ChSum"};
    for (int k = 1; k <= fieldCount; ++k) {
        columns << QStringLiteral("Field%1").arg(k);
        if (gainLoss)
            columns << QStringLiteral("GLField%1").arg(k);
    }
    return columns;
}

QString workTableColumnDefinitions(bool pie, int fieldCount, bool gainLoss)
{
    if (pie)
        return QStringLiteral("ChSum REAL, ChCode VARCHAR(50)");
    QStringList defs = {"ChYear INTEGER", "ChMonth INTEGER", "ChDay INTEGER", "ChQuarter INTEGER",
                        "ChXLabel VARCHAR(10)", "ChXValue INTEGER", "ChSum REAL"};
    for (int k = 1; k <= fieldCount; ++k) {
        defs << QStringLiteral("Field%1 REAL").arg(k);
        if (gainLoss)
            defs << QStringLiteral("GLField%1 REAL").arg(k);
    }
    return defs.join(QStringLiteral(", "));
}

QVector<QVariant> workRowValues(const WorkRow& row, bool pie, bool gainLoss)
{
    if (pie)
        return {row.sum, row.code};
    QVector<QVariant> values;
    values.reserve(7 + row.fields.size() * (gainLoss ? 2 : 1));
    values << row.year << row.month << QVariant() << row.quarter << row.xLabel << row.xValue << row.sum;
    for (int k = 0; k < row.fields.size(); ++k) {
        values << row.fields.at(k);
        if (gainLoss) {
            const auto& change = row.gainLoss.at(k);
            values << (change ? QVariant(*change) : QVariant());
        }
    }
    return values;
}

}  // namespace quorvel::charts
