#include "core/datapaths.h"
#include "core/picturefit.h"
#include "editor/ui/chooser.h"
#include "editor/ui/editorwindow.h"
#include "editor/ui/picturesurface.h"
#include "game/ui/board.h"
#include "game/ui/gameapp.h"
#include "game/ui/selection.h"
#include "uisupport/editortestkit.h"
#include "uisupport/recordingsound.h"
#include "widgets/facebutton.h"
#include "widgets/gifdisplay.h"
#include "widgets/sound.h"

#include <QPushButton>
#include <QtTest>


using namespace vudtest;

// A puzzle saved by the editor is what the game plays: the game offers the
// saved picture, and its reveal shows each placed drawing where it was put.
class TestRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    // Played where it was made, or exported to a puzzle file, opened with the
    // game (as a double click does) on a machine whose user folder is empty
    // and which has none of the drawings.
    void savedPuzzleIsRevealedWithItsDrawings_data()
    {
        QTest::addColumn<bool>("travelled");
        QTest::newRow("where it was made") << false;
        QTest::newRow("through a puzzle file") << true;
    }
    void savedPuzzleIsRevealedWithItsDrawings()
    {
        QFETCH(bool, travelled);
        EditorTestKit kit;
        vudtest::RecordingSound sounds;
        // A panorama wider than the 943 x 768 work area: the editor shows and
        // saves it at 943 x 236 (2400 x 600 times 943 / 2400). The board then
        // scales that up to the grid's height and cuts its sides, so the
        // drawings move and grow on the way.
        const QSize shown(943, 236);
        QVERIFY(writeBlockPicture(kit.file("imagenes/campo.png"), QSize(2400, 600), 8, 2));
        QDir(kit.folder.path()).mkpath("gifs/animales");
        QVERIFY(writeGif(kit.file("gifs/animales/primero.gif"), squareFrames(2), 2));
        QVERIFY(writeGif(kit.file("gifs/abeja.gif"), {stampFrame(), stampFrame()}, 2));
        QVERIFY(writeGif(kit.file("gifs/mariposa.gif"), squareFrames(2, QSize(12, 10)), 2));

        // The editor: the picture, two drawings placed three times, the puzzle saved.
        const QList<QPoint> placed{QPoint(320, 30), QPoint(450, 150), QPoint(600, 200)};
        {
            Editor::Form1 editor(kit.dialogs, kit.random);
            editor.showEditor();
            QVERIFY(QTest::qWaitForWindowExposed(&editor));
            editor.Command1_Click(1);
            QCOMPARE(editor.surface()->size(), shown);
            for (int i = 0; i < placed.size(); ++i) {
                editor.Command1_Click(2);
                editor.chooser()->Image1_Click(i == 1 ? 1 : 0);
                QTest::mouseClick(editor.windowHandle(), Qt::LeftButton, {},
                                  editor.surface()->mapTo(&editor, placed[i]));
                QTRY_VERIFY_WITH_TIMEOUT(editor.surface()->isEnabled(), 5000);
            }
            kit.dialogs.answers.enqueue(QString("granja"));
            editor.Command1_Click(3);
            QVERIFY(kit.dialogs.messages.isEmpty());
            if (travelled) {
                kit.dialogs.files.enqueue(kit.file("granja.vud"));
                editor.exportPuzzle();
                QCOMPARE(kit.dialogs.messages, QStringList{"El puzzle se ha exportado a granja.vud."});
            }
        }
        // The other machine: installed, with an empty user folder; the
        // program folder's data is not read there.
        const QString data = travelled ? kit.file("usuario") : kit.folder.path();
        if (travelled)
            QVERIFY(QDir(kit.folder.path()).rename("imagenes", "imagenes-de-origen"));
        const QImage saved(travelled ? kit.file("imagenes-de-origen/granja.bmp") : kit.file("imagenes/granja.bmp"));
        QCOMPARE(saved.size(), shown);
        QCOMPARE(saved.pixel(placed[0] + QPoint(3, 0)), qRgb(0, 0, 0));

        // The game: the selection screen offers the saved picture next to
        // the one it was made from; chosen with 6 pieces, solved, revealed.
        GameApp game(sounds, kit.random);
        connect(&game, &GameApp::exitRequested, this, [] { QFAIL("the game ended"); });
        if (travelled)
            QVERIFY(game.openPuzzleFile(kit.file("granja.vud")));
        Form2 *selection = game.selection();
        selection->showModeless();
        QVERIFY(QTest::qWaitForWindowExposed(selection));
        // Alone in the user's folder once it has travelled.
        const int cell = travelled ? 0 : 1;
        QCOMPARE(selection->File1().ListCount(), travelled ? 1 : 2);
        QTRY_VERIFY(selection->Image1[cell]->hasPicture()); // made by a worker
        auto click = [](QWidget *control) {
            QWidget *window = control->window();
            QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                              control->mapTo(window, control->rect().center()));
        };
        click(selection->Command3[0]);
        click(selection->Image1[cell]);
        QCOMPARE(selection->Choice().PictureName, QStringLiteral("granja.bmp"));
        QCOMPARE(selection->Choice().PicturePath, data + "/imagenes/granja.bmp");
        Form3 *board = game.board();
        QVERIFY(board);
        QCOMPARE(board->choice().PictureName, QStringLiteral("granja.bmp"));
        QCOMPARE(board->choice().PicturePath, data + "/imagenes/granja.bmp");
        QVERIFY(QTest::qWaitForWindowExposed(board));
        QCOMPARE(board->boardColumns() * board->boardRows(), 6);

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
        // The saved picture covers the grid (Picture2's rectangle), scaled by
        // the larger of the two ratios and centred; a drawing at (x, y) of it
        // goes to the scaled picture's corner + (x, y) times the scale and
        // plays at its own size times the scale.
        const QRect grid = board->picture2()->geometry();
        const vud::PictureFit fit = vud::coverBox(shown, grid.size());
        QVERIFY(fit.scale > 2.5 && fit.offset.x() < -700);
        auto onBoard = [&](QPointF pixel) {
            return QPointF(grid.topLeft() + fit.offset) + pixel * fit.scale;
        };
        auto near = [](QPointF a, QPointF b) {
            return qAbs(a.x() - b.x()) <= 1 && qAbs(a.y() - b.y()) <= 1;
        };
        const QStringList names{"abeja.gif", "mariposa.gif", "abeja.gif"};
        const QSize natural[]{QSize(6, 4), QSize(12, 10), QSize(6, 4)};
        for (int i = 0; i < 3; ++i) {
            vud::GifDisplay *gif = board->gifElement(i);
            QCOMPARE(gif->file(), data + "/gifs/" + names[i]);
            QVERIFY(gif->isVisible());
            const QPointF expected = onBoard(placed[i]);
            QVERIFY2(near(gif->pos(), expected),
                     qPrintable(QString("drawing %1 at %2,%3, not %4,%5")
                                    .arg(i).arg(gif->x()).arg(gif->y())
                                    .arg(expected.x()).arg(expected.y())));
            const QSizeF size = QSizeF(natural[i]) * fit.scale;
            QVERIFY2(near(QPointF(gif->width(), gif->height()), QPointF(size.width(), size.height())),
                     qPrintable(QString("drawing %1 is %2x%3").arg(i).arg(gif->width()).arg(gif->height())));
        }
        // The whole picture on show is the saved one, stamps and all, scaled
        // the same way: the butterfly's still square and a block around it.
        const QImage onScreen = board->picture2()->grab().toImage();
        auto shownAt = [&](QPointF pixel) {
            return onScreen.pixel((onBoard(pixel) - QPointF(grid.topLeft())).toPoint());
        };
        // Near enough after smooth scaling, inside a flat area.
        QVERIFY(coloursClose(shownAt(placed[1] + QPointF(3, 4.5)), saved.pixel(placed[1] + QPoint(3, 4)), 8));
        QVERIFY(coloursClose(shownAt(QPointF(412, 59)), vudtest::blockColour(3, 0), 8));
    }
};

QTEST_MAIN(TestRoundTrip)
#include "tst_roundtrip.moc"
