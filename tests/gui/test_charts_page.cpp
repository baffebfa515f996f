// The Charts page: its start-up state, the option buttons that repeat the
// last request, 3D and pie rotation in place, and discarding the chart.
#include "test_charts_page_fixture.h"

#include <KChartBarDiagram>
#include <KChartLineDiagram>
#include <KChartPieDiagram>
#include <KChartPolarCoordinatePlane>
#include <KChartThreeDBarAttributes>
#include <KChartThreeDLineAttributes>
#include <KChartThreeDPieAttributes>
#include <QLabel>
#include <QTabWidget>

using namespace quorvel;
using namespace quorvel::test;

namespace {

bool threeDOn(KChart::AbstractDiagram* diagram)
{
    if (auto* line = qobject_cast<KChart::LineDiagram*>(diagram))
        return line->threeDLineAttributes().isEnabled();
    if (auto* bar = qobject_cast<KChart::BarDiagram*>(diagram))
        return bar->threeDBarAttributes().isEnabled();
    if (auto* pie = qobject_cast<KChart::PieDiagram*>(diagram))
        return pie->threeDPieAttributes().isEnabled();
    return false;
}

qreal pieStart(KChart::Chart* chart)
{
    auto* plane = qobject_cast<KChart::PolarCoordinatePlane*>(chart->coordinatePlane());
    return plane ? plane->startPosition() : -1;
}

}  // namespace

class TestChartsPage : public QObject {
    Q_OBJECT
private slots:
    void startUpState();
    void controlsAtTheirPlaces_data();
    void controlsAtTheirPlaces();
    void optionsBeforeAnyRequestOnlyChangeButtons();
    void optionRedraws_data();
    void optionRedraws();
    void failedRequestRepeatedByOption();
    void datesOutOfOrder();
    void chartFillsPageBelowCalendars();
    void threeDInPlace_data();
    void threeDInPlace();
    void spinnerWraps();
    void spinnerTurnsShownPieInPlace();
    void hideChartsRemovesWorkTable();
};

void TestChartsPage::startUpState()
{
    ChartsPageFixture f(QDate(2009, 2, 10));
    QVERIFY(f.startWithAccounts());
    for (const char* down : {"BGChartSpanMonth", "BGChartMarksHide", "BGChartValueValue", "BGChart3DYes",
                             "BGChartByCategory", "BGChartPrintDirLandscape"})
        QVERIFY2(f.isDown(down), down);
    for (const char* up : {"BGChartSpanQuarter", "BGChartSpanYear", "BGChartMarksShow", "BGChartValuePrice",
                           "BGChartValueShares", "BGChart3DNo", "BGChartByAcct", "BGChartPrintDirPortrait"})
        QVERIFY2(!f.isDown(up), up);
    QCOMPARE(f.rotation(), 0);
    // February: the whole previous year.
    QCOMPARE(f.control<QCalendarWidget>("CalChartStart")->selectedDate(), QDate(2008, 1, 1));
    QCOMPARE(f.control<QCalendarWidget>("CalChartEnd")->selectedDate(), QDate(2008, 12, 31));
    QVERIFY(f.window->ChartKind.isEmpty());
    QCOMPARE(f.view()->shown(), charts::ChartView::Shown::None);
    QVERIFY(!f.workTableFileExists());
}

void TestChartsPage::controlsAtTheirPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("hint");
    QTest::newRow("start") << "CalChartStart" << QRect(8, 28, 200, 140) << "Start date for chart";
    QTest::newRow("end") << "CalChartEnd" << QRect(224, 28, 200, 140) << "End date for chart";
    QTest::newRow("span") << "BGChartSpan" << QRect(432, 8, 89, 57) << "";
    QTest::newRow("marks") << "BGChartMarks" << QRect(526, 8, 97, 33) << "";
    QTest::newRow("value") << "BGChartValue" << QRect(628, 8, 73, 57) << "";
    QTest::newRow("3d") << "BGChart3D" << QRect(526, 46, 65, 33) << "";
    QTest::newRow("by") << "BGChartBy" << QRect(628, 70, 158, 33) << "";
    QTest::newRow("rotation") << "EFChartPieRotation" << QRect(716, 24, 34, 15) << "";
    QTest::newRow("spinner") << "SpnChartPieRotation" << QRect(748, 24, 25, 16) << "Rotates the pie chart";
    QTest::newRow("print panel") << "PnlChartPrint" << QRect(628, 114, 158, 55) << "";
    QTest::newRow("print dir") << "BGChartPrintDir" << QRect(4, 8, 89, 36) << "";
    QTest::newRow("print") << "BtnChartPrint" << QRect(96, 8, 57, 36) << "Press this to print the current chart";
    QTest::newRow("monthly") << "BGChartSpanMonth" << QRect() << "Press this for a monthly chart";
    QTest::newRow("hide values") << "BGChartMarksHide" << QRect() << "Hide chart point value labels.";
    QTest::newRow("shares") << "BGChartValueShares" << QRect() << "Chart by total shares";
    QTest::newRow("flat") << "BGChart3DNo" << QRect() << "Show chart in two dimensions";
    QTest::newRow("by account") << "BGChartByAcct" << QRect() << "Chart by individual account";
    QTest::newRow("portrait") << "BGChartPrintDirPortrait" << QRect() << "Sets the chart up for portrait printing";
}

void TestChartsPage::controlsAtTheirPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, hint);
    ChartsPageFixture f;
    QVERIFY(f.startWithAccounts());
    auto* widget = f.control<QWidget>(name);
    QVERIFY(widget);
    if (!geometry.isNull())
        QCOMPARE(widget->geometry(), geometry);
    if (!hint.isEmpty())
        QCOMPARE(widget->toolTip(), hint);
}

void TestChartsPage::optionsBeforeAnyRequestOnlyChangeButtons()
{
    ChartsPageFixture f;
    QVERIFY(f.startWithAccounts());
    for (const char* button : {"BGChartSpanYear", "BGChartMarksShow", "BGChartValuePrice", "BGChart3DNo",
                               "BGChartByAcct", "SpnChartPieRotationRight"})
        f.clickButton(button);
    QVERIFY(f.isDown("BGChartSpanYear"));
    QVERIFY(f.isDown("BGChartMarksShow"));
    QVERIFY(f.isDown("BGChartValuePrice"));
    QVERIFY(f.isDown("BGChart3DNo"));
    QVERIFY(f.isDown("BGChartByAcct"));
    QCOMPARE(f.rotation(), 1);
    QCOMPARE(f.dialogs.allTexts(), QStringList());
    QCOMPARE(f.view()->shown(), charts::ChartView::Shown::None);
    QVERIFY(!f.workTableFileExists());
}

void TestChartsPage::optionRedraws_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("xLabels");
    QTest::addColumn<QList<double>>("firstRow");
    const QStringList months = {"2008-01", "2008-02", "2008-03", "2008-04", "2008-05"};
    // Quarter 2 holds April and May; a quarter charts its last month.
    QTest::newRow("quarterly") << "BGChartSpanQuarter" << QStringList{"Bonds", "Stocks"}
                               << QStringList{"2008-Q1", "2008-Q2"} << QList<double>{2200, 1200};
    QTest::newRow("yearly") << "BGChartSpanYear" << QStringList{"Bonds", "Stocks"} << QStringList{"2008"}
                            << QList<double>{2210, 1200};
    QTest::newRow("by account") << "BGChartByAcct" << QStringList{"AAA", "BBB", "CCC"} << months
                                << QList<double>{1000, 1000, 1000};
    QTest::newRow("shares") << "BGChartValueShares" << QStringList{"Bonds", "Stocks"} << months
                            << QList<double>{150, 200};
    QTest::newRow("price") << "BGChartValuePrice" << QStringList{"Bonds", "Stocks"} << months
                           << QList<double>{30, 5};
}

void TestChartsPage::optionRedraws()
{
    QFETCH(QString, button);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, xLabels);
    QFETCH(QList<double>, firstRow);

    ChartsPageFixture f;
    QVERIFY(f.startWithAccounts());
    f.clickChart("All Accounts (Stacked)");
    QCOMPARE(f.xLabels().size(), 5);
    f.window->showPage("Accounts");

    f.clickButton(button);

    QCOMPARE(f.dialogs.allTexts(), QStringList());
    QVERIFY(f.isDown(button));
    QCOMPARE(f.window->ChartKind, QStringLiteral("All"));
    QCOMPARE(f.seriesLabels(), labels);
    QCOMPARE(f.xLabels(), xLabels);
    QCOMPARE(f.rowValues(0), firstRow);
    QCOMPARE(f.window->notebook()->tabText(f.window->notebook()->currentIndex()), QStringLiteral("Charts"));
}

void TestChartsPage::failedRequestRepeatedByOption()
{
    ChartsPageFixture f;
    QVERIFY(f.startWithAccounts());
    f.setRange(QDate(2008, 1, 1), QDate(2008, 3, 31));
    f.clickButton("BGChartSpanYear");
    const QString singlePoint = QStringLiteral(
        "This date range produces a single point for this line chart. You must have two points to view a line "
        "chart.");

    f.clickChart("All Accounts (Line)");
    QCOMPARE(f.dialogs.texts(ScriptedDialogs::Kind::Error), QStringList{singlePoint});
    QCOMPARE(f.view()->shown(), charts::ChartView::Shown::None);

    // Still one period: the same message again.
    f.clickButton("BGChartSpanQuarter");
    QCOMPARE(f.dialogs.texts(ScriptedDialogs::Kind::Error), QStringList({singlePoint, singlePoint}));
    QCOMPARE(f.view()->shown(), charts::ChartView::Shown::None);

    // Three months: the chart is drawn.
    f.clickButton("BGChartSpanMonth");
    QCOMPARE(f.dialogs.allTexts().size(), 2);
    QCOMPARE(f.view()->shown(), charts::ChartView::Shown::Current);
    QCOMPARE(f.xLabels(), QStringList({"2008-01", "2008-02", "2008-03"}));
}

void TestChartsPage::datesOutOfOrder()
{
    ChartsPageFixture f;
    QVERIFY(f.startWithAccounts());
    f.clickChart("All Accounts (Line)");
    QVERIFY(f.workTableFileExists());
    f.setRange(QDate(2008, 5, 2), QDate(2008, 5, 1));
    f.clickButton("BGChartValuePrice");
    QCOMPARE(f.dialogs.texts(ScriptedDialogs::Kind::Error),
             QStringList{"Starting calendar date must be before ending calendar date."});
    QCOMPARE(f.view()->shown(), charts::ChartView::Shown::None);
    QVERIFY(!f.workTableFileExists());
}

void TestChartsPage::chartFillsPageBelowCalendars()
{
    ChartsPageFixture f;
    QVERIFY(f.startWithAccounts());
    f.clickChart("All Accounts (Line)");
    QTabWidget* notebook = f.window->notebook();
    const QRect area = f.view()->geometry();
    QCOMPARE(area.left(), 8);
    QCOMPARE(area.top(), 28 + 140 + 15);
    QCOMPARE(area.width(), notebook->width() - 8 - 20);
    QCOMPARE(area.height(), notebook->height() - area.top() - notebook->tabBar()->height() - 10);
    QVERIFY(f.view()->chartCurrent()->isVisible());
    QVERIFY(f.view()->chartCurrent()->height() > 200);
}

void TestChartsPage::threeDInPlace_data()
{
    QTest::addColumn<QString>("item");
    QTest::newRow("line") << "All Accounts (Line)";
    QTest::newRow("stacked") << "All Accounts (Stacked)";
    QTest::newRow("pie") << "All Accounts (Pie)";
}

void TestChartsPage::threeDInPlace()
{
    QFETCH(QString, item);
    ChartsPageFixture f;
    QVERIFY(f.startWithAccounts());
    f.clickChart(item);
    KChart::AbstractDiagram* drawn = f.shownDiagram();
    QVERIFY(drawn);
    QVERIFY(threeDOn(drawn));

    f.clickButton("BGChart3DNo");
    QCOMPARE(f.shownDiagram(), drawn);  // not rebuilt
    QVERIFY(!threeDOn(drawn));
    f.clickButton("BGChart3DYes");
    QCOMPARE(f.shownDiagram(), drawn);
    QVERIFY(threeDOn(drawn));
    QCOMPARE(f.dialogs.allTexts(), QStringList());
}

void TestChartsPage::spinnerWraps()
{
    ChartsPageFixture f;
    QVERIFY(f.startWithAccounts());
    f.clickChart("All Accounts (Line)");
    KChart::AbstractDiagram* drawn = f.shownDiagram();

    f.clickButton("SpnChartPieRotationLeft");
    QCOMPARE(f.rotation(), 360);
    f.clickButton("SpnChartPieRotationLeft");
    QCOMPARE(f.rotation(), 359);
    f.clickButton("SpnChartPieRotationRight");
    f.clickButton("SpnChartPieRotationRight");
    QCOMPARE(f.rotation(), 0);
    f.clickButton("SpnChartPieRotationRight");
    QCOMPARE(f.rotation(), 1);
    // A line chart is not redrawn by the spinner.
    QCOMPARE(f.shownDiagram(), drawn);
}

void TestChartsPage::spinnerTurnsShownPieInPlace()
{
    ChartsPageFixture f;
    QVERIFY(f.startWithAccounts());
    f.clickButton("SpnChartPieRotationLeft");
    f.clickButton("SpnChartPieRotationLeft");
    QCOMPARE(f.rotation(), 359);
    // The rotation chosen before takes effect at the next pie drawing.
    f.clickChart("All Accounts (Pie)");
    QCOMPARE(pieStart(f.shownChart()), 359.0);

    KChart::AbstractDiagram* drawn = f.shownDiagram();
    f.clickButton("SpnChartPieRotationRight");
    QCOMPARE(f.rotation(), 360);
    QCOMPARE(pieStart(f.shownChart()), 360.0);
    f.clickButton("SpnChartPieRotationRight");
    QCOMPARE(pieStart(f.shownChart()), 0.0);
    QCOMPARE(f.shownDiagram(), drawn);
}

void TestChartsPage::hideChartsRemovesWorkTable()
{
    ChartsPageFixture f;
    QVERIFY(f.startWithAccounts());
    f.clickChart("All Accounts (Pie)");
    QVERIFY(f.workTableFileExists());
    QVERIFY(f.view()->chartPie()->isVisible());

    f.window->HideCharts();

    QVERIFY(!f.workTableFileExists());
    QVERIFY(!f.view()->chartPie()->isVisible());
    QVERIFY(!f.view()->chartCurrent()->isVisible());
    QCOMPARE(f.view()->shown(), charts::ChartView::Shown::None);
    // Hiding again, with nothing left, is harmless.
    f.window->HideCharts();
    QCOMPARE(f.dialogs.allTexts(), QStringList());
}

QTEST_MAIN(TestChartsPage)
#include "test_charts_page.moc"
