#include "board.h"
#include "datapaths.h"
#include "facebutton.h"
#include "globals.h"
#include "selection.h"
#include "sound.h"
#include "start.h"
#include "testsupport.h"

#include <QDir>
#include <QPainter>
#include <QtTest>

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
    vud::RecordingSound m_sound;
    int m_programEnds = 0;

    Form2 *shownForm()
    {
        Form2 *form = Form2::instance();
        form->showModeless();
        if (!QTest::qWaitForWindowExposed(form))
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
        m_sound.played.clear();
        vud::setSound(&m_sound);
        m_programEnds = 0;
        Form2::setProgramEnd([this] { ++m_programEnds; });
        Game::resetGlobals();
    }

    void cleanup()
    {
        Form3::destroyInstance();
        Form2::destroyInstance();
        Form1::destroyInstance();
        Form2::setProgramEnd({});
        vud::setSound(nullptr);
        delete m_folder;
        m_folder = nullptr;
    }

    // After loading, "6" is chosen (blue, 3 x 2), the others are pink, the
    // previous-page button is off and the start screen is gone.
    void loadState()
    {
        QVERIFY(writeNumberedPictures(*m_folder, 3));
        Game::GridColumns = 12;
        Game::GridRows = 9;
        Game::RebuildBoard = true;
        Form1::instance();
        m_sound.played.clear();
        Form2 *form = shownForm();
        QVERIFY(form);
        const vud::ScreenTwips screen = vud::screenTwips();

        QVERIFY(!Form1::exists());
        QCOMPARE(form->windowTitle(), QStringLiteral("VUD 2.0"));
        QCOMPARE(form->size(), QSize(screen.toPixelsX(10245), screen.toPixelsY(7695)));
        // (12000 - 10245) \ 2 = 877 and (9000 - 7695) \ 2 = 652 twips.
        QCOMPARE(form->pos(), QPoint(screen.toPixelsX(877), screen.toPixelsY(652)));
        QCOMPARE(form->palette().color(QPalette::Window), QColor(255, 255, 192));
        QCOMPARE(int(Game::GridColumns), 3);
        QCOMPARE(int(Game::GridRows), 2);
        QVERIFY(!Game::RebuildBoard);
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
        QCOMPARE(int(Game::GridColumns), columns);
        QCOMPARE(int(Game::GridRows), rows);
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
        QTest::newRow("20: first page") << 20 << "" << 0 << false << true << 0;
        QTest::newRow("20: second page") << 20 << "N" << 9 << true << true << 1;
        QTest::newRow("20: last files") << 20 << "NN" << 18 << true << true << 2;
        QTest::newRow("20: empty page past the end") << 20 << "NNN" << 27 << true << true << 3;
        QTest::newRow("20: next refused, silent") << 20 << "NNNN" << 27 << true << false << 3;
        QTest::newRow("20: back re-enables next") << 20 << "NNNNP" << 18 << true << true << 4;
        QTest::newRow("20: previous on first page") << 20 << "P" << 0 << false << true << 0;
        QTest::newRow("20: back to first, previous stays on") << 20 << "NP" << 0 << true << true << 2;
        QTest::newRow("20: previous pressed there turns off") << 20 << "NPP" << 0 << false << true << 2;
        QTest::newRow("18: first empty page") << 18 << "NN" << 18 << true << true << 2;
        QTest::newRow("18: second empty page") << 18 << "NNN" << 27 << true << true << 3;
        QTest::newRow("18: then refused") << 18 << "NNNN" << 27 << true << false << 3;
        QTest::newRow("empty folder: one empty page") << 0 << "N" << 9 << true << true << 1;
        QTest::newRow("empty folder: then refused") << 0 << "NN" << 9 << true << false << 1;
        QTest::newRow("no folder: nine empty cells") << -1 << "" << 0 << false << true << 0;
        QTest::newRow("no folder: one empty page") << -1 << "N" << 9 << true << true << 1;
        QTest::newRow("no folder: then refused") << -1 << "NN" << 9 << true << false << 1;
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
        if (files < 0)
            QVERIFY(QDir(m_folder->file("imagenes")).removeRecursively());
        else
            QVERIFY(writeNumberedPictures(*m_folder, files));
        Form2 *form = shownForm();
        QVERIFY(form);

        for (QChar press : presses)
            click(form->Command1[press == QLatin1Char('N') ? 0 : 1]);

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
        Game::MoveCount = 7;
        click(form->Image1[1]);

        QCOMPARE(Game::PictureName, QStringLiteral("B.png"));
        QCOMPARE(Game::PicturePath, m_folder->file("imagenes/B.png"));
        QCOMPARE(int(Game::MoveCount), 0);
        QVERIFY(!Game::RebuildBoard);
        QVERIFY(form->HasChosen());
        QCOMPARE(int(Game::GridColumns), 6);
        QVERIFY(boardIsOpen());
        QVERIFY(form->isVisible());

        // The board lays out the newly chosen picture once, as it comes to
        // the front, and takes the request back.
        QStringList laidOut;
        Form3::setPictureLoader([&laidOut](const QString &path) {
            laidOut.append(path);
            return QImage(path);
        });
        Game::MoveCount = 12;
        form->showModeless();
        click(form->Image1[0]);
        QCOMPARE(Game::PictureName, QStringLiteral("a.png"));
        QCOMPARE(int(Game::MoveCount), 0);
        QCOMPARE(int(Game::GridColumns), 6);
        QTRY_COMPARE(laidOut, QStringList{m_folder->file("imagenes/a.png")});
        QVERIFY(!Game::RebuildBoard);
        Form3::setPictureLoader(nullptr);
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
        emit Form3::instance()->selectionRequested();
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
        QVERIFY(!form->Image1[cell]->hasPicture());
        Game::PicturePath = QStringLiteral("before");
        click(form->Image1[cell]);

        QVERIFY(!boardIsOpen());
        QCOMPARE(Game::PicturePath, QStringLiteral("before"));
        QVERIFY(!form->HasChosen());
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
};

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
