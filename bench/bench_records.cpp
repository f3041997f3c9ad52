// Times what remembering each child costs, side by side in one run:
//   1. the save after a drop: the drop's own work on the grid, the call the
//      window's thread makes to hand the board to the writer thread, and the
//      write itself (done on that thread), median and worst;
//   2. the first use of a results database of 100,000 games for 1,000
//      children against an empty one: what the window's thread does before
//      the first window (making the writer), and the writer's first answer
//      (opening the file and reading the child's board);
//   3. the progress window for a child of 10,000 games against one of 10:
//      made, filled and drawn;
//   4. a drop on the real board (Form3) with the game saving after it
//      (GameApp with a writer) against the same drop with nothing saved;
//   5. the game's start to its first window drawn, with the database of
//      100,000 games against an empty one, and the child's board offered
//      after "CONTINUAR" from each.
// Every case checks that it did its work (the board saved is the one read
// back, the database holds its games, the window lists and draws them);
// otherwise the run fails.
//
//   bench_records            full rounds, medians
//   bench_records --quick    a few rounds (a check that every case works)

#include "editor/ui/dialogs.h"
#include "editor/ui/progresschart.h"
#include "editor/ui/progresswindow.h"
#include "game/logic/boardlogic.h"
#include "game/ui/board.h"
#include "game/ui/gameapp.h"
#include "game/ui/resumeoffer.h"
#include "game/ui/start.h"
#include "core/random.h"
#include "widgets/sound.h"
#include "records/resultsstore.h"
#include "records/resultswriter.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>
#include <QVariant>

#include <algorithm>
#include <ctime>
#include <functional>
#include <vector>

namespace {

QTextStream out(stdout);
QTextStream err(stderr);

struct Timing
{
    double median = 0;
    double worst = 0;
};

Timing timing(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.back()};
}

// Processor time of the whole process: on a busy machine, the work itself
// without the waits for a processor.
double cpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double msSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// Dialogs that are never shown: the benchmark only opens and draws.
class NoDialogs : public Editor::Dialogs
{
public:
    std::optional<QString> askText(QWidget *, const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    bool askYesNo(QWidget *, const QString &) override { return false; }
    void showMessage(QWidget *, const QString &) override {}
    std::optional<QString> askSaveFile(QWidget *, const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    std::optional<QString> askPuzzleFile(QWidget *, FileChoice, const QString &) override { return std::nullopt; }
};

// Fills the database with games, in one transaction, as years of play would.
// Each child's games are spread over two years; the child "Niño 0" gets
// firstChildGames of them.
bool fillGames(const QString &path, int children, int games, int firstChildGames = 0)
{
    {
        records::ResultsStore store(path);
        if (!store.open())
            return false;
    }
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
        db.setDatabaseName(path);
        ok = db.open() && db.transaction();
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral("INSERT INTO games (child, child_key, ended_ms, ended_offset, picture, pieces, "
                                      "seconds, moves) VALUES (?, ?, ?, 0, ?, ?, ?, ?)"));
        const qint64 start = QDateTime(QDate(2025, 1, 1), QTime(9, 0), Qt::UTC).toMSecsSinceEpoch();
        const int pieces[] = {6, 12, 20, 48, 108};
        for (int i = 0; i < games && ok; ++i) {
            const int child = firstChildGames == 0 ? i % children : i < firstChildGames ? 0 : 1 + i % (children - 1);
            const QString name = QStringLiteral("Niño %1").arg(child);
            insert.addBindValue(name);
            insert.addBindValue(records::childKey(name));
            insert.addBindValue(start + qint64(i) * (2 * 365 * 24 * 3600 * 1000LL / games));
            insert.addBindValue(QStringLiteral("/usr/share/vud/imagenes/foto%1.jpg").arg(i % 40));
            insert.addBindValue(pieces[i % 5]);
            insert.addBindValue(30 + int((qint64(i) * 7919) % 600));
            insert.addBindValue(10 + int((qint64(i) * 104729) % 150));
            ok = insert.exec();
        }
        ok = ok && db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
    return ok;
}

// A 48-piece board in play for the child.
records::UnfinishedBoard boardFor(const QString &child, const QString &picture, int moves)
{
    records::UnfinishedBoard board{child, picture, records::pictureStamp(picture), 8, 6, {}, moves, moves * 2};
    for (int i = 0; i < 48; ++i)
        board.pieces << (i + moves) % 48;
    return board;
}

bool saveAfterDrop(const QString &folder, int drops)
{
    const QString picture = folder + QStringLiteral("/foto.jpg");
    QImage(64, 48, QImage::Format_RGB32).save(picture);
    const QString path = folder + QStringLiteral("/guardar.sqlite");

    // The drop's own work on the grid: the swap and the completion check.
    boardlogic::PieceGrid grid;
    grid.reset(8, 6);
    std::vector<double> dropTimes, handTimes, writeTimes;
    int solved = 0;
    records::UnfinishedBoard last;
    {
        records::ResultsWriter writer(path);
        // The first write opens and makes the database: not a drop's cost.
        writer.saveBoard(boardFor(QStringLiteral("Ana"), picture, 0));
        writer.flush();
        for (int i = 1; i <= drops; ++i) {
            QElapsedTimer timer;
            timer.start();
            grid.swapCells(i % 8, i % 6, (i * 5) % 8, (i * 3) % 6);
            solved += grid.isSolved() ? 1 : 0;
            dropTimes.push_back(msSince(timer));

            last = boardFor(QStringLiteral("Ana"), picture, i);
            timer.restart();
            writer.saveBoard(last);
            handTimes.push_back(msSince(timer));
            // A child drops a piece about once a second; the writer is
            // given the time to write before the next.
            writer.flush();
        }
        if (!writer.errorText().isEmpty()) {
            err << "save after a drop: " << writer.errorText() << "\n";
            return false;
        }
    }
    records::ResultsStore check(path);
    const std::optional<records::UnfinishedBoard> saved = check.loadBoard(QStringLiteral("ana"));
    if (!saved || !(*saved == last) || solved == drops) {
        err << "save after a drop: the board read back is not the last one saved\n";
        return false;
    }

    // The same write as the writer thread does it, timed on its own.
    for (int i = 1; i <= drops; ++i) {
        const records::UnfinishedBoard board = boardFor(QStringLiteral("Ana"), picture, i);
        QElapsedTimer timer;
        timer.start();
        const bool ok = check.saveBoard(board);
        writeTimes.push_back(msSince(timer));
        if (!ok) {
            err << "save after a drop: " << check.errorText() << "\n";
            return false;
        }
    }
    const Timing drop = timing(dropTimes), hand = timing(handTimes), write = timing(writeTimes);
    out << "1. Save after a drop (" << drops << " drops, 48 pieces), ms: median / worst\n";
    out << QStringLiteral("   drop on the grid                  %1 / %2\n").arg(drop.median, 0, 'f', 4).arg(drop.worst, 0, 'f', 4);
    out << QStringLiteral("   + hand the board to the writer    %1 / %2   (window's thread; %3 x the drop)\n")
               .arg(hand.median, 0, 'f', 4).arg(hand.worst, 0, 'f', 4).arg(hand.median / qMax(drop.median, 1e-6), 0, 'f', 1);
    out << QStringLiteral("   the write, on the writer thread   %1 / %2   (never on the window's thread)\n")
               .arg(write.median, 0, 'f', 4).arg(write.worst, 0, 'f', 4);
    out << QStringLiteral("   drop with its save, window's thread: %1 ms median, %2 ms worst (aim: 2 ms)\n")
               .arg(drop.median + hand.median, 0, 'f', 4).arg(drop.worst + hand.worst, 0, 'f', 4);
    return true;
}

bool firstUse(const QString &folder, int rounds)
{
    const QString empty = folder + QStringLiteral("/vacia.sqlite");
    const QString big = folder + QStringLiteral("/grande.sqlite");
    const QString picture = folder + QStringLiteral("/foto.jpg");
    QImage(64, 48, QImage::Format_RGB32).save(picture);
    QElapsedTimer filling;
    filling.start();
    if (!fillGames(big, 1000, 100000) || !fillGames(empty, 1, 0)) {
        err << "first use: the databases could not be filled\n";
        return false;
    }
    const double fillMs = msSince(filling);
    for (const QString &path : {empty, big}) {
        records::ResultsStore store(path);
        if (!store.saveBoard(boardFor(QStringLiteral("Niño 7"), picture, 3))) {
            err << "first use: " << store.errorText() << "\n";
            return false;
        }
    }
    {
        records::ResultsStore store(big);
        const QVector<records::ChildSummary> children = store.children();
        int games = 0;
        for (const records::ChildSummary &child : children)
            games += child.games;
        if (children.size() != 1000 || games != 100000) {
            err << "first use: the large database holds " << children.size() << " children and " << games
                << " games\n";
            return false;
        }
    }

    std::vector<double> makeTimes[2], answerTimes[2];
    for (int round = 0; round < rounds; ++round) {
        for (int which = 0; which < 2; ++which) {
            QElapsedTimer timer;
            timer.start();
            records::ResultsWriter writer(which == 0 ? empty : big);
            makeTimes[which].push_back(msSince(timer));
            bool found = false;
            QObject::connect(&writer, &records::ResultsWriter::boardLoaded,
                             [&](const QString &, bool isThere, const records::UnfinishedBoard &board) {
                                 found = isThere && board.moves == 3;
                             });
            timer.restart();
            writer.requestBoard(QStringLiteral("niño 7"));
            writer.flush();
            answerTimes[which].push_back(msSince(timer));
            QCoreApplication::processEvents();
            if (!found) {
                err << "first use: the board was not found in the " << (which ? "large" : "empty")
                    << " database\n";
                return false;
            }
        }
    }
    const Timing make0 = timing(makeTimes[0]), make1 = timing(makeTimes[1]);
    const Timing answer0 = timing(answerTimes[0]), answer1 = timing(answerTimes[1]);
    out << "2. First use of the results (" << rounds << " rounds; the large database made in "
        << QString::number(fillMs, 'f', 0) << " ms), ms: median\n";
    out << "                                         empty    100,000 games   ratio\n";
    out << QStringLiteral("   before the first window (writer)    %1   %2        %3 x\n")
               .arg(make0.median, 7, 'f', 3).arg(make1.median, 7, 'f', 3).arg(make1.median / qMax(make0.median, 1e-6), 0, 'f', 2);
    out << QStringLiteral("   the child's board, off the window   %1   %2        %3 x\n")
               .arg(answer0.median, 7, 'f', 3).arg(answer1.median, 7, 'f', 3).arg(answer1.median / qMax(answer0.median, 1e-6), 0, 'f', 2);
    return true;
}

bool progressWindow(const QString &folder, int rounds)
{
    const QString small = folder + QStringLiteral("/pocas.sqlite");
    const QString large = folder + QStringLiteral("/muchas.sqlite");
    if (!fillGames(small, 20, 200, 10) || !fillGames(large, 20, 12000, 10000)) {
        err << "progress window: the databases could not be filled\n";
        return false;
    }
    NoDialogs dialogs;
    std::vector<double> times[2], cpuTimes[2];
    for (int round = 0; round < rounds; ++round) {
        for (int which = 0; which < 2; ++which) {
            QElapsedTimer timer;
            timer.start();
            const double cpuStart = cpuMs();
            Editor::ProgressWindow window(dialogs, which == 0 ? small : large);
            window.selectChild(QStringLiteral("niño 0"));
            window.show();
            const QImage shot = window.grab().toImage();
            times[which].push_back(msSince(timer));
            cpuTimes[which].push_back(cpuMs() - cpuStart);

            const int expected = which == 0 ? 10 : 10000;
            const int rows = window.findChild<QTableView *>()->model()->rowCount();
            auto *chart = window.findChild<Editor::ProgressChart *>();
            int points = 0;
            for (const records::ChartSeries &series : chart->chart().series)
                points += int(series.points.size());
            const QImage chartShot = chart->grab().toImage().convertToFormat(QImage::Format_RGB32);
            int coloured = 0;
            for (int y = 0; y < chartShot.height(); ++y) {
                for (int x = 0; x < chartShot.width(); ++x)
                    coloured += chartShot.pixelColor(x, y) == Editor::ProgressChart::seriesColour(0) ? 1 : 0;
            }
            if (shot.isNull() || rows != expected || points != expected || coloured < 50
                || window.findChild<QListWidget *>()->count() != 20) {
                err << "progress window: " << rows << " rows and " << points << " points instead of " << expected
                    << ", " << coloured << " pixels of the first line\n";
                return false;
            }
        }
    }
    const Timing t0 = timing(times[0]), t1 = timing(times[1]);
    const Timing c0 = timing(cpuTimes[0]), c1 = timing(cpuTimes[1]);
    out << "3. Progress window, made, filled and drawn (" << rounds << " rounds), ms: median / worst\n";
    out << "                              elapsed           processor time\n";
    out << QStringLiteral("   a child of 10 games       %1 / %2   %3 / %4\n")
               .arg(t0.median, 6, 'f', 1).arg(t0.worst, 6, 'f', 1).arg(c0.median, 6, 'f', 1).arg(c0.worst, 6, 'f', 1);
    out << QStringLiteral("   a child of 10,000 games   %1 / %2   %3 / %4   (%5 x elapsed; aim: under 150 ms)\n")
               .arg(t1.median, 6, 'f', 1).arg(t1.worst, 6, 'f', 1).arg(c1.median, 6, 'f', 1).arg(c1.worst, 6, 'f', 1)
               .arg(t1.median / qMax(t0.median, 1e-6), 0, 'f', 2);
    return true;
}

class SilentSound : public vud::SoundInterface
{
public:
    void playSound(const QString &) override {}
};

// Swaps two pieces of the board by its click handlers (a lift, then the drop
// on the other's cell); the drop's time in ms, or -1 when it was no drop.
double timedSwap(Form3 &board, int cellA, int cellB)
{
    const int columns = board.boardColumns();
    const auto centre = [&](int cell) {
        const double side = board.cellSize();
        return QPointF(board.screen().toPixelsX(board.gridLeft() + (cell % columns) * side + side / 2),
                       board.screen().toPixelsY(board.gridTop() + (cell / columns) * side + side / 2));
    };
    const int piece = board.cellPiece(cellA % columns, cellA / columns);
    const int moves = board.moveCount();
    board.Picture1_Click(piece, centre(cellA));
    if (!board.carrying())
        return -1;
    QElapsedTimer timer;
    timer.start();
    board.Picture1_Click(piece, centre(cellB));
    const double ms = msSince(timer);
    return board.moveCount() == moves + 1 ? ms : -1;
}

bool dropOnTheBoard(const QString &folder, int drops)
{
    const QString picture = folder + QStringLiteral("/tablero.png");
    QImage(800, 600, QImage::Format_RGB32).save(picture);
    const QString path = folder + QStringLiteral("/tablero.sqlite");
    SilentSound sound;
    vud::StandardRandom random;
    const Form3::PictureLoader loader = [](const QString &) {
        QImage image(800, 600, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        return image;
    };
    boardlogic::BoardChoice choice;
    choice.GridColumns = 8;
    choice.GridRows = 6;
    choice.PicturePath = picture;
    choice.PictureName = QStringLiteral("tablero.png");

    std::vector<double> times[2];
    records::ResultsWriter writer(path);
    for (int which = 0; which < 2; ++which) {
        GameApp game(sound, random, loader);
        if (which == 1)
            game.setResultsWriter(&writer);
        game.openBoard(choice);
        Form3 *board = game.board();
        board->Timer1_Timer(); // the shuffle, and its save
        writer.flush();
        for (int i = 0; i < drops; ++i) {
            // Two cells a step apart each time; a board that happens to
            // come out finished is shuffled again.
            const int a = (i * 7) % 48;
            const int b = (i * 7 + 13) % 48;
            const double ms = timedSwap(*board, a, b);
            if (ms < 0) {
                err << "drop on the board: a swap was not made\n";
                return false;
            }
            if (board->rules().isSolved())
                board->Timer1_Timer();
            times[which].push_back(ms);
            // A child drops about once a second: the writer has written.
            writer.flush();
        }
        if (which == 1) {
            records::ResultsStore check(path);
            const std::optional<records::UnfinishedBoard> saved = check.loadBoard(QString());
            if (!saved || saved->pieces != board->rules().cellPieces() || saved->moves != board->moveCount()) {
                err << "drop on the board: the board saved is not the one on show\n";
                return false;
            }
        }
    }
    const Timing bare = timing(times[0]), saved = timing(times[1]);
    out << "4. A drop on the real board (Form3, 48 pieces, " << drops << " drops), ms: median / worst\n";
    out << QStringLiteral("   the drop alone               %1 / %2\n").arg(bare.median, 0, 'f', 4).arg(bare.worst, 0, 'f', 4);
    out << QStringLiteral("   the drop with its save       %1 / %2   (%3 x the drop alone; aim: 2 ms)\n")
               .arg(saved.median, 0, 'f', 4).arg(saved.worst, 0, 'f', 4).arg(saved.median / qMax(bare.median, 1e-6), 0, 'f', 2);
    return true;
}

// Needs the databases firstUse made: vacia.sqlite and grande.sqlite, each
// holding the board of "Niño 7".
bool gameStart(const QString &folder, int rounds)
{
    const QString empty = folder + QStringLiteral("/vacia.sqlite");
    const QString big = folder + QStringLiteral("/grande.sqlite");
    SilentSound sound;
    vud::StandardRandom random;
    std::vector<double> firstWindow[2], offered[2];
    // Round -1 warms up what any first window pays once (fonts, styles).
    for (int round = -1; round < rounds; ++round) {
        for (int which = 0; which < 2; ++which) {
            QElapsedTimer timer;
            timer.start();
            records::ResultsWriter writer(which == 0 ? empty : big);
            GameApp game(sound, random);
            game.setResultsWriter(&writer);
            Form1 *start = game.startScreen();
            start->show();
            const QImage shot = start->grab().toImage();
            firstWindow[which].push_back(msSince(timer));

            start->Text1->setText(QStringLiteral("Niño 7"));
            timer.restart();
            start->Command1_Click(0);
            while (!game.hasResumeOffer() && timer.elapsed() < 5000)
                QCoreApplication::processEvents();
            const QImage offer = game.hasResumeOffer() ? game.resumeOffer()->grab().toImage() : QImage();
            offered[which].push_back(msSince(timer));
            if (round < 0) {
                firstWindow[which].pop_back();
                offered[which].pop_back();
            }
            if (shot.isNull() || offer.isNull() || game.resumeOffer()->board().moves != 3) {
                err << "game start: the child's board was not offered from the "
                    << (which ? "large" : "empty") << " database\n";
                return false;
            }
        }
    }
    const Timing w0 = timing(firstWindow[0]), w1 = timing(firstWindow[1]);
    const Timing o0 = timing(offered[0]), o1 = timing(offered[1]);
    out << "5. The game's start with its results database (" << rounds << " rounds), ms: median\n";
    out << "                                         empty    100,000 games   ratio\n";
    out << QStringLiteral("   start to the first window drawn     %1   %2        %3 x (aim: 1.05 x)\n")
               .arg(w0.median, 7, 'f', 3).arg(w1.median, 7, 'f', 3).arg(w1.median / qMax(w0.median, 1e-6), 0, 'f', 2);
    out << QStringLiteral("   CONTINUAR to the board offered      %1   %2        %3 x\n")
               .arg(o0.median, 7, 'f', 3).arg(o1.median, 7, 'f', 3).arg(o1.median / qMax(o0.median, 1e-6), 0, 'f', 2);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool quick = app.arguments().contains(QStringLiteral("--quick"));
    QTemporaryDir folder;
    if (!folder.isValid()) {
        err << "no temporary folder\n";
        return 1;
    }
    const bool ok = saveAfterDrop(folder.path(), quick ? 20 : 300) && firstUse(folder.path(), quick ? 2 : 9)
        && progressWindow(folder.path(), quick ? 1 : 7) && dropOnTheBoard(folder.path(), quick ? 20 : 300)
        && gameStart(folder.path(), quick ? 2 : 9);
    out.flush();
    err.flush();
    return ok ? 0 : 1;
}
