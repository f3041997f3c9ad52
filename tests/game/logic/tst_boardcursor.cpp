#include "game/logic/boardcursor.h"
#include "game/logic/gamerules.h"
#include "game/logic/scansettings.h"

#include <QtTest>

using namespace boardlogic;

namespace {

// A clock that ticks only when told to.
class FakeClock : public ScanClock
{
public:
    void start(int intervalMs) override
    {
        interval = intervalMs;
        running = true;
        ++starts;
    }
    void stop() override { running = false; }
    void tick(int times = 1)
    {
        for (int k = 0; k < times && running; ++k)
            onTick();
    }

    int interval = 0;
    int starts = 0;
    bool running = false;
};

} // namespace

class TestBoardCursor : public QObject
{
    Q_OBJECT

private slots:
    // Arrow steps from the hidden highlight: the first only shows it.
    void cursorStopsAtTheEdges_data()
    {
        QTest::addColumn<QString>("arrows"); // l r u d
        QTest::addColumn<QPoint>("cell");
        QTest::newRow("first key only shows") << "r" << QPoint(0, 0);
        QTest::newRow("then moves") << "rrd" << QPoint(1, 1);
        QTest::newRow("left and top edges") << "dluluu" << QPoint(0, 0);
        QTest::newRow("right and bottom edges") << "drrrrrrdddd" << QPoint(2, 1);
    }
    void cursorStopsAtTheEdges()
    {
        QFETCH(QString, arrows);
        BoardCursor cursor;
        cursor.reset(3, 2);
        QVERIFY(!cursor.shown());
        for (QChar a : arrows)
            cursor.move(a == 'l' ? -1 : a == 'r' ? 1 : 0, a == 'u' ? -1 : a == 'd' ? 1 : 0);
        QVERIFY(cursor.shown());
        QTEST(cursor.cell(), "cell");
    }

    // The cell reached by a script of clock steps (s) and switch presses
    // (p) on a 4 x 3 grid, the stage it ends in and the cells chosen.
    void scanReachesTheCell_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("stage");
        QTest::addColumn<QPoint>("highlighted");
        QTest::addColumn<QVector<QPoint>>("chosen");
        using S = RowColumnScan::Stage;
        QTest::newRow("rows step on") << "ss" << int(S::Rows) << QPoint(0, 2) << QVector<QPoint>{};
        QTest::newRow("rows wrap to the top") << "sss" << int(S::Rows) << QPoint(0, 0) << QVector<QPoint>{};
        QTest::newRow("row chosen") << "sp" << int(S::Cells) << QPoint(0, 1) << QVector<QPoint>{};
        QTest::newRow("cell chosen, back to the top row")
            << "spssp" << int(S::Rows) << QPoint(0, 0) << QVector<QPoint>{{2, 1}};
        QTest::newRow("first cell at once") << "pp" << int(S::Rows) << QPoint(0, 0) << QVector<QPoint>{{0, 0}};
        QTest::newRow("a pass with no press goes back to rows")
            << "sspssss" << int(S::Rows) << QPoint(0, 2) << QVector<QPoint>{};
        QTest::newRow("and on over the rows") << "sspsssss" << int(S::Rows) << QPoint(0, 0) << QVector<QPoint>{};
        QTest::newRow("two choices") << "ssspsssp" "sspsp" << int(S::Rows) << QPoint(0, 0)
                                     << QVector<QPoint>{{3, 0}, {1, 2}};
    }
    void scanReachesTheCell()
    {
        QFETCH(QString, script);
        QFETCH(int, stage);
        QFETCH(QPoint, highlighted);
        FakeClock clock;
        RowColumnScan scan(clock);
        int changes = 0;
        scan.onChange = [&changes] { ++changes; };
        scan.start(4, 3, 1500);
        QCOMPARE(clock.interval, 1500);
        QVERIFY(clock.running);
        QVector<QPoint> chosen;
        for (QChar c : script) {
            if (c == 's') {
                clock.tick();
            } else if (std::optional<QPoint> cell = scan.press()) {
                chosen.append(*cell);
            }
        }
        QCOMPARE(int(scan.stage()), stage);
        QCOMPARE(scan.stage() == RowColumnScan::Stage::Rows ? QPoint(0, scan.row()) : scan.cell(), highlighted);
        QTEST(chosen, "chosen");
        QCOMPARE(changes, script.size() + 1);
        // Every press restarts the wait, so the next row or cell gets a whole
        // step.
        QCOMPARE(clock.starts, 1 + int(script.count('p')));
        scan.stop();
        QVERIFY(!clock.running);
        QVERIFY(!scan.press());
    }

    void paceIsKeptWithinReason_data()
    {
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("kept");
        QTest::newRow("default") << int(RowColumnScan::DefaultIntervalMs) << 1500;
        QTest::newRow("slow") << 4000 << 4000;
        QTest::newRow("too fast") << 10 << 200;
        QTest::newRow("too slow") << 600000 << 60000;
    }
    void paceIsKeptWithinReason()
    {
        QFETCH(int, asked);
        FakeClock clock;
        RowColumnScan scan(clock);
        scan.start(3, 2, asked);
        QTEST(clock.interval, "kept");
        QTEST(scan.intervalMs(), "kept");
    }

    // vud2's command line over the kept settings.
    void commandLineSetsScanning_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("intervalMs");
        QTest::addColumn<bool>("error");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("nothing") << QStringList{} << false << 1500 << false << QStringList{};
        QTest::newRow("a puzzle file")
            << QStringList{"--scan", "a.vud"} << true << 1500 << false << QStringList{"a.vud"};
        QTest::newRow("scan") << QStringList{"--scan"} << true << 1500 << false << QStringList{};
        QTest::newRow("slower") << QStringList{"--scan", "--scan-pace", "2.5"} << true << 2500 << false << QStringList{};
        QTest::newRow("pace with =") << QStringList{"--scan-pace=0.75"} << false << 750 << false << QStringList{};
        QTest::newRow("pace with a decimal comma") << QStringList{"--scan-pace", "1,25"} << false << 1250 << false << QStringList{};
        QTest::newRow("off again") << QStringList{"--scan", "--no-scan"} << false << 1500 << false << QStringList{};
        QTest::newRow("pace too fast") << QStringList{"--scan-pace", "0.01"} << false << 1500 << true << QStringList{};
        QTest::newRow("pace missing") << QStringList{"--scan-pace"} << false << 1500 << true << QStringList{};
        QTest::newRow("unknown") << QStringList{"--fast"} << false << 1500 << true << QStringList{};
    }
    void commandLineSetsScanning()
    {
        QFETCH(QStringList, arguments);
        QTemporaryDir dir;
        QSettings settings(dir.filePath("vud2.conf"), QSettings::IniFormat);
        ScanSettings scan = ScanSettings::read(settings);
        QStringList files;
        const QString error = applyScanOptions(QStringList{"vud2"} + arguments, scan, &files);
        QTEST(!error.isEmpty(), "error");
        if (error.isEmpty())
            QTEST(files, "files");
        QTEST(scan.on, "on");
        QTEST(scan.intervalMs, "intervalMs");
        // Kept for the next run.
        scan.write(settings);
        QSettings again(dir.filePath("vud2.conf"), QSettings::IniFormat);
        const ScanSettings kept = ScanSettings::read(again);
        QTEST(kept.on, "on");
        QTEST(kept.intervalMs, "intervalMs");
    }

    // A child with one key solves a shuffled 6-piece board: the key only
    // ever says "this one", the clock does the rest.
    void oneKeySolvesASixPieceGame()
    {
        GameRules game = GameRules::restore(3, 2, {4, 2, 5, 0, 3, 1}, 0, 0).value();
        FakeClock clock;
        RowColumnScan scan(clock);
        scan.start(game.columns(), game.rows());
        int presses = 0;
        int ticks = 0;
        // Waits for the scan to reach a cell, then presses to choose it.
        const auto choose = [&](QPoint cell) {
            while (scan.row() != cell.y() || scan.stage() != RowColumnScan::Stage::Rows) {
                clock.tick();
                ++ticks;
            }
            QVERIFY(!scan.press());
            ++presses;
            while (scan.cell() != cell) {
                clock.tick();
                ++ticks;
            }
            QCOMPARE(scan.stage(), RowColumnScan::Stage::Cells);
            const std::optional<QPoint> chosen = scan.press();
            ++presses;
            QCOMPARE(chosen, std::optional<QPoint>(cell));
            const Move move = game.carrying() ? game.drop(cell) : game.lift(game.grid().at(cell.x(), cell.y()));
            QVERIFY(move.kind != Move::Kind::Nothing);
        };
        while (!game.isSolved() && presses < 100) {
            // Lift the piece lying in the first cell that is wrong, and drop
            // it on its own home.
            int k = 0;
            while (game.grid().at(k % 3, k / 3) == k)
                ++k;
            const int piece = game.grid().at(k % 3, k / 3);
            choose(QPoint(k % 3, k / 3));
            choose(QPoint(piece % 3, piece / 3));
        }
        QVERIFY(game.isSolved());
        QVERIFY(game.moveCount() <= 5);
        QCOMPARE(presses, 4 * int(game.moveCount()));
        QVERIFY(ticks > 0);
    }
};

QTEST_MAIN(TestBoardCursor)
#include "tst_boardcursor.moc"
