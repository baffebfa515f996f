#pragma once
// What the program's read-only grids share: one highlighted row at a time,
// no editing, a horizontal scroll bar, the hand cursor, and the yellow marker
// that points at the current row.
#include <QPixmap>

class QTableView;

namespace quorvel {

void setUpReadOnlyGrid(QTableView* grid);
// The yellow triangle drawn beside the current row.
QPixmap currentRowMarker();

}  // namespace quorvel
