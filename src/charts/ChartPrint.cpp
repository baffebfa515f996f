#include "charts/ChartPrint.h"

#include "charts/ChartView.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace quorvel::charts {

bool PrintDialogSetup::run(QPrinter& printer)
{
    QPrintDialog dialog(&printer, m_parent);
    dialog.setWindowTitle(QStringLiteral("Print Chart"));
    return dialog.exec() == QDialog::Accepted;
}

QString chartPrintFooter()
{
    return QStringLiteral("Quorvel - retirement account records - Quorvel Software");
}

bool printChartPage(ChartView& view, QPrinter& printer, bool pie)
{
    // The printable area in printer pixels; the painter's origin is its top left.
    const QRect page(0, 0, printer.width(), printer.height());
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    view.printTo(&painter, page, pie, chartPrintFooter());
    return painter.end();
}

}  // namespace quorvel::charts
