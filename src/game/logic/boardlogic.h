#pragma once

#include "core/picturefit.h"
#include "core/twips.h"

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVector>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>

namespace vud {
class RandomSource;
}

// Everything the board decides without a window: where the grid lies, which
// piece lies in which cell, the shuffle, the completion check, which cell a
// click falls in, and the results line. All lengths are twips.
namespace boardlogic {

// Where the grid of a board lies on a screen of the given size in twips.
struct GridLayout
{
    int cellSize = 0;     // CellSize: side of every cell and piece
    double gridLeft = 0;  // GridLeft: Left of column 0
    int gridTop = 0;      // GridTop: Top of row 0
    bool sizedFromHeight = false; // the wide-screen rule applied

    int width(int columns) const { return columns * cellSize; }
    int height(int rows) const { return rows * cellSize; }
    double cellLeft(int column) const { return gridLeft + double(column) * cellSize; }
    int cellTop(int row) const { return gridTop + row * cellSize; }
};

// The cell is sized from the screen's width: nine tenths of it (eight ninths
// when the grid is not wider than high) shared among the columns. When that
// grid would be taller than the screen, as on wide screens, the cell is sized
// from nine tenths of the height shared among the rows instead, so every row
// stays on the screen. The grid is centred, then moved right by 325 twips plus
// the Left of the buttons' column.
GridLayout layOutGrid(double screenWidth, double screenHeight, int columns, int rows,
                      double buttonsLeft = 0);

// Which piece lies in each cell. Piece k's home is column k % columns, row
// k / columns. At most 16 x 16 cells.
class PieceGrid
{
public:
    static constexpr int MaxSide = 16;

    // A solved grid of the given size (clamped to 1..16 on each side).
    void reset(int columns, int rows);

    int columns() const { return m_columns; }
    int rows() const { return m_rows; }
    int count() const { return m_columns * m_rows; }

    std::int16_t at(int column, int row) const { return m_cells[index(column, row)]; }
    void set(int column, int row, std::int16_t piece) { m_cells[index(column, row)] = piece; }
    void swapCells(int c1, int r1, int c2, int r2);

    // Every piece lies in its home cell. All cells are compared.
    bool isSolved() const;
    // Piece k lies in its home cell.
    bool isHome(int piece) const;
    // The cell piece k lies in now.
    QPoint cellOf(int piece) const;

private:
    static std::size_t index(int column, int row) { return std::size_t(column * MaxSide + row); }

    int m_columns = 0;
    int m_rows = 0;
    std::array<std::int16_t, MaxSide * MaxSide> m_cells{};
};

struct CellSwap
{
    int column1, row1, column2, row2;
};

// 100 swaps of two random cells (possibly the same one), each drawing row 1,
// column 1, row 2, column 2 in that order from the source. Applies them to
// the grid and returns them in order, so the caller can move the pieces.
QVector<CellSwap> shuffle(PieceGrid &grid, vud::RandomSource &random, int swaps = 100);

using vud::TwipsRect;

// The cell under a board position in twips, or nothing when the position is
// not strictly inside the rectangle (a position on its edge is outside).
std::optional<QPoint> cellAt(double xTwips, double yTwips, const TwipsRect &grid, double gridLeft,
                             int gridTop, int cellSize);

// The screen pixels a piece covers when its top-left corner is at (left,
// top) twips: from the rounded positions of its left and top edges to the
// rounded positions of its right and bottom edges. Pieces that touch in twips
// share an edge in pixels, neither leaving a gap nor overlapping, so that
// neighbours may differ by a pixel in width or height.
QRect piecePixels(double left, double top, int side, const vud::ScreenTwips &screen);

// The device pixels under a rectangle of screen pixels given from `origin`,
// at `ratio` device pixels a screen pixel: from the rounded positions of its
// edges, as a picture made at device pixels is cut. A piece's image is cut
// from the grid's picture by the device pixels of its home cell's
// piecePixels, so that pieces in place show the picture exactly as the whole
// picture does.
QRect devicePixels(const QRect &pixels, QPoint origin, double ratio);

// Where a reveal drawing placed at (x, y) pixels of the picture file goes
// when the picture is scaled and cut to cover the grid: its top-left corner in
// pixels from the grid's top-left corner. It is shown at its own size times
// the same scale.
QPointF revealPosition(int x, int y, const vud::PictureFit &fit);
QSize revealSize(QSize natural, const vud::PictureFit &fit);

// Where a carried piece goes (its top-left corner) so that it is centred on
// the pointer. The pointer is given from the top-left corner of the piece
// that reports the move: the carried piece, or another piece when the
// pointer outran the carried one, whose position is then taken over into the
// carried piece's own coordinates.
QPointF carriedPieceTo(QPointF carried, int side, QPointF reporter, QPointF pointer);

// " 1 ) NIVEL : 12 PIEZAS - TIEMPO * 95 * SEGUNDOS - MOVIMIENTOS ** 20 **"
QString resultsLine(int gameNumber, int pieces, qint64 seconds, int moves);
// The longest line the results list has to show in full: game 999 of 108
// pieces, 99999 seconds and 9999 moves.
QString longestResultsLine();

// Adds one, stopping at the type's maximum instead of wrapping around.
template <typename T>
T saturatingIncrement(T value)
{
    return value < std::numeric_limits<T>::max() ? T(value + 1) : value;
}

} // namespace boardlogic
