#include "charts/ChartsPage.h"

#include "app/FormVesk.h"
#include "app/PageLabels.h"
#include "charts/ChartBuilder.h"
#include "charts/ChartListBox.h"
#include "charts/ChartListRequests.h"
#include "charts/ChartPrint.h"
#include "charts/ChartView.h"
#include "charts/ChartsPageOptionGroup.h"
#include "charts/CustomChartsPage.h"
#include "common/Dates.h"
#include "common/Hint.h"
#include "common/WaitCursor.h"

#include <QCalendarWidget>
#include <QFrame>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace quorvel {

namespace {

// Option buttons by their place in their column.
enum Span { SpanMonth, SpanQuarter, SpanYear };
enum Marks { MarksShow, MarksHide };
enum Value { ValuePrice, ValueShares, ValueValue };
enum ThreeD { ThreeDYes, ThreeDNo };
enum By { ByAcct, ByCategory };
enum PrintDir { PrintDirLandscape, PrintDirPortrait };

// The date the calendars take for an account without entries; a range of
// that single day holds no month end, so the chart reports no records.
const QDate kZeroDate(1899, 12, 30);

// Space between the calendars and the drawn chart, and the chart's margins.
constexpr int kChartLeft = 8;
constexpr int kChartGapBelowCalendars = 15;
constexpr int kChartRightMargin = 20;
constexpr int kChartBottomMargin = 10;

// The page's captions: underlined Times New Roman in fuchsia.
QLabel* pageLabel(const QString& text, const QRect& geometry, int pixelSize, QWidget* parent)
{
    QLabel* label = makeLabel(parent, text, timesFont(pixelSize, false, true), QColor(Qt::magenta));
    label->setGeometry(geometry);
    return label;
}

QCalendarWidget* rangeCalendar(const QString& name, const QString& hint, const QRect& geometry, QWidget* parent)
{
    auto* calendar = new QCalendarWidget(parent);
    calendar->setObjectName(name);
    calendar->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar->setGridVisible(false);
    calendar->setNavigationBarVisible(true);
    // The zero date of an account without entries must be representable.
    calendar->setMinimumDate(QDate(1752, 9, 14));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(9);
    calendar->setFont(font);
    // A slim navigation bar leaves the six week rows room in 140 pixels.
    if (auto* bar = calendar->findChild<QWidget*>(QStringLiteral("qt_calendar_navigationbar")))
        bar->setFixedHeight(18);
    for (auto* button : calendar->findChildren<QToolButton*>())
        button->setIconSize(QSize(12, 12));
    calendar->setGeometry(geometry);
    setHint(calendar, hint);
    return calendar;
}

}  // namespace

ChartsPage::ChartsPage(FormVesk& form, QWidget* parent) : QWidget(parent), m_form(form)
{
    setObjectName(QStringLiteral("ChartPage"));
    // The window's font; set here too because a style sheet above the page
    // keeps it from reaching the page's controls.
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(12);
    setFont(font);
    buildRangeAndLabels();
    buildOptions();
    buildPiePanel();
    buildPrintPanel();

    m_list = new ChartListBox(this);
    m_list->setGeometry(428, 104, 194, 72);
    connect(m_list, &ChartListBox::chartClicked, this, &ChartsPage::LBChartsClick);

    m_view = new charts::ChartView(this);
    m_view->setObjectName(QStringLiteral("ChartArea"));
    m_view->setGeometry(kChartLeft, 183, 600, 300);
}

ChartsPage::~ChartsPage() = default;

void ChartsPage::buildRangeAndLabels()
{
    pageLabel(QStringLiteral("Starting Date"), QRect(32, 2, 150, 25), 18, this);
    pageLabel(QStringLiteral("Ending Date"), QRect(248, 2, 150, 25), 18, this);
    pageLabel(QStringLiteral("Charts"), QRect(428, 80, 177, 25), 18, this);
    pageLabel(QStringLiteral("Pie Rotation"), QRect(704, 8, 85, 17), 13, this);
    m_start = rangeCalendar(QStringLiteral("CalChartStart"), QStringLiteral("Start date for chart"),
                            QRect(8, 28, 200, 140), this);
    m_end = rangeCalendar(QStringLiteral("CalChartEnd"), QStringLiteral("End date for chart"),
                          QRect(224, 28, 200, 140), this);
}

void ChartsPage::buildOptions()
{
    const auto redraw = [this](int) { redrawChart(); };

    m_span = new ChartsPageOptionGroup(
        QStringLiteral("BGChartSpan"),
        {{"BGChartSpanMonth", "Monthly", "Press this for a monthly chart"},
         {"BGChartSpanQuarter", "Quarterly", "Press this for a quarterly chart"},
         {"BGChartSpanYear", "Yearly", "Press this for a yearly chart"}},
        this);
    m_span->setGeometry(432, 8, 89, 57);
    connect(m_span, &ChartsPageOptionGroup::clicked, this, redraw);

    m_marks = new ChartsPageOptionGroup(QStringLiteral("BGChartMarks"),
                                        {{"BGChartMarksShow", "Show Values", "Show chart point value labels."},
                                         {"BGChartMarksHide", "Hide Values", "Hide chart point value labels."}},
                                        this);
    m_marks->setGeometry(526, 8, 97, 33);
    connect(m_marks, &ChartsPageOptionGroup::clicked, this, redraw);

    m_value = new ChartsPageOptionGroup(QStringLiteral("BGChartValue"),
                                        {{"BGChartValuePrice", "Price", "Chart by share price"},
                                         {"BGChartValueShares", "Shares", "Chart by total shares"},
                                         {"BGChartValueValue", "Value", "Chart by value"}},
                                        this);
    m_value->setGeometry(628, 8, 73, 57);
    connect(m_value, &ChartsPageOptionGroup::clicked, this, redraw);

    m_threeD = new ChartsPageOptionGroup(QStringLiteral("BGChart3D"),
                                         {{"BGChart3DYes", "3D", "Show chart in three dimensions"},
                                          {"BGChart3DNo", "Flat", "Show chart in two dimensions"}},
                                         this);
    m_threeD->setGeometry(526, 46, 65, 33);
    connect(m_threeD, &ChartsPageOptionGroup::clicked, this, [this](int) { Chart3D(); });

    m_by = new ChartsPageOptionGroup(QStringLiteral("BGChartBy"),
                                     {{"BGChartByAcct", "Chart By Account", "Chart by individual account"},
                                      {"BGChartByCategory", "Chart By Category", "Chart by category"}},
                                     this);
    m_by->setGeometry(628, 70, 158, 33);
    connect(m_by, &ChartsPageOptionGroup::clicked, this, redraw);
}

void ChartsPage::buildPiePanel()
{
    m_rotation = new QSpinBox(this);
    m_rotation->setObjectName(QStringLiteral("EFChartPieRotation"));
    m_rotation->setRange(0, 360);
    m_rotation->setReadOnly(true);
    m_rotation->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_rotation->setFocusPolicy(Qt::NoFocus);
    m_rotation->setFrame(false);
    m_rotation->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_rotation->setStyleSheet(QStringLiteral("QSpinBox { border: 1px solid gray; padding: 0px; }"));
    m_rotation->setGeometry(716, 24, 34, 15);

    auto* spinner = new QWidget(this);
    spinner->setObjectName(QStringLiteral("SpnChartPieRotation"));
    spinner->setGeometry(748, 24, 25, 16);
    setHint(spinner, QStringLiteral("Rotates the pie chart"));
    const auto arrow = [&](const QString& name, Qt::ArrowType type, int left, bool leftArrow) {
        auto* button = new QToolButton(spinner);
        button->setObjectName(name);
        button->setArrowType(type);
        button->setAutoRaise(false);
        // Held down, the arrow keeps turning: first repeat after 100 ms, one degree a step.
        button->setAutoRepeat(true);
        button->setAutoRepeatDelay(100);
        button->setAutoRepeatInterval(50);
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(left, 0, 12, 16);
        setHint(button, QStringLiteral("Rotates the pie chart"));
        connect(button, &QToolButton::clicked, this, [this, leftArrow] { SpnChartPieRotationClick(leftArrow); });
    };
    arrow(QStringLiteral("SpnChartPieRotationLeft"), Qt::LeftArrow, 0, true);
    arrow(QStringLiteral("SpnChartPieRotationRight"), Qt::RightArrow, 13, false);
}

void ChartsPage::buildPrintPanel()
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("PnlChartPrint"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, QColor(0xC0, 0xDC, 0xC0));
    panel->setPalette(palette);
    panel->setGeometry(628, 114, 158, 55);

    m_printDir = new ChartsPageOptionGroup(
        QStringLiteral("BGChartPrintDir"),
        {{"BGChartPrintDirLandscape", "Landscape", "Sets the chart up for landscape printing"},
         {"BGChartPrintDirPortrait", "Portrait", "Sets the chart up for portrait printing"}},
        panel);
    m_printDir->setGeometry(4, 8, 89, 36);

    auto* print = new QPushButton(QStringLiteral("Print\nChart"), panel);
    print->setObjectName(QStringLiteral("BtnChartPrint"));
    print->setGeometry(96, 8, 57, 36);
    print->setCursor(Qt::PointingHandCursor);
    setHint(print, QStringLiteral("Press this to print the current chart"));
    connect(print, &QPushButton::clicked, this, &ChartsPage::BtnChartPrintClick);
}

charts::ChartBuilder& ChartsPage::builder()
{
    // The engine exists only once the start-up has connected the data directory.
    if (!m_builder)
        m_builder = std::make_unique<charts::ChartBuilder>(m_form.engine());
    return *m_builder;
}

void ChartsPage::resetOptions()
{
    m_span->setChecked(SpanMonth);
    m_marks->setChecked(MarksHide);
    m_value->setChecked(ValueValue);
    m_threeD->setChecked(ThreeDYes);
    m_by->setChecked(ByCategory);
    setPieRotation(0);
    m_printDir->setChecked(PrintDirLandscape);
}

void ChartsPage::setDefaultRange(const QDate& today)
{
    m_start->setSelectedDate(defaultChartStart(today));
    m_end->setSelectedDate(defaultChartEnd(today));
}

void ChartsPage::hideCharts()
{
    m_view->hideCharts();
    builder().discardWorkTable();
}

void ChartsPage::redrawChart()
{
    const QString& kind = m_form.ChartKind;
    if (kind.isEmpty())
        return;
    if (kind.startsWith(QLatin1String("Work")))
        m_form.customChartsPage()->BtnCustomChartClick();
    else
        LBChartsClick();
}

charts::ChartRequest ChartsPage::requestFromPage(const data::ChartDef& definition, const QStringList& codes) const
{
    charts::ChartRequest request;
    request.chartKind = m_form.ChartKind;
    request.definition = definition;
    request.codes = codes;
    request.start = m_start->selectedDate();
    request.end = m_end->selectedDate();
    request.today = m_form.TodayDate;
    switch (m_span->checkedIndex()) {
    case SpanQuarter:
        request.span = charts::ChartSpan::Quarterly;
        break;
    case SpanYear:
        request.span = charts::ChartSpan::Yearly;
        break;
    default:
        request.span = charts::ChartSpan::Monthly;
        break;
    }
    switch (m_value->checkedIndex()) {
    case ValuePrice:
        request.value = charts::ChartValue::Price;
        break;
    case ValueShares:
        request.value = charts::ChartValue::Shares;
        break;
    default:
        request.value = charts::ChartValue::Value;
        break;
    }
    request.byAccount = m_by->isChecked(ByAcct);
    return request;
}

charts::ChartOptions ChartsPage::drawingOptions() const
{
    charts::ChartOptions options;
    options.showMarks = m_marks->isChecked(MarksShow);
    options.threeD = m_threeD->isChecked(ThreeDYes);
    options.pieRotation = pieRotation();
    return options;
}

void ChartsPage::showChart(const data::ChartDef& definition, const QStringList& codes)
{
    try {
        hideCharts();
        const charts::ChartRequest request = requestFromPage(definition, codes);
        m_lastRequest = request;
        WaitCursor wait;
        const charts::ChartResult result = builder().build(request);
        wait.restore();
        if (!result.ready()) {
            m_form.dialogs().error(&m_form, result.message);
            return;
        }
        placeChartView();
        m_view->draw(result, request, drawingOptions());
        m_form.showPage(QStringLiteral("Charts"));
    } catch (const std::exception& e) {
        // An engine failure midway: show nothing of the half-built chart.
        m_view->hideCharts();
        m_form.reportError(e);
    }
}

void ChartsPage::LBChartsClick()
{
    try {
        const QString text = m_list->selectedText();
        if (text.isEmpty())
            return;
        charts::ChartRequest request;
        // "Current Category (Line)" shows its legend exactly when charted by account.
        request.byAccount = m_by->isChecked(ByAcct);
        // No accounts, no current account or a missing predefined chart: nothing
        // is drawn, nothing is said, and the last request stays as it was.
        if (charts::fillFromChartList(m_form.engine(), text, m_form.CurrAcctCode, request)
            != charts::RequestFill::Filled)
            return;
        m_form.ChartKind = request.chartKind;
        showChart(request.definition, request.codes);
    } catch (const std::exception& e) {
        m_form.reportError(e);
    }
}

void ChartsPage::showChartForAccount(const QDate& firstEntry, const QDate& lastEntry)
{
    const charts::ChartListItem current = charts::chartListItems().at(3);
    m_list->selectText(current.text);
    m_start->setSelectedDate(firstEntry.isValid() ? firstEntry : kZeroDate);
    m_end->setSelectedDate(lastEntry.isValid() ? lastEntry : kZeroDate);
    LBChartsClick();
}

void ChartsPage::Chart3D()
{
    if (m_form.ChartKind.isEmpty())
        return;
    m_view->setThreeD(m_threeD->isChecked(ThreeDYes));
}

int ChartsPage::pieRotation() const
{
    return m_rotation->value();
}

void ChartsPage::setPieRotation(int degrees)
{
    m_rotation->setValue(degrees);
}

void ChartsPage::SpnChartPieRotationClick(bool leftArrow)
{
    int degrees = pieRotation();
    if (leftArrow)
        degrees = degrees == 0 ? 360 : degrees - 1;
    else
        degrees = degrees == 360 ? 0 : degrees + 1;
    setPieRotation(degrees);
    if (m_view->shown() == charts::ChartView::Shown::Pie && charts::isPieChart(m_lastRequest.definition))
        m_view->setPieRotation(degrees);
}

void ChartsPage::setPrintSetup(charts::PrintSetup* setup)
{
    m_printSetup = setup;
}

void ChartsPage::BtnChartPrintClick()
{
    const QString& kind = m_form.ChartKind;
    if (kind.isEmpty())
        return;
    const bool pie = kind == QLatin1String("AllPie") || kind == QLatin1String("WorkPie");
    // After a failed request or a discarded chart there is nothing on screen;
    // printing a stale or empty chart would only waste a page.
    const auto wanted = pie ? charts::ChartView::Shown::Pie : charts::ChartView::Shown::Current;
    if (m_view->shown() != wanted)
        return;

    // KChart lays out titles and footers at the widget's resolution; a printer
    // in that resolution keeps them whole (the PDF and the print stay vector).
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setPageOrientation(m_printDir->isChecked(PrintDirLandscape) ? QPageLayout::Landscape
                                                                          : QPageLayout::Portrait);
    if (!m_printSetup) {
        if (!m_dialogSetup)
            m_dialogSetup = std::make_unique<charts::PrintDialogSetup>(&m_form);
        m_printSetup = m_dialogSetup.get();
    }
    if (!m_printSetup->run(printer))
        return;
    m_printDir->setChecked(printer.pageLayout().orientation() == QPageLayout::Landscape ? PrintDirLandscape
                                                                                        : PrintDirPortrait);
    bool printed = false;
    {
        WaitCursor wait;
        printed = charts::printChartPage(*m_view, printer, pie);
    }
    if (!printed) {
        m_form.dialogs().error(&m_form, QStringLiteral("The chart could not be printed."));
        return;
    }
    // A fresh request puts the screen fonts back, as after any redraw.
    redrawChart();
}

void ChartsPage::placeChartView()
{
    QTabWidget* notebook = m_form.notebook();
    const int tabHeight = notebook->tabBar()->height();
    const int top = m_start->geometry().bottom() + 1 + kChartGapBelowCalendars;
    const int width = notebook->width() - kChartLeft - kChartRightMargin;
    const int height = notebook->height() - top - tabHeight - kChartBottomMargin;
    m_view->setGeometry(kChartLeft, top, qMax(width, 100), qMax(height, 100));
}

void ChartsPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // A shown chart keeps filling the page when the window changes size.
    placeChartView();
}

}  // namespace quorvel
