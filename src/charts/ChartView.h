#pragma once
// Draws a built chart with KChart: line, bar and stacked bar charts on
// `ChartCurrent`, pies on `ChartPie`; at most one of them is shown. The
// Charts page places this widget below its calendars; printing and export
// paint the charts through renderTo / printTo.
#include "charts/ChartRequest.h"
#include "charts/ChartResult.h"

#include <QWidget>
#include <optional>

class QPainter;

namespace KChart {
class Chart;
class AbstractDiagram;
}

namespace quorvel::charts {

class ChartView : public QWidget {
    Q_OBJECT
public:
    enum class Shown { None, Current, Pie };

    explicit ChartView(QWidget* parent = nullptr);
    ~ChartView() override;

    // Draws a result whose build succeeded (result.ready()); a pie definition
    // goes to ChartPie, every other type to ChartCurrent. The other chart is hidden.
    void draw(const ChartResult& result, const ChartRequest& request, const ChartOptions& options);

    // Hides both charts (the work table is the builder's: see ChartBuilder::discardWorkTable).
    void hideCharts();

    // "3D" / "Flat" on the shown chart, in place.
    void setThreeD(bool on);
    // The pie's start angle, in place, when a pie is shown.
    void setPieRotation(int degrees);

    Shown shown() const { return m_shown; }
    KChart::Chart* chartCurrent() const { return m_current; }
    KChart::Chart* chartPie() const { return m_pie; }
    KChart::Chart* shownChart() const;
    KChart::AbstractDiagram* currentDiagram() const;
    KChart::AbstractDiagram* pieDiagram() const;

    // Paints the shown chart (nothing when none) into `target` with the screen fonts.
    void renderTo(QPainter* painter, const QRect& target) const;

    // Paints one chart for the printed page: axis labels 4, legend 6, marks 4,
    // and a footer line in size 2 italic, left-aligned. The screen fonts and
    // the chart without footer are restored afterwards.
    void printTo(QPainter* painter, const QRect& target, bool pie, const QString& footer);

private:
    void drawCartesian(const ChartResult& result, const ChartRequest& request, const ChartOptions& options);
    void drawPie(const ChartResult& result, const ChartRequest& request, const ChartOptions& options);
    void setTitle(KChart::Chart* chart, const ChartRequest& request);
    // Marks already drawn in the screen size are left alone when `marks` is empty.
    void applyFontSizes(KChart::Chart* chart, qreal axis, qreal legend, std::optional<qreal> marks);
    void applyThreeD(KChart::Chart* chart, bool on);

    KChart::Chart* m_current = nullptr;
    KChart::Chart* m_pie = nullptr;
    Shown m_shown = Shown::None;
};

}  // namespace quorvel::charts
