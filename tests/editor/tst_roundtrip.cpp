#include "board.h"
#include "chooser.h"
#include "datapaths.h"
#include "editortestkit.h"
#include "editorwindow.h"
#include "facebutton.h"
#include "gifdisplay.h"
#include "picturesurface.h"
#include "selection.h"
#include "sound.h"

#include <QPushButton>
#include <QtTest>

// Both programs name their program-wide values globals.h.
#include "../../game/globals.h"

using namespace vudtest;

// A puzzle saved by the editor is what the game plays: the game offers the
// saved picture, and its reveal shows each placed drawing where it was put.
class TestRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void savedPuzzleIsRevealedWithItsDrawings()
    {
        EditorTestKit kit;
        vud::RecordingSound sounds;
        vud::setSound(&sounds);
        QVERIFY(writeBlockPicture(kit.file("imagenes/campo.bmp"), QSize(300, 200), 3, 2));
        QDir(kit.folder.path()).mkpath("gifs/animales");
        QVERIFY(writeGif(kit.file("gifs/animales/primero.gif"), squareFrames(2), 2));
        QVERIFY(writeGif(kit.file("gifs/abeja.gif"), {stampFrame(), stampFrame()}, 2));
        QVERIFY(writeGif(kit.file("gifs/mariposa.gif"), squareFrames(2, QSize(12, 10)), 2));

        // The editor: the picture, two drawings placed three times, the puzzle saved.
        const QList<QPoint> placed{QPoint(10, 20), QPoint(150, 90), QPoint(0, 0)};
        {
            Editor::Form1 editor;
            editor.showEditor();
            QVERIFY(QTest::qWaitForWindowExposed(&editor));
            editor.Command1_Click(1);
            for (int i = 0; i < placed.size(); ++i) {
                editor.Command1_Click(2);
                editor.chooser()->Image1_Click(i == 1 ? 1 : 0);
                QTest::mouseClick(editor.windowHandle(), Qt::LeftButton, {},
                                  editor.surface()->mapTo(&editor, placed[i]));
                QTRY_VERIFY_WITH_TIMEOUT(editor.surface()->isEnabled(), 5000);
            }
            kit.answers.enqueue(QString("granja"));
            editor.Command1_Click(3);
            QVERIFY(kit.messages.isEmpty());
        }

        // The game: the selection screen offers the saved picture next to
        // the one it was made from; chosen with 6 pieces, solved, revealed.
        Game::resetGlobals();
        Form3::setEndProgram([] { QFAIL("the game ended"); });
        Form2::setProgramEnd([] { QFAIL("the game ended"); });
        Form2 *selection = Form2::instance();
        selection->showModeless();
        QVERIFY(QTest::qWaitForWindowExposed(selection));
        QTRY_VERIFY(selection->Image1[1]->hasPicture()); // made by a worker
        auto click = [](QWidget *control) {
            QWidget *window = control->window();
            QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                              control->mapTo(window, control->rect().center()));
        };
        click(selection->Command3[0]);
        click(selection->Image1[1]);
        QCOMPARE(Game::PictureName, QStringLiteral("granja.bmp"));
        QCOMPARE(Game::PicturePath, kit.file("imagenes/granja.bmp"));
        Form3 *board = Form3::instance();
        QVERIFY(QTest::qWaitForWindowExposed(board));
        QCOMPARE(board->boardColumns() * board->boardRows(), 6);
        QCOMPARE(board->picture2()->picture().pixel(13, 20), qRgb(0, 0, 0));
        QCOMPARE(board->picture2()->picture().pixel(11, 20), vudtest::blockColour(0, 0).rgb());

        // The shuffle swaps cells (0, 0) and (1, 0) and nothing else; one
        // swap by the child puts every piece home.
        kit.random.m_fractions = {0.0, 0.0, 0.0, 1.5 / 3, 0.0};
        kit.random.drawn = 0;
        board->Timer1_Timer();
        const vud::ScreenTwips &screen = board->screen();
        auto centre = [&](int column) {
            const int cell = board->cellSize();
            return QPoint(screen.toPixelsX(board->gridLeft() + column * cell + cell / 2.0),
                          screen.toPixelsY(board->gridTop() + cell / 2.0));
        };
        QTest::mouseClick(board->windowHandle(), Qt::LeftButton, {}, centre(0));
        QTest::mouseClick(board->windowHandle(), Qt::LeftButton, {}, centre(1));
        QVERIFY(board->grid().isSolved());

        QTRY_VERIFY_WITH_TIMEOUT(board->revealShown(), 3000);
        QCOMPARE(board->gifCount(), 3);
        const QStringList names{"abeja.gif", "mariposa.gif", "abeja.gif"};
        const auto p2 = board->picture2()->rectTwips();
        for (int i = 0; i < 3; ++i) {
            vud::GifDisplay *gif = board->gifElement(i);
            QCOMPARE(gif->file(), vud::dataPath("\\gifs\\" + names[i]));
            QCOMPARE(gif->leftTwips(), p2.left + placed[i].x() * screen.twipsPerPixelX);
            QCOMPARE(gif->topTwips(), p2.top + placed[i].y() * screen.twipsPerPixelY);
            QVERIFY(gif->isVisible());
            const QPoint expected = board->picture2()->pos() + placed[i];
            QVERIFY2((gif->pos() - expected).manhattanLength() <= 1,
                     qPrintable(QString("drawing %1 at %2,%3").arg(i).arg(gif->x()).arg(gif->y())));
        }
        Form3::destroyInstance();
        Form2::destroyInstance();
        Form3::setEndProgram(nullptr);
        Form2::setProgramEnd({});
        vud::setSound(nullptr);
    }
};

QTEST_MAIN(TestRoundTrip)
#include "tst_roundtrip.moc"
