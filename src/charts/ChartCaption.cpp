#include "charts/ChartCaption.h"

#include <KChartChart>
#include <KChartTextAttributes>

#include <QApplication>
#include <QFontMetricsF>
#include <QLayout>
#include <QPainter>
#include <QStyle>
#include <cmath>

namespace quorvel::charts {

namespace {

void invalidateTree(QLayoutItem* item)
{
    item->invalidate();
    if (QLayout* layout = item->layout()) {
        for (int i = 0; i < layout->count(); ++i)
            invalidateTree(layout->itemAt(i));
    }
}

}  // namespace

ChartCaption::ChartCaption(KChart::Chart* chart) : KChart::HeaderFooter(chart), m_chart(chart) {}

void ChartCaption::setTargetDevice(QPaintDevice* device)
{
    m_target = device;
}

QSizeF ChartCaption::textSize(const QPaintDevice* device) const
{
    const QFontMetricsF metrics(realFont(), device);
    // This overload of boundingRect takes '\n' as a line break.
    return metrics.boundingRect(QRectF(0, 0, 1e6, 1e6), Qt::AlignLeft | Qt::AlignTop, text()).size();
}

QSize ChartCaption::sizeHint() const
{
    // KChart's own measure keeps its bookkeeping (it tells the layout when
    // the text or the font changes); the room is measured here.
    KChart::HeaderFooter::sizeHint();
    const QPaintDevice* device = m_target ? m_target : static_cast<const QPaintDevice*>(m_chart);
    const QSizeF text = textSize(device);
    const QSize size(int(std::ceil(text.width())), int(std::ceil(text.height())));
    // The margin KChart gives a text: the style's button margin, less for small text.
    const int margin = qMin(QApplication::style()->pixelMetric(QStyle::PM_ButtonMargin), size.height() * 2 / 3);
    return size + QSize(margin, margin);
}

void ChartCaption::paint(QPainter* painter)
{
    const QRect box = geometry();
    if (!box.isValid())
        return;
    painter->save();
    painter->setFont(realFont());
    painter->setPen(textAttributes().pen());
    QRectF block(QPointF(0, 0), textSize(painter->device()));
    block.moveCenter(QRectF(box).center());
    painter->drawText(block, int(textAlignment()) | Qt::TextDontClip, text());
    painter->restore();
}

void relayoutChart(KChart::Chart* chart)
{
    if (QLayout* layout = chart->layout()) {
        invalidateTree(layout);
        layout->activate();
    }
}

}  // namespace quorvel::charts
