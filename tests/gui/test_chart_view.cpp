// Drawing built charts with KChart: series, titles, legend, marks, 3D, pie
// rotation, printing fonts and footer, and pictures that are not blank.
#include "ChartStoreFixture.h"
#include "charts/ChartBuilder.h"
#include "charts/ChartExport.h"
#include "charts/ChartView.h"

#include <KChartAbstractCoordinatePlane>
#include <KChartBarDiagram>
#include <KChartCartesianAxis>
#include <KChartChart>
#include <KChartDataValueAttributes>
#include <KChartHeaderFooter>
#include <KChartLegend>
#include <KChartLineDiagram>
#include <KChartPieDiagram>
#include <KChartPolarCoordinatePlane>
#include <KChartThreeDBarAttributes>
#include <KChartThreeDLineAttributes>
#include <KChartThreeDPieAttributes>

#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QSet>
#include <QtTest>

using namespace quorvel;
using namespace quorvel::charts;
using test::ChartStore;
using test::isoDate;

namespace {

// The sample accounts A, B (category X) and C (category Y), charted for 2007.
struct Fixture {
    ChartStore store;
    ChartBuilder builder{*store.engine};

    Fixture() { test::insertChartSample(*store.engine); }

    ChartRequest request(const QString& type, bool byAccount = true) const
    {
        ChartRequest r;
        r.chartKind = type == "P" ? "WorkPie" : "Work";
        r.definition.type = type;
        r.definition.title = "Mine";
        r.definition.legend = true;
        r.codes = QStringList{"A", "B", "C"};
        r.start = isoDate("2007-01-01");
        r.end = isoDate("2007-12-31");
        r.today = isoDate("2007-07-15");
        r.byAccount = byAccount;
        return r;
    }
};

int colourCount(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    return colours.size();
}

QImage render(ChartView& view, const QSize& size = QSize(900, 600))
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    view.renderTo(&painter, QRect(QPoint(0, 0), size));
    return image;
}

// Width of the dark pixels (text) within `area`; 0 when there are none.
int inkWidth(const QImage& image, const QRect& area)
{
    int left = area.right() + 1;
    int right = area.left() - 1;
    for (int y = area.top(); y <= area.bottom() && y < image.height(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                left = qMin(left, x);
                right = qMax(right, x);
            }
        }
    }
    return right < left ? 0 : right - left + 1;
}

// `text` drawn whole in `font` on white, in a picture of `dpi` dots per inch
// just big enough for it.
QImage textPicture(const QFont& font, const QString& text, int dpi)
{
    QImage probe(1, 1, QImage::Format_ARGB32);
    probe.setDotsPerMeterX(qRound(dpi / 0.0254));
    probe.setDotsPerMeterY(qRound(dpi / 0.0254));
    const QSizeF size = QFontMetricsF(font, &probe).boundingRect(QRectF(0, 0, 1e6, 1e6), Qt::AlignLeft, text).size();
    QImage picture(size.toSize() + QSize(20, 8), QImage::Format_ARGB32);
    picture.setDotsPerMeterX(probe.dotsPerMeterX());
    picture.setDotsPerMeterY(probe.dotsPerMeterY());
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(QPointF(10, 4), size), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
    return picture;
}

QStringList titleLines(KChart::Chart* chart)
{
    const auto headers = chart->headerFooters();
    return headers.isEmpty() ? QStringList() : headers.first()->text().split('\n');
}

}  // namespace

class TestChartView : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void cartesian_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("byAccount");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("line by account") << "L" << true << QStringList{"A", "B", "C"};
        QTest::newRow("bar by category") << "B" << false << QStringList{"X", "Y"};
        QTest::newRow("stacked by account") << "S" << true << QStringList{"A", "B", "C"};
    }

    void cartesian()
    {
        QFETCH(QString, type);
        QFETCH(bool, byAccount);
        QFETCH(QStringList, titles);
        Fixture f;
        const ChartRequest req = f.request(type, byAccount);
        const ChartResult result = f.builder.build(req);
        QVERIFY2(result.ready(), qPrintable(result.message));

        ChartView view;
        view.resize(900, 600);
        view.draw(result, req, ChartOptions{});
        QCOMPARE(view.shown(), ChartView::Shown::Current);
        QVERIFY(!view.chartCurrent()->isHidden());
        QVERIFY(view.chartPie()->isHidden());
        QCOMPARE(view.chartCurrent()->objectName(), QString("ChartCurrent"));
        QCOMPARE(titleLines(view.chartCurrent()), (QStringList{"Mine: Values", "01/01/2007 to 12/31/2007"}));

        KChart::AbstractDiagram* diagram = view.currentDiagram();
        QVERIFY(diagram);
        QCOMPARE(diagram->model()->columnCount(), titles.size());
        QCOMPARE(diagram->model()->rowCount(), 6);
        QCOMPARE(diagram->datasetLabels(), titles);
        if (type == "L") {
            QVERIFY(qobject_cast<KChart::LineDiagram*>(diagram));
        } else {
            auto* bar = qobject_cast<KChart::BarDiagram*>(diagram);
            QVERIFY(bar);
            QCOMPARE(bar->type(), type == "S" ? KChart::BarDiagram::Stacked : KChart::BarDiagram::Normal);
        }
        // y values from the series columns; x labels from ChXLabel.
        QCOMPARE(diagram->model()->index(2, 0).data().toDouble(), result.value(2, "Field1").toDouble());
        auto* cartesian = qobject_cast<KChart::AbstractCartesianDiagram*>(diagram);
        QCOMPARE(cartesian->axes().first()->labels(),
                 (QStringList{"2007-01", "2007-02", "2007-03", "2007-04", "2007-05", "2007-06"}));
        QVERIFY(view.chartCurrent()->legend()->isVisibleTo(view.chartCurrent()));
        // KChart re-seats a legend once the chart is on screen; it must stay shown.
        view.show();
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        QVERIFY(!view.chartCurrent()->legend()->isHidden());

        const QImage image = render(view);
        QVERIFY(colourCount(image) > 5);
        QVERIFY(image.save(QStringLiteral("/tmp/chart_view_%1.png").arg(type)));
    }

    void legendFollowsDefinition()
    {
        Fixture f;
        ChartRequest req = f.request("L");
        req.definition.legend = false;
        req.definition.title.clear();
        req.value = ChartValue::Shares;
        ChartView view;
        view.draw(f.builder.build(req), req, ChartOptions{});
        QVERIFY(!view.chartCurrent()->legend()->isVisibleTo(view.chartCurrent()));
        view.show();
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        QVERIFY(view.chartCurrent()->legend()->isHidden());
        QCOMPARE(titleLines(view.chartCurrent()).first(), QString("Shares"));
    }

    void marks_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("show");
        QTest::addColumn<QStringList>("firstRowMarks");  // mark text of each series in row 0, "-" when hidden
        QTest::newRow("bar values") << "B" << int(ChartValue::Value) << true
                                    << QStringList{"1,000.00", "200.00", "0.00"};
        QTest::newRow("line prices") << "L" << int(ChartValue::Price) << true
                                     << QStringList{"10.00000", "20.00000", "0.00000"};
        QTest::newRow("bar hidden") << "B" << int(ChartValue::Value) << false << QStringList{"-", "-", "-"};
        QTest::newRow("stacked shows the total on top")
            << "S" << int(ChartValue::Value) << true << QStringList{"-", "-", "1,200.00"};
    }

    void marks()
    {
        QFETCH(QString, type);
        QFETCH(int, value);
        QFETCH(bool, show);
        QFETCH(QStringList, firstRowMarks);
        Fixture f;
        ChartRequest req = f.request(type);
        req.value = ChartValue(value);
        const ChartResult result = f.builder.build(req);
        QVERIFY(result.ready());
        ChartView view;
        ChartOptions options;
        options.showMarks = show;
        view.draw(result, req, options);
        KChart::AbstractDiagram* diagram = view.currentDiagram();
        QStringList got;
        for (int s = 0; s < diagram->model()->columnCount(); ++s) {
            const KChart::DataValueAttributes a = diagram->dataValueAttributes(diagram->model()->index(0, s));
            got << (a.isVisible() && a.textAttributes().isVisible() ? a.dataLabel() : QStringLiteral("-"));
        }
        QCOMPARE(got, firstRowMarks);
        view.resize(900, 600);
        QVERIFY(render(view).save(QStringLiteral("/tmp/chart_view_marks_%1.png").arg(QTest::currentDataTag()).replace(' ', '_')));
        if (type == "S")
            QCOMPARE(diagram->dataValueAttributes(diagram->model()->index(5, 2)).dataLabel(),
                     result.lists.markLabel.at(5));
    }

    void threeD()
    {
        Fixture f;
        ChartView view;
        ChartRequest req = f.request("B");
        ChartOptions options;
        options.threeD = false;
        view.draw(f.builder.build(req), req, options);
        auto* bar = qobject_cast<KChart::BarDiagram*>(view.currentDiagram());
        QVERIFY(!bar->threeDBarAttributes().isEnabled());
        view.setThreeD(true);
        QVERIFY(bar->threeDBarAttributes().isEnabled());

        req = f.request("L");
        view.draw(f.builder.build(req), req, ChartOptions{});
        auto* line = qobject_cast<KChart::LineDiagram*>(view.currentDiagram());
        QVERIFY(line->threeDLineAttributes().isEnabled());
        view.setThreeD(false);
        QVERIFY(!line->threeDLineAttributes().isEnabled());
    }

    void pie_data()
    {
        QTest::addColumn<bool>("show");
        QTest::addColumn<bool>("legend");
        QTest::addColumn<QString>("firstMark");
        QTest::newRow("show values") << true << true << "80.00%";
        QTest::newRow("hide values") << false << false << "A 80.00%";
    }

    void pie()
    {
        QFETCH(bool, show);
        QFETCH(bool, legend);
        QFETCH(QString, firstMark);
        Fixture f;
        const ChartRequest req = f.request("P");
        const ChartResult result = f.builder.build(req);
        QVERIFY(result.ready());
        ChartView view;
        view.resize(900, 600);
        ChartOptions options;
        options.showMarks = show;
        options.pieRotation = 45;
        view.draw(result, req, options);
        QCOMPARE(view.shown(), ChartView::Shown::Pie);
        QVERIFY(view.chartCurrent()->isHidden());
        QCOMPARE(view.chartPie()->objectName(), QString("ChartPie"));
        auto* pie = qobject_cast<KChart::PieDiagram*>(view.pieDiagram());
        QVERIFY(pie);
        // One slice per work table row: A 1250, B 200, C 250.
        QCOMPARE(pie->model()->columnCount(), 3);
        QCOMPARE(pie->model()->index(0, 0).data().toDouble(), 1250.0);
        QCOMPARE(pie->model()->headerData(0, Qt::Horizontal).toString(), QString("A  1,250.00"));
        QCOMPARE(pie->dataValueAttributes(pie->model()->index(0, 0)).dataLabel(),
                 QString(firstMark).replace("80.00", "73.53"));
        QCOMPARE(view.chartPie()->legend()->isVisibleTo(view.chartPie()), legend);
        view.show();
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        QCOMPARE(view.chartPie()->legend()->isHidden(), !legend);
        auto* plane = qobject_cast<KChart::PolarCoordinatePlane*>(view.chartPie()->coordinatePlane());
        QVERIFY(plane);
        QCOMPARE(plane->startPosition(), 45.0);
        view.setPieRotation(360);
        QCOMPARE(plane->startPosition(), 360.0);
        QVERIFY(pie->threeDPieAttributes().isEnabled());
        view.setThreeD(false);
        QVERIFY(!pie->threeDPieAttributes().isEnabled());

        const QImage image = render(view);
        QVERIFY(colourCount(image) > 5);
        QVERIFY(image.save(QStringLiteral("/tmp/chart_view_P_%1.png").arg(show ? "show" : "hide")));
    }

    void rotationLeavesLineAlone()
    {
        Fixture f;
        ChartView view;
        ChartRequest req = f.request("P");
        ChartOptions options;
        options.pieRotation = 10;
        view.draw(f.builder.build(req), req, options);
        auto* plane = qobject_cast<KChart::PolarCoordinatePlane*>(view.chartPie()->coordinatePlane());
        req = f.request("L");
        view.draw(f.builder.build(req), req, ChartOptions{});
        view.setPieRotation(90);
        QVERIFY(view.chartPie()->isHidden());
        QVERIFY(qobject_cast<KChart::PolarCoordinatePlane*>(view.chartPie()->coordinatePlane()) != nullptr);
        Q_UNUSED(plane);
    }

    void unknownTypeDrawsNoSeries()
    {
        Fixture f;
        ChartView view;
        const ChartRequest req = f.request("X");
        const ChartResult result = f.builder.build(req);
        QVERIFY(result.ready());
        view.draw(result, req, ChartOptions{});
        QCOMPARE(view.shown(), ChartView::Shown::Current);
        QVERIFY(view.currentDiagram() == nullptr);
        QCOMPARE(titleLines(view.chartCurrent()).first(), QString("Mine: Values"));
        QVERIFY(!render(view).isNull());
    }

    void hideCharts()
    {
        Fixture f;
        ChartView view;
        const ChartRequest req = f.request("S");
        view.draw(f.builder.build(req), req, ChartOptions{});
        view.hideCharts();
        QCOMPARE(view.shown(), ChartView::Shown::None);
        QVERIFY(view.chartCurrent()->isHidden() && view.chartPie()->isHidden());
        QVERIFY(view.shownChart() == nullptr);
    }

    void printing()
    {
        Fixture f;
        ChartView view;
        view.resize(900, 600);
        const ChartRequest req = f.request("S");
        ChartOptions options;
        options.showMarks = true;
        view.draw(f.builder.build(req), req, options);
        KChart::Chart* chart = view.chartCurrent();
        const int headers = chart->headerFooters().size();

        QImage page(1100, 850, QImage::Format_ARGB32);
        page.fill(Qt::white);
        {
            QPainter painter(&page);
            view.printTo(&painter, page.rect(), false, "Quorvel");
        }
        QVERIFY(colourCount(page) > 5);
        page.save("/tmp/chart_view_print.png");
        // The footer is gone again and the screen fonts are back.
        QCOMPARE(chart->headerFooters().size(), headers);
        auto* cartesian = qobject_cast<KChart::AbstractCartesianDiagram*>(view.currentDiagram());
        QCOMPARE(cartesian->axes().first()->textAttributes().fontSize().value(), 8.0);
        QCOMPARE(chart->legend()->textAttributes().fontSize().value(), 8.0);
    }

    // Both title lines show whole: on screen at the size the Charts page
    // gives the chart, and painted into pictures of another resolution
    // (KChart measured the title in the default resolution and cut it to that
    // measure, while painting it in the device's).
    void titleWhole_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("dpi");  // 0: on screen
        for (const char* type : {"L", "P"}) {
            QTest::addRow("%s on screen", type) << type << 0;
            QTest::addRow("%s picture at 96 dpi", type) << type << 96;
            QTest::addRow("%s picture at 300 dpi", type) << type << 300;
        }
    }

    void titleWhole()
    {
        QFETCH(QString, type);
        QFETCH(int, dpi);
        Fixture f;
        const ChartRequest req = f.request(type);
        ChartView view;
        view.resize(996, 437);  // the chart on the Charts page of the 1024 x 700 window
        view.draw(f.builder.build(req), req, ChartOptions{});
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        KChart::Chart* chart = view.shownChart();
        KChart::HeaderFooter* title = chart->headerFooters().first();

        QImage image;
        if (dpi == 0) {
            image = chart->grab().toImage();
        } else {
            image = QImage(view.size() * dpi / 96, QImage::Format_ARGB32);
            image.setDotsPerMeterX(qRound(dpi / 0.0254));
            image.setDotsPerMeterY(qRound(dpi / 0.0254));
            image.fill(Qt::white);
            QPainter painter(&image);
            view.renderTo(&painter, image.rect());
        }

        // The geometry KChart gave the title holds its lines as the screen shows them.
        if (dpi == 0) {
            const QSizeF block = QFontMetricsF(title->realFont(), chart)
                                     .boundingRect(QRectF(0, 0, 1e6, 1e6), Qt::AlignLeft, title->text())
                                     .size();
            QVERIFY(title->geometry().width() >= block.width());
            QVERIFY(title->geometry().height() >= block.height());
        }

        // The title's ink at the top of the picture (in its middle half: the
        // title is centred, the axis labels and the legend lie outside) is as
        // wide as the same lines drawn whole in the same resolution.
        const QImage whole = textPicture(title->realFont(), title->text(), dpi == 0 ? chart->logicalDpiY() : dpi);
        const QRect band(image.width() / 4, 0, image.width() / 2, whole.height());
        const int found = inkWidth(image, band);
        const int expected = inkWidth(whole, whole.rect());
        QVERIFY(expected > 0);
        QVERIFY2(qAbs(found - expected) <= 2,
                 qPrintable(QStringLiteral("title ink %1 px wide, the whole lines %2").arg(found).arg(expected)));
    }

    void exports_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("magic");
        QTest::newRow("png") << int(ChartPictureFormat::Png) << "chart.png" << QByteArray("\x89PNG");
        QTest::newRow("svg") << int(ChartPictureFormat::Svg) << "chart.svg" << QByteArray("<?xml");
        QTest::newRow("pdf") << int(ChartPictureFormat::Pdf) << "chart.pdf" << QByteArray("%PDF");
    }

    void exports()
    {
        QFETCH(int, format);
        QFETCH(QString, file);
        QFETCH(QByteArray, magic);
        Fixture f;
        ChartView view;
        QTemporaryDir out;
        const QString path = out.filePath(file);
        QVERIFY(!exportChart(view, path, ChartPictureFormat(format)));  // nothing shown yet
        const ChartRequest req = f.request("L");
        view.draw(f.builder.build(req), req, ChartOptions{});
        QVERIFY(exportChart(view, path, ChartPictureFormat(format)));
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        QVERIFY(bytes.startsWith(magic));
        QVERIFY(bytes.size() > 1000);
    }
};

QTEST_MAIN(TestChartView)
#include "test_chart_view.moc"
