#pragma once
// Printing the shown chart on one page: the printer setup step (a dialog for
// the user, something scripted in tests) and the page itself.
#include <QString>

class QPrinter;
class QWidget;

namespace quorvel::charts {

class ChartView;

// The printer setup before a chart is printed. run() may change the printer
// (which printer, orientation, paper, output to a PDF file) and answers
// whether to print at all.
class PrintSetup {
public:
    virtual ~PrintSetup() = default;
    virtual bool run(QPrinter& printer) = 0;
};

// The user's printer dialog; its "Print to File (PDF)" choice prints to PDF.
class PrintDialogSetup : public PrintSetup {
public:
    explicit PrintDialogSetup(QWidget* parent) : m_parent(parent) {}
    bool run(QPrinter& printer) override;

private:
    QWidget* m_parent;
};

// The footer line of a printed chart: the product and its maker.
QString chartPrintFooter();

// Prints one chart (the pie or the line/bar/stacked chart) with the print
// fonts and the footer onto the whole printable area of one page, as one
// print job. False when the print job could not be started.
bool printChartPage(ChartView& view, QPrinter& printer, bool pie);

}  // namespace quorvel::charts
