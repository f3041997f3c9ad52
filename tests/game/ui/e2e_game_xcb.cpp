#include "core/random.h"
#include "game/ui/board.h"
#include "game/ui/gameapp.h"
#include "game/ui/results.h"
#include "game/ui/selection.h"
#include "game/ui/start.h"
#include "support/testsupport.h"
#include "widgets/facebutton.h"
#include "widgets/sound.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QScreen>
#include <QtTest>

using namespace vudtest;

// A whole game in a real X session (the xcb platform under Xvfb), every step
// a mouse click or key press on the windows, the board read from the screen's
// pixels; then the results line itself is checked, word for word.
class TestGameOnScreen : public QObject
{
    Q_OBJECT

    void click(QWidget *control)
    {
        QWidget *window = control->window();
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, control->mapTo(window, control->rect().center()));
    }

private slots:
    void childPlaysOneGameFromStartToResults()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        TempProgramFolder folder;
        vud::SoundPlayer player;
        vud::StandardRandom random;
        GameApp game(player, random);

        // One flat colour per cell of a 3 x 2 board: the board cuts the
        // picture at one picture pixel per screen pixel.
        const vud::ScreenTwips screen = vud::screenTwips();
        const int cellTwips = int(vud::intDiv(vud::intDiv(screen.width(), 10) * 9, 3));
        const int cellPixels = screen.toPixelsX(cellTwips);
        QVERIFY(writeBlockPicture(folder.file("imagenes/prueba.png"), QSize(3 * cellPixels, 2 * cellPixels), 3, 2));
        QVERIFY(writeGif(folder.file("gifs/x_elmani.gif"), squareFrames(3, QSize(40, 40)), 10, 0));

        Form1 *start = game.startScreen();
        start->show();
        QVERIFY(QTest::qWaitForWindowExposed(start));
        click(start->Text1);
        QTest::keyClicks(start->Text1, QStringLiteral("Ana"));
        click(start->Command1[0]);

        QVERIFY(game.hasSelection());
        Form2 *selection = game.selection();
        QVERIFY(QTest::qWaitForWindowExposed(selection));
        click(selection->Command3[0]);
        QTRY_VERIFY(selection->Image1[0]->hasPicture());
        click(selection->Image1[0]);

        QVERIFY(game.hasBoard());
        Form3 *board = game.board();
        QVERIFY(QTest::qWaitForWindowExposed(board));
        QElapsedTimer clock;
        clock.start();
        QTRY_VERIFY_WITH_TIMEOUT(board->piece(0)->isEnabled(), 5000);

        // Which piece lies in each cell, read from the screen.
        auto cellCentre = [&](int cell) {
            return QPoint(screen.toPixelsX(board->gridLeft() + (cell % 3) * cellTwips + cellTwips / 2),
                          screen.toPixelsY(board->gridTop() + (cell / 3) * cellTwips + cellTwips / 2));
        };
        QVector<int> onScreen(6, -1);
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
                for (int cell = 0; cell < 6; ++cell) {
                    const QColor colour = shot.pixelColor(cellCentre(cell));
                    onScreen[cell] = -1;
                    for (int piece = 0; piece < 6; ++piece)
                        if (colour == blockColour(piece % 3, piece / 3))
                            onScreen[cell] = piece;
                }
                return !onScreen.contains(-1);
            }(),
            3000);
        for (int cell = 0; cell < 6; ++cell)
            QCOMPARE(onScreen[cell], board->cellPiece(cell % 3, cell / 3));

        int moves = 0;
        auto carry = [&](int from, int to) {
            QTest::mouseMove(board->windowHandle(), cellCentre(from));
            QTest::mouseClick(board->windowHandle(), Qt::LeftButton, {}, cellCentre(from));
            QTest::mouseMove(board->windowHandle(), cellCentre(to));
            QTest::mouseClick(board->windowHandle(), Qt::LeftButton, {}, cellCentre(to));
            ++moves;
        };
        if (onScreen == QVector<int>({0, 1, 2, 3, 4, 5}))
            carry(0, 0);
        for (int cell = 0; cell < 6; ++cell) {
            if (onScreen[cell] == cell)
                continue;
            const int from = onScreen.indexOf(cell);
            carry(from, cell);
            std::swap(onScreen[from], onScreen[cell]);
        }
        const qint64 playedSeconds = clock.elapsed() / 1000 + 1;

        QTRY_VERIFY_WITH_TIMEOUT(board->revealShown(), 3000);
        QVERIFY(board->picture2()->isVisible());

        Form4 *results = game.results();
        QCOMPARE(results->windowTitle(), QStringLiteral("Ana  TUS RESULTADOS SON"));
        QCOMPARE(results->List1->count(), 1);
        const QString line = results->List1->item(0)->text();
        const QRegularExpression expected(
            QStringLiteral("^ 1 \\) NIVEL : 6 PIEZAS - TIEMPO \\* (\\d+) \\* SEGUNDOS - MOVIMIENTOS \\*\\* %1 \\*\\*$")
                .arg(moves));
        const QRegularExpressionMatch match = expected.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line));
        QVERIFY(match.captured(1).toLongLong() <= playedSeconds);
    }
};

QTEST_MAIN(TestGameOnScreen)
#include "e2e_game_xcb.moc"
