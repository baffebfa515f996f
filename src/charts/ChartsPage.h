#pragma once
// The "Charts" page: the chart range, the chart options, the chart list, the
// drawn chart and the print panel. Every chart of the program is built and
// drawn here (showChart); the chart list and the Custom Charts page only fill
// the request.
#include "charts/ChartRequest.h"
#include "data/Records.h"

#include <QDate>
#include <QWidget>
#include <memory>

class QAbstractButton;
class QCalendarWidget;
class QSpinBox;

namespace quorvel {

class FormVesk;
class ChartListBox;
class ChartsPageOptionGroup;

namespace charts {
class ChartBuilder;
class ChartView;
class PrintSetup;
}  // namespace charts

class ChartsPage : public QWidget {
    Q_OBJECT
public:
    explicit ChartsPage(FormVesk& form, QWidget* parent = nullptr);
    ~ChartsPage() override;

    // Hides both charts and discards the work table (its file is gone after it).
    void hideCharts();
    // Repeats the last request: the custom chart's "Show Chart" when ChartKind
    // begins with "Work", the chart list's click otherwise; nothing while
    // ChartKind is empty.
    void redrawChart();
    // Start-up: the option buttons to their start values, no chart shown.
    void resetOptions();
    // Start-up: the default range for today.
    void setDefaultRange(const QDate& today);
    // Builds and draws a chart for the request: the caller has set
    // FormVesk::ChartKind; the definition is the stored chart definition
    // (its type, title, legend and gain/loss), codes the accounts to chart.
    // Dates and options come from this page's controls.
    void showChart(const data::ChartDef& definition, const QStringList& codes);
    // The chart list's click (also the redraw of a list chart).
    void LBChartsClick();
    // "Show Chart for this Account": selects "Current Account (Line)"
    // without its click, sets the calendars to the first and last entry
    // dates (invalid dates when the account has none) and runs the click.
    void showChartForAccount(const QDate& firstEntry, const QDate& lastEntry);

    // "3D" / "Flat": the shown chart changes in place.
    void Chart3D();
    // The rotation spinner: the left arrow turns back, the right arrow on;
    // a shown pie turns at once.
    void SpnChartPieRotationClick(bool leftArrow);
    // The print panel's button.
    void BtnChartPrintClick();

    // The printer setup that printing runs; nullptr restores the printer dialog.
    void setPrintSetup(charts::PrintSetup* setup);

    // The last request built here (LBCode is its codes) and the drawn chart.
    const charts::ChartRequest& lastRequest() const { return m_lastRequest; }
    charts::ChartView* chartView() const { return m_view; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildRangeAndLabels();
    void buildOptions();
    void buildPiePanel();
    void buildPrintPanel();
    charts::ChartBuilder& builder();
    charts::ChartRequest requestFromPage(const data::ChartDef& definition, const QStringList& codes) const;
    charts::ChartOptions drawingOptions() const;
    void placeChartView();
    void setPieRotation(int degrees);
    int pieRotation() const;

    FormVesk& m_form;
    std::unique_ptr<charts::ChartBuilder> m_builder;
    std::unique_ptr<charts::PrintSetup> m_dialogSetup;
    charts::PrintSetup* m_printSetup = nullptr;
    charts::ChartRequest m_lastRequest;

    QCalendarWidget* m_start = nullptr;
    QCalendarWidget* m_end = nullptr;
    ChartsPageOptionGroup* m_span = nullptr;
    ChartsPageOptionGroup* m_marks = nullptr;
    ChartsPageOptionGroup* m_value = nullptr;
    ChartsPageOptionGroup* m_threeD = nullptr;
    ChartsPageOptionGroup* m_by = nullptr;
    ChartsPageOptionGroup* m_printDir = nullptr;
    QSpinBox* m_rotation = nullptr;
    ChartListBox* m_list = nullptr;
    charts::ChartView* m_view = nullptr;
};

}  // namespace quorvel
