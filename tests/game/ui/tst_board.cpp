#include "core/coordinates.h"
#include "core/datapaths.h"
#include "game/ui/board.h"
#include "game/ui/cellhighlight.h"
#include "game/ui/gameapp.h"
#include "game/ui/results.h"
#include "game/logic/screenlogic.h"
#include "support/testsupport.h"
#include "support/workedlayouts.h"
#include "uisupport/handclock.h"
#include "uisupport/recordingsound.h"
#include "widgets/facebutton.h"
#include "widgets/gifdisplay.h"
#include "widgets/sound.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QSignalSpy>
#include <QStyleHints>
#include <QtTest>

using namespace vudtest;

namespace {

// Equal but for the small shifts of a JPEG's compression.
bool sameColour(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) <= 24 && qAbs(a.green() - b.green()) <= 24 && qAbs(a.blue() - b.blue()) <= 24;
}

QSize screenSize()
{
    return QGuiApplication::primaryScreen()->geometry().size();
}

} // namespace

// The board as a child plays it: laid out for a picture, shuffled, repaired by
// clicks at board positions, timed, finished and revealed.
class TestBoard : public QObject
{
    Q_OBJECT

    TempProgramFolder *m_folder = nullptr;
    vudtest::RecordingSound m_sound;
    ScriptedRandom *m_random = nullptr;
    QString m_picture;
    QPointingDevice *m_touch = QTest::createTouchDevice();

    GameApp *m_app = nullptr;

    Form3 *board() const { return m_app->board(); }
    Form4 *results() const { return m_app->results(); }
    const vud::ScreenTwips &screen() const { return board()->screen(); }

    QString sound(const QString &name) const { return vud::dataPath("\\sonidos\\" + name); }

    // The pixel under the centre of a cell, or under a point given in twips.
    QPoint pixelAt(double xTwips, double yTwips) const
    {
        return QPoint(screen().toPixelsX(xTwips), screen().toPixelsY(yTwips));
    }
    QPoint cellCentre(int column, int row) const
    {
        const int cell = board()->cellSize();
        return pixelAt(board()->gridLeft() + column * cell + cell / 2.0,
                       board()->gridTop() + row * cell + cell / 2.0);
    }
    // The grid rectangle of a board of that size on this screen, in pixels:
    // where the whole picture lies.
    static QRect gridRect(int columns, int rows)
    {
        const vud::ScreenTwips s = vud::screenTwips();
        const boardlogic::GridLayout layout = boardlogic::layOutGrid(s.width(), s.height(), columns, rows);
        return s.toPixels(layout.gridLeft, layout.gridTop, layout.width(columns), layout.height(rows));
    }

    void click(QPoint pixel) { QTest::mouseClick(board()->windowHandle(), Qt::LeftButton, {}, pixel); }
    void clickCell(int column, int row) { click(cellCentre(column, row)); }
    void moveTo(QPoint pixel) { QTest::mouseMove(board()->windowHandle(), pixel); }

    // A point well past the platform's drag distance from another.
    static QPoint pastDragDistance(QPoint from)
    {
        return from + QPoint(QGuiApplication::styleHints()->startDragDistance() + 3, 0);
    }
    // A press, a move far enough for a drag, and a release at `to`: by the
    // mouse, or by a finger.
    void drag(QPoint from, QPoint to)
    {
        QWindow *window = board()->windowHandle();
        QTest::mousePress(window, Qt::LeftButton, {}, from);
        QTest::mouseMove(window, pastDragDistance(from));
        QTest::mouseMove(window, to);
        QTest::mouseRelease(window, Qt::LeftButton, {}, to);
    }
    void touchDrag(QPoint from, QPoint to)
    {
        QWindow *window = board()->windowHandle();
        QTest::touchEvent(window, m_touch).press(0, from, window);
        QTest::touchEvent(window, m_touch).move(0, pastDragDistance(from), window);
        QTest::touchEvent(window, m_touch).move(0, to, window);
        QTest::touchEvent(window, m_touch).release(0, to, window);
    }
    void tap(QPoint at)
    {
        QWindow *window = board()->windowHandle();
        QTest::touchEvent(window, m_touch).press(0, at, window);
        QTest::touchEvent(window, m_touch).release(0, at, window);
    }
    // Arrow keys to a cell; the first key only shows the highlight.
    void keysTo(QPoint cell)
    {
        Form3 *form = board();
        if (!form->cursor().shown())
            QTest::keyClick(form, Qt::Key_Right);
        while (form->cursor().cell() != cell) {
            const QPoint at = form->cursor().cell();
            QTest::keyClick(form, at.x() < cell.x()   ? Qt::Key_Right
                                  : at.x() > cell.x() ? Qt::Key_Left
                                  : at.y() < cell.y() ? Qt::Key_Down
                                                      : Qt::Key_Up);
            if (form->cursor().cell() == at)
                QFAIL("the highlight is stuck");
        }
    }
    // Takes the piece of one cell to another (or back to its own) the way a
    // child with that hand does.
    void carry(const QString &hand, QPoint fromCell, QPoint toCell)
    {
        const QPoint from = cellCentre(fromCell.x(), fromCell.y());
        const QPoint to = cellCentre(toCell.x(), toCell.y());
        if (hand == "click") {
            click(from);
            moveTo(to);
            click(to);
        } else if (hand == "drag") {
            drag(from, to);
        } else if (hand == "touch drag") {
            touchDrag(from, to);
        } else if (hand == "tap") {
            tap(from);
            // Two quick taps on one spot are a double tap, which lifts once.
            if (from == to)
                QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 100);
            tap(to);
        } else if (hand == "keys") {
            keysTo(fromCell);
            QTest::keyClick(board(), Qt::Key_Space);
            keysTo(toCell);
            QTest::keyClick(board(), Qt::Key_Return);
        } else {
            QFAIL(qPrintable("no such hand: " + hand));
        }
    }

    // The selection screen's choice of a grid and a picture (by default the
    // test's block picture).
    boardlogic::BoardChoice choice(int columns, int rows, const QString &picturePath = QString()) const
    {
        boardlogic::BoardChoice chosen;
        chosen.GridColumns = std::uint8_t(columns);
        chosen.GridRows = std::int16_t(rows);
        chosen.PicturePath = picturePath.isNull() ? m_picture : picturePath;
        chosen.PictureName = QFileInfo(chosen.PicturePath).fileName();
        return chosen;
    }

    // A board of the given size, on show, for a picture exactly as large as
    // its grid painted in blocks of one colour per cell.
    void openBoard(int columns, int rows, const QString &picturePath = QString())
    {
        m_app->openBoard(choice(columns, rows, picturePath));
        Form3 *form = board();
        form->showModeless();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }

    // The shuffle swaps cells (0, 0) and (1, 0) once; the other 99 swaps
    // leave the grid alone. One swap by the child then finishes the game.
    void scriptOneSwapShuffle()
    {
        // r1 = 0, c1 = 0, r2 = 0, c2 = 1, then zeros: cell (0, 0) with itself.
        m_random->m_fractions = {0.0, 0.0, 0.0, 1.5 / board()->boardColumns(), 0.0};
        m_random->drawn = 0;
    }

    // The piece is centred on the pointer, to the pixel.
    static bool nearPointer(const PieceBox *box, QPoint pointer)
    {
        const QPointF centre = QRectF(box->geometry()).center();
        return qAbs(centre.x() - pointer.x()) <= 1.0 && qAbs(centre.y() - pointer.y()) <= 1.0;
    }

    void checkPiecesLieOnTheirCells()
    {
        Form3 *form = board();
        for (int r = 0; r < form->boardRows(); ++r) {
            for (int c = 0; c < form->boardColumns(); ++c) {
                const PieceBox *box = form->piece(form->cellPiece(c, r));
                QCOMPARE(box->leftTwips(), form->gridLeft() + c * form->cellSize());
                QCOMPARE(box->topTwips(), double(form->gridTop() + r * form->cellSize()));
            }
        }
    }

    void finishOneSwapGame()
    {
        scriptOneSwapShuffle();
        board()->Timer1_Timer();
        QCOMPARE(board()->cellPiece(0, 0), 1);
        clickCell(0, 0);
        QVERIFY(board()->carrying());
        clickCell(1, 0);
        QVERIFY(board()->grid().isSolved());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(screenSize().width() > 0);
    }

    void init()
    {
        m_folder = new TempProgramFolder;
        m_sound.played.clear();
        m_random = new ScriptedRandom({0.0});
        m_app = new GameApp(m_sound, *m_random);
        connect(m_app, &GameApp::exitRequested, this, [] { QFAIL("the program was ended"); });
        m_picture = m_folder->file("imagenes/bloques.png");
        QVERIFY(writeBlockPicture(m_picture, screenSize(), 12, 9));
    }

    void cleanup()
    {
        delete m_app;
        m_app = nullptr;
        delete m_random;
        m_random = nullptr;
        delete m_folder;
        m_folder = nullptr;
    }

    // ------------------------------------------------------------ set-up

    void layOutMatchesTheWorkedExamples_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("cellSize");
        QTest::addColumn<int>("top");
        QTest::addColumn<double>("left");
        for (const WorkedLayout &w : workedLayouts())
            QTest::newRow(w.tag()) << w.screenPixels << w.columns << w.rows << w.cellSize << w.gridTop << w.gridLeft;
    }
    void layOutMatchesTheWorkedExamples()
    {
        QFETCH(QSize, screen);
        if (screen != screenSize())
            QSKIP("worked example for another screen");
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(int, cellSize);
        QFETCH(int, top);
        QFETCH(double, left);
        openBoard(columns, rows);
        Form3 *form = board();
        QCOMPARE(form->cellSize(), cellSize);
        QCOMPARE(form->gridTop(), top);
        QCOMPARE(form->gridLeft(), left);
        QCOMPARE(form->pieceCount(), columns * rows);
        QCOMPARE(form->findChildren<PieceBox *>("Picture1").size(), columns * rows);
        for (int i = 0; i < columns * rows; ++i) {
            const PieceBox *box = form->piece(i);
            QCOMPARE(box->property("index").toInt(), i);
            QCOMPARE(box->leftTwips(), left + (i % columns) * cellSize);
            QCOMPARE(box->topTwips(), double(top + (i / columns) * cellSize));
            QCOMPARE(box->sideTwips(), cellSize);
            QCOMPARE(form->cellPiece(i % columns, i / columns), i);
            QVERIFY(box->isVisible());
            QVERIFY(!box->isEnabled());
            QVERIFY(box->bordered());
        }
        const boardlogic::TwipsRect p2 = form->picture2()->rectTwips();
        QCOMPARE(p2.left, left);
        QCOMPARE(p2.top, double(top));
        QCOMPARE(p2.width, double(columns * cellSize));
        QCOMPARE(p2.height, double(rows * cellSize));
        QVERIFY(!form->picture2()->isVisible());
        QVERIFY(form->timer1()->isActive());
        QVERIFY(!form->timer3()->isActive());
        QCOMPARE(form->timer1()->interval(), 1000);
        QCOMPARE(form->timer2()->interval(), 500);
        QCOMPARE(form->timer3()->interval(), 1000);
        // Neighbouring pieces touch on the screen: no gap between them.
        if (columns > 1)
            QVERIFY(form->piece(1)->geometry().left() <= form->piece(0)->geometry().right() + 1);
    }

    // The whole grid must stay on the screen and clear of the button column,
    // or rows fall off the screen and the puzzle cannot be finished.
    void everyCountFitsOnThisScreen_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        for (int button = 0; button < Screens::PieceCountButtons; ++button) {
            const Screens::PieceCount count = Screens::pieceCount(button);
            QTest::addRow("%d pieces", count.columns * count.rows) << int(count.columns) << int(count.rows);
        }
    }
    void everyCountFitsOnThisScreen()
    {
        QFETCH(int, columns);
        QFETCH(int, rows);
        openBoard(columns, rows);
        Form3 *form = board();
        const QRect screenRect(QPoint(0, 0), screenSize());
        QRect grid;
        for (int i = 0; i < form->pieceCount(); ++i)
            grid |= form->piece(i)->geometry();
        QVERIFY2(screenRect.contains(grid), qPrintable(QStringLiteral("grid %1,%2 %3x%4")
                                                           .arg(grid.x()).arg(grid.y())
                                                           .arg(grid.width()).arg(grid.height())));
        QVERIFY(grid.left() > form->findChild<QAbstractButton *>("Command6")->geometry().right());
        const bool wide = screenSize().width() * 3 > screenSize().height() * 4;
        const int widthRule = (screenSize().width() * 15 / 10 * 9) / columns;
        if (wide)
            QCOMPARE(form->cellSize(), (screenSize().height() * 15 / 10 * 9) / rows);
        else
            QCOMPARE(form->cellSize(), widthRule);
    }

    // Each piece shows its own square of the picture, lined up with the whole
    // picture, and keeps that image wherever it is moved.
    void piecesShowTheirSquareOfThePicture()
    {
        // A picture whose blocks are exactly the cells of this grid.
        const QRect gridPixels = gridRect(4, 3);
        QVERIFY(writeBlockPicture(m_picture, gridPixels.size(), 4, 3));
        openBoard(4, 3);
        Form3 *form = board();
        QCOMPARE(form->picture2()->geometry(), gridPixels);
        for (int i = 0; i < 12; ++i) {
            const QImage image = form->piece(i)->image().toImage();
            QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 2),
                     blockColour(i % 4, i / 4));
        }
        QVector<qint64> keys;
        for (int i = 0; i < 12; ++i)
            keys.append(form->piece(i)->image().cacheKey());
        m_random->m_fractions = {0.7, 0.3, 0.1, 0.8, 0.5, 0.2};
        form->Timer1_Timer();
        clickCell(1, 1);
        moveTo(cellCentre(3, 2));
        clickCell(3, 2);
        for (int i = 0; i < 12; ++i)
            QCOMPARE(form->piece(i)->image().cacheKey(), keys.at(i));
        // The widget draws that image: grab a piece off the screen.
        const PieceBox *moved = form->piece(form->cellPiece(3, 2));
        const QImage shown = const_cast<PieceBox *>(moved)->grab().toImage();
        QCOMPARE(shown.pixelColor(shown.width() / 2, shown.height() / 2),
                 blockColour(moved->index() % 4, moved->index() / 4));
    }

    // Whatever its size, the picture covers the whole grid: scaled by the
    // larger of the two ratios; what overflows sideways is cut equally at
    // both sides, what overflows vertically a third at the top and two
    // thirds at the bottom. The numbers are worked by hand for 6 pieces,
    // whose grid is 720 x 480, 921 x 614 and 1458 x 972 pixels on these
    // screens.
    void wholePictureCoversTheGrid_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QSize>("scaled");
        QTest::addColumn<QPoint>("offset");
        const struct
        {
            QSize screen, grid;
            double photoScale, smallScale;
            QSize scaled;
            QPoint offset;
            double portraitScale;
            QSize portraitScaled;
            QPoint portraitOffset;
        } screens[] = {
            // 60 rows over: 20 off the top. The 300 x 400 portrait grows to
            // 720 x 960: 480 over, 160 off the top.
            {{800, 600}, {720, 480}, 0.18, 3.6, {720, 540}, {0, -20}, 2.4, {720, 960}, {0, -160}},
            // 77 over: 25.67 rounds to 26. Portrait: 614 over, 204.67 is 205.
            {{1024, 768}, {921, 614}, 0.23025, 4.605, {921, 691}, {0, -26}, 3.07, {921, 1228}, {0, -205}},
            // 1093.5 rounds up; 122 over, 40.67 is 41. Portrait: 972 over, 324.
            {{1920, 1080}, {1458, 972}, 0.3645, 7.29, {1458, 1094}, {0, -41}, 4.86, {1458, 1944}, {0, -324}},
        };
        for (const auto &s : screens) {
            const QByteArray tag = QByteArray::number(s.screen.width()) + "x" + QByteArray::number(s.screen.height());
            QTest::newRow(tag + " phone photo") << s.screen << "foto.jpg" << QSize(4000, 3000)
                                                << s.photoScale << s.scaled << s.offset;
            QTest::newRow(tag + " grid size") << s.screen << "justo.png" << s.grid << 1.0 << s.grid
                                              << QPoint(0, 0);
            QTest::newRow(tag + " small") << s.screen << "chico.png" << QSize(200, 150) << s.smallScale
                                          << s.scaled << s.offset;
            QTest::newRow(tag + " portrait") << s.screen << "retrato.png" << QSize(300, 400) << s.portraitScale
                                             << s.portraitScaled << s.portraitOffset;
        }
    }
    void wholePictureCoversTheGrid()
    {
        QFETCH(QSize, screen);
        QFETCH(QString, file);
        QFETCH(QSize, picture);
        QFETCH(double, scale);
        QFETCH(QSize, scaled);
        QFETCH(QPoint, offset);
        if (screenSize() != screen)
            QSKIP("worked for another screen");
        // Four blocks meeting in the middle of the picture, which lands where
        // the cut puts the scaled picture's centre.
        const QString path = m_folder->file("imagenes/" + file);
        QVERIFY(writeBlockPicture(path, picture, 2, 2));
        openBoard(3, 2, path);
        Form3 *form = board();
        const vud::PictureFit &fit = form->pictureFit();
        QCOMPARE(fit.scale, scale);
        QCOMPARE(fit.size, scaled);
        QCOMPARE(fit.offset, offset);

        const QImage whole = form->picture2()->picture();
        const QRect grid = form->picture2()->geometry();
        QCOMPARE(whole.size(), grid.size());
        // The blocks meet where the scaled picture's centre falls, and the
        // grid's corners show the picture's corners: nothing is left bare.
        const QPoint centre(offset.x() + scaled.width() / 2, offset.y() + scaled.height() / 2);
        const QPoint probes[] = {{-12, -12}, {12, -12}, {-12, 12}, {12, 12}};
        for (int k = 0; k < 4; ++k) {
            QVERIFY(sameColour(whole.pixelColor(centre + probes[k]), blockColour(k % 2, k / 2)));
            const QPoint corner((k % 2) * (grid.width() - 1), (k / 2) * (grid.height() - 1));
            QVERIFY(sameColour(whole.pixelColor(corner), blockColour(k % 2, k / 2)));
        }
        // Every piece is its square of that same image, pixel for pixel.
        for (int i = 0; i < 6; ++i) {
            const PieceBox *box = form->piece(i);
            const QRect square = QRect(box->pos() - grid.topLeft(), box->size()) & whole.rect();
            const QImage own = box->image().toImage().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(own.copy(QRect(QPoint(0, 0), square.size())),
                     whole.copy(square).convertToFormat(QImage::Format_RGB32));
        }
    }

    // On a high-density screen the pieces are made at its device pixels.
    void highDensityPiecesAreSharp()
    {
        const qreal ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
        if (ratio < 2)
            QSKIP("for a screen scaled to 200 %");
        const QRect grid = gridRect(3, 2);
        QVERIFY(writeBlockPicture(m_picture, grid.size() * 2, 6, 4));
        openBoard(3, 2);
        Form3 *form = board();
        QCOMPARE(form->picture2()->picture().size(), grid.size() * 2);
        QCOMPARE(form->picture2()->picture().devicePixelRatio(), ratio);
        const QPixmap image = form->piece(4)->image();
        QCOMPARE(image.devicePixelRatio(), ratio);
        QCOMPARE(image.size(), form->piece(4)->size() * 2);
        // The piece's device pixels hold its own square of the picture.
        const QImage pixels = image.toImage();
        QVERIFY(sameColour(pixels.pixelColor(4, 4), blockColour(2, 2)));
        QVERIFY(sameColour(pixels.pixelColor(pixels.width() - 5, pixels.height() - 5), blockColour(3, 3)));
    }

    // With the outlines off, pieces in their cells show the picture pixel
    // for pixel as the whole picture does, on every screen and scale; once
    // shuffled, no seam of the pieces' face shows between them either. A
    // two-colour (1-bit) PNG keeps its colours when scaled to the grid.
    void piecesInPlaceShowThePictureExactly_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("twoColours");
        QTest::newRow("6 pieces") << 3 << 2 << false;
        QTest::newRow("12 pieces") << 4 << 3 << false;
        QTest::newRow("108 pieces") << 12 << 9 << false;
        QTest::newRow("two-colour png") << 3 << 2 << true;
    }
    void piecesInPlaceShowThePictureExactly()
    {
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(bool, twoColours);
        const qreal ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
        const QRect grid = gridRect(columns, rows);
        const QString path = m_folder->file(twoColours ? "imagenes/dos.png" : "imagenes/pixeles.png");
        const QColor red(220, 30, 40), blue(30, 60, 200);
        if (twoColours) {
            QVERIFY(writeTwoColourPng(path, QSize(90, 60), red, blue));
        } else {
            // Every pixel differs from its neighbours, so a shift by one
            // shows; made at the device pixels of the grid, so not scaled.
            QImage pixels(grid.size() * ratio, QImage::Format_RGB32);
            for (int y = 0; y < pixels.height(); ++y)
                for (int x = 0; x < pixels.width(); ++x)
                    pixels.setPixel(x, y, qRgb((x * 7) % 200, (y * 5) % 200, 50 + (x + 3 * y) % 100));
            QVERIFY(pixels.save(path));
        }
        openBoard(columns, rows, path);
        Form3 *form = board();
        form->Timer1_Timer(); // the scripted shuffle leaves every piece home
        QVERIFY(form->grid().isSolved());
        form->Command8_Click();
        QVERIFY(!form->bordersShown());
        const QImage whole = form->picture2()->picture().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(whole.size(), grid.size() * ratio);
        QVERIFY(form->picture2()->isHidden());
        QCOMPARE(form->grab(grid).toImage().convertToFormat(QImage::Format_RGB32), whole);
        if (twoColours) {
            QVERIFY(sameColour(whole.pixelColor(whole.width() / 6, whole.height() / 2), red));
            QVERIFY(sameColour(whole.pixelColor(whole.width() * 5 / 6, whole.height() / 2), blue));
            const QImage first = form->piece(0)->image().toImage();
            QVERIFY(sameColour(first.pixelColor(first.width() / 2, first.height() / 2), red));
            const QImage last = form->piece(2)->image().toImage();
            QVERIFY(sameColour(last.pixelColor(last.width() / 2, last.height() / 2), blue));
            return;
        }

        // Shuffled, the last piece of the first row stands in the first cell,
        // left of a piece laid out before it: still no pixel of the pieces'
        // face shows between them.
        const QRgb face = form->palette().color(QPalette::Button).rgb();
        const auto faceShows = [face](const QImage &image) {
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixel(x, y) == face)
                        return true;
            return false;
        };
        QVERIFY(!faceShows(whole));
        // r1 = 0, c1 = 0, r2 = 0, c2 = the last column, then cell (0, 0) with
        // itself.
        m_random->m_fractions = {0.0, 0.0, 0.0, (columns - 0.5) / columns, 0.0};
        m_random->drawn = 0;
        form->Timer1_Timer();
        QCOMPARE(form->cellPiece(0, 0), columns - 1);
        QVERIFY(!faceShows(form->grab(grid).toImage().convertToFormat(QImage::Format_RGB32)));
    }

    // A picture that cannot be loaded still gives a board that plays.
    void unloadablePictureGivesBlankPieces_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty path") << QString("") << QByteArray();
        QTest::newRow("missing") << "imagenes/nada.bmp" << QByteArray();
        QTest::newRow("not a picture") << "imagenes/texto.bmp" << QByteArray("no soy un dibujo");
        QTest::newRow("truncated png") << "imagenes/roto.png" << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        QTest::newRow("a folder") << "imagenes" << QByteArray();
    }
    void unloadablePictureGivesBlankPieces()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QString path = file.isEmpty() ? QString("") : m_folder->file(file);
        if (!bytes.isEmpty())
            QVERIFY(writeBytes(path, bytes));
        openBoard(3, 2, path);
        Form3 *form = board();
        QCOMPARE(form->pieceCount(), 6);
        const QColor face = form->palette().color(QPalette::Button);
        const QImage image = form->piece(4)->image().toImage();
        QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 2), face);
        finishOneSwapGame();
        QCOMPARE(results()->List1->count(), 1);
    }

    // A rebuild removes the pieces the old board made, by the old size.
    void rebuildFromOneHundredEightToSix()
    {
        openBoard(12, 9);
        Form3 *form = board();
        QCOMPARE(form->pieceCount(), 108);
        QCOMPARE(form->cellPiece(11, 8), 107);
        QVector<QPointer<PieceBox>> old;
        for (int i = 0; i < 108; ++i)
            old.append(form->piece(i));

        int layouts = 0;
        form->setPictureLoader([&layouts](const QString &path) {
            ++layouts;
            return QImage(path);
        });
        form->chooseBoard(choice(3, 2));
        results()->showModeless();
        form->showModeless();
        QTRY_COMPARE(form->pieceCount(), 6);
        QCOMPARE(form->findChildren<PieceBox *>().size(), 6);
        QVERIFY(old.at(0));
        for (int i = 1; i < 108; ++i)
            QVERIFY(!old.at(i));
        QCOMPARE(layouts, 1);
        QCOMPARE(form->boardColumns(), 3);
        QCOMPARE(form->boardRows(), 2);
        checkPiecesLieOnTheirCells();
        QVERIFY(!form->piece(0)->isEnabled());
        QVERIFY(form->timer1()->isActive());
        // One board per choice: coming back from the results list before the
        // first click continues the same board, shuffle and all.
        QVERIFY(!form->rebuildBoard());
        form->Timer1_Timer();
        QVector<int> shuffled;
        for (int k = 0; k < 6; ++k)
            shuffled.append(form->cellPiece(k % 3, k / 3));
        QPointer<PieceBox> fifth = form->piece(5);
        results()->showModeless();
        QTRY_VERIFY(results()->isActiveWindow());
        form->showModeless();
        QTRY_VERIFY(form->isActiveWindow());
        QCOMPARE(layouts, 1);
        QVERIFY(fifth);
        for (int k = 0; k < 6; ++k)
            QCOMPARE(int(form->cellPiece(k % 3, k / 3)), shuffled.at(k));
    }

    // Coming back to the board during a game changes nothing.
    void activationWithoutRebuildKeepsTheGame()
    {
        openBoard(4, 3);
        Form3 *form = board();
        m_random->m_fractions = {0.7, 0.3, 0.1, 0.8, 0.5, 0.2};
        form->Timer1_Timer();
        clickCell(2, 1);
        const int carried = form->carriedPiece();
        QPointer<PieceBox> last = form->piece(11);
        results()->showModeless();
        QTRY_VERIFY(results()->isActiveWindow());
        form->showModeless();
        QTRY_VERIFY(form->isActiveWindow());
        QVERIFY(last);
        QVERIFY(form->carrying());
        QCOMPARE(form->carriedPiece(), carried);
        QVERIFY(form->piece(0)->isEnabled());
    }

    // Looking at another program and coming back leaves the board as it
    // was, even with a new picture chosen; coming back from the program's
    // own results list lays the new board out, once.
    void comingBackFromAnotherProgramKeepsTheBoard()
    {
        openBoard(4, 3);
        Form3 *form = board();
        m_random->m_fractions = {0.7, 0.3, 0.1, 0.8, 0.5, 0.2};
        form->Timer1_Timer();
        auto cells = [form] {
            QVector<int> pieces;
            for (int r = 0; r < 3; ++r)
                for (int c = 0; c < 4; ++c)
                    pieces.append(form->cellPiece(c, r));
            return pieces;
        };
        const QVector<int> shuffled = cells();
        QPointer<PieceBox> last = form->piece(11);
        form->chooseBoard(choice(3, 2));

        QApplication::setActiveWindow(nullptr);
        QTRY_VERIFY(!form->isActiveWindow());
        QApplication::setActiveWindow(form);
        QTRY_VERIFY(form->isActiveWindow());
        QVERIFY(last);
        QCOMPARE(cells(), shuffled);
        QVERIFY(!form->timer1()->isActive());
        QVERIFY(form->rebuildBoard());

        results()->showModeless();
        QTRY_VERIFY(results()->isActiveWindow());
        QApplication::setActiveWindow(form);
        QTRY_VERIFY(form->isActiveWindow());
        QVERIFY(!last);
        QVERIFY(form->timer1()->isActive());
        QCOMPARE(form->pieceCount(), 6);
        QVERIFY(!form->rebuildBoard());
    }

    // ------------------------------------------------------------- play

    void clicksBeforeTheShuffleDoNothing()
    {
        openBoard(3, 2);
        clickCell(1, 1);
        Form3 *form = board();
        QVERIFY(!form->carrying());
        QVERIFY(m_sound.played.isEmpty());
        QVERIFY(!form->timer3()->isActive());
        QVERIFY(!form->findChildren<vud::FaceButton *>("Command2").first()->picture().isNull());
    }

    // Exactly 100 swaps in the drawn order, the pieces moved with their
    // cells, and the pieces enabled.
    void shuffleMovesPiecesWithTheirCells()
    {
        openBoard(4, 3);
        Form3 *form = board();
        m_random->m_fractions = {0.7, 0.3, 0.1, 0.8, 0.5, 0.2, 0.9, 0.6, 0.35, 0.45};
        form->Timer1_Timer();
        QCOMPARE(m_random->drawn, 400);
        QCOMPARE(m_random->seeds, 1);
        QVERIFY(!form->timer1()->isActive());
        // First swap: r1 = 2, c1 = 1, r2 = 0, c2 = 3.
        boardlogic::PieceGrid expected;
        expected.reset(4, 3);
        ScriptedRandom replay(m_random->m_fractions);
        boardlogic::shuffle(expected, replay);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 4; ++c)
                QCOMPARE(form->cellPiece(c, r), expected.at(c, r));
        QVERIFY(!form->grid().isSolved());
        checkPiecesLieOnTheirCells();
        for (int i = 0; i < 12; ++i)
            QVERIFY(form->piece(i)->isEnabled());
    }

    void timerOneShufflesOnceASecondAfterSetUp()
    {
        openBoard(3, 2);
        QTRY_COMPARE_WITH_TIMEOUT(m_random->drawn, 400, 3000);
        QTest::qWait(1200);
        QCOMPARE(m_random->drawn, 400);
        QVERIFY(board()->piece(5)->isEnabled());
    }

    // Lift, carry, put back and swap, by clicks at board positions.
    void liftCarryPutBackAndSwap()
    {
        openBoard(4, 3);
        Form3 *form = board();
        m_random->m_fractions = {0.7, 0.3, 0.1, 0.8, 0.5, 0.2};
        form->Timer1_Timer();
        auto *seconds = form->findChildren<vud::FaceButton *>("Command2").at(0);
        auto *moves = form->findChildren<vud::FaceButton *>("Command2").at(1);
        QCOMPARE(seconds->property("index").toInt(), 0);
        QSignalSpy drops(form, &Form3::dropped);
        // A click on the board keeps it: a choice made meanwhile waits for
        // the next one.
        form->chooseBoard(choice(3, 2));

        const int lifted = form->cellPiece(1, 1);
        clickCell(1, 1);
        QVERIFY(!form->rebuildBoard());
        QCOMPARE(drops.size(), 0);
        QVERIFY(form->carrying());
        QCOMPARE(form->carriedPiece(), lifted);
        QCOMPARE(m_sound.played, QStringList{sound("principio.wav")});
        QVERIFY(form->timer3()->isActive());
        QVERIFY(seconds->picture().isNull());
        QVERIFY(moves->picture().isNull());
        // The lifted piece is on top of every other piece.
        QCOMPARE(form->children().indexOf(form->piece(lifted)), form->children().size() - 1);

        // Carried: centred on the pointer wherever it goes.
        const QPoint far = cellCentre(3, 2) + QPoint(7, -5);
        moveTo(far);
        QVERIFY(nearPointer(form->piece(lifted), far));
        QCOMPARE(form->cellPiece(1, 1), lifted);

        // Put back.
        const int timerId = form->timer3()->timerId();
        clickCell(1, 1);
        QVERIFY(!form->carrying());
        QCOMPARE(drops.size(), 1);
        QCOMPARE(board()->moveCount(), 1);
        QCOMPARE(moves->text(), QString("1"));
        QCOMPARE(form->piece(lifted)->leftTwips(), form->gridLeft() + form->cellSize());
        QCOMPARE(form->timer3()->timerId(), timerId);
        checkPiecesLieOnTheirCells();

        // Swap with the piece of another cell.
        const int other = form->cellPiece(3, 0);
        clickCell(1, 1);
        moveTo(cellCentre(3, 0));
        clickCell(3, 0);
        QVERIFY(!form->carrying());
        QCOMPARE(form->cellPiece(3, 0), lifted);
        QCOMPARE(form->cellPiece(1, 1), other);
        QCOMPARE(board()->moveCount(), 2);
        QCOMPARE(drops.size(), 2);
        QCOMPARE(moves->text(), QString("2"));
        QCOMPARE(moves->accessibleName(), QString("Movimientos: 2"));
        checkPiecesLieOnTheirCells();
        QCOMPARE(m_sound.played, (QStringList{sound("principio.wav"), sound("fin.wav"),
                                              sound("principio.wav"), sound("fin.wav")}));
        QCOMPARE(form->timer3()->timerId(), timerId);
    }

    // A press may reach one piece while the point lies in its neighbour's
    // cell (a piece off its cell by a pixel). The piece lifted trades places
    // from its own cell, and every piece stays on the board.
    void liftOnTheOverlapKeepsEveryPiece()
    {
        openBoard(4, 3);
        Form3 *form = board();
        form->Timer1_Timer(); // the scripted shuffle leaves every piece home
        QVERIFY(form->grid().isSolved());
        form->Picture1_Click(0, QPointF(cellCentre(1, 0)));
        QVERIFY(form->carrying());
        QCOMPARE(form->carriedPiece(), 0);
        clickCell(2, 0);
        QVERIFY(!form->carrying());
        QCOMPARE(form->cellPiece(2, 0), 0);
        QCOMPARE(form->cellPiece(0, 0), 2);
        QCOMPARE(form->cellPiece(1, 0), 1);
        checkPiecesLieOnTheirCells();
    }

    // Small children double-click out of habit: the piece is lifted once
    // and stays lifted, no move is counted, and the next click drops it.
    void doubleClickLiftsOnce()
    {
        openBoard(4, 3);
        Form3 *form = board();
        form->Timer1_Timer();
        const int lifted = form->cellPiece(2, 1);
        QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, {}, cellCentre(2, 1));
        QVERIFY(form->carrying());
        QCOMPARE(form->carriedPiece(), lifted);
        QCOMPARE(board()->moveCount(), 0);
        QCOMPARE(m_sound.played, QStringList{sound("principio.wav")});

        moveTo(cellCentre(0, 2));
        clickCell(0, 2);
        QVERIFY(!form->carrying());
        QCOMPARE(form->cellPiece(0, 2), lifted);
        QCOMPARE(board()->moveCount(), 1);
        checkPiecesLieOnTheirCells();
    }

    // A shuffle can leave every piece in place. Putting a piece back then
    // finishes nothing; only a swap is checked for completion.
    void puttingBackOnASolvedBoardFinishesNothing()
    {
        openBoard(3, 2);
        Form3 *form = board();
        m_random->m_fractions = {0.0};
        form->Timer1_Timer();
        QVERIFY(form->grid().isSolved());
        clickCell(1, 0);
        clickCell(1, 0);
        QVERIFY(!form->carrying());
        QCOMPARE(board()->moveCount(), 1);
        QCOMPARE(results()->List1->count(), 0);
        QVERIFY(form->timer3()->isActive());
        QVERIFY(!form->timer2()->isActive());

        // Swapped away and back again: the second swap finishes the game.
        clickCell(0, 0);
        clickCell(1, 0);
        QCOMPARE(results()->List1->count(), 0);
        clickCell(0, 0);
        clickCell(1, 0);
        QCOMPARE(results()->List1->count(), 1);
        QVERIFY(!form->timer3()->isActive());
        QCOMPARE(m_sound.played.last(), sound("acabado.wav"));
    }

    // A click on the grid's edge or outside it is ignored, but still starts
    // the clock and clears the counters' pictures.
    void clicksOutsideTheGridAreIgnored()
    {
        if (screenSize() != QSize(800, 600))
            QSKIP("the grid's edges lie on whole pixels on 800 x 600");
        openBoard(3, 2);
        Form3 *form = board();
        m_random->m_fractions = {0.7, 0.3, 0.1, 0.8, 0.5, 0.2};
        form->Timer1_Timer();
        // Row 60 of the screen is Top 900, the grid's top edge: on a piece,
        // but not strictly inside the grid.
        click(QPoint(cellCentre(1, 0).x(), 60));
        QVERIFY(!form->carrying());
        QVERIFY(m_sound.played.isEmpty());
        QVERIFY(form->timer3()->isActive());
        QVERIFY(form->findChildren<vud::FaceButton *>("Command2").at(1)->picture().isNull());

        clickCell(0, 1);
        const int lifted = form->carriedPiece();
        // Hang the piece over the bottom edge (Top 8100 = pixel 540) and
        // click there: the piece takes the click, the pointer is on the edge.
        const QPoint edge(cellCentre(0, 1).x(), 540);
        moveTo(edge);
        click(edge);
        QVERIFY(form->carrying());
        // Further out, beyond the grid.
        const QPoint outside(cellCentre(0, 1).x(), 580);
        moveTo(outside);
        click(outside);
        QVERIFY(form->carrying());
        QCOMPARE(board()->moveCount(), 0);
        QCOMPARE(m_sound.played, QStringList{sound("principio.wav")});
        // Back on the grid the piece drops where the pointer is.
        moveTo(cellCentre(2, 0));
        clickCell(2, 0);
        QVERIFY(!form->carrying());
        QCOMPARE(form->cellPiece(2, 0), lifted);
    }

    // A fast pointer leaves the carried piece behind over another piece; the
    // carried piece must still come to the pointer.
    void fastDragOverAnotherPieceKeepsFollowing()
    {
        openBoard(6, 4);
        Form3 *form = board();
        m_random->m_fractions = {0.7, 0.3, 0.1, 0.8, 0.5, 0.2};
        form->Timer1_Timer();
        clickCell(0, 0);
        const int lifted = form->carriedPiece();
        // Straight from the first cell to a far one: the move is reported by
        // the piece lying there.
        const QPoint far = cellCentre(4, 3) + QPoint(3, 4);
        QCOMPARE(form->childAt(far), form->piece(form->cellPiece(4, 3)));
        moveTo(far);
        QVERIFY(nearPointer(form->piece(lifted), far));
        // And over the bare board outside the grid.
        const QPoint bare = pixelAt(form->gridLeft() / 2 + 400, form->gridTop() / 2);
        QVERIFY(!qobject_cast<PieceBox *>(form->childAt(bare)));
        moveTo(bare);
        QVERIFY(nearPointer(form->piece(lifted), bare));
    }

    // Every hand a child plays with puts a piece back (one move) and swaps
    // (one move, the completion checked): clicks, a mouse drag, a finger's
    // taps and a finger's drag.
    void everyHandPutsBackAndSwaps_data()
    {
        QTest::addColumn<QString>("hand");
        for (const char *hand : {"click", "drag", "tap", "touch drag", "keys"})
            QTest::newRow(hand) << QString(hand);
    }
    void everyHandPutsBackAndSwaps()
    {
        QFETCH(QString, hand);
        openBoard(3, 2);
        Form3 *form = board();
        scriptOneSwapShuffle();
        form->Timer1_Timer();
        QSignalSpy drops(form, &Form3::dropped);
        auto *moves = form->findChildren<vud::FaceButton *>("Command2").at(1);

        const int kept = form->cellPiece(1, 1);
        carry(hand, QPoint(1, 1), QPoint(1, 1));
        QVERIFY(!form->carrying());
        QCOMPARE(form->cellPiece(1, 1), kept);
        QCOMPARE(form->moveCount(), 1);
        QCOMPARE(moves->text(), QString("1"));
        QCOMPARE(drops.size(), 1);
        QCOMPARE(m_sound.played, (QStringList{sound("principio.wav"), sound("fin.wav")}));
        QVERIFY(form->timer3()->isActive());
        checkPiecesLieOnTheirCells();
        QCOMPARE(results()->List1->count(), 0);

        carry(hand, QPoint(0, 0), QPoint(1, 0));
        QVERIFY(!form->carrying());
        QVERIFY(form->grid().isSolved());
        QCOMPARE(form->moveCount(), 2);
        QCOMPARE(drops.size(), 2);
        checkPiecesLieOnTheirCells();
        QCOMPARE(m_sound.played, (QStringList{sound("principio.wav"), sound("fin.wav"), sound("principio.wav"),
                                              sound("fin.wav"), sound("acabado.wav")}));
        QCOMPARE(results()->List1->count(), 1);
        QVERIFY(results()->List1->item(0)->text().endsWith("MOVIMIENTOS ** 2 **"));
        QVERIFY(!form->timer3()->isActive());
    }

    // A drag let go outside the grid takes the piece back to its cell
    // without a move; the next press lifts again.
    void dragLetGoOutsideTheGridTakesThePieceBack_data()
    {
        QTest::addColumn<QString>("hand");
        for (const char *hand : {"drag", "touch drag", "escape"})
            QTest::newRow(hand) << QString(hand);
    }
    void dragLetGoOutsideTheGridTakesThePieceBack()
    {
        QFETCH(QString, hand);
        openBoard(3, 2);
        Form3 *form = board();
        m_random->m_fractions = {0.7, 0.3, 0.1, 0.8, 0.5, 0.2};
        form->Timer1_Timer();
        QSignalSpy drops(form, &Form3::dropped);
        const QVector<int> before = form->rules().cellPieces();
        const QPoint from = cellCentre(2, 1);
        const QPoint outside(screen().toPixelsX(form->gridLeft()) - 3, from.y());
        QVERIFY(!form->rules().isSolved());
        if (hand == "drag") {
            drag(from, outside);
        } else if (hand == "touch drag") {
            touchDrag(from, outside);
        } else {
            keysTo(QPoint(2, 1));
            QTest::keyClick(form, Qt::Key_Space);
            keysTo(QPoint(0, 0));
            QTest::keyClick(form, Qt::Key_Escape);
        }
        QVERIFY(!form->carrying());
        QCOMPARE(form->moveCount(), 0);
        QCOMPARE(drops.size(), 0);
        QCOMPARE(form->rules().cellPieces(), before);
        QCOMPARE(m_sound.played, QStringList{sound("principio.wav")});
        checkPiecesLieOnTheirCells();

        clickCell(2, 1);
        QVERIFY(form->carrying());
        QCOMPARE(form->carriedPiece(), form->cellPiece(2, 1));
    }

    // The first key only shows the highlight on the top-left cell; the
    // arrows stop at the grid's edges and the carried piece follows them.
    void keyboardHighlightAndCarry()
    {
        openBoard(4, 3);
        Form3 *form = board();
        form->Timer1_Timer();
        QCOMPARE(QApplication::focusWidget(), form);
        QVERIFY(!form->highlight()->isVisible());
        QTest::keyClick(form, Qt::Key_Down);
        QVERIFY(form->highlight()->isVisible());
        QCOMPARE(form->cursor().cell(), QPoint(0, 0));
        QVERIFY(!form->carrying());
        QVERIFY(m_sound.played.isEmpty());
        QVERIFY(!form->timer3()->isActive());
        QVERIFY(form->highlight()->geometry().contains(cellCentre(0, 0)));
        QTest::keyClick(form, Qt::Key_Left);
        QTest::keyClick(form, Qt::Key_Up);
        QCOMPARE(form->cursor().cell(), QPoint(0, 0));
        for (int k = 0; k < 6; ++k) {
            QTest::keyClick(form, Qt::Key_Right);
            QTest::keyClick(form, Qt::Key_Down);
        }
        QCOMPARE(form->cursor().cell(), QPoint(3, 2));

        const int lifted = form->cellPiece(3, 2);
        QTest::keyClick(form, Qt::Key_Enter);
        QVERIFY(form->carrying());
        QVERIFY(form->timer3()->isActive());
        QTest::keyClick(form, Qt::Key_Left);
        QVERIFY(form->piece(lifted)->geometry().contains(cellCentre(2, 2)));
        QVERIFY(form->highlight()->geometry().contains(cellCentre(2, 2)));
        // The frame stays over the carried piece.
        QVERIFY(form->children().indexOf(form->highlight()) > form->children().indexOf(form->piece(lifted)));
    }

    // One switch: Space, Enter or a mouse button anywhere chooses the
    // scanned row, then the cell; the clock steps. A whole game by it.
    void oneSwitchFinishesTheGame()
    {
        openBoard(3, 2);
        Form3 *form = board();
        HandClock clock;
        form->setScanning(true, 1500, &clock);
        QVERIFY(clock.running);
        scriptOneSwapShuffle();
        form->Timer1_Timer();
        QVERIFY(form->highlight()->isVisible());
        // The whole top row is framed.
        QVERIFY(form->highlight()->geometry().contains(cellCentre(0, 0)));
        QVERIFY(form->highlight()->geometry().contains(cellCentre(2, 0)));
        QVERIFY(!form->highlight()->geometry().contains(cellCentre(0, 1)));
        clock.tick();
        QVERIFY(form->highlight()->geometry().contains(cellCentre(2, 1)));
        clock.tick();
        QTest::keyClick(form, Qt::Key_Space); // the top row
        QTest::keyClick(form, Qt::Key_Return); // its first cell
        QVERIFY(form->carrying());
        QCOMPARE(form->carriedPiece(), 1);
        QVERIFY(form->timer3()->isActive());
        // A click anywhere, even on a button, is the switch and nothing else.
        QTest::mouseClick(form->findChild<vud::FaceButton *>("Command8"), Qt::LeftButton);
        QVERIFY(form->bordersShown());
        clock.tick();
        QVERIFY(form->highlight()->geometry().contains(cellCentre(1, 0)));
        QVERIFY(form->piece(1)->geometry().contains(cellCentre(1, 0)));
        click(cellCentre(2, 1));
        QVERIFY(form->grid().isSolved());
        QCOMPARE(form->moveCount(), 1);
        QCOMPARE(results()->List1->count(), 1);
        QCOMPARE(m_sound.played, (QStringList{sound("principio.wav"), sound("fin.wav"), sound("acabado.wav")}));
        form->setScanning(false);
        QVERIFY(!clock.running);
    }

    // The buttons are reached with Tab and pressed with Space.
    void buttonsByTabAndSpace()
    {
        openBoard(3, 2);
        Form3 *form = board();
        // No caption, yet named for assistive technology.
        QVERIFY(!form->accessibleName().isEmpty());
        QSignalSpy selection(form, &Form3::selectionRequested);
        auto *choose = form->findChild<vud::FaceButton *>("Command9");
        for (int k = 0; k < 10 && QApplication::focusWidget() != choose; ++k)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), choose);
        QVERIFY(choose->showsFocusFrame());
        QTest::keyClick(choose, Qt::Key_Space);
        QCOMPARE(selection.size(), 1);
        // The mouse takes the thick frame away.
        QTest::mouseClick(choose, Qt::LeftButton);
        QVERIFY(!choose->showsFocusFrame());
        // A click on a button leaves the keyboard on the grid.
        form->setFocus();
        QTest::mouseClick(form->findChild<vud::FaceButton *>("Command8"), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), form);
    }

    void clockCountsSecondsFromTheFirstClick()
    {
        openBoard(3, 2);
        Form3 *form = board();
        form->Timer1_Timer();
        QVERIFY(!form->timer3()->isActive());
        clickCell(0, 0);
        QVERIFY(form->timer3()->isActive());
        form->Timer3_Timer();
        form->Timer3_Timer();
        QCOMPARE(form->elapsedSeconds(), 2);
        QCOMPARE(form->findChildren<vud::FaceButton *>("Command2").at(0)->text(), QString("2"));
        QTRY_COMPARE_WITH_TIMEOUT(form->elapsedSeconds(), 3, 2500);
    }

    // ------------------------------------------------- completion, reveal

    void finishedGameWritesItsLineAndReveals_data()
    {
        QTest::addColumn<QString>("coordinates");
        QTest::addColumn<bool>("fileExists");
        QTest::addColumn<QSize>("pictureTimesGrid");
        QTest::addColumn<QVector<QPointF>>("positions");
        // Offsets from Picture2 in twips, at 15 twips per pixel: (212, 87)
        // lands at +3180, +1305; text after the third comma is ignored.
        const QString three("uno.gif,212,87,xyz\r\n\r\ndos.gif,100,5,\r\nuno.gif,0,0,\r\n");
        QTest::newRow("three lines") << three << true << QSize(1, 1)
                                     << QVector<QPointF>{{3180, 1305}, {1500, 75}, {0, 0}};
        // A picture twice the grid's size shows at half: every drawing keeps
        // its spot on the picture and plays at half its size.
        QTest::newRow("picture twice the grid") << three << true << QSize(2, 2)
                                                << QVector<QPointF>{{1590, 652.5}, {750, 37.5}, {0, 0}};
        // A picture twice as high as the grid loses a third of the grid's
        // height at the top: the drawings move up by that much, and one
        // placed above the cut is not started.
        const int cut = (gridRect(3, 2).height() + 1) / 3;
        const QString tall = QString("uno.gif,212,%1,\r\ndos.gif,100,%2,\r\nuno.gif,5,%3,\r\n")
                                 .arg(cut + 50).arg(cut - 10).arg(cut - 30);
        QTest::newRow("portrait picture") << tall << true << QSize(1, 2)
                                          << QVector<QPointF>{{3180, 750}, {1500, -150}};
        // A spot far off the picture lies outside every grid: not started.
        QTest::newRow("drawing off the grid") << QString("uno.gif,100000,0,\r\ndos.gif,100,5,\r\n") << true
                                              << QSize(2, 2) << QVector<QPointF>{{750, 37.5}};
        QTest::newRow("empty file") << QString() << true << QSize(1, 1) << QVector<QPointF>{};
        QTest::newRow("no file") << QString() << false << QSize(2, 2) << QVector<QPointF>{};
    }
    void finishedGameWritesItsLineAndReveals()
    {
        QFETCH(QString, coordinates);
        QFETCH(bool, fileExists);
        QFETCH(QSize, pictureTimesGrid);
        QFETCH(QVector<QPointF>, positions);
        const QSize grid = gridRect(3, 2).size();
        QVERIFY(writeBlockPicture(m_picture,
                                  QSize(grid.width() * pictureTimesGrid.width(), grid.height() * pictureTimesGrid.height()),
                                  3, 2));
        // The width sets the scale of every picture here.
        const int shrink = pictureTimesGrid.width();
        QVERIFY(writeGif(m_folder->file("gifs/uno.gif"), squareFrames(3), 5, 0));
        QVERIFY(writeGif(m_folder->file("gifs/dos.gif"), squareFrames(2), 5, 0));
        QVERIFY(writeGif(m_folder->file("gifs/x_elmani.gif"), squareFrames(2), 5, 0));
        // Found without regard to case.
        if (fileExists)
            QVERIFY(writeBytes(m_folder->file("coordenadas/BLOQUES.txt"), coordinates.toLatin1()));

        openBoard(3, 2);
        Form3 *form = board();
        finishOneSwapGame();
        QVERIFY(!form->timer3()->isActive());
        QCOMPARE(results()->List1->count(), 1);
        QCOMPARE(results()->List1->item(0)->text(),
                 QString(" 1 ) NIVEL : 6 PIEZAS - TIEMPO * 0 * SEGUNDOS - MOVIMIENTOS ** 1 **"));
        QCOMPARE(results()->gamesFinished(), 1);
        QCOMPARE(m_sound.played, (QStringList{sound("principio.wav"), sound("fin.wav"),
                                              sound("acabado.wav")}));
        QVERIFY(form->timer2()->isActive());
        QVERIFY(!form->revealShown());

        QTRY_VERIFY_WITH_TIMEOUT(form->revealShown(), 2000);
        QVERIFY(!form->timer2()->isActive());
        QVERIFY(form->picture2()->isVisible());
        const boardlogic::TwipsRect p2 = form->picture2()->rectTwips();
        const int pictureZ = form->children().indexOf(form->picture2());
        if (!fileExists) {
            QCOMPARE(form->gifCount(), 0);
            QCOMPARE(form->gifElementCount(), 1);
            vud::GifDisplay *gif = form->gifElement(0);
            QVERIFY(gif->isVisible());
            QVERIFY(gif->keepPlaying());
            QCOMPARE(gif->file(), vud::dataPath("\\gifs\\x_elmani.gif"));
            QCOMPARE(gif->leftTwips(), p2.left + 600);
            QCOMPARE(gif->topTwips(), p2.top + 800);
            QVERIFY(!gif->hasSetSize());
            QVERIFY(form->children().indexOf(gif) > pictureZ);
        } else {
            QCOMPARE(form->gifCount(), positions.size());
            QCOMPARE(form->gifElementCount(), positions.size() + 1);
            for (int k = 0; k < positions.size(); ++k) {
                vud::GifDisplay *gif = form->gifElement(k);
                QVERIFY(gif->isVisible());
                QVERIFY(gif->keepPlaying());
                QCOMPARE(gif->leftTwips(), p2.left + positions.at(k).x());
                QCOMPARE(gif->topTwips(), p2.top + positions.at(k).y());
                // The test drawings are 20 pixels square.
                QCOMPARE(gif->hasSetSize(), shrink != 1);
                QCOMPARE(gif->widthTwips(), 20 * 15.0 / shrink);
                QCOMPARE(gif->heightTwips(), 20 * 15.0 / shrink);
                QVERIFY(form->children().indexOf(gif) > pictureZ);
            }
            QVERIFY(!form->gifElement(positions.size())->isVisible());
            if (positions.size() > 1)
                QCOMPARE(form->gifElement(1)->file(), vud::dataPath("\\gifs\\dos.gif"));
        }
        // After the reveal a click on the picture leaves it on show, and
        // showing the picture again keeps the drawings on top.
        click(cellCentre(1, 1));
        QVERIFY(form->picture2()->isVisible());
        QTest::mouseClick(form->findChild<vud::FaceButton *>("Command6"), Qt::LeftButton);
        for (int k = 0; k < form->gifElementCount(); ++k) {
            if (form->gifElement(k)->isVisible())
                QVERIFY(form->children().indexOf(form->gifElement(k)) > form->children().indexOf(form->picture2()));
        }
    }

    // A game left unfinished for another picture: the new board starts as
    // clean as the first one. The clock stops and waits for the first click,
    // the counters show their pictures again, and the next finished game is
    // still number 1, timed from that click.
    void anAbandonedGameLeavesACleanBoard()
    {
        openBoard(3, 2);
        Form3 *form = board();
        auto *seconds = form->findChildren<vud::FaceButton *>("Command2").at(0);
        auto *moves = form->findChildren<vud::FaceButton *>("Command2").at(1);
        m_random->m_fractions = {0.7, 0.3, 0.1, 0.8, 0.5, 0.2};
        form->Timer1_Timer();
        clickCell(1, 1);
        clickCell(1, 1);
        form->Timer3_Timer();
        form->Timer3_Timer();
        QCOMPARE(seconds->text(), QString("2"));
        QCOMPARE(moves->text(), QString("1"));
        QVERIFY(seconds->picture().isNull() && moves->picture().isNull());

        // Another picture chosen on the selection screen.
        form->chooseBoard(choice(3, 2));
        results()->showModeless();
        QTRY_VERIFY(results()->isActiveWindow());
        form->showModeless();
        QTRY_VERIFY(form->timer1()->isActive());
        QCOMPARE(form->elapsedSeconds(), 0);
        // Left running, the old game's clock would count into the new game
        // before its first click.
        QVERIFY(!form->timer3()->isActive());
        QCOMPARE(seconds->text(), QString());
        QCOMPARE(moves->text(), QString());
        QVERIFY(!seconds->picture().isNull() && !moves->picture().isNull());

        // Waiting before the first click costs nothing: the clock starts
        // with it, and the game is timed by the one tick after it.
        scriptOneSwapShuffle();
        form->Timer1_Timer();
        QTest::qWait(50);
        QVERIFY(!form->timer3()->isActive());
        clickCell(0, 0);
        QVERIFY(form->timer3()->isActive());
        form->Timer3_Timer();
        QCOMPARE(seconds->text(), QString("1"));
        clickCell(1, 0);
        QCOMPARE(results()->List1->count(), 1);
        QCOMPARE(results()->List1->item(0)->text(),
                 QString(" 1 ) NIVEL : 6 PIEZAS - TIEMPO * 1 * SEGUNDOS - MOVIMIENTOS ** 1 **"));
    }

    // Games are numbered on in one run; the next board clears the reveal.
    void secondGameIsNumberedTwo()
    {
        QVERIFY(writeBytes(m_folder->file("coordenadas/bloques.txt"), "a.gif,1,1,\r\nb.gif,2,2,\r\n"));
        openBoard(3, 2);
        Form3 *form = board();
        finishOneSwapGame();
        form->Timer2_Timer();
        QCOMPARE(form->gifElementCount(), 3);

        form->chooseBoard(choice(4, 3));
        results()->showModeless();
        QTRY_VERIFY(results()->isActiveWindow());
        form->showModeless();
        QTRY_COMPARE(form->pieceCount(), 12);
        QCOMPARE(form->gifCount(), 0);
        QCOMPARE(form->gifElementCount(), 1);
        QVERIFY(!form->gifElement(0)->isVisible());
        QVERIFY(!form->revealShown());
        QCOMPARE(form->elapsedSeconds(), 0);
        // The last game's whole picture and drawings are gone: the child
        // sees the new pieces at once.
        QVERIFY(!form->picture2()->isVisible());
        for (int k = 0; k < form->gifElementCount(); ++k)
            QVERIFY(!form->gifElement(k)->isVisible());
        QCOMPARE(form->childAt(cellCentre(1, 1)), form->piece(5));

        finishOneSwapGame();
        QCOMPARE(results()->List1->count(), 2);
        QCOMPARE(results()->List1->item(1)->text(),
                 QString(" 2 ) NIVEL : 12 PIEZAS - TIEMPO * 0 * SEGUNDOS - MOVIMIENTOS ** 1 **"));
    }

    // The child picks another count on the selection screen and comes back
    // without a picture: every loop stays within the pieces that exist, and
    // the line reports the game actually played.
    void changedCountDuringAGame_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::newRow("more pieces chosen") << 12 << 9;
        QTest::newRow("fewer pieces chosen") << 3 << 2;
    }
    void changedCountDuringAGame()
    {
        QFETCH(int, columns);
        QFETCH(int, rows);
        openBoard(4, 3);
        Form3 *form = board();
        scriptOneSwapShuffle();
        form->Timer1_Timer();
        QTest::mouseClick(form->findChild<vud::FaceButton *>("Command1"), Qt::LeftButton);
        QTest::mouseClick(form->findChild<vud::FaceButton *>("Command8"), Qt::LeftButton);
        for (int i = 0; i < 12; ++i)
            QVERIFY(!form->piece(i)->bordered());
        click(form->picture2()->geometry().center());
        QVERIFY(!form->picture2()->isVisible());

        clickCell(0, 0);
        clickCell(1, 0);
        QVERIFY(form->grid().isSolved());
        QCOMPARE(results()->List1->item(0)->text(),
                 QString(" 1 ) NIVEL : 12 PIEZAS - TIEMPO * 0 * SEGUNDOS - MOVIMIENTOS ** 1 **"));
        // The next rebuild removes the twelve pieces that exist.
        form->chooseBoard(choice(columns, rows));
        results()->showModeless();
        QTRY_VERIFY(results()->isActiveWindow());
        form->showModeless();
        QTRY_COMPARE(form->pieceCount(), columns * rows);
        QCOMPARE(form->findChildren<PieceBox *>().size(), columns * rows);
    }

    // ------------------------------------------------------------ buttons

    void buttonsAsDesigned_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("top");
        QTest::addColumn<QColor>("face");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QString>("accessibleName"); // counters by their value
        QTest::newRow("Command6") << "Command6" << -1 << 0 << QColor(192, 192, 255) << QSize(36, 36)
                                  << QString("Ver el dibujo entero") << QString("Ver el dibujo entero");
        QTest::newRow("Command1") << "Command1" << -1 << 720 << QColor(255, 192, 255) << QSize(32, 32)
                                  << QString("Ver las piezas sin colocar") << QString("Ver las piezas sin colocar");
        QTest::newRow("Command8") << "Command8" << -1 << 1560 << QColor(255, 255, 0) << QSize(32, 32)
                                  << QString("Poner o quitar los bordes") << QString("Poner o quitar los bordes");
        QTest::newRow("Command9") << "Command9" << -1 << 2400 << QColor(128, 255, 128) << QSize(32, 32)
                                  << QString("Elegir otro dibujo") << QString("Elegir otro dibujo");
        QTest::newRow("Command2(0)") << "Command2" << 0 << 3960 << QColor(128, 255, 255) << QSize(42, 42)
                                  << QString("Segundos") << QString("Segundos: 0");
        QTest::newRow("Command2(1)") << "Command2" << 1 << 4680 << QColor(255, 192, 192) << QSize(32, 32)
                                  << QString("Movimientos") << QString("Movimientos: 0");
        QTest::newRow("Command5") << "Command5" << -1 << -1 << QColor(255, 128, 0) << QSize(32, 32)
                                  << QString("Salir") << QString("Salir");
    }
    void buttonsAsDesigned()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(int, top);
        openBoard(3, 2);
        Form3 *form = board();
        vud::FaceButton *button = nullptr;
        for (vud::FaceButton *b : form->findChildren<vud::FaceButton *>(name)) {
            if (index < 0 || b->property("index").toInt() == index)
                button = b;
        }
        QVERIFY(button);
        const double bottomTop = screen().height() - 735 - 200;
        QCOMPARE(button->geometry(), screen().toPixels(0, top < 0 ? bottomTop : top, 735, 735));
        QTEST(button->faceColour(), "face");
        QTEST(button->picture().size(), "picture");
        QVERIFY(button->text().isEmpty());
        // Said what it does, to the adult and to assistive technology.
        QTEST(button->toolTip(), "tip");
        QTEST(button->accessibleName(), "accessibleName");
        QCOMPARE(button->focusPolicy(), Qt::TabFocus);
        // A cheerful picture: several colours, not a blank square.
        const QImage image = button->picture().toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2)
                if (qAlpha(image.pixel(x, y)) == 255)
                    colours.insert(image.pixel(x, y));
        QVERIFY(colours.size() >= 4);
    }

    void labelsAsDesigned()
    {
        openBoard(3, 2);
        const QList<QLabel *> labels = board()->findChildren<QLabel *>("Label1");
        QCOMPARE(labels.size(), 2);
        QCOMPARE(labels.at(0)->text(), QString("Seg"));
        QCOMPARE(labels.at(1)->text(), QString("Mov"));
        QCOMPARE(labels.at(0)->geometry(), screen().toPixels(0, 3600, 735, 375));
        QCOMPARE(labels.at(1)->geometry(), screen().toPixels(0, 5520, 735, 495));
        const QFontInfo info(labels.at(0)->font());
        QVERIFY2(info.family() == "Arial" || info.family() == "Liberation Sans", qPrintable(info.family()));
        QCOMPARE(labels.at(0)->font().pointSize(), 12);
        QCOMPARE(labels.at(0)->palette().color(QPalette::WindowText),
                 labels.at(0)->palette().color(QPalette::Highlight));
    }

    void wholePictureShowsAndHides()
    {
        openBoard(3, 2);
        Form3 *form = board();
        form->Timer1_Timer();
        QTest::mouseClick(form->findChild<vud::FaceButton *>("Command6"), Qt::LeftButton);
        QVERIFY(form->picture2()->isVisible());
        QCOMPARE(form->childAt(cellCentre(1, 1)), form->picture2());
        click(cellCentre(1, 1));
        QVERIFY(!form->picture2()->isVisible());
        QVERIFY(!form->carrying());
    }

    // Pieces at home vanish under the picture; the others stay above it and
    // can still be moved.
    void showPlacedPiecesRaisesOnlyMisplacedOnes()
    {
        openBoard(4, 3);
        Form3 *form = board();
        scriptOneSwapShuffle();
        form->Timer1_Timer();
        QTest::mouseClick(form->findChild<vud::FaceButton *>("Command1"), Qt::LeftButton);
        QCOMPARE(form->childAt(cellCentre(2, 2)), form->picture2());
        QCOMPARE(form->childAt(cellCentre(0, 0)), form->piece(1));
        QCOMPARE(form->childAt(cellCentre(1, 0)), form->piece(0));
        clickCell(0, 0);
        QVERIFY(form->carrying());
        clickCell(1, 0);
        QVERIFY(form->grid().isSolved());
    }

    // Every press visibly switches the outlines: the first one too, and the
    // first one after a new board, which comes with outlines.
    void outlinesSwitchOnEveryPress()
    {
        openBoard(3, 2);
        Form3 *form = board();
        auto *outlines = form->findChild<vud::FaceButton *>("Command8");
        auto allBordered = [form](bool bordered) {
            for (int i = 0; i < form->pieceCount(); ++i) {
                if (form->piece(i)->bordered() != bordered)
                    return false;
            }
            return true;
        };
        QVERIFY(allBordered(true));
        QTest::mouseClick(outlines, Qt::LeftButton);
        QVERIFY(allBordered(false));
        QTest::mouseClick(outlines, Qt::LeftButton);
        QVERIFY(allBordered(true));
        QTest::mouseClick(outlines, Qt::LeftButton);
        QVERIFY(allBordered(false));

        form->chooseBoard(choice(4, 3));
        results()->showModeless();
        QTRY_VERIFY(results()->isActiveWindow());
        form->showModeless();
        QTRY_COMPARE(form->pieceCount(), 12);
        QVERIFY(allBordered(true));
        QTest::mouseClick(outlines, Qt::LeftButton);
        QVERIFY(allBordered(false));
    }

    void selectionAndResultsButtons()
    {
        openBoard(3, 2);
        Form3 *form = board();
        QSignalSpy selection(form, &Form3::selectionRequested);
        QTest::mouseClick(form->findChild<vud::FaceButton *>("Command9"), Qt::LeftButton);
        QCOMPARE(selection.size(), 1);
        for (vud::FaceButton *counter : form->findChildren<vud::FaceButton *>("Command2")) {
            results()->hide();
            QSignalSpy asked(form, &Form3::resultsRequested);
            QTest::mouseClick(counter, Qt::LeftButton);
            QCOMPARE(asked.size(), 1);
            QTRY_VERIFY(results()->isVisible());
        }
    }

    // The exit button ends the program at once, also in the middle of a
    // carried move, and nothing of the board runs after it.
    void exitEndsAtOnce()
    {
        openBoard(3, 2);
        Form3 *form = board();
        form->Timer1_Timer();
        clickCell(0, 0);
        QVERIFY(form->carrying());
        // The end is counted here instead of failing the test.
        QSignalSpy ends(form, &Form3::exitRequested);
        m_app->disconnect(this);
        QTest::mouseClick(form->findChild<vud::FaceButton *>("Command5"), Qt::LeftButton);
        QCOMPARE(ends.size(), 1);
        QVERIFY(!form->timer1()->isActive());
        QVERIFY(!form->timer2()->isActive());
        QVERIFY(!form->timer3()->isActive());
        const QStringList before = m_sound.played;
        clickCell(1, 1);
        form->Timer3_Timer();
        QCOMPARE(m_sound.played, before);
        QCOMPARE(board()->moveCount(), 0);
        QCOMPARE(form->elapsedSeconds(), 0);
    }
};

QTEST_MAIN(TestBoard)
#include "tst_board.moc"
