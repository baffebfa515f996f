#include "charts/ChartListBox.h"

#include "charts/ChartListRequests.h"
#include "common/Hint.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace quorvel {

ChartListBox::ChartListBox(QWidget* parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("LBCharts"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(true);
    for (const charts::ChartListItem& item : charts::chartListItems())
        addItem(item.text);
    sortItems();
    setHint(this, QStringLiteral("Select the chart to view"));
    setCurrentRow(-1);
    clearSelection();
}

QString ChartListBox::selectedText() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void ChartListBox::selectText(const QString& text)
{
    const QList<QListWidgetItem*> found = findItems(text, Qt::MatchExactly);
    if (found.isEmpty())
        return;
    setCurrentItem(found.first());
    found.first()->setSelected(true);
}

void ChartListBox::mouseReleaseEvent(QMouseEvent* event)
{
    QListWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && itemAt(event->pos()) && itemAt(event->pos())->isSelected())
        emit chartClicked();
}

void ChartListBox::keyPressEvent(QKeyEvent* event)
{
    const QString before = selectedText();
    QListWidget::keyPressEvent(event);
    const QString after = selectedText();
    if (!after.isEmpty() && after != before)
        emit chartClicked();
}

}  // namespace quorvel
