#pragma once

#include <QAbstractListModel>
#include <QStringList>

namespace Editor {

// The drawings placed on the picture, one coordinates line each in the order
// of the clicks: what the editor window's list shows and what a save writes.
class Placements : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    // PlacementCount: the number of lines, and the index the next one takes.
    int count() const { return int(m_lines.size()); }
    QStringList lines() const { return m_lines; }

    // Appends drawingName + "," + x + "," + y + ",". The name may be empty.
    void add(const QString &drawingName, int x, int y);
    void clear();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QStringList m_lines;
};

} // namespace Editor
