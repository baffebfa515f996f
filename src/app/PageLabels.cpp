#include "app/PageLabels.h"

#include <QLabel>

namespace quorvel {

QFont timesFont(int pixelSize, bool bold, bool underline)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QLabel* makeLabel(QWidget* parent, const QString& text, const QFont& font, const QColor& colour)
{
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    if (colour.isValid()) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
    }
    return label;
}

QLabel* makeHeading(QWidget* parent, const QString& text, int pixelSize, const QColor& colour, const QPoint& topLeft)
{
    QLabel* label = makeLabel(parent, text, timesFont(pixelSize, true, true), colour);
    label->move(topLeft);
    label->adjustSize();
    return label;
}

QLabel* makeHeading(QWidget* parent, const QString& text, int pixelSize, const QColor& colour, const QRect& geometry)
{
    QLabel* label = makeLabel(parent, text, timesFont(pixelSize, true, true), colour);
    label->setGeometry(geometry);
    return label;
}

}  // namespace quorvel
