#include "charts/ChartExport.h"

#include "charts/ChartView.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace quorvel::charts {

namespace {

bool exportPng(ChartView& view, const QString& path, const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        view.renderTo(&painter, QRect(QPoint(0, 0), size));
    }
    return image.save(path, "PNG");
}

bool exportSvg(ChartView& view, const QString& path, const QSize& size)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QStringLiteral("Chart"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    view.renderTo(&painter, QRect(QPoint(0, 0), size));
    return painter.end();
}

bool exportPdf(ChartView& view, const QString& path, const QSize& size)
{
    QPdfWriter pdf(path);
    // KChart lays out legends and marks for the resolution of the chart
    // widget; a page in that resolution keeps them whole (and stays vector).
    pdf.setResolution(view.logicalDpiY());
    pdf.setPageSize(QPageSize(QPageSize::Letter));
    pdf.setPageOrientation(size.width() >= size.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    pdf.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    view.renderTo(&painter, QRect(0, 0, pdf.width(), pdf.height()));
    return painter.end();
}

}  // namespace

bool exportChart(ChartView& view, const QString& path, ChartPictureFormat format, const QSize& size)
{
    if (!view.shownChart())
        return false;
    switch (format) {
    case ChartPictureFormat::Png:
        return exportPng(view, path, size);
    case ChartPictureFormat::Svg:
        return exportSvg(view, path, size);
    case ChartPictureFormat::Pdf:
        return exportPdf(view, path, size);
    }
    return false;
}

}  // namespace quorvel::charts
