#include "editor/ui/chooser.h"
#include "uisupport/editortestkit.h"
#include "widgets/gifdisplay.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

using namespace Editor;
using vudtest::writeGif;

// The drawing chooser hands the editor the drawing the adult clicked: a wrong
// name or path here means a puzzle whose lines name another drawing.
class TestChooser : public QObject
{
    Q_OBJECT

    std::unique_ptr<EditorTestKit> m_kit;

    // Drawings d00.gif .. d<count-1>.gif, each a different size so that a
    // cell shows which file it holds.
    void writeDrawings(int count)
    {
        for (int i = 0; i < count; ++i) {
            const QString name = QString("gifs/d%1.gif").arg(i, 2, 10, QChar('0'));
            QVERIFY(writeGif(m_kit->file(name), vudtest::squareFrames(2, QSize(10 + i, 8)), 2));
        }
    }
    static QString drawing(int i) { return QString("d%1.gif").arg(i, 2, 10, QChar('0')); }

    QStringList cellFiles(const Form2 &chooser) const
    {
        QStringList files;
        for (int k = 0; k < 9; ++k)
            files << chooser.cellFile(k);
        return files;
    }
    // The drawing the last drawingChosen carried.
    static ChosenDrawing chosenIn(const QSignalSpy &chosen)
    {
        return chosen.last().at(0).value<ChosenDrawing>();
    }
    static QStringList expectedPage(int first, int count)
    {
        QStringList files;
        for (int i = first; i < first + 9; ++i)
            files << (i < count ? drawing(i) : QString());
        return files;
    }

private slots:
    void init() { m_kit = std::make_unique<EditorTestKit>(); }
    void cleanup() { m_kit.reset(); }

    void opensCentredOnTheFirstPage()
    {
        writeDrawings(5);
        Form2 chooser(m_kit->dialogs);
        const QSize screen = QGuiApplication::primaryScreen()->size();
        QCOMPARE(chooser.size(), QSize(659, 465));
        QCOMPARE(chooser.pos(),
                 QPoint(int(std::nearbyint((screen.width() * 15 - 9885) / 2 / 15.0)),
                        int(std::nearbyint((screen.height() * 15 - 6975) / 2 / 15.0))));
        QCOMPARE(chooser.pageStart(), 0);
        QCOMPARE(cellFiles(chooser), expectedPage(0, 5));
        QCOMPARE(chooser.cellPath(4), m_kit->file("gifs/d04.gif"));
        // Small drawings keep their size; top-left corners stay at the design.
        QCOMPARE(chooser.cell(4)->geometry(), QRect(328, 160, 14, 8));
        QVERIFY(!chooser.animation()->isVisible());
        // Named for assistive technology: the window, each cell by its drawing.
        QVERIFY(!chooser.accessibleName().isEmpty());
        QCOMPARE(chooser.cell(4)->accessibleName(), drawing(4));
        QCOMPARE(chooser.cell(5)->accessibleName(), QString("Sin dibujo"));
    }

    void pagesTurnAsTheGalleryDoes_data()
    {
        QTest::addColumn<int>("files");
        QTest::addColumn<QVector<int>>("presses");
        QTest::addColumn<QVector<int>>("pageStarts");
        QTest::newRow("20 files forward to an empty page and stop")
            << 20 << QVector<int>{0, 0, 0, 0} << QVector<int>{9, 18, 27, 27};
        QTest::newRow("previous on the first page redraws it")
            << 20 << QVector<int>{1} << QVector<int>{0};
        QTest::newRow("there and back") << 20 << QVector<int>{0, 0, 1, 1, 1}
                                        << QVector<int>{9, 18, 9, 0, 0};
        QTest::newRow("no drawings") << 0 << QVector<int>{0, 0} << QVector<int>{9, 9};
    }
    void pagesTurnAsTheGalleryDoes()
    {
        QFETCH(int, files);
        QFETCH(QVector<int>, presses);
        QFETCH(QVector<int>, pageStarts);
        writeDrawings(files);
        Form2 chooser(m_kit->dialogs);
        for (int i = 0; i < presses.size(); ++i) {
            QPushButton *page = nullptr;
            for (QPushButton *b : chooser.findChildren<QPushButton *>("Command1"))
                if (b->property("index").toInt() == presses[i])
                    page = b;
            QVERIFY(page);
            QTest::mouseClick(page, Qt::LeftButton);
            QCOMPARE(chooser.pageStart(), pageStarts[i]);
            QCOMPARE(cellFiles(chooser), expectedPage(pageStarts[i], files));
            QVERIFY(page->isEnabled());
        }
    }

    void hoverPlaysOnceAndIgnoresOtherCellsMeanwhile()
    {
        writeDrawings(5);
        Form2 chooser(m_kit->dialogs);
        chooser.show();
        QSignalSpy ends(chooser.animation(), &vud::GifDisplay::GifEnd);
        QTest::mouseMove(chooser.windowHandle(), chooser.cell(2)->geometry().center());
        QVERIFY(chooser.animating());
        QVERIFY(chooser.animation()->isVisible());
        QCOMPARE(chooser.animation()->file(), m_kit->file("gifs/d02.gif"));
        QCOMPARE(chooser.animation()->geometry(), QRect(24, 304, 12, 8));
        QTest::mouseMove(chooser.windowHandle(), chooser.cell(3)->geometry().center());
        QCOMPARE(chooser.animation()->file(), m_kit->file("gifs/d02.gif"));
        QVERIFY(ends.wait(5000));
        QCOMPARE(ends.size(), 1);
        QVERIFY(!chooser.animating());
        QVERIFY(!chooser.animation()->isVisible());
        QTest::mouseMove(chooser.windowHandle(), chooser.cell(3)->geometry().center() + QPoint(1, 0));
        QCOMPARE(chooser.animation()->file(), m_kit->file("gifs/d03.gif"));
        QVERIFY(chooser.animating());
    }

    void aCellEmptiedByAPageTurnKeepsItsPathButOffersNothing()
    {
        writeDrawings(11);
        Form2 chooser(m_kit->dialogs);
        QSignalSpy chosen(&chooser, &Form2::drawingChosen);
        chooser.Command1_Click(0);
        QCOMPARE(chooser.cellFile(5), QString());
        QCOMPARE(chooser.cellPath(5), m_kit->file("gifs/d05.gif"));
        chooser.Image1_MouseMove(5);
        QCOMPARE(chooser.animation()->file(), m_kit->file("gifs/d05.gif"));
        chooser.Image1_Click(5);
        QCOMPARE(chosen.size(), 0);
    }

    void aFileThatIsNoPictureOffersNothing()
    {
        writeDrawings(2);
        QVERIFY(vudtest::writeBytes(m_kit->file("gifs/d00b.gif"), "not a gif"));
        Form2 chooser(m_kit->dialogs);
        QCOMPARE(chooser.files(), QStringList({"d00.gif", "d00b.gif", "d01.gif"}));
        QCOMPARE(chooser.cellFile(1), QString());
        QSignalSpy chosen(&chooser, &Form2::drawingChosen);
        chooser.Image1_Click(1);
        QCOMPARE(chosen.size(), 0);
        // Hovering it plays its own file, which shows nothing.
        QCOMPARE(chooser.cellPath(1), m_kit->file("gifs/d00b.gif"));
        chooser.Image1_Click(2);
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosenIn(chosen).drawingName, QStringLiteral("d01.gif"));
    }

    // A name with a comma would break the puzzle's line: the drawing shows,
    // but choosing it says why it cannot be used.
    void aDrawingNamedWithACommaCannotBeChosen()
    {
        writeDrawings(1);
        QVERIFY(writeGif(m_kit->file("gifs/d00,5,6,.gif"), vudtest::squareFrames(2, QSize(12, 8)), 2));
        Form2 chooser(m_kit->dialogs);
        QCOMPARE(chooser.files(), QStringList({"d00,5,6,.gif", "d00.gif"}));
        QCOMPARE(chooser.cellFile(0), QStringLiteral("d00,5,6,.gif"));
        QSignalSpy chosen(&chooser, &Form2::drawingChosen);
        chooser.Image1_Click(0);
        QCOMPARE(chosen.size(), 0);
        QCOMPARE(m_kit->dialogs.messages.size(), 1);
        QVERIFY(m_kit->dialogs.messages.at(0).contains(QStringLiteral("coma")));
        chooser.Image1_Click(1);
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosenIn(chosen).drawingName, QStringLiteral("d00.gif"));
    }

    void aChoiceOnTheSecondPageNamesItsFile()
    {
        writeDrawings(15);
        Form2 chooser(m_kit->dialogs);
        chooser.show();
        QSignalSpy chosen(&chooser, &Form2::drawingChosen);
        chooser.Command1_Click(0);
        QTest::mouseClick(chooser.windowHandle(), Qt::LeftButton, {},
                          chooser.cell(4)->geometry().center());
        QCOMPARE(chosen.size(), 1);
        const ChosenDrawing drawing = chosenIn(chosen);
        QCOMPARE(int(drawing.chosenCell), 4);
        QCOMPARE(drawing.drawingName, QStringLiteral("d13.gif"));
        QCOMPARE(drawing.cellPath, m_kit->file("gifs/d13.gif"));
        QCOMPARE(chooser.cellPath(4), m_kit->file("gifs/d13.gif"));
        const QImage still = drawing.still;
        QCOMPARE(still.size(), QSize(23, 8));
        // Transparent parts of the first frame come over as white.
        QCOMPARE(still.pixel(0, 0), qRgb(255, 255, 255));
        // The chooser stays where it was.
        QVERIFY(chooser.isVisible());
    }
};

QTEST_MAIN(TestChooser)
#include "tst_chooser.moc"
