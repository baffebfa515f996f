#pragma once
// The chart list `LBCharts`: the seven predefined charts, sorted. Its click
// is what the user does to choose a chart: a mouse click on an item (also on
// the item already chosen, which draws it again) or a move of the selection
// with the keyboard. Selecting an item from the program raises nothing.
#include <QListWidget>

namespace quorvel {

class ChartListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ChartListBox(QWidget* parent = nullptr);

    // Text of the selected item; empty when none is selected.
    QString selectedText() const;
    // Selects the item with this text without raising chartClicked.
    void selectText(const QString& text);

signals:
    void chartClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace quorvel
