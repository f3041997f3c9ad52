#include "game/logic/boardlogic.h"

#include "core/random.h"
#include "core/twips.h"

#include <QCoreApplication>
#include <QPointF>
#include <algorithm>
#include <cmath>

namespace boardlogic {

using vud::intDiv;
using vud::roundHalfEven;

GridLayout layOutGrid(double screenWidth, double screenHeight, int columns, int rows,
                      double buttonsLeft)
{
    GridLayout layout;
    if (columns <= 0 || rows <= 0)
        return layout;
    const std::int64_t usable = columns > rows ? intDiv(screenWidth, 10) * 9
                                               : intDiv(screenWidth, 9) * 8;
    std::int64_t cell = usable / columns;
    if (rows * cell > roundHalfEven(screenHeight)) {
        cell = (intDiv(screenHeight, 10) * 9) / rows;
        layout.sizedFromHeight = true;
    }
    // A cell is a 16-bit value; only screens far beyond any real one reach it.
    layout.cellSize = int(std::clamp<std::int64_t>(cell, 0, std::numeric_limits<std::int16_t>::max()));
    // The grid's width is kept in a wide integer, so screens wider than
    // 36400 twips centre the grid instead of overflowing.
    const std::int64_t gridWidth = std::int64_t(columns) * layout.cellSize;
    const std::int64_t gridHeight = std::int64_t(rows) * layout.cellSize;
    layout.gridTop = int(intDiv(screenHeight - double(gridHeight), 2));
    layout.gridLeft = float(buttonsLeft + 325 + double(intDiv(screenWidth - double(gridWidth), 2)));
    return layout;
}

void PieceGrid::reset(int columns, int rows)
{
    m_columns = std::clamp(columns, 1, MaxSide);
    m_rows = std::clamp(rows, 1, MaxSide);
    m_cells.fill(0);
    for (int k = 0; k < count(); ++k)
        set(k % m_columns, k / m_columns, std::int16_t(k));
}

void PieceGrid::swapCells(int c1, int r1, int c2, int r2)
{
    std::swap(m_cells[index(c1, r1)], m_cells[index(c2, r2)]);
}

bool PieceGrid::isSolved() const
{
    bool whole = true;
    for (int k = 0; k < count(); ++k)
        whole = (at(k % m_columns, k / m_columns) == k) && whole;
    return whole;
}

bool PieceGrid::isHome(int piece) const
{
    return piece >= 0 && piece < count() && at(piece % m_columns, piece / m_columns) == piece;
}

QPoint PieceGrid::cellOf(int piece) const
{
    for (int r = 0; r < m_rows; ++r) {
        for (int c = 0; c < m_columns; ++c) {
            if (at(c, r) == piece)
                return QPoint(c, r);
        }
    }
    return QPoint(-1, -1);
}

QVector<CellSwap> shuffle(PieceGrid &grid, vud::RandomSource &random, int swaps)
{
    QVector<CellSwap> done;
    done.reserve(swaps);
    for (int i = 0; i < swaps; ++i) {
        CellSwap s;
        s.row1 = random.below(grid.rows());
        s.column1 = random.below(grid.columns());
        s.row2 = random.below(grid.rows());
        s.column2 = random.below(grid.columns());
        grid.swapCells(s.column1, s.row1, s.column2, s.row2);
        done.append(s);
    }
    return done;
}

std::optional<QPoint> cellAt(double xTwips, double yTwips, const TwipsRect &grid, double gridLeft,
                             int gridTop, int cellSize)
{
    const bool inside = grid.left < xTwips && xTwips < grid.left + grid.width
                        && grid.top < yTwips && yTwips < grid.top + grid.height;
    if (!inside || cellSize <= 0)
        return std::nullopt;
    const int column = int(roundHalfEven(xTwips - gridLeft) / cellSize);
    const int row = int(roundHalfEven(yTwips - gridTop) / cellSize);
    // Rounding a position within half a twip of the far edge would name the
    // cell beyond the grid; that position belongs to the last cell.
    const int lastColumn = std::max(0, int(roundHalfEven(grid.width)) / cellSize - 1);
    const int lastRow = std::max(0, int(roundHalfEven(grid.height)) / cellSize - 1);
    return QPoint(std::clamp(column, 0, lastColumn), std::clamp(row, 0, lastRow));
}

QRect piecePixels(double left, double top, int side, const vud::ScreenTwips &screen)
{
    return screen.toPixels(left, top, side, side);
}

QRect devicePixels(const QRect &pixels, QPoint origin, double ratio)
{
    const auto device = [ratio](int length) { return int(std::lround(length * ratio)); };
    const QRect from = pixels.translated(-origin);
    const int left = device(from.left());
    const int top = device(from.top());
    return QRect(left, top, device(from.left() + from.width()) - left, device(from.top() + from.height()) - top);
}

QPointF revealPosition(int x, int y, const vud::PictureFit &fit)
{
    return QPointF(fit.offset.x() + x * fit.scale, fit.offset.y() + y * fit.scale);
}

QSize revealSize(QSize natural, const vud::PictureFit &fit)
{
    return QSize(int(std::lround(natural.width() * fit.scale)), int(std::lround(natural.height() * fit.scale)));
}

QString longestResultsLine()
{
    return resultsLine(999, 108, 99999, 9999);
}

QPointF carriedPieceTo(QPointF carried, int side, QPointF reporter, QPointF pointer)
{
    double x = pointer.x();
    double y = pointer.y();
    if (reporter != carried) {
        x += reporter.x() - carried.x();
        y += reporter.y() - carried.y();
    }
    const std::int64_t half = roundHalfEven(side) / 2;
    return QPointF(carried.x() - double(half) + x, carried.y() - double(half) + y);
}

QString resultsLine(int gameNumber, int pieces, qint64 seconds, int moves)
{
    //: One line of a child's results list: %1 the game's number, %2 the pieces,
    //: %3 the seconds, %4 the moves. Keep the spaces and signs around them and
    //: keep it as short as the Spanish: the list is as wide as its longest line.
    return QCoreApplication::translate("boardlogic", " %1 ) NIVEL : %2 PIEZAS - TIEMPO * %3 * SEGUNDOS - "
                                                     "MOVIMIENTOS ** %4 **")
        .arg(QString::number(gameNumber), QString::number(pieces), QString::number(seconds), QString::number(moves));
}


} // namespace boardlogic
