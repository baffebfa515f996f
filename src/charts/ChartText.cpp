#include "charts/ChartText.h"

#include "common/Dates.h"

#include <QLocale>

namespace quorvel::charts {

QString valueCaption(ChartValue value)
{
    switch (value) {
    case ChartValue::Price:
        return QStringLiteral("Share Prices");
    case ChartValue::Shares:
        return QStringLiteral("Shares");
    case ChartValue::Value:
        break;
    }
    return QStringLiteral("Values");
}

QStringList chartTitleLines(const QString& title, ChartValue value, const QDate& start, const QDate& end)
{
    QString first = valueCaption(value);
    if (!title.isEmpty())
        first.prepend(title + QStringLiteral(": "));
    return {first, formatUsDate(start) + QStringLiteral(" to ") + formatUsDate(end)};
}

QString formatChartValue(double value, ChartValue kind)
{
    return QLocale().toString(value, 'f', kind == ChartValue::Value ? 2 : 5);
}

QString formatPercent(double percent)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(percent, 'f', 2) + QLatin1Char('%');
}

}  // namespace quorvel::charts
