#include "core/twips.h"
#include "game/logic/boardlogic.h"
#include "records/resultsstore.h"
#include "support/testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>
#include <csignal>

using namespace vudtest;

namespace {

constexpr int kColumns = 4;
constexpr int kRows = 3;
const QString kChild = QStringLiteral("Ana");

// xdotool's output, trimmed; empty when it failed.
QString xdotool(const QStringList &arguments)
{
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), arguments);
    if (!tool.waitForFinished(5000) || tool.exitCode() != 0)
        return QString();
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

// The visible windows titled "VUD 2.0" (the start screen and the offer).
QStringList gameWindows()
{
    return xdotool({"search", "--onlyvisible", "--name", "^VUD 2.0$"}).split('\n', Qt::SkipEmptyParts);
}

QRect windowGeometry(const QString &id)
{
    const QStringList lines = xdotool({"getwindowgeometry", "--shell", id}).split('\n');
    QMap<QString, int> v;
    for (const QString &line : lines) {
        const int eq = line.indexOf('=');
        if (eq > 0)
            v[line.left(eq)] = line.mid(eq + 1).toInt();
    }
    return QRect(v.value("X"), v.value("Y"), v.value("WIDTH"), v.value("HEIGHT"));
}

void clickAt(QPoint at)
{
    // "--sync" waits for the pointer to move: it never returns when the
    // pointer is there already, so it first steps aside.
    static QPoint last(-1, -1);
    if (at == last)
        xdotool({"mousemove_relative", "--", "1", "0"});
    xdotool({"mousemove", "--sync", QString::number(at.x()), QString::number(at.y()), "click", "1"});
    last = at;
}

bool solved(const QVector<int> &pieces)
{
    for (int k = 0; k < pieces.size(); ++k)
        if (pieces.at(k) != k)
            return false;
    return true;
}

} // namespace

// The real vud2, played by a scripted child with real clicks and keys under
// X, killed outright (SIGKILL) at random moments and started again: each
// time the same child's board comes back exactly as last saved and goes on.
class TestResumeAfterKill : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_program;
    QString m_database;
    QProcess *m_game = nullptr;
    QRandomGenerator m_random;
    vud::ScreenTwips m_screen;
    boardlogic::GridLayout m_layout;

    QPoint cellCentre(int cell) const
    {
        const double size = m_layout.cellSize;
        return QPoint(m_screen.toPixelsX(m_layout.gridLeft + (cell % kColumns) * size + size / 2),
                      m_screen.toPixelsY(m_layout.gridTop + (cell / kColumns) * size + size / 2));
    }

    std::optional<records::UnfinishedBoard> savedBoard() const
    {
        records::ResultsStore store(m_database);
        return store.loadBoard(kChild);
    }

    void start()
    {
        m_game = new QProcess;
        m_game->setProgram(m_program);
        m_game->setWorkingDirectory(m_dir.path());
        m_game->start();
        QVERIFY(m_game->waitForStarted());
    }

    void kill(int signal)
    {
        ::kill(pid_t(m_game->processId()), signal);
        QVERIFY(m_game->waitForFinished(5000));
        delete m_game;
        m_game = nullptr;
    }

    // Waits for a window titled "VUD 2.0" other than `except` and of the
    // given width (0: any); its id.
    QString waitForWindow(int width, const QString &except = QString())
    {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 20000) {
            for (const QString &id : gameWindows()) {
                if (id != except && (width == 0 || windowGeometry(id).width() == width))
                    return id;
            }
            QTest::qWait(30);
        }
        return QString();
    }

    // The start screen: the name typed, then "CONTINUAR".
    void typeNameAndGoOn(const QString &startId)
    {
        const QRect at = windowGeometry(startId);
        clickAt(at.topLeft() + m_screen.toPixels(2400, 6000, 5055, 615).center());
        xdotool({"type", "--delay", "10", kChild});
        clickAt(at.topLeft() + m_screen.toPixels(600, 6720, 6855, 735).center());
    }

    // Swaps the pieces of two cells by a click on each; the board as the
    // game should have it after that.
    QVector<int> swapCells(QVector<int> pieces, int from, int to)
    {
        clickAt(cellCentre(from));
        QTest::qWait(40);
        clickAt(cellCentre(to));
        std::swap(pieces[from], pieces[to]);
        return pieces;
    }

    // Waits for the database to hold the board with that many moves.
    std::optional<records::UnfinishedBoard> waitForSave(int moves)
    {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 10000) {
            const std::optional<records::UnfinishedBoard> board = savedBoard();
            if (board && board->moves == moves)
                return board;
            QTest::qWait(20);
        }
        return savedBoard();
    }

    // Starts the game, goes on as the child and takes the offer with Enter;
    // the board now on show is the one saved.
    void startAndResume(const records::UnfinishedBoard &expected, int stopAt)
    {
        start();
        const QString startId = waitForWindow(0);
        QVERIFY2(!startId.isEmpty(), "the start screen did not show");
        if (stopAt == 0)
            return;
        typeNameAndGoOn(startId);
        const QString offer = waitForWindow(m_screen.toPixelsX(m_screen.width()), startId);
        QVERIFY2(!offer.isEmpty(), "the unfinished board was not offered");
        if (stopAt == 1)
            return;
        xdotool({"windowfocus", "--sync", offer});
        xdotool({"key", "Return"});
        QTRY_VERIFY_WITH_TIMEOUT(!gameWindows().contains(offer), 5000);
        QTest::qWait(150);
        // The board resumed is the one saved: one swap on it is saved as
        // exactly that board with those two cells traded, one move more.
        int from = 0;
        int to = 0;
        QVector<int> after;
        do {
            from = m_random.bounded(kColumns * kRows);
            to = (from + 1 + m_random.bounded(kColumns * kRows - 1)) % (kColumns * kRows);
            after = expected.pieces;
            std::swap(after[from], after[to]);
        } while (solved(after));
        swapCells(expected.pieces, from, to);
        const std::optional<records::UnfinishedBoard> saved = waitForSave(expected.moves + 1);
        QVERIFY(saved);
        QCOMPARE(saved->moves, expected.moves + 1);
        QCOMPARE(saved->pieces, after);
        QCOMPARE(saved->picture, expected.picture);
        QCOMPARE(saved->columns, kColumns);
        QCOMPARE(saved->rows, kRows);
        QVERIFY(saved->seconds >= expected.seconds);
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        const quint32 seed = QRandomGenerator::global()->generate();
        qInfo("random seed %u", seed);
        m_random.seed(seed);
        QVERIFY(m_dir.isValid());
        for (const char *folder : {"imagenes", "gifs", "sonidos", "coordenadas"})
            QVERIFY(QDir(m_dir.path()).mkpath(folder));
        // The program folder is the binary's: a copy of vud2 in a folder of
        // its own plays there in the portable layout, its database beside it.
        m_program = m_dir.filePath("vud2");
        QVERIFY(QFile::copy(QStringLiteral(VUD2_BINARY), m_program));
        m_database = m_dir.filePath(records::ResultsStore::fileName());
        m_screen = vud::screenTwips();
        m_layout = boardlogic::layOutGrid(m_screen.width(), m_screen.height(), kColumns, kRows);
    }

    void cleanup()
    {
        if (m_game) {
            m_game->kill();
            m_game->waitForFinished();
            delete m_game;
            m_game = nullptr;
        }
    }

    void killedAtRandomThenResumedAndFinished()
    {
        const QString picture = m_dir.filePath("imagenes/bloques.png");
        QVERIFY(writeBlockPicture(picture, QSize(400, 300), kColumns, kRows));
        // A game in play for the child, as a first run would have left it.
        records::UnfinishedBoard first;
        first.child = kChild;
        first.picture = picture;
        first.stamp = records::pictureStamp(picture);
        first.columns = kColumns;
        first.rows = kRows;
        for (int k = kColumns * kRows - 1; k >= 0; --k)
            first.pieces.append(k);
        {
            records::ResultsStore store(m_database);
            QVERIFY(store.saveBoard(first));
        }

        for (int round = 0; round < 30; ++round) {
            const std::optional<records::UnfinishedBoard> expected = savedBoard();
            QVERIFY2(expected, qPrintable(QStringLiteral("no board after kill %1").arg(round)));
            // Killed at the start screen, at the offer, or while playing.
            const int stopAt = int(m_random.bounded(4));
            startAndResume(*expected, stopAt);
            if (QTest::currentTestFailed())
                return;
            if (stopAt == 3) {
                // Play on at random, never finishing, then die at a random
                // moment: between clicks, mid-carry or just after a drop.
                QVector<int> pieces = savedBoard()->pieces;
                const int swaps = int(m_random.bounded(4));
                for (int s = 0; s < swaps; ++s) {
                    const int from = int(m_random.bounded(kColumns * kRows));
                    const int to = int(m_random.bounded(kColumns * kRows));
                    QVector<int> next = pieces;
                    std::swap(next[from], next[to]);
                    if (!solved(next))
                        pieces = swapCells(pieces, from, to);
                }
                if (m_random.bounded(2))
                    clickAt(cellCentre(int(m_random.bounded(kColumns * kRows))));
            }
            QTest::qWait(int(m_random.bounded(120)));
            kill(SIGKILL);
        }

        // Once more, then a SIGTERM after a second of play: the clock is
        // saved on the way out.
        std::optional<records::UnfinishedBoard> expected = savedBoard();
        QVERIFY(expected);
        startAndResume(*expected, 2);
        QTest::qWait(1300);
        ::kill(pid_t(m_game->processId()), SIGTERM);
        QVERIFY(m_game->waitForFinished(5000));
        QCOMPARE(m_game->exitStatus(), QProcess::NormalExit);
        delete m_game;
        m_game = nullptr;
        const std::optional<records::UnfinishedBoard> termed = savedBoard();
        QVERIFY(termed);
        QCOMPARE(termed->moves, expected->moves + 1);
        QVERIFY(termed->seconds >= expected->seconds + 1);

        // The last time the child finishes it: one game stored, no board.
        expected = savedBoard();
        startAndResume(*expected, 2);
        QVector<int> pieces = savedBoard()->pieces;
        for (int cell = 0; cell < pieces.size(); ++cell) {
            if (pieces.at(cell) == cell)
                continue;
            pieces = swapCells(pieces, int(pieces.indexOf(cell)), cell);
            QTest::qWait(40);
        }
        QVERIFY(solved(pieces));
        QElapsedTimer waited;
        waited.start();
        QVector<records::FinishedGame> games;
        while (waited.elapsed() < 10000) {
            records::ResultsStore store(m_database);
            games = store.games(records::childKey(kChild));
            if (!games.isEmpty())
                break;
            QTest::qWait(30);
        }
        QCOMPARE(games.size(), 1);
        QCOMPARE(games[0].pieces, kColumns * kRows);
        QCOMPARE(games[0].picture, picture);
        QVERIFY(games[0].moves > expected->moves);
        QVERIFY(!savedBoard());
        kill(SIGTERM);
        records::ResultsStore store(m_database);
        QCOMPARE(store.games(records::childKey(kChild)).size(), 1);
        QVERIFY(!store.loadBoard(kChild));
    }
};

QTEST_MAIN(TestResumeAfterKill)
#include "e2e_resume_kill.moc"
