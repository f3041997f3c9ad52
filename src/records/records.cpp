#include "records/records.h"

#include "core/picturefile.h"

#include <QFileInfo>

namespace records {

QString childKey(const QString &typedName)
{
    // Never null: SQL takes a null string for NULL, which matches nothing.
    const QString key = typedName.trimmed().toCaseFolded();
    return key.isNull() ? QStringLiteral("") : key;
}

PictureStamp pictureStamp(const QString &path)
{
    if (!vud::isRegularFile(path))
        return {};
    const QFileInfo info(path);
    return {info.size(), info.lastModified().toMSecsSinceEpoch()};
}

bool UnfinishedBoard::operator==(const UnfinishedBoard &other) const
{
    return child == other.child && picture == other.picture && stamp == other.stamp && columns == other.columns
        && rows == other.rows && pieces == other.pieces && moves == other.moves && seconds == other.seconds;
}

bool isSensible(const UnfinishedBoard &board)
{
    if (board.columns < MinColumns || board.columns > MaxColumns || board.rows < MinRows || board.rows > MaxRows)
        return false;
    if (board.moves < 0 || board.seconds < 0 || !board.stamp.isValid())
        return false;
    const int count = board.columns * board.rows;
    if (board.pieces.size() != count)
        return false;
    QVector<bool> seen(count, false);
    for (int piece : board.pieces) {
        if (piece < 0 || piece >= count || seen[piece])
            return false;
        seen[piece] = true;
    }
    return true;
}

bool FinishedGame::operator==(const FinishedGame &other) const
{
    return child == other.child && ended == other.ended && picture == other.picture && pieces == other.pieces
        && seconds == other.seconds && moves == other.moves;
}

} // namespace records
