#pragma once
// The read-only grid of the account list: Courier New 12-pixel cells, column
// titles that act as buttons (painted in the colours and with the sort image
// that the model gives), a yellow marker on the current row, whole-row
// selection, hand cursor.
#include <QHeaderView>
#include <QTableView>

namespace quorvel {

class AccountListModel;

// Column titles painted from the model's header roles (background, text
// colour, image), so the title colours do not depend on the widget style.
class AccountTitleHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit AccountTitleHeader(QWidget* parent = nullptr);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};

// The narrow column left of the rows with the current-row marker.
class RowIndicatorHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit RowIndicatorHeader(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};

class AccountGrid : public QTableView {
    Q_OBJECT
public:
    explicit AccountGrid(QWidget* parent = nullptr);

    void setListModel(AccountListModel* model);
    AccountListModel* listModel() const { return m_model; }

    int currentRow() const;  // -1 when the list is empty
    void setCurrentRow(int row);

signals:
    // The field name of the clicked column title.
    void titleClicked(const QString& fieldName);

private:
    AccountListModel* m_model = nullptr;
};

}  // namespace quorvel
