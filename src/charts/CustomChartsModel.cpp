#include "charts/CustomChartsModel.h"

namespace quorvel {

void CustomChartsModel::setDefinitions(const QVector<data::ChartDef>& definitions)
{
    beginResetModel();
    m_rows = definitions;
    endResetModel();
}

int CustomChartsModel::rowOf(qint64 id) const
{
    for (int row = 0; row < m_rows.size(); ++row) {
        if (m_rows.at(row).id == id)
            return row;
    }
    return -1;
}

int CustomChartsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

int CustomChartsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CustomChartsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size() || role != Qt::DisplayRole)
        return {};
    const data::ChartDef& def = m_rows.at(index.row());
    return index.column() == NameColumn ? def.name : def.type;
}

QVariant CustomChartsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == NameColumn ? QStringLiteral("Name") : QStringLiteral("Type");
}

Qt::ItemFlags CustomChartsModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace quorvel
