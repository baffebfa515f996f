#pragma once
// A control's hint shows as its tooltip and, while the mouse is over it, in
// the main window's message line (delivered as a status tip).
#include <QString>
#include <QWidget>

namespace quorvel {

inline void setHint(QWidget* widget, const QString& hint)
{
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
}

}  // namespace quorvel
