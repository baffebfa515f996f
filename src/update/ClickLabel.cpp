#include "update/ClickLabel.h"

#include <QMouseEvent>

namespace quorvel {

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    // A press that is dragged off the label before release is no click.
    if (event->button() == Qt::LeftButton && rect().contains(event->pos()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

}  // namespace quorvel
