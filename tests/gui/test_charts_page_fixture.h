#pragma once
// The real main window over a small set of accounts, with helpers to drive
// the Charts page as a user does and to read what the drawn chart shows.
//
// Today is 06/15/2008, so the default range is 2008 and month ends up to
// May 2008 are charted:
//   AAA "Alpha Fund"   Bonds      11/10/2007 10.00 x 100, 02/20/2008 12.00 x 100, 04/05/2008 11.00 x 110
//   BBB "Beta Stock"   Bonds      01/05/2008 20.00 x 50
//   CCC "Gamma Growth" Stocks     12/15/2007 5.00 x 200, 03/10/2008 6.00 x 200
//   DDD "Delta Closed" O'Brien's  closed 09/30/2007; 03/01/2007 8.00 x 10
//   EEE "Echo Empty"   Stocks     no entries
#include "MainWindowFixture.h"
#include "charts/ChartView.h"
#include "charts/ChartsPage.h"

#include <KChartAbstractCoordinatePlane>
#include <KChartAbstractDiagram>
#include <KChartChart>
#include <KChartHeaderFooter>
#include <KChartLegend>

#include <QAbstractButton>
#include <QCalendarWidget>
#include <QFile>
#include <QListWidget>
#include <QSpinBox>
#include <QTest>

namespace quorvel::test {

class ChartsPageFixture : public MainWindowFixture {
public:
    explicit ChartsPageFixture(const QDate& today = QDate(2008, 6, 15)) : MainWindowFixture(today) {}

    // Adds the accounts above and starts the window with "Alpha Fund" current.
    bool startWithAccounts()
    {
        using D = DataDirFixture;
        addAccount(D::account("AAA", "Alpha Fund", "Bonds"));
        addAccount(D::account("BBB", "Beta Stock", "Bonds"));
        addAccount(D::account("CCC", "Gamma Growth", "Stocks"));
        addAccount(D::account("DDD", "Delta Closed", "O'Brien's", QDate(2007, 9, 30)));
        addAccount(D::account("EEE", "Echo Empty", "Stocks"));
        addEntry(D::entry("AAA", QDate(2007, 11, 10), 10, 100));
        addEntry(D::entry("AAA", QDate(2008, 2, 20), 12, 100));
        addEntry(D::entry("AAA", QDate(2008, 4, 5), 11, 110));
        addEntry(D::entry("BBB", QDate(2008, 1, 5), 20, 50));
        addEntry(D::entry("CCC", QDate(2007, 12, 15), 5, 200));
        addEntry(D::entry("CCC", QDate(2008, 3, 10), 6, 200));
        addEntry(D::entry("DDD", QDate(2007, 3, 1), 8, 10));
        if (!start())
            return false;
        // The account list makes an account current; the chart list reads it here.
        window->CurrAcctCode = QStringLiteral("AAA");
        dialogs.clear();
        return true;
    }

    ChartsPage* page() const { return window->chartsPage(); }
    charts::ChartView* view() const { return page()->chartView(); }

    template <typename T = QAbstractButton>
    T* control(const QString& name) const
    {
        T* found = window->findChild<T*>(name);
        if (!found)
            qWarning("no control %s", qPrintable(name));
        return found;
    }

    void clickButton(const QString& name) { QTest::mouseClick(control(name), Qt::LeftButton); }
    bool isDown(const QString& name) const { return control(name)->isChecked(); }

    // Clicks an item of the chart list with the mouse, as the user does.
    void clickChart(const QString& text)
    {
        window->showPage(QStringLiteral("Charts"));
        auto* list = control<QListWidget>(QStringLiteral("LBCharts"));
        const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
        if (items.isEmpty()) {
            qWarning("no chart list item %s", qPrintable(text));
            return;
        }
        list->scrollToItem(items.first());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.first()).center());
    }

    void setRange(const QDate& start, const QDate& end)
    {
        control<QCalendarWidget>(QStringLiteral("CalChartStart"))->setSelectedDate(start);
        control<QCalendarWidget>(QStringLiteral("CalChartEnd"))->setSelectedDate(end);
    }

    int rotation() const { return control<QSpinBox>(QStringLiteral("EFChartPieRotation"))->value(); }

    QString workTablePath() const { return data.path(QStringLiteral("vesktemp.ADT")); }
    bool workTableFileExists() const { return QFile::exists(workTablePath()); }

    // --- what the drawn chart shows ---
    KChart::Chart* shownChart() const { return view()->shownChart(); }

    KChart::AbstractDiagram* shownDiagram() const
    {
        KChart::Chart* chart = shownChart();
        return chart && chart->coordinatePlane() ? chart->coordinatePlane()->diagram() : nullptr;
    }

    QStringList titleLines() const
    {
        KChart::Chart* chart = shownChart();
        if (!chart)
            return {};
        for (KChart::HeaderFooter* header : chart->headerFooters()) {
            if (header->type() == KChart::HeaderFooter::Header)
                return header->text().split(QLatin1Char('\n'));
        }
        return {};
    }

    // Line, bar and stacked charts: the series titles; a pie: the legend texts of its slices.
    QStringList seriesLabels() const
    {
        QStringList labels;
        KChart::AbstractDiagram* diagram = shownDiagram();
        if (!diagram || !diagram->model())
            return labels;
        for (int c = 0; c < diagram->model()->columnCount(); ++c)
            labels << diagram->model()->headerData(c, Qt::Horizontal).toString();
        return labels;
    }

    QStringList xLabels() const
    {
        QStringList labels;
        KChart::AbstractDiagram* diagram = shownDiagram();
        if (!diagram || !diagram->model())
            return labels;
        for (int r = 0; r < diagram->model()->rowCount(); ++r)
            labels << diagram->model()->headerData(r, Qt::Vertical).toString();
        return labels;
    }

    // The values of one row of the chart's model (one period, or the pie's slices).
    QList<double> rowValues(int row) const
    {
        QList<double> values;
        KChart::AbstractDiagram* diagram = shownDiagram();
        if (!diagram || !diagram->model())
            return values;
        for (int c = 0; c < diagram->model()->columnCount(); ++c)
            values << diagram->model()->index(row, c).data().toDouble();
        return values;
    }

    bool legendShown() const
    {
        KChart::Chart* chart = shownChart();
        if (!chart || chart->legends().isEmpty())
            return false;
        // KChart paints its legends itself; a legend counts as hidden only
        // when it was hidden on purpose (the widget flag alone stays set).
        KChart::Legend* legend = chart->legends().first();
        return !(legend->isHidden() && legend->testAttribute(Qt::WA_WState_ExplicitShowHide));
    }
};

}  // namespace quorvel::test
