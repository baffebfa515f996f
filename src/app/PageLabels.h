#pragma once
// The labels the pages make alike: Times New Roman headings and captions in
// the page's colour.
#include <QColor>
#include <QFont>

class QLabel;
class QPoint;
class QRect;
class QString;
class QWidget;

namespace quorvel {

// Times New Roman (served by Liberation Serif) in a pixel size.
QFont timesFont(int pixelSize, bool bold = false, bool underline = false);

// A label in `font` whose text is `colour` (an invalid colour keeps the palette's).
QLabel* makeLabel(QWidget* parent, const QString& text, const QFont& font, const QColor& colour = QColor());

// A page's heading: bold, underlined Times New Roman in the page's colour,
// either at `topLeft` and as big as its text, or in the box `geometry`.
QLabel* makeHeading(QWidget* parent, const QString& text, int pixelSize, const QColor& colour, const QPoint& topLeft);
QLabel* makeHeading(QWidget* parent, const QString& text, int pixelSize, const QColor& colour, const QRect& geometry);

}  // namespace quorvel
