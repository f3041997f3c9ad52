#pragma once

#include <QDateTime>
#include <QString>
#include <QVector>

// What the programs remember of each child: the one unfinished board and the
// finished games. Plain values; the store (resultsstore.h) keeps them.
namespace records {

// The key a child is known by: the name as typed, surrounding blanks removed
// and case folded, so that "Ana", "ana " and "ANA" are one child. The empty
// name is a child too (key "").
QString childKey(const QString &typedName);

// The grids a board can have: 3..12 columns by 2..9 rows.
constexpr int MinColumns = 3;
constexpr int MaxColumns = 12;
constexpr int MinRows = 2;
constexpr int MaxRows = 9;

// What recognises a picture file again: its size in bytes and its last
// modification, in milliseconds since the epoch.
struct PictureStamp
{
    qint64 size = -1;
    qint64 modifiedMs = 0;

    bool isValid() const { return size >= 0; }
    bool operator==(const PictureStamp &other) const
    {
        return size == other.size && modifiedMs == other.modifiedMs;
    }
    bool operator!=(const PictureStamp &other) const { return !(*this == other); }
};

// The stamp of the file at path; invalid when it is no regular file.
PictureStamp pictureStamp(const QString &path);

// A board in play, as it is saved after every drop.
struct UnfinishedBoard
{
    QString child;       // the name as typed; the board belongs to childKey(child)
    QString picture;     // the picture's path
    PictureStamp stamp;  // the picture file when the board was laid out
    int columns = 0;
    int rows = 0;
    // The piece lying in each cell, cell by cell along the rows:
    // pieces[row * columns + column]. Piece k's home is column k % columns,
    // row k / columns.
    QVector<int> pieces;
    int moves = 0;
    int seconds = 0;

    bool operator==(const UnfinishedBoard &other) const;
};

// The grid is 3..12 by 2..9, pieces holds each of 0..columns*rows-1 exactly
// once, and no count is negative. A board read back that is not sensible is
// never offered.
bool isSensible(const UnfinishedBoard &board);

// A game the child finished.
struct FinishedGame
{
    QString child;       // as typed
    QDateTime ended;     // when the last piece went home (local time)
    QString picture;     // the picture's path
    int pieces = 0;
    int seconds = 0;
    int moves = 0;

    bool operator==(const FinishedGame &other) const;
};

// One child of the list of children: the name as last typed, the games
// finished and the end of the latest one (invalid when none).
struct ChildSummary
{
    QString key;
    QString name;
    int games = 0;
    QDateTime lastGame;
    bool hasUnfinishedBoard = false;
};

} // namespace records
