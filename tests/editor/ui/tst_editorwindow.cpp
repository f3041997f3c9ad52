#include "editor/ui/chooser.h"
#include "editor/ui/editorapp.h"
#include "editor/ui/editorwindow.h"
#include "editor/ui/picturesurface.h"
#include "editor/ui/qtdialogs.h"
#include "editor/ui/titlescreen.h"
#include "uisupport/dropfiles.h"
#include "uisupport/editortestkit.h"
#include "widgets/gifdisplay.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using namespace Editor;
using vudtest::readAll;
using vudtest::writeBlockPicture;
using vudtest::writeBytes;
using vudtest::writeGif;

namespace {

// What the layout must give on each screen the tests run on, in pixels.
struct ScreenExpectations
{
    QRect workArea;     // the empty surface and Shape1
    int picture2Top;    // the drawing sample at the bottom of the screen
    QPoint oddPicture;  // a 500 x 300 picture: odd difference across
    QRect hugePicture;  // a 900 x 700 picture: too large for 800 x 600
};

bool onLargeScreen()
{
    return QGuiApplication::primaryScreen()->size() == QSize(1024, 768);
}

ScreenExpectations expectationsForThisScreen()
{
    if (onLargeScreen())
        return {QRect(81, 0, 943, 768), 639, QPoint(302, 234), QRect(102, 34, 900, 700)};
    // 900 x 700 scaled by 719 / 900: 719 x 559, top (9000 - 8385) \ 2 = 307 twips.
    return {QRect(81, 0, 719, 600), 471, QPoint(190, 150), QRect(81, 20, 719, 559)};
}

} // namespace

// The editor window as the adult uses it: stepping through pictures, placing
// drawings with a preview, stamping, clearing, saving and leaving.
class TestEditorWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<EditorTestKit> m_kit;
    std::unique_ptr<Form1> m_form;

    Form1 &open()
    {
        m_form = std::make_unique<Form1>(m_kit->dialogs, m_kit->random);
        m_form->showEditor();
        if (!QTest::qWaitForWindowExposed(m_form.get()))
            qWarning("editor window not exposed");
        return *m_form;
    }

    QPushButton *button(int index) const
    {
        for (QPushButton *b : m_form->findChildren<QPushButton *>("Command1")) {
            if (b->property("index").toInt() == index)
                return b;
        }
        return nullptr;
    }

    QPoint onWindow(QPoint surfacePixel) const
    {
        return m_form->surface()->mapTo(m_form.get(), surfacePixel);
    }
    void moveOver(QPoint surfacePixel)
    {
        QTest::mouseMove(m_form->windowHandle(), onWindow(surfacePixel));
    }
    void clickOn(QPoint surfacePixel, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(m_form->windowHandle(), button, {}, onWindow(surfacePixel));
    }

    // Opens the chooser from the drawing button and picks its cell.
    void chooseDrawing(int cell)
    {
        QTest::mouseClick(button(2), Qt::LeftButton);
        QVERIFY(m_form->chooser());
        m_form->chooser()->Image1_Click(cell);
        QVERIFY(m_form->drawingChosen());
    }

    // The lines List1 shows.
    QStringList shownLines() const
    {
        const QAbstractItemModel *model = m_form->findChild<QListView *>("List1")->model();
        QStringList lines;
        for (int row = 0; row < model->rowCount(); ++row)
            lines << model->index(row, 0).data().toString();
        return lines;
    }

    void waitForStamp()
    {
        QTRY_VERIFY_WITH_TIMEOUT(m_form->surface()->isEnabled(), 5000);
    }

private slots:
    void init()
    {
        m_kit = std::make_unique<EditorTestKit>();
        QVERIFY(writeBlockPicture(m_kit->file("imagenes/a.bmp"), QSize(500, 300), 5, 3));
        QVERIFY(writeBlockPicture(m_kit->file("imagenes/b.png"), QSize(900, 700), 3, 3));
        QVERIFY(writeBlockPicture(m_kit->file("imagenes/c.bmp"), QSize(120, 80), 2, 2));
        QDir(m_kit->folder.path()).mkpath("gifs/animales");
        QVERIFY(writeGif(m_kit->file("gifs/animales/primero.gif"), vudtest::squareFrames(2), 2));
        QVERIFY(writeGif(m_kit->file("gifs/abeja.gif"), {stampFrame(), QImage(6, 4, QImage::Format_ARGB32)}, 2));
        QVERIFY(writeGif(m_kit->file("gifs/mariposa.gif"), vudtest::squareFrames(3, QSize(10, 8)), 2));
    }
    void cleanup()
    {
        m_form.reset();
        m_kit.reset();
    }

    void startsWithAnEmptySurfaceOverTheWorkArea()
    {
        const ScreenExpectations expected = expectationsForThisScreen();
        Form1 &form = open();
        QCOMPARE(form.pictureIndex(), 0);
        QCOMPARE(form.editMode(), 0);
        QVERIFY(form.previewOn());
        QCOMPARE(form.placementCount(), 0);
        QCOMPARE(form.twipsPerPixel(), 15);
        QVERIFY(!form.surface()->hasPicture());
        QCOMPARE(form.surface()->geometry(), expected.workArea);
        QCOMPARE(form.findChild<QWidget *>("Shape1")->geometry(), expected.workArea);
        QCOMPARE(form.surface()->retainedImage().size(), expected.workArea.size());
        QCOMPARE(form.surface()->retainedImage().pixel(10, 10), qRgb(255, 255, 255));
        QVERIFY(!form.animation()->isVisible());
        auto *sample = form.findChild<QLabel *>("Picture2");
        QVERIFY(!sample->isVisible());
        QCOMPARE(sample->y(), expected.picture2Top);
        QCOMPARE(form.chosenDrawing().cellPath, m_kit->file("gifs/animales/primero.gif"));
        QCOMPARE(form.pictureFiles(), QStringList({"a.bmp", "b.png", "c.bmp"}));
        QCOMPARE(form.palette().color(QPalette::Window), QColor(255, 192, 192));
        // No caption, yet named for assistive technology.
        QVERIFY(form.windowTitle().isEmpty());
        QVERIFY(!form.accessibleName().isEmpty());
        QCOMPARE(button(0)->geometry(), QRect(0, 0, 41, 41));
        QCOMPARE(button(3)->geometry(), QRect(0, 184, 81, 81));
        QCOMPARE(form.geometry(), QGuiApplication::primaryScreen()->geometry());
        QVERIFY(m_kit->dialogs.messages.isEmpty());
    }

    void stepsThroughPicturesWithWrapAround_data()
    {
        QTest::addColumn<QVector<int>>("presses");
        QTest::addColumn<QVector<int>>("indexes");
        QTest::newRow("first next shows the second") << QVector<int>{1} << QVector<int>{1};
        QTest::newRow("first previous shows the last") << QVector<int>{0} << QVector<int>{2};
        QTest::newRow("next wraps to the first") << QVector<int>{1, 1, 1} << QVector<int>{1, 2, 0};
        QTest::newRow("previous wraps to the last") << QVector<int>{1, 0, 0} << QVector<int>{1, 0, 2};
    }
    void stepsThroughPicturesWithWrapAround()
    {
        QFETCH(QVector<int>, presses);
        QFETCH(QVector<int>, indexes);
        Form1 &form = open();
        const QSize sizes[3] = {QSize(500, 300), expectationsForThisScreen().hugePicture.size(),
                                QSize(120, 80)};
        for (int i = 0; i < presses.size(); ++i) {
            QTest::mouseClick(button(presses[i]), Qt::LeftButton);
            QCOMPARE(form.pictureIndex(), indexes[i]);
            QCOMPARE(form.surface()->size(), sizes[indexes[i]]);
            QCOMPARE(form.surface()->retainedImage().pixel(1, 1),
                     vudtest::blockColour(0, 0).rgb());
        }
    }

    void picturesAreCentredWithTruncation()
    {
        const ScreenExpectations expected = expectationsForThisScreen();
        Form1 &form = open();
        QTest::mouseClick(button(0), Qt::LeftButton); // c.bmp
        QTest::mouseClick(button(0), Qt::LeftButton); // b.png
        QCOMPARE(form.surface()->geometry(), expected.hugePicture);
        QTest::mouseClick(button(0), Qt::LeftButton); // a.bmp
        QCOMPARE(form.surface()->pos(), expected.oddPicture);
        QCOMPARE(form.pictureRect().width, 7500.0);
        QCOMPARE(form.pictureRect().height, 4500.0);
    }

    void aSinglePictureShowsOnBothButtons()
    {
        QVERIFY(QFile::remove(m_kit->file("imagenes/b.png")));
        QVERIFY(QFile::remove(m_kit->file("imagenes/c.bmp")));
        Form1 &form = open();
        QTest::mouseClick(button(1), Qt::LeftButton);
        QCOMPARE(form.pictureIndex(), 0);
        QTest::mouseClick(button(0), Qt::LeftButton);
        QCOMPARE(form.pictureIndex(), 0);
        QCOMPARE(form.surface()->size(), QSize(500, 300));
    }

    void missingPicturesGiveAMessageAndKeepTheSurface()
    {
        QVERIFY(writeBytes(m_kit->file("imagenes/d.txt"), "no es una imagen"));
        Form1 &form = open();
        QTest::mouseClick(button(1), Qt::LeftButton); // b.png
        QTest::mouseClick(button(1), Qt::LeftButton); // c.bmp
        const QImage shown = form.surface()->retainedImage();
        const QPoint at = form.surface()->pos();
        QTest::mouseClick(button(1), Qt::LeftButton); // d.txt
        QCOMPARE(form.pictureIndex(), 3);
        QCOMPARE(m_kit->dialogs.messages, QStringList{"El archivo d.txt no es una imagen."});
        QCOMPARE(form.surface()->retainedImage(), shown);
        QCOMPARE(form.surface()->pos(), at);
        QTest::mouseClick(button(1), Qt::LeftButton); // on past it to a.bmp
        QCOMPARE(form.pictureIndex(), 0);
        QCOMPARE(m_kit->dialogs.messages.size(), 1);
    }

    void emptyDataFoldersAreReported()
    {
        for (const QString &name : QDir(m_kit->file("imagenes")).entryList(QDir::Files))
            QVERIFY(QFile::remove(m_kit->file("imagenes/" + name)));
        QVERIFY(QDir(m_kit->file("gifs/animales")).removeRecursively());
        Form1 &form = open();
        QTRY_COMPARE(m_kit->dialogs.messages,
                     QStringList{"No hay ninguna carpeta de dibujos dentro de la carpeta gifs."});
        QTest::mouseClick(button(1), Qt::LeftButton);
        QTest::mouseClick(button(0), Qt::LeftButton);
        QCOMPARE(m_kit->dialogs.messages.mid(1), QStringList(2, "No hay imágenes en la carpeta imagenes."));
        QCOMPARE(form.pictureIndex(), 0);
        QVERIFY(!form.surface()->hasPicture());
        QCOMPARE(form.surface()->geometry(), expectationsForThisScreen().workArea);
    }

    void anEmptyDrawingFolderKeepsTheChooserShut()
    {
        for (const QString &name : QDir(m_kit->file("gifs")).entryList(QDir::Files))
            QVERIFY(QFile::remove(m_kit->file("gifs/" + name)));
        Form1 &form = open();
        QTest::mouseClick(button(2), Qt::LeftButton);
        QCOMPARE(m_kit->dialogs.messages, QStringList{"No hay dibujos en la carpeta gifs."});
        QVERIFY(!form.chooser()->isVisible());
    }

    void exitAsksFirst()
    {
        Form1 &form = open();
        QSignalSpy exits(&form, &Form1::exitRequested);
        QTest::mouseClick(button(1), Qt::LeftButton);
        m_kit->dialogs.yes = false;
        QTest::mouseClick(form.findChild<QPushButton *>("Command2"), Qt::LeftButton);
        QCOMPARE(m_kit->dialogs.questions, QStringList{"¿Quieres salir?"});
        QCOMPARE(exits.count(), 0);
        QVERIFY(form.isVisible());
        QCOMPARE(form.pictureIndex(), 1);
        m_kit->dialogs.yes = true;
        QTest::mouseClick(form.findChild<QPushButton *>("Command2"), Qt::LeftButton);
        QCOMPARE(exits.count(), 1);
        QVERIFY(m_kit->dialogs.prompts.isEmpty());
    }

    void nothingIsPlacedBeforeADrawingIsChosen()
    {
        Form1 &form = open();
        QTest::mouseClick(button(0), Qt::LeftButton); // c.bmp, wholly on screen
        moveOver(QPoint(20, 20));
        clickOn(QPoint(20, 20));
        QVERIFY(!form.surface()->previewShown());
        QCOMPARE(form.placementCount(), 0);
        // Placing mode without a choice: still nothing.
        QTest::mouseClick(button(2), Qt::LeftButton);
        QCOMPARE(form.editMode(), 2);
        moveOver(QPoint(21, 21));
        clickOn(QPoint(21, 21));
        QVERIFY(!form.surface()->previewShown());
        QCOMPARE(form.placementCount(), 0);
        QVERIFY(!form.animation()->isVisible());
        QVERIFY(form.surface()->isEnabled());
    }

    void previewIsAndedAndNeverRetained()
    {
        Form1 &form = open();
        QTest::mouseClick(button(0), Qt::LeftButton); // c.bmp, wholly on screen
        chooseDrawing(0); // abeja.gif
        const QImage retained = form.surface()->retainedImage();
        moveOver(QPoint(30, 40));
        QVERIFY(form.surface()->previewShown());
        QCOMPARE(form.surface()->retainedImage(), retained);
        const QImage shown = form.surface()->shownImage();
        const QRgb under = retained.pixel(33, 40);
        QCOMPARE(shown.pixel(33, 40), qRgb(0, 0, 0));          // black darkens
        QCOMPARE(shown.pixel(31, 40), under);                   // white leaves it
        QCOMPARE(shown.pixel(30, 40), under);                   // transparent leaves it
        QCOMPARE(shown.pixel(34, 40), under & qRgb(0, 0, 200)); // AND, not copy
        QCOMPARE(shown.pixel(29, 40), retained.pixel(29, 40));
        // The next move wipes the old preview.
        moveOver(QPoint(100, 60));
        QCOMPARE(form.surface()->shownImage().pixel(33, 40), under);
        QCOMPARE(form.surface()->shownImage().pixel(103, 60), qRgb(0, 0, 0));
    }

    void anyButtonAfterTheChooserRefreshesFirst()
    {
        Form1 &form = open();
        QTest::mouseClick(button(0), Qt::LeftButton); // c.bmp, wholly on screen
        chooseDrawing(0);
        moveOver(QPoint(30, 40));
        QVERIFY(form.surface()->previewShown());
        QTest::mouseClick(button(3), Qt::LeftButton); // save, cancelled
        QVERIFY(!form.surface()->previewShown());
        QCOMPARE(form.lastButton(), 3);
        // Without the chooser in between, a button leaves the preview alone.
        moveOver(QPoint(50, 40));
        QTest::mouseClick(button(3), Qt::LeftButton);
        QVERIFY(form.surface()->previewShown());
        QCOMPARE(m_kit->dialogs.prompts.size(), 2);
    }

    void placingPlaysThenStampsExactly_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("line");
        QTest::newRow("top-left pixel") << QPoint(0, 0) << "abeja.gif,0,0,";
        QTest::newRow("inside") << QPoint(37, 21) << "abeja.gif,37,21,";
        QTest::newRow("x zero") << QPoint(0, 55) << "abeja.gif,0,55,";
    }
    void placingPlaysThenStampsExactly()
    {
        QFETCH(QPoint, at);
        QFETCH(QString, line);
        Form1 &form = open();
        QTest::mouseClick(button(0), Qt::LeftButton); // c.bmp, wholly on screen
        chooseDrawing(0);
        const QImage before = form.surface()->retainedImage();

        clickOn(at, Qt::RightButton);
        clickOn(at, Qt::MiddleButton);
        QCOMPARE(form.placementCount(), 0);
        QVERIFY(!form.animation()->isVisible());

        clickOn(at);
        QCOMPARE(form.placementCount(), 1);
        QCOMPARE(form.placementLines(), QStringList{line});
        QCOMPARE(shownLines(), QStringList{line});
        QVERIFY(!form.surface()->isEnabled());
        QVERIFY(!form.previewOn());
        QVERIFY(form.animation()->isVisible());
        QCOMPARE(form.animation()->file(), m_kit->file("gifs/abeja.gif"));
        QCOMPARE(form.animation()->leftTwips(), 15.0 * at.x() + form.pictureRect().left);
        QCOMPARE(form.animation()->topTwips(), 15.0 * at.y() + form.pictureRect().top);
        QVERIFY(form.findChild<QLabel *>("Picture2")->isVisible());
        // Clicks meanwhile are ignored.
        clickOn(at + QPoint(5, 5));
        QCOMPARE(form.placementCount(), 1);
        QCOMPARE(form.surface()->retainedImage(), before);

        waitForStamp();
        QVERIFY(!form.animation()->isVisible());
        QVERIFY(form.previewOn());
        const QImage after = form.surface()->retainedImage();
        QCOMPARE(after.pixel(at + QPoint(0, 0)), before.pixel(at + QPoint(0, 0)));
        QCOMPARE(after.pixel(at + QPoint(1, 0)), before.pixel(at + QPoint(1, 0)));
        QCOMPARE(after.pixel(at + QPoint(2, 0)), qRgb(254, 255, 255));
        QCOMPARE(after.pixel(at + QPoint(3, 0)), qRgb(0, 0, 0));
        QCOMPARE(after.pixel(at + QPoint(4, 0)), qRgb(0, 0, 200));
        QCOMPARE(after.pixel(at + QPoint(5, 3)), qRgb(255, 0, 0));
        QCOMPARE(after.pixel(at + QPoint(6, 3)), before.pixel(at + QPoint(6, 3)));
    }

    void aPictureChangedDuringTheAnimationTakesTheStamp()
    {
        Form1 &form = open();
        QTest::mouseClick(button(0), Qt::LeftButton); // c.bmp, wholly on screen
        chooseDrawing(0);
        clickOn(QPoint(10, 12));
        QTest::mouseClick(button(1), Qt::LeftButton); // a.bmp while playing
        QCOMPARE(form.surface()->size(), QSize(500, 300));
        waitForStamp();
        QCOMPARE(form.surface()->retainedImage().pixel(13, 12), qRgb(0, 0, 0));
        QCOMPARE(form.placementLines(), QStringList{"abeja.gif,10,12,"});
        // Another picture drops the stamps but keeps the lines.
        QTest::mouseClick(button(0), Qt::LeftButton);
        QCOMPARE(form.surface()->retainedImage().pixel(13, 12), vudtest::blockColour(0, 0).rgb());
        QCOMPARE(form.placementCount(), 1);
    }

    void clearStartsTheListAgain()
    {
        Form1 &form = open();
        QTest::mouseClick(button(0), Qt::LeftButton); // c.bmp, wholly on screen
        chooseDrawing(0);
        clickOn(QPoint(10, 10));
        waitForStamp();
        clickOn(QPoint(20, 20));
        waitForStamp();
        QCOMPARE(shownLines().size(), 2);
        QTest::mouseClick(button(9), Qt::LeftButton);
        QCOMPARE(form.placementCount(), 0);
        QVERIFY(form.placementLines().isEmpty());
        QVERIFY(shownLines().isEmpty());
        QVERIFY(!form.surface()->hasPicture());
        QImage plain(form.surface()->size(), QImage::Format_RGB32);
        plain.fill(Qt::white);
        QCOMPARE(form.surface()->retainedImage(), plain);
        QCOMPARE(form.editMode(), 2);
        clickOn(QPoint(3, 4));
        QCOMPARE(form.placementLines(), QStringList{"abeja.gif,3,4,"});
        QCOMPARE(shownLines(), form.placementLines());
        waitForStamp();
    }

    // The chooser's cells show other drawings after a page turn; the drawing
    // chosen before it is still the one that plays, is stamped and is named.
    void aPageTurnedAfterAChoiceKeepsTheChosenDrawing()
    {
        for (int i = 0; i < 9; ++i)
            QVERIFY(writeGif(m_kit->file(QString("gifs/z%1.gif").arg(i)), vudtest::squareFrames(2), 2));
        Form1 &form = open();
        QTest::mouseClick(button(0), Qt::LeftButton); // c.bmp, wholly on screen
        chooseDrawing(0); // abeja.gif
        QTest::mouseClick(button(2), Qt::LeftButton);
        form.chooser()->Command1_Click(0);
        QCOMPARE(form.chooser()->cellPath(0), m_kit->file("gifs/z7.gif"));
        clickOn(QPoint(10, 12));
        QCOMPARE(form.animation()->file(), m_kit->file("gifs/abeja.gif"));
        QCOMPARE(form.placementLines(), QStringList{"abeja.gif,10,12,"});
        waitForStamp();
        QCOMPARE(form.surface()->retainedImage().pixel(13, 12), qRgb(0, 0, 0));
    }

    void saveAsksForANameAndWritesBothFiles()
    {
        Form1 &form = open();
        QTest::mouseClick(button(0), Qt::LeftButton); // c.bmp, wholly on screen
        chooseDrawing(0);
        for (QPoint p : {QPoint(10, 10), QPoint(0, 0), QPoint(40, 5)}) {
            clickOn(p);
            waitForStamp();
        }
        m_kit->dialogs.answers.enqueue(QString("523dibujo"));
        QTest::mouseClick(button(3), Qt::LeftButton);
        QCOMPARE(m_kit->dialogs.prompts, QStringList{"VUD editor|Nombre de dibujo|523dibujo"});
        QCOMPARE(readAll(m_kit->file("coordenadas/523dibujo.txt")),
                 QByteArray("abeja.gif,10,10,\r\nabeja.gif,0,0,\r\nabeja.gif,40,5,\r\n"));
        const QImage saved(m_kit->file("imagenes/523dibujo.bmp"));
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), form.surface()->retainedImage());
        QCOMPARE(saved.pixel(13, 10), qRgb(0, 0, 0));
        QVERIFY(m_kit->dialogs.messages.isEmpty());
        // Saving leaves the work as it was.
        QCOMPARE(form.placementCount(), 3);
        QCOMPARE(form.editMode(), 2);
    }

    // A picture larger than the work area shows whole, upright, scaled down
    // to fit; a drawing is placed on it at its own size, and the save writes
    // the picture as shown, with the coordinates in its pixels.
    void largePicturesShowWholeAndSaveAsShown_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("upright");
        QTest::addColumn<QSize>("blocks");
        QTest::addColumn<bool>("sideways");
        QTest::addColumn<QSize>("shown800");
        QTest::addColumn<QSize>("shown1024");
        QTest::newRow("4000x3000 photo") << "d.jpg" << QSize(4000, 3000) << QSize(4, 3) << false
                                         << QSize(719, 539) << QSize(943, 707);
        // 1200 x 1600 upright: 600 / 1600 and 768 / 1600 set the scale.
        QTest::newRow("portrait photo stored sideways")
            << "d.jpg" << QSize(1200, 1600) << QSize(3, 4) << true << QSize(450, 600)
            << QSize(576, 768);
        QTest::newRow("exactly the work area") << "d.png" << QSize() << QSize(3, 2) << false
                                               << QSize(719, 600) << QSize(943, 768);
    }
    void largePicturesShowWholeAndSaveAsShown()
    {
        QFETCH(QString, file);
        QFETCH(QSize, upright);
        QFETCH(QSize, blocks);
        QFETCH(bool, sideways);
        QFETCH(QSize, shown800);
        QFETCH(QSize, shown1024);
        const QRect workArea = expectationsForThisScreen().workArea;
        const QSize shown = onLargeScreen() ? shown1024 : shown800;
        if (upright.isEmpty())
            upright = workArea.size();
        const QString path = m_kit->file("imagenes/" + file);
        if (sideways) {
            const QString flat = m_kit->file("upright.png");
            QVERIFY(writeBlockPicture(flat, upright, blocks.width(), blocks.height()));
            QVERIFY(writeSidewaysJpeg(path, QImage(flat)));
        } else {
            QVERIFY(writeBlockPicture(path, upright, blocks.width(), blocks.height()));
        }

        Form1 &form = open();
        QTest::mouseClick(button(0), Qt::LeftButton); // the last file: the large picture
        QVERIFY(m_kit->dialogs.messages.isEmpty());
        QCOMPARE(form.surface()->size(), shown);
        QVERIFY2(workArea.contains(form.surface()->geometry()),
                 qPrintable(QString("surface at %1,%2").arg(form.surface()->x()).arg(form.surface()->y())));
        // The same arithmetic centres it as a picture that fits.
        QCOMPARE(form.surface()->pos(),
                 workArea.topLeft() + QPoint((workArea.width() - shown.width()) / 2,
                                             (workArea.height() - shown.height()) / 2));
        // All of it shows, upright: the first block at the top-left, the
        // last at the bottom-right.
        const QImage before = form.surface()->retainedImage();
        const QPoint last(shown.width() - 4, shown.height() - 4);
        // Near enough for a flat area of a JPEG.
        QVERIFY(vudtest::coloursClose(before.pixel(3, 3), vudtest::blockColour(0, 0), 12));
        QVERIFY(vudtest::coloursClose(before.pixel(last),
                                      vudtest::blockColour(blocks.width() - 1, blocks.height() - 1), 12));
        if (upright == workArea.size())
            QCOMPARE(before, QImage(path).convertToFormat(QImage::Format_RGB32));

        // A drawing near the bottom-right corner, at its own size.
        chooseDrawing(0); // abeja.gif, 6 x 4
        const QPoint at(shown.width() - 10, shown.height() - 6);
        clickOn(at);
        waitForStamp();
        m_kit->dialogs.answers.enqueue(QString("grande"));
        QTest::mouseClick(button(3), Qt::LeftButton);
        QVERIFY(m_kit->dialogs.messages.isEmpty());
        QCOMPARE(readAll(m_kit->file("coordenadas/grande.txt")),
                 QStringLiteral("abeja.gif,%1,%2,\r\n").arg(at.x()).arg(at.y()).toLatin1());
        const QImage saved(m_kit->file("imagenes/grande.bmp"));
        QCOMPARE(saved.size(), shown);
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), form.surface()->retainedImage());
        QCOMPARE(saved.pixel(at + QPoint(3, 0)), qRgb(0, 0, 0));
        QCOMPARE(saved.pixel(at + QPoint(5, 3)), qRgb(255, 0, 0));
        QCOMPARE(saved.pixel(at + QPoint(1, 0)), before.pixel(at + QPoint(1, 0)));
    }

    void cancelledOrEmptyAnswersWriteNothing()
    {
        Form1 &form = open();
        m_kit->dialogs.answers.enqueue(std::nullopt);
        m_kit->dialogs.answers.enqueue(QString());
        QTest::mouseClick(button(3), Qt::LeftButton);
        QTest::mouseClick(button(3), Qt::LeftButton);
        QCOMPARE(m_kit->dialogs.prompts.size(), 2);
        QVERIFY(QDir(m_kit->file("coordenadas")).isEmpty());
        QCOMPARE(QDir(m_kit->file("imagenes")).entryList(QDir::Files).size(), 3);
        QVERIFY(m_kit->dialogs.messages.isEmpty());
        QCOMPARE(form.lastButton(), 3);
    }

    void anEmptySurfaceSavesAtTheWorkAreaSize()
    {
        open();
        m_kit->dialogs.answers.enqueue(QString("blanco"));
        QTest::mouseClick(button(3), Qt::LeftButton);
        QCOMPARE(QImage(m_kit->file("imagenes/blanco.bmp")).size(),
                 expectationsForThisScreen().workArea.size());
        QCOMPARE(QFileInfo(m_kit->file("coordenadas/blanco.txt")).size(), 0);
    }

    void refusedSavesSayWhy_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("existing puzzle") << "Gato" << "Ya existe un puzzle con ese nombre.";
        QTest::newRow("path") << "../gato" << "Ese nombre no sirve para un archivo.";
        QTest::newRow("folder blocked") << "perro" << "No se ha podido guardar el puzzle.";
    }
    void refusedSavesSayWhy()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QVERIFY(writeBytes(m_kit->file("coordenadas/gato.txt"), "abeja.gif,1,1,\r\n"));
        QVERIFY(QDir(m_kit->folder.path()).mkpath("imagenes/perro.bmp"));
        open();
        m_kit->dialogs.answers.enqueue(name);
        QTest::mouseClick(button(3), Qt::LeftButton);
        QCOMPARE(m_kit->dialogs.messages, QStringList{message});
        QCOMPARE(QDir(m_kit->file("coordenadas")).entryList(QDir::Files), QStringList{"gato.txt"});
        QCOMPARE(readAll(m_kit->file("coordenadas/gato.txt")), QByteArray("abeja.gif,1,1,\r\n"));
        QVERIFY(!QFileInfo::exists(m_kit->file("imagenes/Gato.bmp")));
        QVERIFY(!QFileInfo::exists(m_kit->folder.path() + "/gato.bmp"));
    }

    // The whole editor by keyboard alone: the title screen's button, browsing,
    // the chooser, placing with the marker and saving. Enter at the marker
    // writes the very line a click at that point writes.
    void keyboardAloneWalksFromTitleToSave()
    {
        // Keys go where a keyboard sends them: to the window's focused control.
        auto press = [](QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
            QWidget *target = window->focusWidget() ? window->focusWidget() : window;
            QTest::keyClick(target, key, modifiers);
        };
        EditorApp app(m_kit->dialogs, m_kit->random);
        app.start();
        Form3 *title = app.titleScreen();
        QVERIFY(QTest::qWaitForWindowExposed(title));
        auto *open = title->findChild<QPushButton *>("Command2");
        QCOMPARE(title->focusWidget(), open);
        press(title, Qt::Key_Tab);
        QCOMPARE(title->focusWidget(), title->findChild<QPushButton *>("Command3"));
        press(title, Qt::Key_Backtab);
        QCOMPARE(title->focusWidget(), open);
        press(title, Qt::Key_Return);
        Form1 *editor = app.editor();
        QVERIFY(editor && editor->isVisible());

        // Browsing from the picture, then through the buttons.
        QCOMPARE(editor->focusWidget(), editor->surface());
        press(editor, Qt::Key_PageUp);
        QCOMPARE(editor->pictureIndex(), 2);
        press(editor, Qt::Key_Down);
        QCOMPARE(editor->pictureIndex(), 0);
        press(editor, Qt::Key_Up);
        QCOMPARE(editor->pictureIndex(), 2); // c.bmp, 120 x 80
        press(editor, Qt::Key_Tab);
        press(editor, Qt::Key_Tab);
        press(editor, Qt::Key_Space);
        QCOMPARE(editor->pictureIndex(), 0);
        press(editor, Qt::Key_Backtab);
        press(editor, Qt::Key_Space);
        QCOMPARE(editor->pictureIndex(), 2);

        // The chooser: the frame follows the arrows, Enter takes the cell.
        press(editor, Qt::Key_Tab);
        press(editor, Qt::Key_Tab);
        press(editor, Qt::Key_Space);
        Form2 *chooser = editor->chooser();
        QVERIFY(chooser && chooser->isVisible());
        QCOMPARE(chooser->keyCell(), 0);
        QVERIFY(chooser->keyFrame()->isVisible());
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Up})
            press(chooser, key);
        QCOMPARE(chooser->keyCell(), 1);
        QVERIFY(chooser->keyFrame()->geometry().contains(chooser->cell(1)->geometry()));
        press(chooser, Qt::Key_Left);
        press(chooser, Qt::Key_Return);
        QVERIFY(editor->drawingChosen());
        QCOMPARE(editor->chosenDrawing().drawingName, QString("abeja.gif"));

        // Placing: the marker starts in the middle and moves by 4, 20 with Shift.
        QCOMPARE(editor->focusWidget(), editor->surface());
        QCOMPARE(editor->placementMarker(), QPoint(60, 40));
        for (int i = 0; i < 3; ++i)
            press(editor, Qt::Key_Right);
        press(editor, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(editor->placementMarker(), QPoint(72, 60));
        QVERIFY(editor->surface()->markerShown());
        QCOMPARE(editor->surface()->marker(), QPoint(72, 60));
        press(editor, Qt::Key_Return);
        QCOMPARE(editor->animation()->file(), m_kit->file("gifs/abeja.gif"));
        QTRY_VERIFY_WITH_TIMEOUT(editor->surface()->isEnabled(), 5000);
        QCOMPARE(editor->focusWidget(), editor->surface());
        const QImage byKeys = editor->surface()->retainedImage();
        QCOMPARE(byKeys.pixel(75, 60), qRgb(0, 0, 0));
        // The same point by the mouse.
        QTest::mouseClick(editor->windowHandle(), Qt::LeftButton, {},
                          editor->surface()->mapTo(editor, QPoint(72, 60)));
        QTRY_VERIFY_WITH_TIMEOUT(editor->surface()->isEnabled(), 5000);
        QCOMPARE(editor->placementLines(), QStringList({"abeja.gif,72,60,", "abeja.gif,72,60,"}));
        QCOMPARE(editor->surface()->retainedImage(), byKeys);

        // Saving: five Tabs from the picture reach the save button.
        editor->surface()->setFocus();
        for (int i = 0; i < 5; ++i)
            press(editor, Qt::Key_Tab);
        m_kit->dialogs.answers.enqueue(QString("teclado"));
        press(editor, Qt::Key_Space);
        QCOMPARE(readAll(m_kit->file("coordenadas/teclado.txt")),
                 QByteArray("abeja.gif,72,60,\r\nabeja.gif,72,60,\r\n"));
        QVERIFY(m_kit->dialogs.messages.isEmpty());
        // Escape closes the chooser.
        editor->Command1_Click(2);
        QVERIFY(chooser->isVisible());
        press(chooser, Qt::Key_Escape);
        QVERIFY(!chooser->isVisible());
    }

    // The program's windows as main() wires them: the title screen's button
    // opens the editor window and closes the title screen, and the editor's
    // confirmed exit reaches the program.
    void titleScreenOpensTheEditorAndCloses()
    {
        EditorApp app(m_kit->dialogs, m_kit->random);
        QSignalSpy exits(&app, &EditorApp::exitRequested);
        app.start();
        QVERIFY(!app.editor());
        Form3 *title = app.titleScreen();
        QVERIFY(title);
        QVERIFY(QTest::qWaitForWindowExposed(title));
        const QSize screen = QGuiApplication::primaryScreen()->size();
        QCOMPARE(title->windowTitle(), QStringLiteral("VUD editor 1.0"));
        QCOMPARE(title->size(), QSize(519, 346));
        // (screen - window) \ 2 in twips, then to pixels.
        QCOMPARE(title->pos(), QPoint(int(std::nearbyint((screen.width() * 15 - 7785) / 2 / 15.0)),
                                      int(std::nearbyint((screen.height() * 15 - 5190) / 2 / 15.0))));
        QPointer<Form3> watch(title);
        auto *open = title->findChild<QPushButton *>("Command2");
        QTest::mouseClick(open, Qt::LeftButton);
        Form1 *editor = app.editor();
        QVERIFY(editor);
        QVERIFY(editor->isVisible());
        QTRY_VERIFY(watch.isNull());
        QVERIFY(!app.titleScreen());
        m_kit->dialogs.yes = true;
        QTest::mouseClick(editor->findChild<QPushButton *>("Command2"), Qt::LeftButton);
        QCOMPARE(m_kit->dialogs.questions, QStringList{"¿Quieres salir?"});
        QCOMPARE(exits.count(), 1);
    }

    // The real dialogs name their buttons in Spanish and answer with the
    // button pressed.
    void dialogsSpeakSpanish()
    {
        QtDialogs dialogs;
        QStringList seen;
        // Presses the button of the open dialog whose text is given.
        auto pressWhenOpen = [&seen](const QString &press) {
            QTimer::singleShot(50, [&seen, press] {
                QWidget *dialog = QApplication::activeModalWidget();
                QVERIFY(dialog);
                QStringList texts;
                QPushButton *target = nullptr;
                for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
                    texts << button->text().remove(QLatin1Char('&'));
                    if (texts.last() == press)
                        target = button;
                }
                texts.sort();
                seen << texts.join(QLatin1Char('|'));
                if (target)
                    target->click();
                else
                    dialog->close();
            });
        };
        pressWhenOpen(QStringLiteral("No"));
        QVERIFY(!dialogs.askYesNo(nullptr, QStringLiteral("¿Quieres salir?")));
        pressWhenOpen(QStringLiteral("Sí"));
        QVERIFY(dialogs.askYesNo(nullptr, QStringLiteral("¿Quieres salir?")));
        pressWhenOpen(QStringLiteral("Aceptar"));
        QCOMPARE(dialogs.askText(nullptr, "VUD editor", "Nombre de dibujo", "123dibujo"),
                 std::optional<QString>(QStringLiteral("123dibujo")));
        pressWhenOpen(QStringLiteral("Cancelar"));
        QCOMPARE(dialogs.askText(nullptr, "VUD editor", "Nombre de dibujo", "123dibujo"),
                 std::optional<QString>());
        pressWhenOpen(QStringLiteral("Aceptar"));
        dialogs.showMessage(nullptr, QStringLiteral("No se ha podido guardar el puzzle."));
        QCOMPARE(seen, (QStringList{"No|Sí", "No|Sí", "Aceptar|Cancelar", "Aceptar|Cancelar", "Aceptar"}));
    }

    // Pictures and puzzle files dragged onto the editor are copied into the
    // data folder and the last one is shown; the adult hears why a file was
    // not taken, and a file that is no picture by name is refused outright.
    void droppedFilesAreShownAtOnce_data()
    {
        QTest::addColumn<QStringList>("dropped");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QStringList>("pictures");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("messages");
        const QStringList before{"a.bmp", "b.png", "c.bmp"};
        QTest::newRow("a picture") << QStringList{"foto.png"} << true << before + QStringList{"foto.png"} << 3 << 0;
        QTest::newRow("a puzzle file") << QStringList{"gato.vud"} << true << before + QStringList{"gato.png"} << 3 << 0;
        QTest::newRow("no picture") << QStringList{"nota.txt"} << false << before << 0 << 0;
        QTest::newRow("text called a picture") << QStringList{"falsa.png"} << true << before << 0 << 1;
        QTest::newRow("both kinds and a refusal") << QStringList{"gato.vud", "falsa.png", "foto.png"} << true
                                                  << before + QStringList{"foto.png", "gato.png"} << 3 << 1;
    }
    void droppedFilesAreShownAtOnce()
    {
        QFETCH(QStringList, dropped);
        QFETCH(bool, taken);
        QFETCH(QStringList, pictures);
        QFETCH(int, shown);
        QFETCH(int, messages);
        QVERIFY(QDir().mkpath(m_kit->file("arrastre")));
        QVERIFY(writeDropFiles(m_kit->file("arrastre")));
        Form1 &form = open();
        QStringList paths;
        for (const QString &name : dropped)
            paths << m_kit->file("arrastre/" + name);
        QCOMPARE(dropFiles(&form, paths), taken);
        QCOMPARE(form.pictureFiles(), pictures);
        QCOMPARE(form.pictureIndex(), shown);
        QCOMPARE(m_kit->dialogs.messages.size(), messages);
        if (shown > 0)
            QVERIFY(form.surface()->hasPicture());
    }

    // Export writes the saved puzzle on show through a save dialog; import
    // reads one through an open dialog and shows its picture.
    void exportAndImportGoThroughFileDialogs()
    {
        Form1 &form = open();
        QTest::mouseClick(button(1), Qt::LeftButton); // b.png
        chooseDrawing(0);
        clickOn(QPoint(20, 20));
        waitForStamp();
        form.exportPuzzle();
        QCOMPARE(m_kit->dialogs.messages, QStringList{"Guarda el puzzle antes de exportarlo."});
        QVERIFY(m_kit->dialogs.fileDialogs.isEmpty());

        m_kit->dialogs.answers.enqueue(QString("granja"));
        form.Command1_Click(3);
        const QString exported = m_kit->file("granja-exportado");
        m_kit->dialogs.files.enqueue(exported);
        form.exportPuzzle();
        QCOMPARE(m_kit->dialogs.fileDialogs, QStringList{"save|granja.vud"});
        const vud::PuzzleFileRead read = vud::readPuzzleFile(exported + ".vud");
        QCOMPARE(read.error, vud::PuzzleFileError::None);
        QCOMPARE(read.archive.pictureName, QString("granja.bmp"));
        QCOMPARE(read.archive.drawings.keys(), QStringList{"abeja.gif"});

        // The saved puzzle is already there: imported again, it is shown.
        m_kit->dialogs.files.enqueue(exported + ".vud");
        form.importPuzzle();
        QCOMPARE(form.pictureFiles(), QStringList({"a.bmp", "b.png", "c.bmp", "granja.bmp"}));
        QCOMPARE(form.pictureIndex(), 3);
        // Cancelled, nothing happens.
        form.importPuzzle();
        QCOMPARE(form.pictureIndex(), 3);
        QCOMPARE(m_kit->dialogs.fileDialogs.size(), 3);
    }

    // Opened with files, the editor skips its title screen and shows the
    // last one imported.
    void openingWithFilesImportsThem()
    {
        QVERIFY(QDir().mkpath(m_kit->file("arrastre")));
        QVERIFY(writeDropFiles(m_kit->file("arrastre")));
        Editor::EditorApp app(m_kit->dialogs, m_kit->random);
        app.openFiles({m_kit->file("arrastre/foto.png"), m_kit->file("arrastre/gato.vud")});
        QVERIFY(app.editor() && app.editor()->isVisible());
        QVERIFY(!app.titleScreen());
        QCOMPARE(app.editor()->pictureFiles(), QStringList({"a.bmp", "b.png", "c.bmp", "foto.png", "gato.png"}));
        QCOMPARE(app.editor()->pictureIndex(), 4);
    }
};

QTEST_MAIN(TestEditorWindow)
#include "tst_editorwindow.moc"
