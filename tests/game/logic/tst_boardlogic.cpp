#include "game/logic/boardlogic.h"
#include "game/logic/screenlogic.h"
#include "support/testsupport.h"
#include "support/workedlayouts.h"

#include <QtTest>

using namespace boardlogic;

namespace {

constexpr double kButtonColumnRight = 735;

} // namespace

class TestBoardLogic : public QObject
{
    Q_OBJECT

private slots:
    // A wrong cell size or offset puts every piece off its cell and out of
    // line with the whole picture.
    void layoutGivesTheWorkedValues_data()
    {
        QTest::addColumn<double>("screenWidth");
        QTest::addColumn<double>("screenHeight");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("cellSize");
        QTest::addColumn<int>("top");
        QTest::addColumn<double>("left");
        for (const vudtest::WorkedLayout &w : vudtest::workedLayouts()) {
            QTest::newRow(w.tag()) << w.screenPixels.width() * 15.0 << w.screenPixels.height() * 15.0 << w.columns
                                   << w.rows << w.cellSize << w.gridTop << w.gridLeft;
        }
    }
    void layoutGivesTheWorkedValues()
    {
        QFETCH(double, screenWidth);
        QFETCH(double, screenHeight);
        QFETCH(int, columns);
        QFETCH(int, rows);
        const GridLayout layout = layOutGrid(screenWidth, screenHeight, columns, rows);
        QTEST(layout.cellSize, "cellSize");
        QTEST(layout.gridTop, "top");
        QTEST(layout.gridLeft, "left");
    }

    // On 4:3 and 5:4 screens the width alone sizes the cell; on wide screens
    // the grid must still fit, or rows fall off the screen and the puzzle
    // cannot be finished.
    void everyCountFitsTheScreen_data()
    {
        QTest::addColumn<int>("widthPixels");
        QTest::addColumn<int>("heightPixels");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        const QSize screens[] = {{800, 600}, {1024, 768}, {1280, 1024}, {1920, 1080}, {1366, 768}};
        for (const QSize &s : screens) {
            for (int button = 0; button < Screens::PieceCountButtons; ++button) {
                const Screens::PieceCount count = Screens::pieceCount(button);
                QTest::addRow("%dx%d %dx%d", s.width(), s.height(), count.columns, count.rows)
                    << s.width() << s.height() << int(count.columns) << int(count.rows);
            }
        }
    }
    void everyCountFitsTheScreen()
    {
        QFETCH(int, widthPixels);
        QFETCH(int, heightPixels);
        QFETCH(int, columns);
        QFETCH(int, rows);
        const double w = widthPixels * 15.0;
        const double h = heightPixels * 15.0;
        const GridLayout layout = layOutGrid(w, h, columns, rows);
        const int widthRule = int((int(w) / 10 * 9) / columns);
        const bool wide = widthPixels * 3 > heightPixels * 4;
        if (wide) {
            QVERIFY(layout.sizedFromHeight);
            QCOMPARE(layout.cellSize, (int(h) / 10 * 9) / rows);
        } else {
            QVERIFY(!layout.sizedFromHeight);
            QCOMPARE(layout.cellSize, widthRule);
        }
        QVERIFY(layout.gridTop >= 0);
        QVERIFY(layout.gridTop + layout.height(rows) <= h);
        QVERIFY(layout.gridLeft >= kButtonColumnRight);
        QVERIFY(layout.gridLeft + layout.width(columns) <= w);

        // The pieces in their cells tile the grid's pixels: each shares its
        // right and bottom edges with its neighbours', without a gap or an
        // overlap, and the last ones end where the grid does.
        const vud::ScreenTwips screen = vud::screenTwipsFor(widthPixels, heightPixels);
        const QRect grid = screen.toPixels(layout.gridLeft, layout.gridTop, layout.width(columns), layout.height(rows));
        const auto piece = [&](int c, int r) {
            return piecePixels(layout.gridLeft + double(c) * layout.cellSize, layout.gridTop + r * layout.cellSize,
                               layout.cellSize, screen);
        };
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c) {
                const QRect own = piece(c, r);
                QVERIFY(qAbs(own.width() - own.height()) <= 1);
                const int right = c + 1 < columns ? piece(c + 1, r).left() : grid.left() + grid.width();
                const int bottom = r + 1 < rows ? piece(c, r + 1).top() : grid.top() + grid.height();
                QCOMPARE(own.left() + own.width(), right);
                QCOMPARE(own.top() + own.height(), bottom);
            }
        }
        QCOMPARE(piece(0, 0).topLeft(), grid.topLeft());
    }

    // A piece covers the pixels between the rounded positions of its edges,
    // and its image is cut from the grid's picture at the device pixels
    // under them. At 1024 x 768 the 6 cells are 307.2 pixels, the 12 cells
    // 230.4: a piece may be a pixel wider or higher than its neighbour.
    void piecesCoverTheirRoundedEdges_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QPointF>("topLeft");
        QTest::addColumn<int>("side");
        QTest::addColumn<QRect>("pixels");
        QTest::addColumn<QPoint>("origin");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<QRect>("device");
        // 1093 / 15 = 72.87 to 5701 / 15 = 380.07; 1152 / 15 = 76.8 to 384.
        QTest::newRow("6 pieces, first") << QSize(1024, 768) << QPointF(1093, 1152) << 4608
                                         << QRect(73, 77, 307, 307) << QPoint(73, 77) << 1.0
                                         << QRect(0, 0, 307, 307);
        // 5701 / 15 = 380.07 to 10309 / 15 = 687.27.
        QTest::newRow("6 pieces, second") << QSize(1024, 768) << QPointF(5701, 1152) << 4608
                                          << QRect(380, 77, 307, 307) << QPoint(73, 77) << 1.0
                                          << QRect(307, 0, 307, 307);
        QTest::newRow("6 pieces, second at 200 %") << QSize(1024, 768) << QPointF(5701, 1152) << 4608
                                                   << QRect(380, 77, 307, 307) << QPoint(73, 77) << 2.0
                                                   << QRect(614, 0, 614, 614);
        // 4549 / 15 = 303.27 to 8005 / 15 = 533.67; 576 / 15 = 38.4 to 268.8.
        QTest::newRow("12 pieces, one pixel wider") << QSize(1024, 768) << QPointF(4549, 576) << 3456
                                                    << QRect(303, 38, 231, 231) << QPoint(73, 38) << 1.0
                                                    << QRect(230, 0, 231, 231);
        // 230 * 1.5 = 345 to 461 * 1.5 = 691.5, which rounds up.
        QTest::newRow("12 pieces at 150 %") << QSize(1024, 768) << QPointF(4549, 576) << 3456
                                            << QRect(303, 38, 231, 231) << QPoint(73, 38) << 1.5
                                            << QRect(345, 0, 347, 347);
        // A piece carried off its cell: 67.17 to 307.17, and 60.5 to 300.5,
        // halves to even.
        QTest::newRow("carried") << QSize(800, 600) << QPointF(1007.5, 907.5) << 3600
                                 << QRect(67, 60, 240, 240) << QPoint(62, 60) << 1.0
                                 << QRect(5, 0, 240, 240);
    }
    void piecesCoverTheirRoundedEdges()
    {
        QFETCH(QSize, screen);
        QFETCH(QPointF, topLeft);
        QFETCH(int, side);
        QFETCH(QRect, pixels);
        QFETCH(QPoint, origin);
        QFETCH(double, ratio);
        const vud::ScreenTwips twips = vud::screenTwipsFor(screen.width(), screen.height());
        QCOMPARE(piecePixels(topLeft.x(), topLeft.y(), side, twips), pixels);
        QTEST(devicePixels(pixels, origin, ratio), "device");
    }

    void layoutWithTheButtonsMovedRight()
    {
        // The grid follows the Left of the buttons' column.
        QCOMPARE(layOutGrid(12000, 9000, 3, 2, 100).gridLeft, 1025.0);
    }

    void gridStartsSolvedAndTracksSwaps()
    {
        PieceGrid grid;
        grid.reset(3, 2);
        QCOMPARE(grid.count(), 6);
        QCOMPARE(grid.at(0, 0), 0);
        QCOMPARE(grid.at(2, 0), 2);
        QCOMPARE(grid.at(0, 1), 3);
        QCOMPARE(grid.at(2, 1), 5);
        QVERIFY(grid.isSolved());

        grid.swapCells(0, 0, 2, 1);
        QVERIFY(!grid.isSolved());
        QVERIFY(!grid.isHome(0));
        QVERIFY(!grid.isHome(5));
        QVERIFY(grid.isHome(1));
        QCOMPARE(grid.cellOf(5), QPoint(0, 0));
        grid.swapCells(2, 1, 0, 0);
        QVERIFY(grid.isSolved());

        grid.reset(12, 9);
        QCOMPARE(grid.at(11, 8), 107);
        QVERIFY(grid.isSolved());
    }

    // Only the last cell out of place must still count as unsolved.
    void lastCellOutOfPlaceIsNotSolved()
    {
        PieceGrid grid;
        grid.reset(12, 9);
        grid.swapCells(10, 8, 11, 8);
        QVERIFY(!grid.isSolved());
    }

    // The draw order r1, c1, r2, c2 decides which cells trade places.
    void shuffleDrawsRowColumnRowColumn()
    {
        PieceGrid grid;
        grid.reset(3, 2);
        // r1 = 1, c1 = 0, r2 = 0, c2 = 2; then every draw is 0: no-ops.
        vudtest::ScriptedRandom random({0.9, 0.1, 0.0, 0.99, 0.0});
        const QVector<CellSwap> swaps = shuffle(grid, random);
        QCOMPARE(swaps.size(), 100);
        QCOMPARE(random.drawn, 400);
        QCOMPARE(swaps.first().row1, 1);
        QCOMPARE(swaps.first().column1, 0);
        QCOMPARE(swaps.first().row2, 0);
        QCOMPARE(swaps.first().column2, 2);
        QCOMPARE(grid.at(0, 1), 2);
        QCOMPARE(grid.at(2, 0), 3);
        for (int i = 1; i < swaps.size(); ++i)
            QCOMPARE(swaps.at(i).column1 + swaps.at(i).row1 + swaps.at(i).column2 + swaps.at(i).row2, 0);
    }

    void shuffleStaysInsideTheGrid()
    {
        PieceGrid grid;
        grid.reset(12, 9);
        // Fractions just below 1 must still give the last row and column.
        vudtest::ScriptedRandom random({0.999999, 0.999999, 0.0, 0.0});
        shuffle(grid, random);
        QCOMPARE(grid.at(11, 8), 0);
        QCOMPARE(grid.at(0, 0), 107);
    }

    // A click on the grid's edge is outside; a click just inside picks the
    // cell under it.
    void cellUnderThePointer_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<bool>("inside");
        QTest::addColumn<QPoint>("cell");
        // The 6-piece board of 800 x 600: 925, 900, 10800 x 7200, cell 3600.
        QTest::newRow("first cell") << 930.0 << 905.0 << true << QPoint(0, 0);
        QTest::newRow("left edge") << 925.0 << 2000.0 << false << QPoint();
        QTest::newRow("right edge") << 11725.0 << 2000.0 << false << QPoint();
        QTest::newRow("top edge") << 2000.0 << 900.0 << false << QPoint();
        QTest::newRow("bottom edge") << 2000.0 << 8100.0 << false << QPoint();
        QTest::newRow("left of grid") << 100.0 << 2000.0 << false << QPoint();
        QTest::newRow("below grid") << 2000.0 << 8800.0 << false << QPoint();
        QTest::newRow("inside x only") << 2000.0 << 8101.0 << false << QPoint();
        QTest::newRow("second column starts") << 4525.0 << 2000.0 << true << QPoint(1, 0);
        QTest::newRow("just before second column") << 4524.4 << 2000.0 << true << QPoint(0, 0);
        QTest::newRow("half twip rounds to even") << 4524.5 << 2000.0 << true << QPoint(1, 0);
        QTest::newRow("second row") << 2000.0 << 4500.0 << true << QPoint(0, 1);
        QTest::newRow("last cell") << 11724.0 << 8099.0 << true << QPoint(2, 1);
        // Rounding half a twip from the far edge must not name a fourth column.
        QTest::newRow("far edge rounding") << 11724.6 << 8099.6 << true << QPoint(2, 1);
    }
    void cellUnderThePointer()
    {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(bool, inside);
        const TwipsRect grid{925, 900, 10800, 7200};
        const std::optional<QPoint> cell = cellAt(x, y, grid, 925, 900, 3600);
        QCOMPARE(cell.has_value(), inside);
        if (inside)
            QTEST(*cell, "cell");
    }

    // A carried piece is centred on the pointer: half its side (whole
    // twips, halves to even, then halved) back from the pointer, whichever
    // piece reports the move.
    void carriedPieceFollowsThePointer_data()
    {
        QTest::addColumn<QPointF>("carried");
        QTest::addColumn<int>("side");
        QTest::addColumn<QPointF>("reporter");
        QTest::addColumn<QPointF>("pointer");
        QTest::addColumn<QPointF>("to");
        QTest::newRow("over the carried piece") << QPointF(1000, 900) << 3600 << QPointF(1000, 900)
                                                << QPointF(1800, 2000) << QPointF(1000, 1100);
        QTest::newRow("odd side") << QPointF(0, 0) << 735 << QPointF(0, 0) << QPointF(367, 367) << QPointF(0, 0);
        QTest::newRow("outrun: another piece reports") << QPointF(1000, 900) << 3600 << QPointF(4600, 900)
                                                       << QPointF(100, 50) << QPointF(2900, -850);
    }
    void carriedPieceFollowsThePointer()
    {
        QFETCH(QPointF, carried);
        QFETCH(int, side);
        QFETCH(QPointF, reporter);
        QFETCH(QPointF, pointer);
        QTEST(carriedPieceTo(carried, side, reporter, pointer), "to");
    }

    void resultsLineIsExact_data()
    {
        QTest::addColumn<int>("game");
        QTest::addColumn<int>("pieces");
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<int>("moves");
        QTest::addColumn<QString>("line");
        QTest::newRow("first game") << 1 << 12 << qint64(95) << 20
                                    << " 1 ) NIVEL : 12 PIEZAS - TIEMPO * 95 * SEGUNDOS - MOVIMIENTOS ** 20 **";
        QTest::newRow("under a second") << 2 << 6 << qint64(0) << 1
                                        << " 2 ) NIVEL : 6 PIEZAS - TIEMPO * 0 * SEGUNDOS - MOVIMIENTOS ** 1 **";
        QTest::newRow("at the limits") << 32768 << 108 << qint64(2147483647) << 32767
                                       << " 32768 ) NIVEL : 108 PIEZAS - TIEMPO * 2147483647 * SEGUNDOS - MOVIMIENTOS ** 32767 **";
    }
    void resultsLineIsExact()
    {
        QFETCH(int, game);
        QFETCH(int, pieces);
        QFETCH(qint64, seconds);
        QFETCH(int, moves);
        QTEST(resultsLine(game, pieces, seconds, moves), "line");
    }

    // The counters stop at their limit: a wrapped counter would show a
    // negative number of moves or seconds.
    void countersStopAtTheirLimit()
    {
        QCOMPARE(saturatingIncrement<qint16>(0), qint16(1));
        QCOMPARE(saturatingIncrement<qint16>(32766), qint16(32767));
        QCOMPARE(saturatingIncrement<qint16>(32767), qint16(32767));
        QCOMPARE(saturatingIncrement<qint32>(2147483647), qint32(2147483647));
    }

    void resultsWindowPlacement_data()
    {
        QTest::addColumn<double>("screenWidth");
        QTest::addColumn<double>("screenHeight");
        QTest::addColumn<double>("formWidth");
        QTest::addColumn<double>("formHeight");
        QTest::addColumn<QPointF>("at");
        QTest::newRow("800x600, no frame") << 12000.0 << 9000.0 << 10350.0 << 5700.0 << QPointF(1125, 1650);
        QTest::newRow("1024x768, no frame") << 15360.0 << 11520.0 << 10350.0 << 5700.0 << QPointF(2805, 2910);
        QTest::newRow("with frame") << 12000.0 << 9000.0 << 10530.0 << 6105.0 << QPointF(1035, 1447);
        QTest::newRow("halves to even, down") << 12000.0 << 9000.0 << 10349.5 << 5700.0 << QPointF(1125, 1650);
        QTest::newRow("halves to even, up") << 12000.0 << 9000.0 << 10348.5 << 5700.0 << QPointF(1126, 1650);
        QTest::newRow("larger than the screen") << 9000.0 << 6000.0 << 10350.0 << 5700.0 << QPointF(-375, 150);
    }
    void resultsWindowPlacement()
    {
        QFETCH(double, screenWidth);
        QFETCH(double, screenHeight);
        QFETCH(double, formWidth);
        QFETCH(double, formHeight);
        QTEST(Screens::resultsWindowPosition(screenWidth, screenHeight, formWidth, formHeight), "at");
    }
};

QTEST_APPLESS_MAIN(TestBoardLogic)
#include "tst_boardlogic.moc"
