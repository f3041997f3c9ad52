#include "editor/logic/placements.h"

#include "core/coordinates.h"

namespace Editor {

void Placements::add(const QString &drawingName, int x, int y)
{
    const int row = count();
    beginInsertRows(QModelIndex(), row, row);
    m_lines.append(vud::coordinatesLine(drawingName, x, y));
    endInsertRows();
}

void Placements::clear()
{
    if (m_lines.isEmpty())
        return;
    beginResetModel();
    m_lines.clear();
    endResetModel();
}

int Placements::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant Placements::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    if (role != Qt::DisplayRole)
        return QVariant();
    return m_lines.at(index.row());
}

} // namespace Editor
