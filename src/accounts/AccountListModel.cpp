#include "accounts/AccountListModel.h"

#include <QColor>
#include <QFont>
#include <QLocale>

namespace quorvel {

const QVector<AccountListModel::Column>& AccountListModel::columns()
{
    static const QVector<Column> columns = {
        {"ACode", 11, "Code"},         {"AName", 37, "Name"},  {"ACoName", 25, "Company"},
        {"ACategory", 17, "Category"}, {"AValue", 12, "Value"},
    };
    return columns;
}

QImage AccountListModel::sortImage(bool ascending)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    // Rows of 9, 9, 7, 7, 5, 5, 3, 3, 1, 1 pixels around column 7, rows 3 to 12.
    static const int widths[10] = {9, 9, 7, 7, 5, 5, 3, 3, 1, 1};
    for (int i = 0; i < 10; ++i) {
        const int y = ascending ? 3 + i : 12 - i;
        const int half = widths[i] / 2;
        for (int x = 7 - half; x <= 7 + half; ++x)
            image.setPixelColor(x, y, Qt::black);
    }
    return image;
}

AccountListModel::AccountListModel(QObject* parent) : QAbstractTableModel(parent) {}

void AccountListModel::setAccounts(const QVector<data::Account>& accounts)
{
    beginResetModel();
    m_accounts = accounts;
    endResetModel();
}

int AccountListModel::rowOf(const QString& code) const
{
    for (int row = 0; row < m_accounts.size(); ++row) {
        if (m_accounts.at(row).code == code)
            return row;
    }
    return -1;
}

void AccountListModel::replaceAccount(const QString& oldCode, const data::Account& account)
{
    const int row = rowOf(oldCode);
    if (row < 0)
        return;
    m_accounts[row] = account;
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void AccountListModel::setValues(const QVector<QPair<QString, std::optional<double>>>& values)
{
    const int valueColumn = columnCount() - 1;
    for (const auto& [code, value] : values) {
        const int row = rowOf(code);
        if (row < 0 || m_accounts.at(row).value == value)
            continue;
        m_accounts[row].value = value;
        emit dataChanged(index(row, valueColumn), index(row, valueColumn));
    }
}

void AccountListModel::setSortState(const QString& field, bool ascending)
{
    m_sortField = field;
    m_sortAscending = ascending;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

int AccountListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_accounts.size();
}

int AccountListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columns().size();
}

QVariant AccountListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_accounts.size())
        return {};
    const data::Account& a = m_accounts.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case 0: return a.code;
        case 1: return a.name;
        case 2: return a.coName;
        case 3: return a.category;
        case 4: return a.value ? QLocale().toString(*a.value, 'f', 2) : QString();
        }
        return {};
    case Qt::TextAlignmentRole:
        return index.column() == 4 ? int(Qt::AlignRight | Qt::AlignVCenter) : int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        // Every cell of a closed account's row.
        if (a.isClosed())
            return closedRowColour();
        return {};
    default:
        return {};
    }
}

QVariant AccountListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columns().size())
        return QAbstractTableModel::headerData(section, orientation, role);
    const QString field = QString::fromLatin1(columns().at(section).field);
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromLatin1(columns().at(section).title);
    case Qt::BackgroundRole:
        // The colour ignores letter case, the image does not (see below).
        return field.compare(m_sortField, Qt::CaseInsensitive) == 0 ? sortedTitleColour() : titleColour();
    case Qt::ForegroundRole:
        return QColor(Qt::white);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::DecorationRole:
        if (field == m_sortField)
            return sortImage(m_sortAscending);
        return {};
    case Qt::UserRole:
        return field;
    default:
        return {};
    }
}

}  // namespace quorvel
