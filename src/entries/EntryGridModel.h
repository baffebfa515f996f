#pragma once
// The entries of one account for the grid, oldest first, formatted as the
// grid shows them. Read only: the page changes entries through the store and
// hands the model the reloaded list.
#include "data/Records.h"

#include <QAbstractTableModel>
#include <QPixmap>
#include <QVector>

namespace quorvel::entries {

class EntryGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Code, Date, Fee, Price, Shares, ColumnCount };

    explicit EntryGridModel(QObject* parent = nullptr);

    void setEntries(const QVector<data::Entry>& entries);
    const QVector<data::Entry>& entries() const { return m_entries; }
    const data::Entry& entryAt(int row) const { return m_entries.at(row); }
    // Row of the entry on `date`; -1 when there is none.
    int rowOfDate(const QDate& date) const;

    // The row that carries the current-row marker in the row header.
    void setMarkedRow(int row);
    int markedRow() const { return m_markedRow; }

    // Width of each column in characters.
    static int columnChars(int column);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QVector<data::Entry> m_entries;
    int m_markedRow = -1;
    QPixmap m_marker;
};

}  // namespace quorvel::entries
