#include "charts/ChartOutput.h"

#include "charts/ChartText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

namespace quorvel::charts {

namespace {

QJsonArray toJsonArray(const QStringList& list)
{
    QJsonArray array;
    for (const QString& item : list)
        array.append(item);
    return array;
}

QJsonValue toJsonValue(const QVariant& value)
{
    if (value.isNull())
        return QJsonValue(QJsonValue::Null);
    switch (value.type()) {
    case QVariant::Int:
    case QVariant::LongLong:
        return QJsonValue(value.toLongLong());
    case QVariant::Double:
        return QJsonValue(value.toDouble());
    default:
        return QJsonValue(value.toString());
    }
}

QString csvField(const QVariant& value)
{
    if (value.isNull())
        return QString();
    switch (value.type()) {
    case QVariant::Int:
    case QVariant::LongLong:
        return QString::number(value.toLongLong());
    case QVariant::Double:
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    default:
        break;
    }
    QString text = value.toString();
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) || text.contains(QLatin1Char('\n'))
        || text.contains(QLatin1Char('\r'))) {
        text.replace(QLatin1String("\""), QLatin1String("\"\""));
        text = QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text;
}

}  // namespace

QByteArray chartJson(const ChartResult& result, const ChartRequest& request, const ChartOptions& options)
{
    const data::ChartDef& def = result.definition;
    const QChar type = chartTypeLetter(def);
    const bool pie = type == QLatin1Char('P');
    const bool drawsSeries = type == QLatin1Char('L') || type == QLatin1Char('B') || type == QLatin1Char('S');

    QJsonArray series;
    if (drawsSeries) {
        for (int i = 0; i < result.lists.fieldName.size(); ++i) {
            const QString field = result.lists.fieldName.at(i);
            series.append(QJsonObject{{"field", field},
                                      {"values", def.gainLoss ? QStringLiteral("GL") + field : field},
                                      {"label", result.lists.fieldLabel.value(i)}});
        }
    }
    QJsonArray rows;
    for (const QVector<QVariant>& row : result.rows) {
        QJsonArray values;
        for (const QVariant& value : row)
            values.append(toJsonValue(value));
        rows.append(values);
    }

    const QJsonObject object{
        {"chartKind", request.chartKind},
        {"type", def.type},
        {"title", toJsonArray(chartTitleLines(def.title, request.value, request.start, request.end))},
        {"legend", pie ? options.showMarks : (drawsSeries && def.legend)},
        {"gainLoss", def.gainLoss},
        {"series", series},
        {"columns", toJsonArray(result.columns)},
        {"rows", rows},
        {"markLabels", toJsonArray(result.lists.markLabel)},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

QByteArray chartMessageJson(const QString& message)
{
    return QJsonDocument(QJsonObject{{"message", message}}).toJson(QJsonDocument::Indented);
}

QString chartCsv(const ChartResult& result)
{
    QString csv = result.columns.join(QLatin1Char(',')) + QLatin1Char('\n');
    for (const QVector<QVariant>& row : result.rows) {
        QStringList fields;
        for (const QVariant& value : row)
            fields << csvField(value);
        csv += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return csv;
}

}  // namespace quorvel::charts
