#include "charts/ChartsPageOptionGroup.h"

#include "common/Hint.h"

#include <QButtonGroup>
#include <QPushButton>

namespace quorvel {

namespace {

// The button that is down reads darker and bold, the others lighter. A style
// sheet takes no font from the parent, so it names the window's font.
const char* const kButtonStyle =
    "QPushButton { color: white; background-color: #2050d8; border: 1px solid #0c2a7a;"
    "  border-radius: 6px; padding: 0px 2px; font-family: 'Courier New'; font-size: 12px; }"
    "QPushButton:hover { background-color: #3466f0; }"
    "QPushButton:checked { background-color: #0c2a7a; border: 2px solid #061440; font-weight: bold; }"
    "QPushButton:disabled { background-color: #a0a0a0; color: #e0e0e0; }";

}  // namespace

ChartsPageOptionGroup::ChartsPageOptionGroup(const QString& name, const QVector<Option>& options, QWidget* parent)
    : QWidget(parent), m_group(new QButtonGroup(this))
{
    setObjectName(name);
    m_group->setExclusive(true);
    for (int i = 0; i < options.size(); ++i) {
        auto* button = new QPushButton(options.at(i).caption, this);
        button->setObjectName(options.at(i).name);
        button->setCheckable(true);
        button->setCursor(Qt::PointingHandCursor);
        button->setFocusPolicy(Qt::TabFocus);
        button->setStyleSheet(QString::fromLatin1(kButtonStyle));
        setHint(button, options.at(i).hint);
        m_group->addButton(button, i);
    }
    if (!options.isEmpty())
        m_group->button(0)->setChecked(true);
    connect(m_group, &QButtonGroup::idClicked, this, &ChartsPageOptionGroup::clicked);
}

QAbstractButton* ChartsPageOptionGroup::button(int index) const
{
    return m_group->button(index);
}

int ChartsPageOptionGroup::checkedIndex() const
{
    return m_group->checkedId();
}

void ChartsPageOptionGroup::setChecked(int index)
{
    if (QAbstractButton* b = m_group->button(index))
        b->setChecked(true);
}

void ChartsPageOptionGroup::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The buttons share the column's height evenly, one under the other.
    const QList<QAbstractButton*> buttons = m_group->buttons();
    const int count = buttons.size();
    for (int i = 0; i < count; ++i) {
        const int top = height() * i / count;
        const int bottom = height() * (i + 1) / count;
        m_group->button(i)->setGeometry(0, top, width(), bottom - top);
    }
}

}  // namespace quorvel
