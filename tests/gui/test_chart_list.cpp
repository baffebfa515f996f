// The chart list of the Charts page: what each of the seven items draws over
// a small set of accounts, and "Show Chart for this Account".
#include "test_charts_page_fixture.h"

#include "data/ChartDefStore.h"

#include <KChartBarDiagram>
#include <KChartLineDiagram>
#include <KChartPieDiagram>
#include <QTabWidget>

using namespace quorvel;
using namespace quorvel::test;

namespace {

QString diagramKind(KChart::AbstractDiagram* diagram)
{
    if (qobject_cast<KChart::PieDiagram*>(diagram))
        return QStringLiteral("pie");
    if (qobject_cast<KChart::LineDiagram*>(diagram))
        return QStringLiteral("line");
    if (auto* bar = qobject_cast<KChart::BarDiagram*>(diagram))
        return bar->type() == KChart::BarDiagram::Stacked ? QStringLiteral("stacked") : QStringLiteral("bar");
    return QStringLiteral("none");
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

}  // namespace

class TestChartList : public QObject {
    Q_OBJECT
private slots:
    void listShowsTheSevenCharts();
    void itemDraws_data();
    void itemDraws();
    void itemStoresItsTitle();
    void keyboardChoiceAndRepeatedClick();
    void currentCategoryLegendFollowsByButton_data();
    void currentCategoryLegendFollowsByButton();
    void categoryWithApostrophe();
    void nothingWithoutAccounts();
    void nothingWithoutSelection();
    void missingPredefinedChartDoesNothing();
    void showChartForAccount();
    void showChartForAccountWithoutEntries();
};

void TestChartList::listShowsTheSevenCharts()
{
    ChartsPageFixture f;
    QVERIFY(f.startWithAccounts());
    auto* list = f.control<QListWidget>("LBCharts");
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    QCOMPARE(texts, QStringList({"All Accounts (Line)", "All Accounts (Pie)", "All Accounts (Stacked)",
                                 "Current Account (Line)", "Current Category (Line)", "Gain/Loss All Accounts",
                                 "Overall (Line)"}));
    QVERIFY(list->selectedItems().isEmpty());
    QCOMPARE(list->toolTip(), QStringLiteral("Select the chart to view"));
}

void TestChartList::itemDraws_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("diagram");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QList<double>>("firstRow");
    QTest::addColumn<int>("rows");

    // All codes, closed DDD and entry-less EEE included; the chart itself
    // leaves out DDD (closed before the range) and EEE (no data).
    const QStringList all = {"AAA", "BBB", "CCC", "DDD", "EEE"};
    QTest::newRow("all line") << "All Accounts (Line)" << "AllLine" << "line" << "All Accounts: Values" << all
                              << QStringList{"Bonds", "Stocks"} << QList<double>{2000, 1000} << 5;
    // A pie holds each category's latest snapshot in the range: Bonds 1210 + 1000, Stocks 1200.
    QTest::newRow("all pie") << "All Accounts (Pie)" << "AllPie" << "pie" << "All Accounts: Values" << all
                             << QStringList{"Bonds  2,210.00", "Stocks  1,200.00"} << QList<double>{2210, 1200} << 1;
    QTest::newRow("all stacked") << "All Accounts (Stacked)" << "All" << "stacked" << "All Accounts: Values" << all
                                 << QStringList{"Bonds", "Stocks"} << QList<double>{2000, 1000} << 5;
    QTest::newRow("current") << "Current Account (Line)" << "Current" << "line" << "Alpha Fund: Values"
                             << QStringList{"AAA"} << QStringList{"Bonds"} << QList<double>{1000} << 5;
    QTest::newRow("current category") << "Current Category (Line)" << "CurrCat" << "line"
                                      << "All Category: Bonds: Values" << QStringList{"AAA", "BBB"}
                                      << QStringList{"Bonds"} << QList<double>{2000} << 5;
    // Changes from month to month; January, the first period, is dropped.
    QTest::newRow("gain/loss") << "Gain/Loss All Accounts" << "GLAll" << "bar" << "All Accounts: Values" << all
                               << QStringList{"Bonds", "Stocks"} << QList<double>{200, 0} << 4;
    QTest::newRow("overall") << "Overall (Line)" << "OvrLine" << "line" << "Overall: Values" << all
                             << QStringList{""} << QList<double>{3000} << 5;
}

void TestChartList::itemDraws()
{
    QFETCH(QString, item);
    QFETCH(QString, kind);
    QFETCH(QString, diagram);
    QFETCH(QString, title);
    QFETCH(QStringList, codes);
    QFETCH(QStringList, labels);
    QFETCH(QList<double>, firstRow);
    QFETCH(int, rows);

    ChartsPageFixture f;
    QVERIFY(f.startWithAccounts());
    f.window->showPage("Accounts");
    f.clickChart(item);

    QCOMPARE(f.dialogs.allTexts(), QStringList());
    QCOMPARE(f.window->ChartKind, kind);
    QCOMPARE(sorted(f.page()->lastRequest().codes), codes);
    QCOMPARE(f.window->notebook()->tabText(f.window->notebook()->currentIndex()), QStringLiteral("Charts"));
    const bool pie = diagram == QLatin1String("pie");
    QCOMPARE(f.view()->chartPie()->isVisible(), pie);
    QCOMPARE(f.view()->chartCurrent()->isVisible(), !pie);
    QCOMPARE(diagramKind(f.shownDiagram()), diagram);
    QCOMPARE(f.titleLines(), QStringList({title, "01/01/2008 to 12/31/2008"}));
    QCOMPARE(f.seriesLabels(), labels);
    QCOMPARE(f.rowValues(0), firstRow);
    QCOMPARE(f.shownDiagram()->model()->rowCount(), rows);
    QVERIFY(f.workTableFileExists());
}

void TestChartList::itemStoresItsTitle()
{
    ChartsPageFixture f;
    QVERIFY(f.startWithAccounts());
    f.clickChart("Current Account (Line)");
    const auto stored = data::ChartDefStore(f.engine()).find("$", "Current Account");
    QVERIFY(stored);
    QCOMPARE(stored->title, QStringLiteral("Alpha Fund"));

    // The list reads the current account at each click.
    f.window->CurrAcctCode = QStringLiteral("CCC");
    f.clickChart("Current Account (Line)");
    QCOMPARE(data::ChartDefStore(f.engine()).find("$", "Current Account")->title, QStringLiteral("Gamma Growth"));
    QCOMPARE(f.titleLines().value(0), QStringLiteral("Gamma Growth: Values"));
    QCOMPARE(f.page()->lastRequest().codes, QStringList{"CCC"});
}

void TestChartList::keyboardChoiceAndRepeatedClick()
{
    ChartsPageFixture f;
    QVERIFY(f.startWithAccounts());
    f.clickChart("All Accounts (Line)");
    auto* list = f.control<QListWidget>("LBCharts");
    list->setFocus();

    // Moving the selection with the keyboard chooses the next chart.
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(f.window->ChartKind, QStringLiteral("AllPie"));
    QCOMPARE(f.view()->shown(), charts::ChartView::Shown::Pie);

    // Clicking the chosen item again draws it again, with the dates as they are now.
    f.setRange(QDate(2008, 1, 1), QDate(2008, 2, 29));
    f.clickChart("All Accounts (Pie)");
    QCOMPARE(f.titleLines().value(1), QStringLiteral("01/01/2008 to 02/29/2008"));
    QCOMPARE(f.rowValues(0), (QList<double>{2200, 1000}));
    QCOMPARE(f.dialogs.allTexts(), QStringList());
}

void TestChartList::currentCategoryLegendFollowsByButton_data()
{
    QTest::addColumn<QString>("byButton");
    QTest::addColumn<bool>("legend");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("by account") << "BGChartByAcct" << true << QStringList{"AAA", "BBB"};
    QTest::newRow("by category") << "BGChartByCategory" << false << QStringList{"Bonds"};
}

void TestChartList::currentCategoryLegendFollowsByButton()
{
    QFETCH(QString, byButton);
    QFETCH(bool, legend);
    QFETCH(QStringList, labels);

    ChartsPageFixture f;
    QVERIFY(f.startWithAccounts());
    f.clickButton(byButton);  // no chart yet: only the button changes
    QVERIFY(f.isDown(byButton));
    f.clickChart("Current Category (Line)");
    QCOMPARE(f.dialogs.allTexts(), QStringList());
    QCOMPARE(f.legendShown(), legend);
    QCOMPARE(f.seriesLabels(), labels);
    QCOMPARE(data::ChartDefStore(f.engine()).find("$", "Current Category")->legend, legend);
}

void TestChartList::categoryWithApostrophe()
{
    ChartsPageFixture f;
    QVERIFY(f.startWithAccounts());
    f.window->CurrAcctCode = QStringLiteral("DDD");
    f.setRange(QDate(2007, 1, 1), QDate(2007, 12, 31));
    f.clickChart("Current Category (Line)");
    QCOMPARE(f.dialogs.allTexts(), QStringList());
    QCOMPARE(f.page()->lastRequest().codes, QStringList{"DDD"});
    QCOMPARE(f.titleLines().value(0), QStringLiteral("All Category: O'Brien's: Values"));
    // Closed on 09/30/2007, within the range: charted to the end of the range.
    QCOMPARE(f.xLabels().first(), QStringLiteral("2007-03"));
    QCOMPARE(f.xLabels().last(), QStringLiteral("2007-12"));
}

void TestChartList::nothingWithoutAccounts()
{
    ChartsPageFixture f;
    QVERIFY(f.start());
    f.dialogs.clear();
    auto* list = f.control<QListWidget>("LBCharts");
    for (int i = 0; i < list->count(); ++i) {
        list->setCurrentRow(i);
        f.page()->LBChartsClick();
    }
    QCOMPARE(f.dialogs.allTexts(), QStringList());
    QVERIFY(f.window->ChartKind.isEmpty());
    QCOMPARE(f.view()->shown(), charts::ChartView::Shown::None);
    QVERIFY(!f.workTableFileExists());
}

void TestChartList::nothingWithoutSelection()
{
    ChartsPageFixture f;
    QVERIFY(f.startWithAccounts());
    f.page()->LBChartsClick();
    QCOMPARE(f.dialogs.allTexts(), QStringList());
    QVERIFY(f.window->ChartKind.isEmpty());
    QCOMPARE(f.view()->shown(), charts::ChartView::Shown::None);
}

void TestChartList::missingPredefinedChartDoesNothing()
{
    ChartsPageFixture f;
    QVERIFY(f.startWithAccounts());
    f.clickChart("All Accounts (Line)");
    QCOMPARE(f.view()->shown(), charts::ChartView::Shown::Current);
    data::ChartDefStore store(f.engine());
    store.remove(store.find("$", "Overall Line")->id);

    f.clickChart("Overall (Line)");
    QCOMPARE(f.dialogs.allTexts(), QStringList());
    // The request keeps its previous contents; the shown chart stays.
    QCOMPARE(f.window->ChartKind, QStringLiteral("AllLine"));
    QCOMPARE(f.view()->shown(), charts::ChartView::Shown::Current);
    QCOMPARE(f.titleLines().value(0), QStringLiteral("All Accounts: Values"));
}

void TestChartList::showChartForAccount()
{
    ChartsPageFixture f;
    f.addAccount(DataDirFixture::account("LONG", "Long Runner", "Bonds"));
    f.addEntry(DataDirFixture::entry("LONG", QDate(2004, 3, 15), 10, 10));
    f.addEntry(DataDirFixture::entry("LONG", QDate(2006, 7, 1), 12, 10));
    f.addEntry(DataDirFixture::entry("LONG", QDate(2008, 6, 30), 15, 10));
    QVERIFY(f.start());
    f.window->CurrAcctCode = QStringLiteral("LONG");
    f.dialogs.clear();
    f.window->showPage("Entries");

    f.clickButton("BtnEntriesChart");

    QCOMPARE(f.control<QCalendarWidget>("CalChartStart")->selectedDate(), QDate(2004, 3, 15));
    QCOMPARE(f.control<QCalendarWidget>("CalChartEnd")->selectedDate(), QDate(2008, 6, 30));
    QCOMPARE(f.control<QListWidget>("LBCharts")->selectedItems().value(0)->text(),
             QStringLiteral("Current Account (Line)"));
    QCOMPARE(f.dialogs.allTexts(), QStringList());
    QCOMPARE(f.window->ChartKind, QStringLiteral("Current"));
    QCOMPARE(f.window->notebook()->tabText(f.window->notebook()->currentIndex()), QStringLiteral("Charts"));
    QCOMPARE(f.titleLines(), QStringList({"Long Runner: Values", "03/15/2004 to 06/30/2008"}));
    // Month ends from March 2004 up to May 2008 (June 2008 ends after today).
    QCOMPARE(f.xLabels().first(), QStringLiteral("2004-03"));
    QCOMPARE(f.xLabels().last(), QStringLiteral("2008-05"));
}

void TestChartList::showChartForAccountWithoutEntries()
{
    ChartsPageFixture f;
    QVERIFY(f.startWithAccounts());
    f.clickChart("All Accounts (Line)");
    f.window->CurrAcctCode = QStringLiteral("EEE");

    f.window->showPage("Entries");
    f.clickButton("BtnEntriesChart");

    QCOMPARE(f.control<QCalendarWidget>("CalChartStart")->selectedDate(), QDate(1899, 12, 30));
    QCOMPARE(f.control<QCalendarWidget>("CalChartEnd")->selectedDate(), QDate(1899, 12, 30));
    QCOMPARE(f.dialogs.texts(ScriptedDialogs::Kind::Error),
             QStringList{"This date range produces no records."});
    QCOMPARE(f.window->ChartKind, QStringLiteral("Current"));
    QCOMPARE(f.view()->shown(), charts::ChartView::Shown::None);
    QVERIFY(!f.view()->chartCurrent()->isVisible());
    QVERIFY(!f.view()->chartPie()->isVisible());
}

QTEST_MAIN(TestChartList)
#include "test_chart_list.moc"
