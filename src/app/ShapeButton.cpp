#include "app/ShapeButton.h"

#include "common/Hint.h"

#include <QPainter>
#include <QPolygonF>

namespace quorvel {

ShapeButton::ShapeButton(Shape shape, const QColor& colour, QWidget* parent)
    : QAbstractButton(parent), m_shape(shape), m_colour(colour)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

ShapeButton* ShapeButton::create(QWidget* parent, const QString& objectName, Shape shape, const QColor& colour,
                                 const QRect& geometry, const QString& hint)
{
    auto* button = new ShapeButton(shape, colour, parent);
    button->setObjectName(objectName);
    button->setGeometry(geometry);
    if (!hint.isEmpty())
        setHint(button, hint);
    return button;
}

void ShapeButton::setShape(Shape shape)
{
    m_shape = shape;
    update();
}

void ShapeButton::setColour(const QColor& colour)
{
    m_colour = colour;
    update();
}

QPolygonF ShapeButton::outline(Shape shape, const QRectF& area)
{
    // Points in fractions of the area, mapped onto it.
    const auto map = [&area](std::initializer_list<QPointF> unit) {
        QPolygonF polygon;
        for (const QPointF& p : unit)
            polygon << QPointF(area.left() + p.x() * area.width(), area.top() + p.y() * area.height());
        return polygon;
    };
    switch (shape) {
    case Shape::Plus: {
        // Arms one third of the shorter side thick, whatever the proportions.
        const qreal t = std::min(area.width(), area.height()) / 3.0;
        const qreal x1 = area.center().x() - t / 2, x2 = x1 + t;
        const qreal y1 = area.center().y() - t / 2, y2 = y1 + t;
        return QPolygonF({{x1, area.top()}, {x2, area.top()}, {x2, y1}, {area.right(), y1},
                          {area.right(), y2}, {x2, y2}, {x2, area.bottom()}, {x1, area.bottom()},
                          {x1, y2}, {area.left(), y2}, {area.left(), y1}, {x1, y1}});
    }
    case Shape::MinusBar:
        return QPolygonF(area);
    case Shape::ArrowRight:
        return map({{0, 0.3}, {0.55, 0.3}, {0.55, 0}, {1, 0.5}, {0.55, 1}, {0.55, 0.7}, {0, 0.7}});
    case Shape::TriangleLeft:
        return map({{1, 0}, {1, 1}, {0, 0.5}});
    case Shape::TriangleRight:
        return map({{0, 0}, {1, 0.5}, {0, 1}});
    case Shape::CheckMark:
        return map({{0, 0.55}, {0.15, 0.4}, {0.38, 0.62}, {0.85, 0.02}, {1, 0.17}, {0.38, 0.98}});
    }
    return {};
}

void ShapeButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QRectF area = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    if (isDown())
        area.translate(1, 1);  // pressed: the shape sinks a little
    const QColor fill = paintedColour();
    painter.setPen(QPen(fill.darker(140), 1));
    painter.setBrush(fill);
    painter.drawPolygon(outline(m_shape, area));
    if (hasFocus()) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

}  // namespace quorvel
