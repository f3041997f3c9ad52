#include "game/logic/gamerules.h"

#include <QtTest>
#include <limits>

using namespace boardlogic;

namespace {

// "p>c,r" is a press on piece p with the pointer over cell (c, r); "x"
// takes the carried piece back without a drop.
struct Press
{
    int piece;
    QPoint cell;
    bool cancel = false;
};

QVector<Press> presses(const QString &script)
{
    QVector<Press> out;
    const QStringList tokens = script.split(' ', Qt::SkipEmptyParts);
    for (const QString &token : tokens) {
        if (token == "x") {
            out.append({-1, QPoint(), true});
            continue;
        }
        const QStringList parts = token.split('>');
        const QStringList cell = parts.value(1).split(',');
        out.append({parts.value(0).toInt(), QPoint(cell.value(0).toInt(), cell.value(1).toInt())});
    }
    return out;
}

// One letter per press: N refused, L lift, B put back, S swap, C the swap
// that finishes the game, X taken back without a drop.
QChar letter(const Move &move)
{
    switch (move.kind) {
    case Move::Kind::Lift:
        return 'L';
    case Move::Kind::PutBack:
        return 'B';
    case Move::Kind::Swap:
        return move.completed ? 'C' : 'S';
    case Move::Kind::Cancel:
        return 'X';
    case Move::Kind::Nothing:
        break;
    }
    return 'N';
}

GameRules startingFrom(int columns, int rows, const QVector<int> &cells)
{
    if (cells.isEmpty())
        return GameRules(columns, rows);
    return GameRules::restore(columns, rows, cells, 0, 0).value();
}

} // namespace

class TestGameRules : public QObject
{
    Q_OBJECT

private slots:
    // Presses on a board, and what they do to the grid and the counters.
    void pressesMoveThePieces_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QVector<int>>("start"); // empty: solved
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("moves");
        QTest::addColumn<QVector<int>>("cells");
        QTest::addColumn<int>("moveCount");
        QTest::addColumn<bool>("carrying");
        const QVector<int> solved32{0, 1, 2, 3, 4, 5};
        QTest::newRow("put back counts, changes nothing")
            << 3 << 2 << QVector<int>{} << "1>1,0 1>1,0" << "LB" << solved32 << 1 << false;
        QTest::newRow("swap with the target cell's piece")
            << 3 << 2 << QVector<int>{} << "0>0,0 0>2,1" << "LS" << QVector<int>{5, 1, 2, 3, 4, 0} << 1 << false;
        QTest::newRow("the last swap finishes")
            << 3 << 2 << QVector<int>{1, 0, 2, 3, 4, 5} << "1>0,0 1>1,0" << "LC" << solved32 << 1 << false;
        // A put back on a solved board never finishes a game; only a swap
        // that restores the picture does.
        QTest::newRow("away and back on a solved board")
            << 3 << 2 << QVector<int>{} << "0>0,0 0>1,0 1>0,0 1>1,0" << "LSLC" << solved32 << 2 << false;
        // Pressed on the edge it shares with its neighbour, a piece still
        // trades places from its own cell.
        QTest::newRow("lift on a neighbour's cell")
            << 4 << 3 << QVector<int>{} << "0>1,0 0>2,0" << "LS"
            << QVector<int>{2, 1, 0, 3, 4, 5, 6, 7, 8, 9, 10, 11} << 1 << false;
        // The carried piece did not follow the pointer: another piece takes
        // the press, and the pointer's cell decides the drop.
        QTest::newRow("drop by the pointer's cell")
            << 3 << 2 << QVector<int>{} << "0>0,0 4>2,0" << "LS" << QVector<int>{2, 1, 0, 3, 4, 5} << 1 << false;
        QTest::newRow("carried piece stays in its cell")
            << 3 << 2 << QVector<int>{} << "4>1,1" << "L" << solved32 << 0 << true;
        QTest::newRow("no cell there")
            << 3 << 2 << QVector<int>{} << "4>1,1 4>3,0 4>0,2 4>-1,0" << "LNNN" << solved32 << 0 << true;
        QTest::newRow("no such piece")
            << 3 << 2 << QVector<int>{} << "6>0,0 -1>0,0" << "NN" << solved32 << 0 << false;
        // Taken back without a drop: nothing counted, the grid unchanged,
        // and the next press lifts again.
        QTest::newRow("carry taken back")
            << 3 << 2 << QVector<int>{} << "4>1,1 x x 2>2,0 2>0,0" << "LXNLS" << QVector<int>{2, 1, 0, 3, 4, 5} << 1
            << false;
        QTest::newRow("108 pieces, last corner")
            << 12 << 9 << QVector<int>{} << "107>11,8 107>0,0" << "LS" << QVector<int>{} << 1 << false;
    }
    void pressesMoveThePieces()
    {
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(QVector<int>, start);
        QFETCH(QString, script);
        QFETCH(QVector<int>, cells);
        GameRules game = startingFrom(columns, rows, start);
        QString moves;
        for (const Press &p : presses(script)) {
            const Move move = p.cancel ? game.cancelCarry() : game.press(p.piece, p.cell);
            moves += letter(move);
            // A drop names the cell it came from and the one it went to,
            // and the swap's other piece now lies where the carried one was.
            if (move.kind == Move::Kind::Swap) {
                QCOMPARE(move.to, p.cell);
                QCOMPARE(int(game.grid().at(move.to.x(), move.to.y())), move.piece);
                QCOMPARE(int(game.grid().at(move.from.x(), move.from.y())), move.displaced);
            }
            QCOMPARE(move.isDrop(), move.kind == Move::Kind::PutBack || move.kind == Move::Kind::Swap);
        }
        QTEST(moves, "moves");
        if (!cells.isEmpty())
            QCOMPARE(game.cellPieces(), cells);
        else
            QCOMPARE(int(game.grid().at(0, 0)), 107);
        QTEST(int(game.moveCount()), "moveCount");
        QTEST(game.carrying(), "carrying");
        QCOMPARE(game.isSolved(), moves.endsWith('C') || (moves.count('S') == 0 && start.isEmpty()));
    }

    // The lift records the piece's own cell, the drop goes back to it.
    void liftRemembersTheCell()
    {
        GameRules game = startingFrom(3, 2, {4, 1, 2, 3, 0, 5});
        const Move lift = game.lift(0);
        QCOMPARE(lift.kind, Move::Kind::Lift);
        QCOMPARE(lift.from, QPoint(1, 1));
        QCOMPARE(game.pickCell(), QPoint(1, 1));
        QCOMPARE(game.carriedPiece(), 0);
        QCOMPARE(game.lift(4).kind, Move::Kind::Nothing);
        QCOMPARE(game.drop(QPoint(1, 1)).kind, Move::Kind::PutBack);
        QCOMPARE(game.drop(QPoint(1, 1)).kind, Move::Kind::Nothing);
        QCOMPARE(int(game.moveCount()), 1);
    }

    // The counters stop at their limits instead of turning negative.
    void countersStopAtTheirLimits()
    {
        GameRules game = GameRules::restore(3, 2, {0, 1, 2, 3, 4, 5}, 32766,
                                            std::numeric_limits<qint32>::max() - 1)
                             .value();
        game.press(0, {0, 0});
        game.press(0, {0, 0});
        QCOMPARE(game.moveCount(), std::int16_t(32767));
        game.press(0, {0, 0});
        game.press(0, {1, 0});
        QCOMPARE(game.moveCount(), std::int16_t(32767));
        QCOMPARE(game.secondPassed(), std::numeric_limits<qint32>::max());
        QCOMPARE(game.secondPassed(), std::numeric_limits<qint32>::max());
    }

    // A saved game comes back as it was, and a damaged one is refused
    // instead of giving a board that loses or doubles pieces.
    void restoreTakesOnlyWholeGames_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QVector<int>>("cells");
        QTest::addColumn<int>("moves");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<bool>("valid");
        QTest::newRow("shuffled") << 3 << 2 << QVector<int>{5, 3, 1, 0, 2, 4} << 17 << 95 << true;
        QTest::newRow("finished") << 3 << 2 << QVector<int>{0, 1, 2, 3, 4, 5} << 1 << 0 << true;
        QTest::newRow("a piece twice") << 3 << 2 << QVector<int>{0, 1, 2, 3, 4, 4} << 0 << 0 << false;
        QTest::newRow("a piece too many") << 3 << 2 << QVector<int>{0, 1, 2, 3, 4, 6} << 0 << 0 << false;
        QTest::newRow("negative piece") << 3 << 2 << QVector<int>{0, 1, 2, 3, 4, -1} << 0 << 0 << false;
        QTest::newRow("cells missing") << 3 << 2 << QVector<int>{0, 1, 2, 3, 4} << 0 << 0 << false;
        QTest::newRow("no columns") << 0 << 2 << QVector<int>{} << 0 << 0 << false;
        QTest::newRow("wider than the grid") << 17 << 1 << QVector<int>{} << 0 << 0 << false;
        QTest::newRow("negative moves") << 3 << 2 << QVector<int>{0, 1, 2, 3, 4, 5} << -1 << 0 << false;
        QTest::newRow("negative seconds") << 3 << 2 << QVector<int>{0, 1, 2, 3, 4, 5} << 0 << -1 << false;
    }
    void restoreTakesOnlyWholeGames()
    {
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(QVector<int>, cells);
        QFETCH(int, moves);
        QFETCH(int, seconds);
        QFETCH(bool, valid);
        if (columns == 17) {
            for (int k = 0; k < 17; ++k)
                cells.append(k);
        }
        const std::optional<GameRules> game = GameRules::restore(columns, rows, cells, std::int16_t(moves), seconds);
        QCOMPARE(game.has_value(), valid);
        if (!game)
            return;
        QCOMPARE(game->cellPieces(), cells);
        QCOMPARE(int(game->moveCount()), moves);
        QCOMPARE(game->elapsedSeconds(), seconds);
        QVERIFY(!game->carrying());
        for (int k = 0; k < cells.size(); ++k)
            QCOMPARE(game->grid().cellOf(cells.at(k)), QPoint(k % columns, k / columns));
    }
};

QTEST_MAIN(TestGameRules)
#include "tst_gamerules.moc"
