#include "charts/ChartView.h"

#include "charts/ChartCaption.h"
#include "charts/ChartText.h"

#include <KChartAbstractCartesianDiagram>
#include <KChartBarDiagram>
#include <KChartCartesianAxis>
#include <KChartCartesianCoordinatePlane>
#include <KChartChart>
#include <KChartDataValueAttributes>
#include <KChartHeaderFooter>
#include <KChartLegend>
#include <KChartLineDiagram>
#include <KChartMarkerAttributes>
#include <KChartMeasure>
#include <KChartPieDiagram>
#include <KChartPolarCoordinatePlane>
#include <KChartPosition>
#include <KChartTextAttributes>
#include <KChartThreeDBarAttributes>
#include <KChartThreeDLineAttributes>
#include <KChartThreeDPieAttributes>

#include <QPainter>
#include <QStandardItemModel>
#include <QVBoxLayout>
#include <cmath>

namespace quorvel::charts {

namespace {

constexpr qreal kScreenFontSize = 8;
constexpr qreal kThreeDDepth = 12;

KChart::Measure absolute(qreal size)
{
    return KChart::Measure(size, KChartEnums::MeasureCalculationModeAbsolute);
}

KChart::TextAttributes sizedText(KChart::TextAttributes text, qreal size)
{
    text.setFontSize(absolute(size));
    text.setMinimalFontSize(absolute(size));
    return text;
}

KChart::DataValueAttributes markAttributes(bool visible, const QString& label)
{
    KChart::DataValueAttributes marks;
    marks.setVisible(visible);
    KChart::TextAttributes text = sizedText(marks.textAttributes(), kScreenFontSize);
    text.setRotation(0);
    marks.setTextAttributes(text);
    marks.setShowRepetitiveDataLabels(true);
    marks.setShowOverlappingDataLabels(true);
    if (!label.isNull())
        marks.setDataLabel(label);
    return marks;
}

void applyMarkFontSize(KChart::AbstractDiagram* diagram, qreal size)
{
    QAbstractItemModel* model = diagram->model();
    if (!model)
        return;
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            KChart::DataValueAttributes marks = diagram->dataValueAttributes(index);
            marks.setTextAttributes(sizedText(marks.textAttributes(), size));
            diagram->setDataValueAttributes(index, marks);
        }
    }
}

// KChart moves a legend out of its chart and back in whenever the legend's
// position or visibility changes, and Qt hides a widget that changes its
// parent once it has been shown. A legend that is to be shown is shown again
// when it is back in its chart, without asking the chart for another move.
class ChartLegend : public KChart::Legend {
public:
    ChartLegend(KChart::AbstractDiagram* diagram, QWidget* parent) : KChart::Legend(diagram, parent) {}

    void setShown(bool shown)
    {
        m_shown = shown;
        KChart::Legend::setVisible(shown);
    }

protected:
    bool event(QEvent* event) override
    {
        const bool handled = KChart::Legend::event(event);
        if (event->type() == QEvent::ParentChange && parentWidget() && m_shown && isHidden()) {
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (m_shown && isHidden() && parentWidget())
                        QWidget::setVisible(true);
                },
                Qt::QueuedConnection);
        }
        return handled;
    }

private:
    bool m_shown = true;
};

// The legend right of the chart, one line per series (or slice), untitled.
void addLegend(KChart::Chart* chart, KChart::AbstractDiagram* diagram, bool shown)
{
    auto* legend = new ChartLegend(diagram, chart);
    legend->setObjectName(QStringLiteral("ChartLegend"));
    legend->setPosition(KChart::Position::East);
    legend->setOrientation(Qt::Vertical);
    legend->setTitleText(QString());
    chart->addLegend(legend);
    legend->setShown(shown);
}

// The chart's captions (title, and footer while printing) measure their text
// for `device` for as long as this lives; the chart is laid out for it now
// and for the screen again afterwards.
class CaptionsMeasuredFor {
public:
    CaptionsMeasuredFor(KChart::Chart* chart, QPaintDevice* device) : m_chart(chart) { set(device); }
    ~CaptionsMeasuredFor() { set(nullptr); }
    CaptionsMeasuredFor(const CaptionsMeasuredFor&) = delete;
    CaptionsMeasuredFor& operator=(const CaptionsMeasuredFor&) = delete;

private:
    void set(QPaintDevice* device)
    {
        for (KChart::HeaderFooter* item : m_chart->headerFooters()) {
            if (auto* caption = qobject_cast<ChartCaption*>(item))
                caption->setTargetDevice(device);
        }
        relayoutChart(m_chart);
    }

    KChart::Chart* m_chart;
};

KChart::Chart* freshChart(KChart::Chart* old, const QString& name, QWidget* parent, QVBoxLayout* layout)
{
    auto* chart = new KChart::Chart(parent);
    chart->setObjectName(name);
    chart->hide();
    if (old) {
        layout->replaceWidget(old, chart);
        delete old;
    } else {
        layout->addWidget(chart);
    }
    return chart;
}

}  // namespace

ChartView::ChartView(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_current = freshChart(nullptr, QStringLiteral("ChartCurrent"), this, layout);
    m_pie = freshChart(nullptr, QStringLiteral("ChartPie"), this, layout);
}

ChartView::~ChartView() = default;

KChart::Chart* ChartView::shownChart() const
{
    switch (m_shown) {
    case Shown::Current:
        return m_current;
    case Shown::Pie:
        return m_pie;
    case Shown::None:
        break;
    }
    return nullptr;
}

KChart::AbstractDiagram* ChartView::currentDiagram() const
{
    return m_current->coordinatePlane() ? m_current->coordinatePlane()->diagram() : nullptr;
}

KChart::AbstractDiagram* ChartView::pieDiagram() const
{
    return m_pie->coordinatePlane() ? m_pie->coordinatePlane()->diagram() : nullptr;
}

void ChartView::hideCharts()
{
    m_current->hide();
    m_pie->hide();
    m_shown = Shown::None;
}

void ChartView::draw(const ChartResult& result, const ChartRequest& request, const ChartOptions& options)
{
    hideCharts();
    if (isPieChart(result.definition))
        drawPie(result, request, options);
    else
        drawCartesian(result, request, options);
}

void ChartView::setTitle(KChart::Chart* chart, const ChartRequest& request)
{
    const QStringList lines =
        chartTitleLines(request.definition.title, request.value, request.start, request.end);
    auto* header = new ChartCaption(chart);
    header->setObjectName(QStringLiteral("ChartTitle"));
    header->setType(KChart::HeaderFooter::Header);
    header->setPosition(KChart::Position::North);
    header->setText(lines.join(QLatin1Char('\n')));
    chart->addHeaderFooter(header);
    // Adding resets the text attributes, so they are set afterwards.
    header->setTextAttributes(sizedText(header->textAttributes(), 10));
}

void ChartView::drawCartesian(const ChartResult& result, const ChartRequest& request,
                              const ChartOptions& options)
{
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    m_current = freshChart(m_current, QStringLiteral("ChartCurrent"), this, layout);
    setTitle(m_current, request);

    const QChar type = chartTypeLetter(result.definition);
    const bool known = type == QLatin1Char('B') || type == QLatin1Char('L') || type == QLatin1Char('S');
    if (known) {
        const QStringList& fields = result.lists.fieldName;
        const QStringList& titles = result.lists.fieldLabel;
        const int rowCount = result.rows.size();
        const int xLabelColumn = result.columnIndex(QStringLiteral("ChXLabel"));

        auto* model = new QStandardItemModel(rowCount, fields.size(), m_current);
        QStringList xLabels;
        for (int r = 0; r < rowCount; ++r) {
            const QString label = xLabelColumn < 0 ? QString() : result.rows.at(r).at(xLabelColumn).toString();
            xLabels << label;
            model->setHeaderData(r, Qt::Vertical, label);
        }
        for (int s = 0; s < fields.size(); ++s) {
            model->setHeaderData(s, Qt::Horizontal, titles.value(s));
            const QString column = result.definition.gainLoss ? QStringLiteral("GL") + fields.at(s) : fields.at(s);
            const int c = result.columnIndex(column);
            for (int r = 0; r < rowCount; ++r) {
                const QVariant value = c < 0 ? QVariant() : result.rows.at(r).at(c);
                if (!value.isNull())
                    model->setData(model->index(r, s), value.toDouble());
            }
        }

        KChart::AbstractCartesianDiagram* diagram = nullptr;
        if (type == QLatin1Char('L')) {
            auto* line = new KChart::LineDiagram(m_current);
            diagram = line;
        } else {
            auto* bar = new KChart::BarDiagram(m_current);
            bar->setType(type == QLatin1Char('S') ? KChart::BarDiagram::Stacked : KChart::BarDiagram::Normal);
            diagram = bar;
        }
        diagram->setObjectName(QStringLiteral("ChartSeries"));
        diagram->setModel(model);

        // Marks: every point's own value on line and bar charts; on stacked
        // bars only the top series, showing the period's total.
        const int lastSeries = fields.size() - 1;
        for (int s = 0; s < fields.size(); ++s) {
            const bool stacked = type == QLatin1Char('S');
            const bool visible = options.showMarks && (!stacked || s == lastSeries);
            if (type == QLatin1Char('L')) {
                // Point symbols are part of the mark attributes; the text alone follows "Show Values".
                KChart::DataValueAttributes marks = markAttributes(true, QString());
                KChart::MarkerAttributes symbol = marks.markerAttributes();
                symbol.setVisible(true);
                symbol.setMarkerStyle(KChart::MarkerAttributes::MarkerSquare);
                symbol.setMarkerSize(QSizeF(6, 6));
                marks.setMarkerAttributes(symbol);
                KChart::TextAttributes text = marks.textAttributes();
                text.setVisible(visible);
                marks.setTextAttributes(text);
                diagram->setDataValueAttributes(s, marks);
                if (visible) {
                    for (int r = 0; r < rowCount; ++r) {
                        const QModelIndex index = model->index(r, s);
                        KChart::DataValueAttributes point = marks;
                        point.setDataLabel(formatChartValue(index.data().toDouble(), request.value));
                        diagram->setDataValueAttributes(index, point);
                    }
                }
                continue;
            }
            diagram->setDataValueAttributes(s, markAttributes(visible, QString()));
            if (!visible)
                continue;
            for (int r = 0; r < rowCount; ++r) {
                const QModelIndex index = model->index(r, s);
                const QString label = stacked ? result.lists.markLabel.value(r)
                                              : formatChartValue(index.data().toDouble(), request.value);
                diagram->setDataValueAttributes(index, markAttributes(true, label));
            }
        }

        auto* xAxis = new KChart::CartesianAxis(diagram);
        xAxis->setPosition(KChart::CartesianAxis::Bottom);
        xAxis->setLabels(xLabels);
        auto* yAxis = new KChart::CartesianAxis(diagram);
        yAxis->setPosition(KChart::CartesianAxis::Left);
        diagram->addAxis(xAxis);
        diagram->addAxis(yAxis);

        m_current->coordinatePlane()->replaceDiagram(diagram);

        addLegend(m_current, diagram, result.definition.legend);
    }

    applyFontSizes(m_current, kScreenFontSize, kScreenFontSize, std::nullopt);
    applyThreeD(m_current, options.threeD);
    m_current->show();
    m_shown = Shown::Current;
}

void ChartView::drawPie(const ChartResult& result, const ChartRequest& request, const ChartOptions& options)
{
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    m_pie = freshChart(m_pie, QStringLiteral("ChartPie"), this, layout);
    auto* plane = new KChart::PolarCoordinatePlane(m_pie);
    m_pie->replaceCoordinatePlane(plane);
    setTitle(m_pie, request);

    const int sumColumn = result.columnIndex(QStringLiteral("ChSum"));
    const int codeColumn = result.columnIndex(QStringLiteral("ChCode"));
    const int slices = result.rows.size();
    auto* model = new QStandardItemModel(1, slices, m_pie);
    double total = 0;
    for (int i = 0; i < slices; ++i)
        total += std::fabs(result.rows.at(i).value(sumColumn).toDouble());

    auto* diagram = new KChart::PieDiagram(m_pie);
    diagram->setObjectName(QStringLiteral("ChartSeries"));
    diagram->setAutoRotateLabels(false);
    diagram->setModel(model);
    for (int i = 0; i < slices; ++i) {
        const double value = result.rows.at(i).value(sumColumn).toDouble();
        const QString label = result.rows.at(i).value(codeColumn).toString();
        model->setData(model->index(0, i), value);
        // Legend: the slice's label followed by its value.
        model->setHeaderData(i, Qt::Horizontal, label + QStringLiteral("  ") + formatChartValue(value, request.value));
        const QString percent = formatPercent(total == 0 ? 0 : std::fabs(value) / total * 100.0);
        diagram->setDataValueAttributes(model->index(0, i),
                                        markAttributes(true, options.showMarks ? percent
                                                                               : label + QLatin1Char(' ') + percent));
    }
    plane->replaceDiagram(diagram);
    plane->setStartPosition(options.pieRotation);

    addLegend(m_pie, diagram, options.showMarks);

    applyFontSizes(m_pie, kScreenFontSize, kScreenFontSize, std::nullopt);
    applyThreeD(m_pie, options.threeD);
    m_pie->show();
    m_shown = Shown::Pie;
}

void ChartView::applyFontSizes(KChart::Chart* chart, qreal axis, qreal legend, std::optional<qreal> marks)
{
    if (!chart->coordinatePlane())
        return;
    KChart::AbstractDiagram* diagram = chart->coordinatePlane()->diagram();
    if (auto* cartesian = qobject_cast<KChart::AbstractCartesianDiagram*>(diagram)) {
        for (KChart::CartesianAxis* a : cartesian->axes())
            a->setTextAttributes(sizedText(a->textAttributes(), axis));
    }
    for (KChart::Legend* l : chart->legends())
        l->setTextAttributes(sizedText(l->textAttributes(), legend));
    if (diagram && marks)
        applyMarkFontSize(diagram, *marks);
}

void ChartView::applyThreeD(KChart::Chart* chart, bool on)
{
    if (!chart->coordinatePlane())
        return;
    KChart::AbstractDiagram* diagram = chart->coordinatePlane()->diagram();
    if (auto* bar = qobject_cast<KChart::BarDiagram*>(diagram)) {
        KChart::ThreeDBarAttributes threeD = bar->threeDBarAttributes();
        threeD.setEnabled(on);
        threeD.setDepth(kThreeDDepth);
        bar->setThreeDBarAttributes(threeD);
    } else if (auto* line = qobject_cast<KChart::LineDiagram*>(diagram)) {
        KChart::ThreeDLineAttributes threeD = line->threeDLineAttributes();
        threeD.setEnabled(on);
        threeD.setDepth(kThreeDDepth);
        line->setThreeDLineAttributes(threeD);
    } else if (auto* pie = qobject_cast<KChart::PieDiagram*>(diagram)) {
        KChart::ThreeDPieAttributes threeD = pie->threeDPieAttributes();
        threeD.setEnabled(on);
        threeD.setDepth(kThreeDDepth);
        pie->setThreeDPieAttributes(threeD);
    }
    chart->update();
}

void ChartView::setThreeD(bool on)
{
    if (KChart::Chart* chart = shownChart())
        applyThreeD(chart, on);
}

void ChartView::setPieRotation(int degrees)
{
    if (m_shown != Shown::Pie)
        return;
    if (auto* plane = qobject_cast<KChart::PolarCoordinatePlane*>(m_pie->coordinatePlane())) {
        plane->setStartPosition(degrees);
        m_pie->update();
    }
}

void ChartView::renderTo(QPainter* painter, const QRect& target) const
{
    if (KChart::Chart* chart = shownChart()) {
        CaptionsMeasuredFor measured(chart, painter->device());
        chart->paint(painter, target);
    }
}

void ChartView::printTo(QPainter* painter, const QRect& target, bool pie, const QString& footer)
{
    KChart::Chart* chart = pie ? m_pie : m_current;
    applyFontSizes(chart, 4, 6, 4);

    auto* footerItem = new ChartCaption(chart);
    footerItem->setType(KChart::HeaderFooter::Footer);
    footerItem->setPosition(KChart::Position::SouthWest);
    footerItem->setText(footer);
    KChart::TextAttributes text = sizedText(footerItem->textAttributes(), 2);
    QFont font = text.font();
    font.setItalic(true);
    text.setFont(font);
    footerItem->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    chart->addHeaderFooter(footerItem);
    footerItem->setTextAttributes(text);

    {
        CaptionsMeasuredFor measured(chart, painter->device());
        chart->paint(painter, target);
    }

    chart->takeHeaderFooter(footerItem);
    delete footerItem;
    applyFontSizes(chart, kScreenFontSize, kScreenFontSize, kScreenFontSize);
    chart->update();
}

}  // namespace quorvel::charts
