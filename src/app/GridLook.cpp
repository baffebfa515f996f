#include "app/GridLook.h"

#include <QPainter>
#include <QTableView>

namespace quorvel {

void setUpReadOnlyGrid(QTableView* grid)
{
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setTabKeyNavigation(false);
    grid->setWordWrap(false);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid->viewport()->setCursor(Qt::PointingHandCursor);
}

QPixmap currentRowMarker()
{
    QPixmap pixmap(8, 10);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0, 0, 0));
    painter.setBrush(QColor(255, 255, 0));
    painter.drawPolygon(QPolygonF({{0.5, 0.5}, {7.5, 5}, {0.5, 9.5}}));
    return pixmap;
}

}  // namespace quorvel
