#pragma once
// A label that reacts to a left click, for the links of the notice panel.
#include <QLabel>

namespace quorvel {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace quorvel
