#pragma once
// A chart's title lines (or a printed page's footer line), as a KChart
// header/footer that measures its text for the device it is painted on.
//
// KChart's own header measures its text in the system's default resolution
// while the chart is laid out, and when it paints it clips the text to that
// measure but draws it in the resolution of the painter's device. Where the
// two differ the title loses its end: on a screen a little denser than the
// default the longer line lost its last character ("... to 12/31/200"), and
// on a printer the lines, drawn far larger than the room laid out for them,
// ran into the plot. This caption lays out and paints with one measure: that
// of the chart widget on screen, that of the target device while the chart is
// painted elsewhere (see setTargetDevice).
#include <KChartHeaderFooter>

#include <QSizeF>

class QPaintDevice;

namespace quorvel::charts {

class ChartCaption : public KChart::HeaderFooter {
    Q_OBJECT
public:
    explicit ChartCaption(KChart::Chart* chart);

    // The device the chart is about to be painted on (a picture, a PDF, a
    // printer); nullptr for the chart widget itself. The caller lays the
    // chart out again afterwards (see relayoutChart).
    void setTargetDevice(QPaintDevice* device);

    // The room the text needs on the target device: its lines plus KChart's margin.
    QSize sizeHint() const override;
    QSize minimumSize() const override { return sizeHint(); }
    QSize maximumSize() const override { return sizeHint(); }

    // The text's block, centred in the laid-out box, measured for the
    // painter's device and never clipped.
    void paint(QPainter* painter) override;

    // The size of the text's lines in the title's font on `device`.
    QSizeF textSize(const QPaintDevice* device) const;

private:
    KChart::Chart* m_chart;
    QPaintDevice* m_target = nullptr;
};

// Lays the whole chart out again, every cached size dropped, so that changed
// size hints (a title measured for another device) take effect now.
void relayoutChart(KChart::Chart* chart);

}  // namespace quorvel::charts
