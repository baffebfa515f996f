#include "entries/EntryGrid.h"

#include "app/GridLook.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace quorvel::entries {

EntryGrid::EntryGrid(QWidget* parent) : QTableView(parent)
{
    setUpReadOnlyGrid(this);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
}

void EntryGrid::setEntryModel(EntryGridModel* model)
{
    m_model = model;
    setModel(model);
}

void EntryGrid::setCurrentRow(int row)
{
    if (!m_model || row < 0 || row >= m_model->rowCount()) {
        if (selectionModel())
            selectionModel()->clear();
        return;
    }
    const int column = currentIndex().isValid() ? currentIndex().column() : 0;
    setCurrentIndex(m_model->index(row, column));
    scrollTo(currentIndex());
}

void EntryGrid::fitColumns()
{
    const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    for (int column = 0; column < EntryGridModel::ColumnCount; ++column)
        setColumnWidth(column, digit * EntryGridModel::columnChars(column) + 8);
}

bool EntryGrid::moveGuarded(const QModelIndex& target)
{
    if (!m_model || !target.isValid() || target.row() == currentRow() || !mayLeaveRow)
        return false;
    const QDate date = m_model->entryAt(target.row()).date;
    const int column = target.column();
    if (!mayLeaveRow())
        return true;  // the current row stays; the page has said why
    const int row = m_model->rowOfDate(date);
    if (row >= 0) {
        setCurrentIndex(m_model->index(row, column));
        scrollTo(currentIndex());
    }
    return true;
}

void EntryGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && moveGuarded(indexAt(event->pos()))) {
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

void EntryGrid::mouseMoveEvent(QMouseEvent* event)
{
    // Dragging would move the current row past the guard; a read-only list
    // of entries has nothing to drag.
    if (event->buttons() != Qt::NoButton) {
        event->accept();
        return;
    }
    QTableView::mouseMoveEvent(event);
}

void EntryGrid::keyPressEvent(QKeyEvent* event)
{
    CursorAction action;
    bool moves = true;
    switch (event->key()) {
    case Qt::Key_Up: action = MoveUp; break;
    case Qt::Key_Down: action = MoveDown; break;
    case Qt::Key_PageUp: action = MovePageUp; break;
    case Qt::Key_PageDown: action = MovePageDown; break;
    case Qt::Key_Home: action = MoveHome; break;
    case Qt::Key_End: action = MoveEnd; break;
    default: moves = false; action = MoveDown; break;
    }
    if (moves && moveGuarded(moveCursor(action, event->modifiers()))) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

}  // namespace quorvel::entries
