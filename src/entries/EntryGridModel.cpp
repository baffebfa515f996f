#include "entries/EntryGridModel.h"


#include "app/GridLook.h"
#include "common/Dates.h"
#include "entries/EntryNumberText.h"

#include <QLocale>

namespace quorvel::entries {

EntryGridModel::EntryGridModel(QObject* parent) : QAbstractTableModel(parent), m_marker(quorvel::currentRowMarker()) {}

void EntryGridModel::setEntries(const QVector<data::Entry>& entries)
{
    beginResetModel();
    m_entries = entries;
    m_markedRow = -1;
    endResetModel();
}

int EntryGridModel::rowOfDate(const QDate& date) const
{
    for (int row = 0; row < m_entries.size(); ++row) {
        if (m_entries.at(row).date == date)
            return row;
    }
    return -1;
}

void EntryGridModel::setMarkedRow(int row)
{
    const int old = m_markedRow;
    m_markedRow = row;
    if (old >= 0 && old < m_entries.size())
        emit headerDataChanged(Qt::Vertical, old, old);
    if (row >= 0 && row < m_entries.size())
        emit headerDataChanged(Qt::Vertical, row, row);
}

int EntryGridModel::columnChars(int column)
{
    static const int chars[ColumnCount] = {10, 12, 10, 11, 14};
    return column >= 0 && column < ColumnCount ? chars[column] : 0;
}

int EntryGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_entries.size();
}

int EntryGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant EntryGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    const data::Entry& entry = m_entries.at(index.row());
    if (role == Qt::TextAlignmentRole) {
        const bool number = index.column() == Fee || index.column() == Price || index.column() == Shares;
        return int((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole)
        return {};
    const QLocale locale;
    switch (index.column()) {
    case Code:
        return entry.code;
    case Date:
        return formatUsDate(entry.date);
    case Fee:
        return gridFeeText(entry.feeTenThousandths, locale);
    case Price:
        return groupedNumber(entry.price, 5, locale);
    case Shares:
        return groupedNumber(entry.shares, 5, locale);
    default:
        return {};
    }
}

QVariant EntryGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (role == Qt::DecorationRole && section == m_markedRow)
            return m_marker;
        if (role == Qt::DisplayRole)
            return QString();
        return {};
    }
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    static const char* const titles[ColumnCount] = {"Code", "Date", "Fee", "Price", "Shares"};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(titles[section]) : QVariant();
}

Qt::ItemFlags EntryGridModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace quorvel::entries
