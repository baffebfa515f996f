#pragma once
#include <QDate>
#include <QWidget>
#include "data/Records.h"

namespace quorvel {

class FormVesk;

class ChartsPage : public QWidget {
    Q_OBJECT
public:
    explicit ChartsPage(FormVesk& form, QWidget* parent = nullptr);

    void hideCharts();
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

private:
    FormVesk& m_form;
};

}  // namespace quorvel
