#include "accounts/AccountGrid.h"


#include "accounts/AccountListModel.h"
#include "app/GridLook.h"

#include <QFontMetrics>
#include <QPainter>

namespace quorvel {

namespace {

QFont gridFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(12);
    return font;
}

}  // namespace

AccountTitleHeader::AccountTitleHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(true);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Interactive);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setFont(gridFont());
    setCursor(Qt::PointingHandCursor);
}

void AccountTitleHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!model())
        return;
    const auto role = [&](int r) { return model()->headerData(logicalIndex, Qt::Horizontal, r); };
    painter->save();
    painter->fillRect(rect, role(Qt::BackgroundRole).value<QColor>());
    // A raised edge, as a title that acts as a button.
    painter->setPen(QColor(255, 255, 255, 140));
    painter->drawLine(rect.topLeft(), rect.topRight());
    painter->drawLine(rect.topLeft(), rect.bottomLeft());
    painter->setPen(QColor(0, 0, 0, 140));
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    painter->drawLine(rect.topRight(), rect.bottomRight());

    QRect textRect = rect.adjusted(3, 0, -3, 0);
    const QImage image = role(Qt::DecorationRole).value<QImage>();
    if (!image.isNull()) {
        const QRect imageRect(rect.right() - 2 - image.width(), rect.center().y() - image.height() / 2 + 1,
                              image.width(), image.height());
        painter->drawImage(imageRect, image);
        textRect.setRight(imageRect.left() - 2);
    }
    painter->setFont(font());
    painter->setPen(role(Qt::ForegroundRole).value<QColor>());
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      role(Qt::DisplayRole).toString());
    painter->restore();
}

RowIndicatorHeader::RowIndicatorHeader(QWidget* parent) : QHeaderView(Qt::Vertical, parent)
{
    setSectionsClickable(false);
    setSectionResizeMode(QHeaderView::Fixed);
}

QSize RowIndicatorHeader::sizeHint() const
{
    QSize size = QHeaderView::sizeHint();
    size.setWidth(12);
    return size;
}

void RowIndicatorHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    painter->save();
    painter->fillRect(rect, palette().color(QPalette::Button));
    painter->setPen(palette().color(QPalette::Mid));
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    painter->drawLine(rect.topRight(), rect.bottomRight());
    const auto* view = qobject_cast<const QAbstractItemView*>(parentWidget());
    if (view && view->currentIndex().isValid() && view->currentIndex().row() == logicalIndex) {
        const QPixmap marker = currentRowMarker();
        painter->drawPixmap(rect.center() - QPoint(marker.width() / 2 - 1, marker.height() / 2 - 1), marker);
    }
    painter->restore();
}

AccountGrid::AccountGrid(QWidget* parent) : QTableView(parent)
{
    setFont(gridFont());
    setHorizontalHeader(new AccountTitleHeader(this));
    setVerticalHeader(new RowIndicatorHeader(this));
    verticalHeader()->setDefaultSectionSize(QFontMetrics(gridFont()).height() + 4);
    horizontalHeader()->setFixedHeight(QFontMetrics(gridFont()).height() + 6);
    setUpReadOnlyGrid(this);
    setCursor(Qt::PointingHandCursor);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        if (m_model)
            emit titleClicked(m_model->headerData(section, Qt::Horizontal, Qt::UserRole).toString());
    });
}

void AccountGrid::setListModel(AccountListModel* model)
{
    m_model = model;
    setModel(model);
    const int charWidth = QFontMetrics(gridFont()).horizontalAdvance(QLatin1Char('0'));
    const auto& columns = AccountListModel::columns();
    for (int i = 0; i < columns.size(); ++i)
        setColumnWidth(i, columns.at(i).widthChars * charWidth + 6);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, verticalHeader()->viewport(),
            [this] { verticalHeader()->viewport()->update(); });
}

int AccountGrid::currentRow() const
{
    if (!m_model || m_model->rowCount() == 0)
        return -1;
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void AccountGrid::setCurrentRow(int row)
{
    if (!m_model || row < 0 || row >= m_model->rowCount()) {
        if (selectionModel())
            selectionModel()->clearCurrentIndex();
        return;
    }
    const int column = currentIndex().isValid() ? currentIndex().column() : 0;
    selectionModel()->setCurrentIndex(m_model->index(row, column),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(m_model->index(row, column));
}

}  // namespace quorvel
