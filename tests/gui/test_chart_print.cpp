// Printing the shown chart from the Charts page's print panel, to PDF files
// through a scripted printer setup in place of the printer dialog.
#include "test_charts_page_fixture.h"

#include "charts/ChartPrint.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace quorvel;
using namespace quorvel::test;

namespace {

// Answers the printer setup as a user would: sends the job to a PDF file,
// optionally turns the page, and prints or cancels.
class ScriptedPrintSetup : public charts::PrintSetup {
public:
    explicit ScriptedPrintSetup(const QString& pdfPath) : pdfPath(pdfPath) {}

    bool run(QPrinter& printer) override
    {
        ++runs;
        offered = printer.pageLayout().orientation();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        printer.setPageOrientation(choose ? *choose : offered);
        return answer;
    }

    QString pdfPath;
    bool answer = true;
    std::optional<QPageLayout::Orientation> choose;  // what the user picks; unset: keeps what was offered
    int runs = 0;
    QPageLayout::Orientation offered = QPageLayout::Portrait;
};

QString runTool(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct PdfInfo {
    int pages = 0;
    double width = 0;
    double height = 0;
};

PdfInfo pdfInfo(const QString& path)
{
    PdfInfo info;
    const QString text = runTool(QStringLiteral("pdfinfo"), {path});
    const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    const QRegularExpression size(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts"));
    const auto p = pages.match(text);
    const auto s = size.match(text);
    if (p.hasMatch())
        info.pages = p.captured(1).toInt();
    if (s.hasMatch()) {
        info.width = s.captured(1).toDouble();
        info.height = s.captured(2).toDouble();
    }
    return info;
}

QString pdfText(const QString& path)
{
    return runTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
}

}  // namespace

class TestChartPrint : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void nothingBeforeAnyRequest();
    void cancelPrintsNothing();
    void printsOnePageInTheChosenOrientation_data();
    void printsOnePageInTheChosenOrientation();
    void printsTheShownChartAndRedraws_data();
    void printsTheShownChartAndRedraws();
    void nothingWhenTheRequestFailed();
    void unwritableOutputIsReported();

private:
    QTemporaryDir m_out;
};

void TestChartPrint::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()
        || QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdfinfo and pdftotext (poppler-utils) are needed to read the printed PDF");
    QVERIFY(m_out.isValid());
}

void TestChartPrint::nothingBeforeAnyRequest()
{
    ChartsPageFixture f;
    QVERIFY(f.startWithAccounts());
    ScriptedPrintSetup setup(m_out.filePath(QStringLiteral("none.pdf")));
    f.page()->setPrintSetup(&setup);
    f.clickButton("BtnChartPrint");
    QCOMPARE(setup.runs, 0);
    QVERIFY(!QFile::exists(setup.pdfPath));
    QCOMPARE(f.dialogs.allTexts(), QStringList());
}

void TestChartPrint::cancelPrintsNothing()
{
    ChartsPageFixture f;
    QVERIFY(f.startWithAccounts());
    ScriptedPrintSetup setup(m_out.filePath(QStringLiteral("cancel.pdf")));
    setup.answer = false;
    setup.choose = QPageLayout::Portrait;
    f.page()->setPrintSetup(&setup);
    f.clickChart("All Accounts (Line)");
    KChart::AbstractDiagram* drawn = f.shownDiagram();

    f.clickButton("BtnChartPrint");

    QCOMPARE(setup.runs, 1);
    QVERIFY(!QFile::exists(setup.pdfPath));
    // Nothing else changes: the panel keeps "Landscape", the chart is not rebuilt.
    QVERIFY(f.isDown("BGChartPrintDirLandscape"));
    QCOMPARE(f.shownDiagram(), drawn);
    QCOMPARE(f.dialogs.allTexts(), QStringList());
}

void TestChartPrint::printsOnePageInTheChosenOrientation_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<int>("offered");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QString>("panelAfter");
    QTest::newRow("landscape kept") << "BGChartPrintDirLandscape" << int(QPageLayout::Landscape)
                                    << int(QPageLayout::Landscape) << "BGChartPrintDirLandscape";
    QTest::newRow("portrait kept") << "BGChartPrintDirPortrait" << int(QPageLayout::Portrait)
                                   << int(QPageLayout::Portrait) << "BGChartPrintDirPortrait";
    QTest::newRow("portrait chosen in the dialog") << "BGChartPrintDirLandscape" << int(QPageLayout::Landscape)
                                                   << int(QPageLayout::Portrait) << "BGChartPrintDirPortrait";
    QTest::newRow("landscape chosen in the dialog") << "BGChartPrintDirPortrait" << int(QPageLayout::Portrait)
                                                    << int(QPageLayout::Landscape) << "BGChartPrintDirLandscape";
}

void TestChartPrint::printsOnePageInTheChosenOrientation()
{
    QFETCH(QString, panel);
    QFETCH(int, offered);
    QFETCH(int, chosen);
    QFETCH(QString, panelAfter);

    ChartsPageFixture f;
    QVERIFY(f.startWithAccounts());
    ScriptedPrintSetup setup(m_out.filePath(QStringLiteral("%1.pdf").arg(QTest::currentDataTag()).replace(' ', '_')));
    setup.choose = QPageLayout::Orientation(chosen);
    f.page()->setPrintSetup(&setup);
    f.clickButton(panel);
    f.clickChart("All Accounts (Line)");

    f.clickButton("BtnChartPrint");

    QCOMPARE(setup.runs, 1);
    QCOMPARE(int(setup.offered), offered);
    QVERIFY(f.isDown(panelAfter));
    const PdfInfo info = pdfInfo(setup.pdfPath);
    QCOMPARE(info.pages, 1);
    QVERIFY(info.width > 0 && info.height > 0);
    QCOMPARE(info.width > info.height, chosen == int(QPageLayout::Landscape));
    QVERIFY(pdfText(setup.pdfPath).contains(charts::chartPrintFooter()));
    QCOMPARE(f.dialogs.allTexts(), QStringList());
}

void TestChartPrint::printsTheShownChartAndRedraws_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("printedTexts");
    // The line chart's x labels; the pie's slice marks (label and percentage).
    QTest::newRow("line") << "All Accounts (Line)" << QStringList{"All Accounts: Values", "2008-01", "2008-05"};
    QTest::newRow("pie") << "All Accounts (Pie)" << QStringList{"All Accounts: Values", "Bonds", "64.81%"};
}

void TestChartPrint::printsTheShownChartAndRedraws()
{
    QFETCH(QString, item);
    QFETCH(QStringList, printedTexts);

    ChartsPageFixture f;
    QVERIFY(f.startWithAccounts());
    ScriptedPrintSetup setup(m_out.filePath(QStringLiteral("shown-%1.pdf").arg(QTest::currentDataTag())));
    f.page()->setPrintSetup(&setup);
    f.clickChart(item);
    const charts::ChartView::Shown shown = f.view()->shown();
    KChart::AbstractDiagram* drawn = f.shownDiagram();

    f.clickButton("BtnChartPrint");

    const QString text = pdfText(setup.pdfPath);
    for (const QString& expected : printedTexts)
        QVERIFY2(text.contains(expected), qPrintable(expected + " not in:\n" + text));
    QVERIFY(text.contains(charts::chartPrintFooter()));
    // The chart on screen is built again, without the footer.
    QCOMPARE(f.view()->shown(), shown);
    QVERIFY(f.shownDiagram() != drawn);
    for (KChart::HeaderFooter* item : f.shownChart()->headerFooters())
        QVERIFY(!item->text().contains(charts::chartPrintFooter()));
    QCOMPARE(f.dialogs.allTexts(), QStringList());
}

void TestChartPrint::nothingWhenTheRequestFailed()
{
    ChartsPageFixture f;
    QVERIFY(f.startWithAccounts());
    ScriptedPrintSetup setup(m_out.filePath(QStringLiteral("failed.pdf")));
    f.page()->setPrintSetup(&setup);
    f.clickChart("All Accounts (Line)");
    f.setRange(QDate(2008, 3, 1), QDate(2008, 3, 31));
    f.clickButton("BGChartSpanMonth");  // one month: a single point, nothing shown
    QCOMPARE(f.dialogs.allTexts().size(), 1);

    f.clickButton("BtnChartPrint");

    QCOMPARE(setup.runs, 0);
    QVERIFY(!QFile::exists(setup.pdfPath));
    QCOMPARE(f.dialogs.allTexts().size(), 1);
}

void TestChartPrint::unwritableOutputIsReported()
{
    ChartsPageFixture f;
    QVERIFY(f.startWithAccounts());
    ScriptedPrintSetup setup(m_out.filePath(QStringLiteral("no-such-folder/chart.pdf")));
    f.page()->setPrintSetup(&setup);
    f.clickChart("All Accounts (Line)");

    f.clickButton("BtnChartPrint");

    QCOMPARE(setup.runs, 1);
    QVERIFY(!QFile::exists(setup.pdfPath));
    QCOMPARE(f.dialogs.texts(ScriptedDialogs::Kind::Error), QStringList{"The chart could not be printed."});
    QCOMPARE(f.view()->shown(), charts::ChartView::Shown::Current);
}

QTEST_MAIN(TestChartPrint)
#include "test_chart_print.moc"
