#pragma once

#include "game/logic/boardlogic.h"

#include <QPoint>
#include <QVector>
#include <cstdint>
#include <optional>

namespace vud {
class RandomSource;
}

namespace boardlogic {

// What one press on the board did, for the window to show.
struct Move
{
    enum class Kind {
        Nothing, // refused: nothing carried to drop, or no such piece or cell
        Lift,    // piece lifted from cell `from`
        PutBack, // piece dropped on its own cell `from`: the grid is unchanged
        Swap,    // piece dropped on `to`; `displaced` went from `to` to `from`
        Cancel,  // carried piece taken back to `from` without a drop: not counted
    };

    Kind kind = Kind::Nothing;
    int piece = -1;
    QPoint from;
    QPoint to;
    int displaced = -1;
    // The swap put the last piece home.
    bool completed = false;

    // A put back or a swap: one move counted.
    bool isDrop() const { return kind == Kind::PutBack || kind == Kind::Swap; }
};

// The rules of one game on one board, without a window: which piece lies in
// which cell, the piece carried and the cell it came from, the moves counted
// and the seconds played. Cells are (column, row); pieces are numbered row by
// row from the top-left, piece k's home being column k % columns, row
// k / columns.
class GameRules
{
public:
    // No board yet: no cells, nothing to lift.
    GameRules() = default;
    // A solved board of columns x rows (each clamped to 1..16), nothing
    // carried, no moves and no seconds.
    GameRules(int columns, int rows);

    // A game as saved: cellPieces holds the piece of each cell row by row
    // (cell (c, r) at r * columns + c) and must name every piece once.
    // Nothing is carried. No game when a size, the cells or a counter is out
    // of range.
    static std::optional<GameRules> restore(int columns, int rows, const QVector<int> &cellPieces,
                                            std::int16_t moveCount, qint32 elapsedSeconds);

    const PieceGrid &grid() const { return CellPiece; }
    int columns() const { return CellPiece.columns(); }
    int rows() const { return CellPiece.rows(); }
    int pieceCount() const { return CellPiece.count(); }
    // The piece of each cell row by row, as restore() takes it.
    QVector<int> cellPieces() const;
    bool isSolved() const { return CellPiece.isSolved(); }

    bool carrying() const { return Carrying; }
    int carriedPiece() const { return CarriedPiece; }
    // The cell the carried piece was lifted from.
    QPoint pickCell() const { return QPoint(PickColumn, PickRow); }

    std::int16_t moveCount() const { return MoveCount; }
    qint32 elapsedSeconds() const { return ElapsedSeconds; }

    // The start of a game: 100 random swaps of cells (see boardlogic::shuffle),
    // returned in order so that the pieces can trade places the same way.
    QVector<CellSwap> shuffle(vud::RandomSource &random);

    // A press on piece `piece` with the pointer over `cell`: lifts that piece
    // when none is carried, otherwise drops the carried one on the cell.
    Move press(int piece, QPoint cell);
    // Lifts a piece from the cell it lies in, whether home or not. Refused
    // while another is carried.
    Move lift(int piece);
    // Drops the carried piece on a cell: back on its own cell, or trading
    // places with the piece there. Every drop counts one move, up to 32767.
    Move drop(QPoint cell);
    // Takes the carried piece back to the cell it was lifted from without
    // dropping it: a drag let go outside the grid, or Escape. No move is
    // counted. Refused when nothing is carried.
    Move cancelCarry();

    // One more second of play, up to the counter's limit; the new total.
    qint32 secondPassed();
    // A new choice of picture starts the move count afresh, even for a board
    // still played on until the new one is laid out.
    void restartMoveCount() { MoveCount = 0; }

private:
    bool isCell(QPoint cell) const;

    PieceGrid CellPiece;
    bool Carrying = false;
    int CarriedPiece = 0;
    int PickColumn = 0;
    int PickRow = 0;
    std::int16_t MoveCount = 0;
    qint32 ElapsedSeconds = 0;
};

} // namespace boardlogic
