#pragma once
// A small button that is nothing but a painted shape (a plus sign, a flat
// minus bar, an arrow, a triangle or a check mark) in one colour. A disabled
// button paints its shape silver, which is how the pages show that a save
// button has nothing to save. The shape fills the button's rectangle, so the
// button's geometry decides the shape's proportions. Hand cursor, takes the
// focus by tab and by click like a push button, clicks with Space.
//
//   auto* add = ShapeButton::create(page, "BtnAcctAdd", ShapeButton::Shape::Plus, ShapeButton::green(),
//                                   QRect(8, 16, 25, 24), "Add a new account");
//   connect(add, &QAbstractButton::clicked, ...);
#include <QAbstractButton>
#include <QColor>

namespace quorvel {

class ShapeButton : public QAbstractButton {
    Q_OBJECT
public:
    enum class Shape { Plus, MinusBar, ArrowRight, TriangleLeft, TriangleRight, CheckMark };

    // The colours the pages use for their shapes, and the disabled one.
    static QColor green() { return QColor(0, 128, 0); }
    static QColor blue() { return QColor(0, 0, 255); }
    static QColor fuchsia() { return QColor(255, 0, 255); }
    static QColor silver() { return QColor(192, 192, 192); }

    ShapeButton(Shape shape, const QColor& colour, QWidget* parent = nullptr);

    // A page's named button at its place, with its hint (none when empty).
    static ShapeButton* create(QWidget* parent, const QString& objectName, Shape shape, const QColor& colour,
                               const QRect& geometry, const QString& hint);

    Shape shape() const { return m_shape; }
    void setShape(Shape shape);
    // The colour while enabled.
    QColor colour() const { return m_colour; }
    void setColour(const QColor& colour);
    // What is painted now: the colour, or silver while disabled.
    QColor paintedColour() const { return isEnabled() ? m_colour : silver(); }

    QSize sizeHint() const override { return QSize(25, 24); }

    // The shape's outline inside a rectangle (exposed for tests and for
    // pages that want the same figure elsewhere).
    static QPolygonF outline(Shape shape, const QRectF& area);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

private:
    Shape m_shape;
    QColor m_colour;
};

}  // namespace quorvel
