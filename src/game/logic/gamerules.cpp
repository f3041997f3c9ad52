#include "game/logic/gamerules.h"

#include <algorithm>

namespace boardlogic {

GameRules::GameRules(int columns, int rows)
{
    CellPiece.reset(columns, rows);
}

std::optional<GameRules> GameRules::restore(int columns, int rows, const QVector<int> &cellPieces,
                                            std::int16_t moveCount, qint32 elapsedSeconds)
{
    if (columns < 1 || columns > PieceGrid::MaxSide || rows < 1 || rows > PieceGrid::MaxSide)
        return std::nullopt;
    const int count = columns * rows;
    if (cellPieces.size() != count || moveCount < 0 || elapsedSeconds < 0)
        return std::nullopt;
    QVector<bool> seen(count, false);
    for (int piece : cellPieces) {
        if (piece < 0 || piece >= count || seen.at(piece))
            return std::nullopt;
        seen[piece] = true;
    }
    GameRules game(columns, rows);
    for (int k = 0; k < count; ++k)
        game.CellPiece.set(k % columns, k / columns, std::int16_t(cellPieces.at(k)));
    game.MoveCount = moveCount;
    game.ElapsedSeconds = elapsedSeconds;
    return game;
}

QVector<int> GameRules::cellPieces() const
{
    QVector<int> pieces;
    pieces.reserve(pieceCount());
    for (int k = 0; k < pieceCount(); ++k)
        pieces.append(CellPiece.at(k % columns(), k / columns()));
    return pieces;
}

QVector<CellSwap> GameRules::shuffle(vud::RandomSource &random)
{
    return boardlogic::shuffle(CellPiece, random);
}

bool GameRules::isCell(QPoint cell) const
{
    return cell.x() >= 0 && cell.x() < columns() && cell.y() >= 0 && cell.y() < rows();
}

Move GameRules::press(int piece, QPoint cell)
{
    return Carrying ? drop(cell) : lift(piece);
}

Move GameRules::lift(int piece)
{
    Move move;
    if (Carrying || piece < 0 || piece >= pieceCount())
        return move;
    // The piece trades places from its own cell, wherever on it (or on the
    // edge it shares with a neighbour) it was taken.
    const QPoint own = CellPiece.cellOf(piece);
    Carrying = true;
    CarriedPiece = piece;
    PickColumn = own.x();
    PickRow = own.y();
    move.kind = Move::Kind::Lift;
    move.piece = piece;
    move.from = own;
    move.to = own;
    return move;
}

Move GameRules::drop(QPoint cell)
{
    Move move;
    if (!Carrying || !isCell(cell))
        return move;
    MoveCount = saturatingIncrement(MoveCount);
    Carrying = false;
    move.piece = CarriedPiece;
    move.from = pickCell();
    move.to = cell;
    if (cell == pickCell()) {
        move.kind = Move::Kind::PutBack;
        return move;
    }
    move.kind = Move::Kind::Swap;
    move.displaced = CellPiece.at(cell.x(), cell.y());
    CellPiece.swapCells(PickColumn, PickRow, cell.x(), cell.y());
    move.completed = CellPiece.isSolved();
    return move;
}

Move GameRules::cancelCarry()
{
    Move move;
    if (!Carrying)
        return move;
    Carrying = false;
    move.kind = Move::Kind::Cancel;
    move.piece = CarriedPiece;
    move.from = pickCell();
    move.to = pickCell();
    return move;
}

qint32 GameRules::secondPassed()
{
    ElapsedSeconds = saturatingIncrement(ElapsedSeconds);
    return ElapsedSeconds;
}

} // namespace boardlogic
