#pragma once
// Read-only rows of the custom chart grid: every chart definition, in the
// order the store gives them, shown as name and type.
#include "data/Records.h"

#include <QAbstractTableModel>
#include <QVector>

namespace quorvel {

class CustomChartsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NameColumn = 0, TypeColumn = 1, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setDefinitions(const QVector<data::ChartDef>& definitions);
    const data::ChartDef& definitionAt(int row) const { return m_rows.at(row); }
    // Row of the definition with this id; -1 when it is not there.
    int rowOf(qint64 id) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QVector<data::ChartDef> m_rows;
};

}  // namespace quorvel
