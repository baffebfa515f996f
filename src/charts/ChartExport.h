#pragma once
// Saving the shown chart as a picture: PNG, SVG or a one-page PDF.
#include <QSize>
#include <QString>

namespace quorvel::charts {

class ChartView;

enum class ChartPictureFormat { Png, Svg, Pdf };

// Paints the shown chart into the file at `size` pixels (the PDF page keeps
// the proportions, landscape when wider than high). False when no chart is
// shown or the file cannot be written.
bool exportChart(ChartView& view, const QString& path, ChartPictureFormat format, const QSize& size = QSize(1000, 700));

}  // namespace quorvel::charts
