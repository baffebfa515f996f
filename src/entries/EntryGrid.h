#pragma once
// The read-only grid of an account's entries. Before the user moves the
// current row (click or key), it asks `mayLeaveRow`: the page stores the
// current entry's pending changes there, and a refusal keeps the row. Rows
// are found again by date afterwards, since a stored date change reorders them.
#include "entries/EntryGridModel.h"

#include <QTableView>
#include <functional>

namespace quorvel::entries {

class EntryGrid : public QTableView {
    Q_OBJECT
public:
    explicit EntryGrid(QWidget* parent = nullptr);

    void setEntryModel(EntryGridModel* model);
    EntryGridModel* entryModel() const { return m_model; }

    std::function<bool()> mayLeaveRow;

    int currentRow() const { return currentIndex().isValid() ? currentIndex().row() : -1; }
    // Makes a row current (and selected); -1 clears the current row.
    void setCurrentRow(int row);
    // Column widths from the font: the given characters of '0' plus the cell margins.
    void fitColumns();

    void keyboardSearch(const QString&) override {}

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Moves to the entry on `target`'s row once the page allows leaving the
    // current one; true when the event has been dealt with here.
    bool moveGuarded(const QModelIndex& target);

    EntryGridModel* m_model = nullptr;
};

}  // namespace quorvel::entries
