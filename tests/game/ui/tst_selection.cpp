#include "core/datapaths.h"
#include "core/previewloader.h"
#include "game/ui/board.h"
#include "game/ui/results.h"
#include "game/ui/gameapp.h"
#include "game/ui/selection.h"
#include "game/ui/start.h"
#include "support/testsupport.h"
#include "uisupport/dropfiles.h"
#include "uisupport/handclock.h"
#include "uisupport/recordingsound.h"
#include "widgets/facebutton.h"
#include "widgets/sound.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpression>
#include <QtTest>

#include <unistd.h>

using namespace vudtest;

namespace {

// Picture i of a test folder is (40 + i) x 30 pixels, small enough to keep
// its natural size, so a cell's width tells which file it shows.
int widthOfFile(int index)
{
    return 40 + index;
}

bool writeNumberedPictures(const TempProgramFolder &folder, int count)
{
    for (int i = 0; i < count; ++i) {
        QImage image(widthOfFile(i), 30, QImage::Format_RGB32);
        image.fill(QColor::fromHsv((i * 37) % 360, 200, 230));
        if (!image.save(folder.file(QStringLiteral("imagenes/p%1.png").arg(i, 2, 10, QLatin1Char('0')))))
            return false;
    }
    return true;
}

// Photograph-sized pictures of one colour each (file i has colourOfFile(i)),
// slow enough to decode that pages can be turned before they are ready.
QColor colourOfFile(int index)
{
    return QColor::fromHsv((index * 17) % 360, 220, 220);
}

bool writeSlowPictures(const TempProgramFolder &folder, int count)
{
    static QVector<QByteArray> encoded;
    while (encoded.size() < count) {
        QImage image(1600, 1200, QImage::Format_RGB32);
        image.fill(colourOfFile(encoded.size()));
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG"))
            return false;
        encoded << buffer.data();
    }
    for (int i = 0; i < count; ++i)
        if (!writeBytes(folder.file(QStringLiteral("imagenes/s%1.png").arg(i, 2, 10, QLatin1Char('0'))), encoded[i]))
            return false;
    return true;
}

bool near(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) <= 4 && qAbs(a.green() - b.green()) <= 4 && qAbs(a.blue() - b.blue()) <= 4;
}

// Waits until every preview of the page is placed and no worker is busy any
// more, so that nothing can arrive afterwards.
bool previewsPlaced(Form2 *form)
{
    if (!QTest::qWaitFor([form] { return form->Previews()->pending() == 0; }, 20000))
        return false;
    form->Previews()->waitForDone();
    QCoreApplication::processEvents();
    return form->Previews()->pending() == 0;
}

bool boardIsOpen()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (qobject_cast<Form3 *>(widget) && widget->isVisible())
            return true;
    return false;
}

} // namespace

// The selection screen: the piece counts, the paged gallery and the hand-over
// of the chosen picture to the board.
class TestSelection : public QObject
{
    Q_OBJECT

    TempProgramFolder *m_folder = nullptr;
    QTemporaryDir *m_cache = nullptr;
    vudtest::RecordingSound m_sound;
    vudtest::ScriptedRandom m_random{{0.0}};
    GameApp *m_app = nullptr;
    int m_programEnds = 0;

    Form2 *shownForm()
    {
        Form2 *form = m_app->selection();
        form->showModeless();
        if (!QTest::qWaitForWindowExposed(form) || !previewsPlaced(form))
            return nullptr;
        return form;
    }

    void click(QWidget *control)
    {
        QWidget *form = control->window();
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, control->mapTo(form, control->rect().center()));
    }

    // Where the sound is looked up: a row without imagenes runs in the
    // installed layout.
    QString sound(const char *name) const { return vud::findDataPath(QStringLiteral("\\sonidos\\") + name); }

private slots:
    void init()
    {
        m_folder = new TempProgramFolder;
        // The desktop's thumbnail cache, a fresh one for each test.
        m_cache = new QTemporaryDir;
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_cache->path()));
        m_sound.played.clear();
        m_app = new GameApp(m_sound, m_random);
        m_programEnds = 0;
        connect(m_app, &GameApp::exitRequested, this, [this] { ++m_programEnds; });
    }

    void cleanup()
    {
        delete m_app;
        m_app = nullptr;
        delete m_folder;
        m_folder = nullptr;
        delete m_cache;
        m_cache = nullptr;
    }

    // After loading, "6" is chosen (blue, 3 x 2), the others are pink, the
    // previous-page button is off and the start screen is gone.
    void loadState()
    {
        QVERIFY(writeNumberedPictures(*m_folder, 3));
        m_app->startScreen();
        m_sound.played.clear();
        Form2 *form = shownForm();
        QVERIFY(form);
        const vud::ScreenTwips screen = vud::screenTwips();

        QVERIFY(!m_app->hasStartScreen());
        QCOMPARE(form->windowTitle(), QStringLiteral("VUD 2.0"));
        QCOMPARE(form->size(), QSize(screen.toPixelsX(10245), screen.toPixelsY(7695)));
        // (12000 - 10245) \ 2 = 877 and (9000 - 7695) \ 2 = 652 twips.
        QCOMPARE(form->pos(), QPoint(screen.toPixelsX(877), screen.toPixelsY(652)));
        QCOMPARE(form->palette().color(QPalette::Window), QColor(255, 255, 192));
        QCOMPARE(int(form->Choice().GridColumns), 3);
        QCOMPARE(int(form->Choice().GridRows), 2);
        QVERIFY(!form->HasChosen());
        QCOMPARE(form->PageStart(), 0);
        QCOMPARE(form->Command3[0]->faceColour(), QColor(0, 0, 255));
        for (int index = 1; index < 10; ++index)
            QCOMPARE(form->Command3[index]->faceColour(), QColor(255, 192, 192));
        QVERIFY(!form->Command1[1]->isEnabled());
        QVERIFY(form->Command1[0]->isEnabled());
        QVERIFY(m_sound.played.isEmpty());
        for (int cell = 0; cell < 3; ++cell)
            QCOMPARE(form->Image1[cell]->width(), widthOfFile(cell));
        for (int cell = 3; cell < 9; ++cell)
            QVERIFY(!form->Image1[cell]->hasPicture());
    }

    void countButtons_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::newRow("6") << 0 << "6" << 3 << 2;
        QTest::newRow("12") << 1 << "12 " << 4 << 3;
        QTest::newRow("20") << 2 << "20" << 5 << 4;
        QTest::newRow("24") << 3 << "24" << 6 << 4;
        QTest::newRow("35") << 4 << "35" << 7 << 5;
        QTest::newRow("48") << 5 << "48" << 8 << 6;
        QTest::newRow("63") << 6 << "63" << 9 << 7;
        QTest::newRow("70") << 7 << "70" << 10 << 7;
        QTest::newRow("88") << 8 << "88" << 11 << 8;
        QTest::newRow("108") << 9 << "108" << 12 << 9;
    }
    // Each button sets its grid, plays its sound and is the only blue one,
    // also after another button was chosen first.
    void countButtons()
    {
        QFETCH(int, index);
        QFETCH(QString, caption);
        QFETCH(int, columns);
        QFETCH(int, rows);
        Form2 *form = shownForm();
        QVERIFY(form);
        const vud::ScreenTwips screen = vud::screenTwips();
        vud::FaceButton *button = form->Command3[index];
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->geometry(),
                 screen.toPixels(index % 2 ? 1560 : 240, QVector<int>{360, 1680, 3000, 4320, 5640}[index / 2], 1215, 1215));

        click(form->Command3[(index + 5) % 10]);
        click(button);
        QCOMPARE(int(form->Choice().GridColumns), columns);
        QCOMPARE(int(form->Choice().GridRows), rows);
        QCOMPARE(columns * rows, caption.trimmed().toInt());
        for (int other = 0; other < 10; ++other)
            QCOMPARE(form->Command3[other]->faceColour(), other == index ? QColor(0, 0, 255) : QColor(255, 192, 192));
        QCOMPARE(m_sound.played, QStringList({sound("2.wav"), sound("2.wav")}));
    }

    void pagingWalk_data()
    {
        QTest::addColumn<int>("files"); // -1: no picture folder at all
        QTest::addColumn<QString>("presses"); // N next, P previous
        QTest::addColumn<int>("pageStart");
        QTest::addColumn<bool>("previousEnabled");
        QTest::addColumn<bool>("nextEnabled");
        QTest::addColumn<int>("pageSounds");
        QTest::addColumn<bool>("keys"); // Page Down and Page Up instead of the buttons
        QTest::newRow("20: first page") << 20 << "" << 0 << false << true << 0 << false;
        QTest::newRow("20: second page") << 20 << "N" << 9 << true << true << 1 << false;
        QTest::newRow("20: last files") << 20 << "NN" << 18 << true << true << 2 << false;
        QTest::newRow("20: empty page past the end") << 20 << "NNN" << 27 << true << true << 3 << false;
        QTest::newRow("20: next refused, silent") << 20 << "NNNN" << 27 << true << false << 3 << false;
        QTest::newRow("20: back re-enables next") << 20 << "NNNNP" << 18 << true << true << 4 << false;
        QTest::newRow("20: previous on first page") << 20 << "P" << 0 << false << true << 0 << false;
        QTest::newRow("20: back to first, previous stays on") << 20 << "NP" << 0 << true << true << 2 << false;
        QTest::newRow("20: previous pressed there turns off") << 20 << "NPP" << 0 << false << true << 2 << false;
        QTest::newRow("18: first empty page") << 18 << "NN" << 18 << true << true << 2 << false;
        QTest::newRow("18: second empty page") << 18 << "NNN" << 27 << true << true << 3 << false;
        QTest::newRow("18: then refused") << 18 << "NNNN" << 27 << true << false << 3 << false;
        QTest::newRow("empty folder: one empty page") << 0 << "N" << 9 << true << true << 1 << false;
        QTest::newRow("empty folder: then refused") << 0 << "NN" << 9 << true << false << 1 << false;
        QTest::newRow("no folder: nine empty cells") << -1 << "" << 0 << false << true << 0 << false;
        QTest::newRow("no folder: one empty page") << -1 << "N" << 9 << true << true << 1 << false;
        QTest::newRow("no folder: then refused") << -1 << "NN" << 9 << true << false << 1 << false;
        QTest::newRow("20: Page Down twice") << 20 << "NN" << 18 << true << true << 2 << true;
        QTest::newRow("20: Page Up at the start turns it off") << 20 << "NPP" << 0 << false << true << 2 << true;
    }
    // The page buttons move by nine files, reach pages past the last file,
    // and turn themselves off only when pressed without moving; each cell
    // shows the file of its place on the page or nothing.
    void pagingWalk()
    {
        QFETCH(int, files);
        QFETCH(QString, presses);
        QFETCH(int, pageStart);
        QFETCH(bool, previousEnabled);
        QFETCH(bool, nextEnabled);
        QFETCH(int, pageSounds);
        QFETCH(bool, keys);
        if (files < 0)
            QVERIFY(QDir(m_folder->file("imagenes")).removeRecursively());
        else
            QVERIFY(writeNumberedPictures(*m_folder, files));
        Form2 *form = shownForm();
        QVERIFY(form);

        for (QChar press : presses) {
            if (keys)
                QTest::keyClick(form, press == QLatin1Char('N') ? Qt::Key_PageDown : Qt::Key_PageUp);
            else
                click(form->Command1[press == QLatin1Char('N') ? 0 : 1]);
        }
        QVERIFY(previewsPlaced(form));

        QCOMPARE(form->PageStart(), pageStart);
        QCOMPARE(form->Command1[1]->isEnabled(), previousEnabled);
        QCOMPARE(form->Command1[0]->isEnabled(), nextEnabled);
        QCOMPARE(m_sound.played, QStringList(QVector<QString>(pageSounds, sound("4.wav")).toList()));
        for (int cell = 0; cell < 9; ++cell) {
            const int file = pageStart + cell;
            PreviewCell *image = form->Image1[cell];
            if (file < files) {
                QVERIFY2(image->hasPicture(), qPrintable(QStringLiteral("cell %1").arg(cell)));
                QVERIFY(image->isVisible());
                QCOMPARE(image->width(), widthOfFile(file));
                QCOMPARE(image->pixmap().width(), widthOfFile(file));
            } else {
                QVERIFY2(!image->hasPicture(), qPrintable(QStringLiteral("cell %1").arg(cell)));
                QVERIFY(image->pixmap().isNull());
            }
        }
    }

    void cellsTakeTheFittedSize_data()
    {
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<QSizeF>("fittedTwips");
        // 15 twips per pixel: 120 x 100 pixels are 1800 x 1500 twips.
        QTest::newRow("small keeps its size") << QSize(120, 100) << QSizeF(1800, 1500);
        QTest::newRow("wide") << QSize(300, 150) << QSizeF(2000, 1000);
        QTest::newRow("tall") << QSize(100, 200) << QSizeF(800, 1600);
        QTest::newRow("too high, narrower") << QSize(150, 170) << QSizeF(1411, 1600);
        QTest::newRow("too high but wider") << QSize(133, 113) << QSizeF(2000, 1699);
        QTest::newRow("large photograph") << QSize(4000, 3000) << QSizeF(2000, 1500);
    }
    // A cell's top-left corner stays put and its size is the fitted one; the
    // picture is decoded at that size, not at its natural one.
    void cellsTakeTheFittedSize()
    {
        QFETCH(QSize, pixels);
        QFETCH(QSizeF, fittedTwips);
        QImage image(pixels, QImage::Format_RGB32);
        image.fill(QColor(250, 120, 40));
        QVERIFY(image.save(m_folder->file("imagenes/one.jpg")));
        QVERIFY(image.save(m_folder->file("imagenes/two.png")));
        Form2 *form = shownForm();
        QVERIFY(form);
        const vud::ScreenTwips screen = vud::screenTwips();
        for (int cell : {0, 1}) {
            const double left = cell == 0 ? 2880 : 5280;
            const QRect expected = screen.toPixels(left, 360, fittedTwips.width(), fittedTwips.height());
            QCOMPARE(form->Image1[cell]->geometry(), expected);
            QCOMPARE(form->Image1[cell]->pixmap().size(), expected.size());
        }
    }

    // The first picture of a run opens the board without a rebuild, every
    // later one has the board laid out anew; each choice starts counting
    // moves afresh.
    void choosingPicturesHandsThemToTheBoard()
    {
        QVERIFY(writeBlockPicture(m_folder->file("imagenes/a.png"), QSize(160, 120), 3, 2));
        QVERIFY(writeBlockPicture(m_folder->file("imagenes/B.png"), QSize(160, 120), 3, 2));
        Form2 *form = shownForm();
        QVERIFY(form);
        click(form->Command3[3]);
        QSignalSpy chosen(form, &Form2::pictureChosen);
        click(form->Image1[1]);

        QCOMPARE(chosen.size(), 1);
        const auto first = chosen.at(0).at(0).value<boardlogic::BoardChoice>();
        QCOMPARE(first.PictureName, QStringLiteral("B.png"));
        QCOMPARE(first.PicturePath, m_folder->file("imagenes/B.png"));
        QCOMPARE(int(first.GridColumns), 6);
        QCOMPARE(int(first.GridRows), 4);
        QVERIFY(form->HasChosen());
        QVERIFY(boardIsOpen());
        Form3 *board = m_app->board();
        QCOMPARE(board->choice(), first);
        QCOMPARE(board->pieceCount(), 24);
        QVERIFY(!board->rebuildBoard());
        QVERIFY(form->isVisible());
        // A move on the first board, counted.
        QVERIFY(QTest::qWaitForWindowExposed(board));
        board->Timer1_Timer();
        const QPoint cell = board->piece(0)->geometry().center();
        QTest::mouseClick(board->windowHandle(), Qt::LeftButton, {}, cell);
        QTest::mouseClick(board->windowHandle(), Qt::LeftButton, {}, cell);
        QCOMPARE(int(board->moveCount()), 1);

        // The board lays out the newly chosen picture once, as it comes to
        // the front, and takes the request back.
        QStringList laidOut;
        m_app->board()->setPictureLoader([&laidOut](const QString &path) {
            laidOut.append(path);
            return QImage(path);
        });
        form->showModeless();
        click(form->Image1[0]);
        QCOMPARE(int(board->moveCount()), 0);
        QTRY_COMPARE(laidOut, QStringList{m_folder->file("imagenes/a.png")});
        QVERIFY(!board->rebuildBoard());
        QCOMPARE(board->choice().PictureName, QStringLiteral("a.png"));
        QCOMPARE(int(board->choice().GridColumns), 6);
        QCOMPARE(chosen.size(), 2);
    }

    // A child with a keyboard alone: the name and Enter, a piece count and a
    // picture by arrows and Enter, and a 6-piece board solved by keys.
    void keyboardAloneFromStartToASolvedBoard()
    {
        QVERIFY(writeBlockPicture(m_folder->file("imagenes/a.png"), QSize(160, 120), 3, 2));
        QVERIFY(writeBlockPicture(m_folder->file("imagenes/b.png"), QSize(160, 120), 3, 2));
        const auto key = [](Qt::Key k) {
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus);
            QTest::keyClick(focus, k);
        };
        Form1 *start = m_app->startScreen();
        start->show();
        QVERIFY(QTest::qWaitForWindowActive(start));
        key(Qt::Key_Tab);
        key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), start->Text1);
        QTest::keyClicks(start->Text1, "Ana");
        key(Qt::Key_Return);
        QVERIFY(m_app->hasSelection());

        Form2 *form = m_app->selection();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QVERIFY(previewsPlaced(form));
        form->Command3[0]->setFocus(Qt::TabFocusReason);
        key(Qt::Key_Down);
        key(Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), form->Command3[3]);
        key(Qt::Key_Right); // the edge
        key(Qt::Key_Return);
        QCOMPARE(int(form->Choice().GridColumns), 6);
        key(Qt::Key_Up);
        key(Qt::Key_Left);
        QCOMPARE(QApplication::focusWidget(), form->Command3[0]);
        key(Qt::Key_Space);
        QCOMPARE(int(form->Choice().GridColumns), 3);
        for (int k = 0; k < 12 && !qobject_cast<PreviewCell *>(QApplication::focusWidget()); ++k)
            key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form->Image1[0]);
        key(Qt::Key_Right);
        key(Qt::Key_Right); // cell 2 shows nothing: the focus stays
        QCOMPARE(QApplication::focusWidget(), form->Image1[1]);
        // The shuffle swaps the top row's first two pieces.
        m_random.m_fractions = {0.0, 0.0, 0.0, 0.5, 0.0};
        m_random.drawn = 0;
        key(Qt::Key_Return);
        QVERIFY(boardIsOpen());
        Form3 *board = m_app->board();
        QCOMPARE(board->choice().PictureName, QStringLiteral("b.png"));
        QVERIFY(QTest::qWaitForWindowActive(board));
        QTRY_VERIFY_WITH_TIMEOUT(!board->timer1()->isActive(), 5000);
        QCOMPARE(board->cellPiece(0, 0), 1);
        QCOMPARE(QApplication::focusWidget(), board);
        key(Qt::Key_Right); // shows the highlight
        key(Qt::Key_Space);
        key(Qt::Key_Right);
        key(Qt::Key_Enter);
        QVERIFY(board->grid().isSolved());
        QCOMPARE(m_app->results()->gamesFinished(), 1);
    }

    // A child with one switch: one key alone, with the scan's clock, from
    // the start screen to a solved 6-piece board.
    void oneSwitchFromStartToASolvedBoard()
    {
        QVERIFY(writeBlockPicture(m_folder->file("imagenes/a.png"), QSize(160, 120), 3, 2));
        QVERIFY(writeBlockPicture(m_folder->file("imagenes/b.png"), QSize(160, 120), 3, 2));
        HandClock clock;
        m_app->setScanning(true, 1500, &clock);
        const auto press = [] {
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus);
            QTest::keyClick(focus, Qt::Key_Space);
        };
        Form1 *start = m_app->startScreen();
        start->show();
        QVERIFY(QTest::qWaitForWindowActive(start));
        press();
        QVERIFY(m_app->hasSelection());

        Form2 *form = m_app->selection();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QVERIFY(previewsPlaced(form));
        QVERIFY(clock.running);
        QCOMPARE(form->scanned(), form->Command3[0]);
        for (int k = 1; k <= 10; ++k) {
            clock.tick();
            QCOMPARE(form->scanned(), form->Command3[k % 10]);
            QCOMPARE(QApplication::focusWidget(), form->scanned());
        }
        press(); // 6
        QCOMPARE(int(form->Choice().GridColumns), 3);
        QCOMPARE(int(form->Choice().GridRows), 2);
        // Only the cells with a picture are offered; a pass with no press
        // goes back to the counts, at the one chosen.
        QCOMPARE(form->scanned(), form->Image1[0]);
        clock.tick();
        QCOMPARE(form->scanned(), form->Image1[1]);
        clock.tick();
        QCOMPARE(form->scanned(), form->Command3[0]);
        press(); // 6 again
        QCOMPARE(form->scanned(), form->Image1[0]);
        clock.tick();
        // The shuffle swaps the top row's first two pieces.
        m_random.m_fractions = {0.0, 0.0, 0.0, 0.5, 0.0};
        m_random.drawn = 0;
        press();
        QVERIFY(boardIsOpen());
        Form3 *board = m_app->board();
        QCOMPARE(board->choice().PictureName, QStringLiteral("b.png"));
        QVERIFY(QTest::qWaitForWindowActive(board));
        QTRY_VERIFY_WITH_TIMEOUT(!board->timer1()->isActive(), 5000);
        QCOMPARE(board->cellPiece(0, 0), 1);
        press(); // the top row
        press(); // its first cell: the piece is lifted
        QVERIFY(board->carrying());
        press(); // the top row again
        clock.tick();
        press(); // its second cell
        QVERIFY(board->grid().isSolved());
        QCOMPARE(m_app->results()->gamesFinished(), 1);
        // The windows let go of the clock before it goes.
        m_app->setScanning(false, 1500);
        QVERIFY(!clock.running);
    }

    // One switch reaches every picture: after the page's pictures the scan
    // stops on the page turns that lead to more, and a pass with no press
    // goes back to the counts.
    void oneSwitchTurnsTheGallerysPages()
    {
        QVERIFY(writeNumberedPictures(*m_folder, 12));
        Form2 *form = shownForm();
        QVERIFY(form);
        HandClock clock;
        form->setScanning(true, 1500, &clock);
        const auto press = [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); };
        const auto ticks = [&clock](int n) {
            for (int k = 0; k < n; ++k)
                clock.tick();
        };
        ticks(2);
        QCOMPARE(form->scanned(), form->Command3[2]);
        press(); // 20 pieces
        QCOMPARE(int(form->Choice().GridColumns), 5);
        QCOMPARE(form->scanned(), form->Image1[0]);
        ticks(8);
        QCOMPARE(form->scanned(), form->Image1[8]);
        // No earlier page to turn to: only the next.
        clock.tick();
        QCOMPARE(form->scanned(), form->Command1[0]);
        QCOMPARE(QApplication::focusWidget(), form->Command1[0]);
        QVERIFY(form->Command1[0]->showsFocusFrame());
        clock.tick();
        QCOMPARE(form->scanned(), form->Command3[2]);
        QCOMPARE(form->PageStart(), 0);

        press();
        ticks(9);
        press(); // the next page
        QCOMPARE(form->PageStart(), 9);
        QVERIFY(previewsPlaced(form));
        QCOMPARE(form->scanned(), form->Image1[0]);
        ticks(2);
        QCOMPARE(form->scanned(), form->Image1[2]);
        // Nothing after this page: only the previous.
        clock.tick();
        QCOMPARE(form->scanned(), form->Command1[1]);
        press();
        QCOMPARE(form->PageStart(), 0);
        QVERIFY(previewsPlaced(form));
        QCOMPARE(form->scanned(), form->Image1[0]);
        ticks(9);
        press();
        QVERIFY(previewsPlaced(form));
        ticks(2);
        QSignalSpy chosen(form, &Form2::pictureChosen);
        press();
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(form->Choice().PictureName, QStringLiteral("p11.png"));
        QCOMPARE(int(form->Choice().GridColumns), 5);
        form->setScanning(false);
    }

    // The board's selection button brings this screen back in front.
    void boardButtonShowsSelectionAgain()
    {
        QVERIFY(writeBlockPicture(m_folder->file("imagenes/a.png"), QSize(160, 120), 3, 2));
        Form2 *form = shownForm();
        QVERIFY(form);
        click(form->Image1[0]);
        click(form->Image1[0]);
        form->hide();
        emit m_app->board()->selectionRequested();
        QVERIFY(form->isVisible());
    }

    void clickWithoutPictureStartsNothing_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("nextPages");
        QTest::newRow("empty cell") << 5 << 1;
        QTest::newRow("not a picture, where a picture was") << 0 << 1;
        QTest::newRow("empty page past the end") << 0 << 2;
    }
    // A cell without a picture opens no board and changes nothing, even when
    // the same cell showed a picture on the page before.
    void clickWithoutPictureStartsNothing()
    {
        QFETCH(int, cell);
        QFETCH(int, nextPages);
        QVERIFY(writeNumberedPictures(*m_folder, 9));
        QVERIFY(writeBytes(m_folder->file("imagenes/q.png"), "no picture in here"));
        Form2 *form = shownForm();
        QVERIFY(form);
        for (int page = 0; page < nextPages; ++page)
            click(form->Command1[0]);
        QVERIFY(previewsPlaced(form));
        QVERIFY(!form->Image1[cell]->hasPicture());
        QSignalSpy chosen(form, &Form2::pictureChosen);
        click(form->Image1[cell]);

        QVERIFY(!boardIsOpen());
        QCOMPARE(chosen.size(), 0);
        QVERIFY(!form->HasChosen());
    }

    void clickBeforePreviewIsReady_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<bool>("turnPage");
        QTest::addColumn<QString>("chosen"); // empty: no game starts
        QTest::newRow("picture starts its game") << 1 << false << "p01.png";
        QTest::newRow("no picture starts nothing") << 3 << false << "";
        QTest::newRow("page turned before it is ready") << 1 << true << "";
    }
    // A click on a cell whose preview is still being made is answered as
    // soon as the preview is ready, unless the page was turned meanwhile.
    void clickBeforePreviewIsReady()
    {
        QFETCH(int, cell);
        QFETCH(bool, turnPage);
        QFETCH(QString, chosen);
        QVERIFY(writeNumberedPictures(*m_folder, 3));
        QVERIFY(writeBytes(m_folder->file("imagenes/q.png"), "no picture in here"));
        // Nothing is placed before the event loop runs.
        Form2 *form = m_app->selection();
        QVERIFY(form->Image1[cell]->isWaiting());
        form->Image1_Click(cell);
        if (turnPage)
            form->Command1_Click(0);
        QVERIFY(!boardIsOpen());

        QVERIFY(previewsPlaced(form));
        QCOMPARE(boardIsOpen(), !chosen.isEmpty());
        QCOMPARE(form->HasChosen(), !chosen.isEmpty());
        if (!chosen.isEmpty())
            QCOMPARE(m_app->board()->choice().PictureName, chosen);
    }

    void pagingFasterThanDecoding_data()
    {
        QTest::addColumn<QString>("presses");
        QTest::addColumn<int>("pageStart");
        QTest::newRow("two pages on") << "NN" << 18;
        QTest::newRow("on and back") << "NP" << 0;
        QTest::newRow("on, on and back") << "NNP" << 9;
        QTest::newRow("on, back and on") << "NPN" << 9;
    }
    // Pages turned faster than their previews are made: every cell ends up
    // with the preview of its own file, none with one of a page left behind.
    void pagingFasterThanDecoding()
    {
        QFETCH(QString, presses);
        QFETCH(int, pageStart);
        const int files = 20;
        QVERIFY(writeSlowPictures(*m_folder, files));
        // No event is handled between the presses, so no preview can come in
        // between.
        Form2 *form = m_app->selection();
        form->showModeless();
        for (QChar press : presses) {
            QVERIFY(form->Previews()->pending() > 0);
            form->Command1_Click(press == QLatin1Char('N') ? 0 : 1);
        }
        QVERIFY(previewsPlaced(form));

        QCOMPARE(form->PageStart(), pageStart);
        for (int cell = 0; cell < 9; ++cell) {
            const int file = pageStart + cell;
            PreviewCell *image = form->Image1[cell];
            const QString where = QStringLiteral("cell %1").arg(cell);
            QCOMPARE(image->hasPicture(), file < files);
            if (file >= files)
                continue;
            const QImage shown = image->pixmap().toImage();
            QCOMPARE(shown.size(), QSize(133, 100));
            QVERIFY2(near(shown.pixelColor(66, 50), colourOfFile(file)), qPrintable(where));
            QCOMPARE(image->size(), QSize(133, 100));
        }
    }

    void unusableThumbnailCache_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("unreadable and unwritable folder") << "locked";
        QTest::newRow("a file where the folder belongs") << "file";
        QTest::newRow("cache home cannot be made") << "nowhere";
    }
    // A thumbnail cache that cannot be used leaves the previews as they are,
    // without a word.
    void unusableThumbnailCache()
    {
        QFETCH(QString, kind);
        PermissionsBindRoot permissionsBind;
        if (geteuid() == 0 && !permissionsBind.active())
            QSKIP("running as root where permissions cannot be made to bind");
        const QString large = m_cache->filePath(QStringLiteral("thumbnails/large"));
        if (kind == "locked") {
            QVERIFY(QDir().mkpath(large));
            QVERIFY(QFile::setPermissions(large, QFileDevice::Permissions()));
        } else if (kind == "file") {
            QVERIFY(writeBytes(m_cache->filePath(QStringLiteral("thumbnails")), "not a folder"));
        } else {
            qputenv("XDG_CACHE_HOME", QFile::encodeName(m_cache->filePath(QStringLiteral("thumbnails/x"))));
            QVERIFY(writeBytes(m_cache->filePath(QStringLiteral("thumbnails")), "not a folder"));
        }
        QVERIFY(writeBlockPicture(m_folder->file("imagenes/a.jpg"), QSize(400, 300), 2, 2));
        QVERIFY(writeBlockPicture(m_folder->file("imagenes/b.png"), QSize(300, 400), 2, 2));
        // Any message but the offscreen platform's own about raising windows.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support raise)")));

        for (int run = 0; run < 2; ++run) {
            Form2 *form = shownForm();
            QVERIFY(form);
            QCOMPARE(form->Image1[0]->size(), QSize(133, 100));
            QCOMPARE(form->Image1[1]->size(), QSize(80, 107));
            QVERIFY(form->Image1[1]->hasPicture());
            delete m_app->selection();
        }
        if (kind == "locked") {
            QVERIFY(QFile::setPermissions(large, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
            QVERIFY(QDir(large).isEmpty());
        }
    }

    // Closing the screen while its previews are being made neither crashes
    // nor leaves half a thumbnail behind.
    void closingWhileDecoding()
    {
        QVERIFY(writeSlowPictures(*m_folder, 9));
        Form2 *form = m_app->selection();
        form->showModeless();
        QVERIFY(form->Previews()->pending() > 0);
        QVERIFY(form->close());
        QCOMPARE(m_programEnds, 1);
        delete m_app->selection();
        QTest::qWait(50);
        const QDir thumbnails(m_cache->filePath(QStringLiteral("thumbnails/large")));
        for (const QString &name : thumbnails.entryList(QDir::Files | QDir::Hidden)) {
            QVERIFY2(name.endsWith(QLatin1String(".png")), qPrintable(name));
            QCOMPARE(QImageReader(thumbnails.filePath(name)).size(), QSize(256, 192));
        }
    }

    // Closing the selection screen ends the program, also with the board open.
    void closingEndsTheProgram()
    {
        QVERIFY(writeBlockPicture(m_folder->file("imagenes/a.png"), QSize(160, 120), 3, 2));
        Form2 *form = shownForm();
        QVERIFY(form);
        click(form->Image1[0]);
        QVERIFY(boardIsOpen());
        QCOMPARE(m_programEnds, 0);
        QVERIFY(form->close());
        QCOMPARE(m_programEnds, 1);
    }

    // Pictures and puzzle files dragged onto the selection screen join the
    // gallery at once, on the page that shows them; anything else is
    // refused without a word.
    void droppedFilesJoinTheGallery_data()
    {
        QTest::addColumn<QStringList>("dropped");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QStringList>("added");
        QTest::newRow("a picture") << QStringList{"foto.png"} << true << QStringList{"foto.png"};
        QTest::newRow("a puzzle file") << QStringList{"gato.vud"} << true << QStringList{"gato.png"};
        QTest::newRow("no picture") << QStringList{"nota.txt"} << false << QStringList();
        QTest::newRow("text called a picture") << QStringList{"falsa.png"} << true << QStringList();
        QTest::newRow("a picture among other files")
            << QStringList{"nota.txt", "foto.png", "falsa.png"} << true << QStringList{"foto.png"};
    }
    void droppedFilesJoinTheGallery()
    {
        QFETCH(QStringList, dropped);
        QFETCH(bool, taken);
        QFETCH(QStringList, added);
        QVERIFY(writeNumberedPictures(*m_folder, 12));
        QVERIFY(QDir().mkpath(m_folder->file("arrastre")));
        QVERIFY(writeDropFiles(m_folder->file("arrastre")));
        Form2 *form = shownForm();
        QVERIFY(form);
        form->Command1_Click(0);
        QCOMPARE(form->PageStart(), 9);
        QStringList paths;
        for (const QString &name : dropped)
            paths << m_folder->file("arrastre/" + name);
        QCOMPARE(dropFiles(form, paths), taken);

        QCOMPARE(form->File1().ListCount(), 12 + added.size());
        for (const QString &name : added)
            QVERIFY(QFileInfo::exists(m_folder->file("imagenes/" + name)));
        // Every added name sorts before the numbered pictures: the first page.
        QCOMPARE(form->PageStart(), added.isEmpty() ? 9 : 0);
        if (!added.isEmpty()) {
            QVERIFY(previewsPlaced(form));
            QCOMPARE(form->File1().List(0), added.first());
            QVERIFY(form->Image1[0]->hasPicture());
        }
        QCOMPARE(QFileInfo::exists(m_folder->file("gifs/sol.gif")), added.contains("gato.png"));
        QVERIFY(!QFileInfo::exists(m_folder->file("imagenes/falsa.png")));
    }

    // A file the game is opened with that is no puzzle file starts the game
    // as usual, with nothing imported.
    void openingWithAFileThatIsNoPuzzle()
    {
        QVERIFY(writeNumberedPictures(*m_folder, 2));
        QVERIFY(writeBytes(m_folder->file("nota.vud"), "hola"));
        QVERIFY(!m_app->openPuzzleFile(m_folder->file("nota.vud")));
        QVERIFY(m_app->hasStartScreen());
        QVERIFY(!m_app->hasSelection());
        QCOMPARE(QDir(m_folder->file("imagenes")).entryList(QDir::Files).size(), 2);
    }
};

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
