#include "core/datapaths.h"
#include "core/picturefit.h"
#include "game/ui/board.h"
#include "game/ui/gameapp.h"
#include "game/ui/results.h"
#include "support/testsupport.h"
#include "widgets/gifdisplay.h"
#include "widgets/sound.h"

#include <QDir>
#include <QListWidget>
#include <QScreen>
#include <QtTest>

using namespace vudtest;

// The board in a real X session: what actually reaches the screen. Set
// VUD_BOARD_SHOTS to a folder to keep the screenshots.
class TestBoardWindow : public QObject
{
    Q_OBJECT

    TempProgramFolder m_folder;
    vud::SoundPlayer m_player;
    ScriptedRandom m_random{{0.0}};
    std::unique_ptr<GameApp> m_app;
    QImage m_source;

    QImage grabScreen(const QString &name)
    {
        QCoreApplication::processEvents();
        QTest::qWait(200);
        const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        const QString folder = qEnvironmentVariable("VUD_BOARD_SHOTS");
        if (!folder.isEmpty())
            shot.save(QDir(folder).filePath(name));
        return shot;
    }

    QPoint cellPixel(const Form3 *board, int column, int row, double fx = 0.5, double fy = 0.5) const
    {
        const vud::ScreenTwips &s = board->screen();
        return QPoint(s.toPixelsX(board->gridLeft() + (column + fx) * board->cellSize()),
                      s.toPixelsY(board->gridTop() + (row + fy) * board->cellSize()));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        // A sample picture of the program's own data when it has been
        // generated, otherwise a picture of our own.
        const QString samples = QCoreApplication::applicationDirPath() + "/../bin/imagenes";
        const QStringList pictures = vud::listFiles(samples);
        const QString target = m_folder.file("imagenes/muestra.png");
        if (!pictures.isEmpty() && QImage(samples + "/" + pictures.first()).save(target)) {
            m_source = QImage(target);
        } else {
            QVERIFY(writeBlockPicture(target, QSize(1024, 768), 16, 12));
            m_source = QImage(target);
        }
        QVERIFY(!m_source.isNull());
        const QString elmani = QCoreApplication::applicationDirPath() + "/../bin/gifs/x_elmani.gif";
        if (!QFile::copy(elmani, m_folder.file("gifs/x_elmani.gif")))
            QVERIFY(writeGif(m_folder.file("gifs/x_elmani.gif"), squareFrames(4, QSize(60, 60)), 10, 0));
        // The real player: a machine without sound must stay silent, not stall.
        m_app = std::make_unique<GameApp>(m_player, m_random);
    }

    void cleanupTestCase()
    {
        m_app.reset();
    }

    // Six pieces of the sample lighthouse picture: the board shows the
    // whole scene, lighthouse and all, not a corner of sky.
    void lighthouseOnTheBoard()
    {
        const QString faro = QCoreApplication::applicationDirPath() + "/../bin/imagenes/faro.jpg";
        if (!QFileInfo::exists(faro))
            QSKIP("the sample pictures are not built");
        m_app = std::make_unique<GameApp>(m_player, m_random);
        m_app->openBoard({3, 2, faro, "faro.jpg"});
        Form3 *board = m_app->board();
        QVERIFY(QTest::qWaitForWindowExposed(board));
        const QSize screen = QGuiApplication::primaryScreen()->size();
        const QImage shot = grabScreen(QString("faro-6-%1x%2.png").arg(screen.width()).arg(screen.height()));
        // The lighthouse's red stripes stand in the right third of the
        // picture: enough of that red must reach the screen, right of the
        // grid's middle.
        const QRect grid = board->picture2()->geometry();
        int red = 0;
        qint64 sumX = 0;
        for (int y = grid.top(); y <= grid.bottom(); ++y) {
            for (int x = grid.left(); x <= grid.right(); ++x) {
                const QColor c = shot.pixelColor(x, y);
                if (c.red() > 180 && c.green() < 90 && c.blue() < 90) {
                    ++red;
                    sumX += x - grid.left();
                }
            }
        }
        QVERIFY2(red > grid.width() * grid.height() / 400, qPrintable(QString("%1 red pixels").arg(red)));
        QVERIFY(sumX / red > grid.width() / 2);
        m_app = std::make_unique<GameApp>(m_player, m_random);
    }

    // The 108-piece board covers the screen and shows the picture scaled to
    // cover the grid.
    void boardCoversTheScreenWithThePicture()
    {
        m_app->openBoard({12, 9, m_folder.file("imagenes/muestra.png"), "muestra.png"});
        Form3 *board = m_app->board();
        QVERIFY(QTest::qWaitForWindowExposed(board));
        QTRY_COMPARE(board->geometry(), QGuiApplication::primaryScreen()->geometry());

        const QImage shot = grabScreen("board-108.png");
        const QPoint gridOrigin = board->picture2()->geometry().topLeft();
        // The picture as the board scales and cuts it to the grid.
        const vud::PictureFit fit = vud::coverBox(m_source.size(), board->picture2()->size());
        const QImage covering = m_source.scaled(fit.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                    .copy(QRect(-fit.offset, board->picture2()->size()));
        for (int k = 0; k < 108; k += 13) {
            const QPoint at = cellPixel(board, k % 12, k / 12, 0.4, 0.6);
            const QPoint inPicture = at - gridOrigin;
            QVERIFY(covering.rect().contains(inPicture));
            // Pieces sit one pixel in from their border.
            const QColor expected = covering.pixelColor(inPicture - QPoint(1, 1));
            const QColor shown = shot.pixelColor(at);
            QVERIFY2(qAbs(expected.red() - shown.red()) <= 6 && qAbs(expected.green() - shown.green()) <= 6
                         && qAbs(expected.blue() - shown.blue()) <= 6,
                     qPrintable(QString("piece %1").arg(k)));
        }
        // The button column in its face colours.
        QCOMPARE(shot.pixelColor(24, 5), QColor(192, 192, 255));
        const int exitTop = board->screen().toPixelsY(board->screen().height() - 735 - 200);
        QCOMPARE(shot.pixelColor(3, exitTop + 3), QColor(255, 128, 0));
    }

    // A whole game through real window clicks, ending in the reveal.
    void finishedGameShowsTheReveal()
    {
        Form3 *board = m_app->board();
        m_random.m_fractions = {0.0, 0.0, 0.0, 1.5 / 12, 0.0};
        m_random.drawn = 0;
        QTRY_VERIFY_WITH_TIMEOUT(board->piece(0)->isEnabled(), 3000);
        if (m_random.drawn != 400) {
            // The clock shuffled before the script was in place: lay out
            // anew and shuffle with it.
            board->chooseBoard(board->choice());
            QEvent activation(QEvent::WindowActivate);
            QCoreApplication::sendEvent(board, &activation);
            board->Timer1_Timer();
        }
        QCOMPARE(board->cellPiece(0, 0), 1);
        grabScreen("board-shuffled.png");

        QTest::mouseClick(board->windowHandle(), Qt::LeftButton, {}, cellPixel(board, 0, 0));
        QVERIFY(board->carrying());
        QTest::mouseMove(board->windowHandle(), cellPixel(board, 3, 4));
        grabScreen("board-carrying.png");
        QTest::mouseMove(board->windowHandle(), cellPixel(board, 1, 0));
        QTest::mouseClick(board->windowHandle(), Qt::LeftButton, {}, cellPixel(board, 1, 0));
        QVERIFY(board->grid().isSolved());
        QTRY_VERIFY_WITH_TIMEOUT(board->revealShown(), 2000);
        QTest::qWait(400);
        const QImage shot = grabScreen("board-reveal.png");
        QVERIFY(board->gifElement(0)->isVisible());
        // The whole picture, without piece outlines: a cell's corner shows
        // the picture, not a border.
        const QPoint corner = cellPixel(board, 5, 5, 0.0, 0.0) + QPoint(0, 2);
        const QPoint inPicture = corner - board->picture2()->geometry().topLeft();
        const QImage whole = board->picture2()->picture();
        QVERIFY(whole.rect().contains(inPicture));
        if (!board->gifElement(0)->geometry().contains(corner)) {
            const QColor expected = whole.pixelColor(inPicture);
            const QColor shown = shot.pixelColor(corner);
            QVERIFY(qAbs(expected.red() - shown.red()) <= 2 && qAbs(expected.green() - shown.green()) <= 2);
        }
        QCOMPARE(m_app->results()->List1->count(), 1);
        m_app->results()->showModeless();
        QVERIFY(QTest::qWaitForWindowExposed(m_app->results()));
        grabScreen("results.png");
    }
};

QTEST_MAIN(TestBoardWindow)
#include "tst_boardwindow.moc"
