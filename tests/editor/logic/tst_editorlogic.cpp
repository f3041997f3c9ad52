#include "editor/logic/layout.h"
#include "editor/logic/placements.h"
#include "editor/logic/puzzlesave.h"
#include "editor/logic/transparentblit.h"
#include "support/testsupport.h"

#include <QAbstractItemModelTester>
#include <QtTest>

using namespace Editor;

Q_DECLARE_METATYPE(Editor::TwipsRect)

namespace {

// A destination of flat grey with one marked pixel per corner, and drawings
// made of named colours, so that every copied or kept pixel can be told apart.
const QRgb kGrey = qRgb(100, 100, 100);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kNearWhite = qRgb(254, 255, 255);
const QRgb kRed = qRgb(200, 0, 0);

QImage filled(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The result rule, pixel by pixel, written out the slow way.
QImage expectedBlit(const QImage &destination, const QImage &source, QPoint sourceAt, QSize size,
                    QPoint destinationAt, QRgb transparent)
{
    QImage expected = destination.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const QPoint from = sourceAt + QPoint(x, y);
            const QPoint to = destinationAt + QPoint(x, y);
            if (!source.rect().contains(from) || !expected.rect().contains(to))
                continue;
            const QRgb pixel = source.pixel(from);
            if ((pixel & 0xffffff) != (transparent & 0xffffff))
                expected.setPixel(to, pixel);
        }
    }
    return expected;
}

} // namespace

// The arithmetic behind the editor window's layout, the chooser's paging,
// the masked copy that stamps drawings and the checks before a save.
class TestEditorLogic : public QObject
{
    Q_OBJECT

private slots:
    void workAreaLiesRightOfTheButtonColumn_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<double>("areaWidth");
        QTest::addColumn<double>("areaHeight");
        QTest::newRow("800x600") << 800 << 600 << 10785.0 << 9000.0;
        QTest::newRow("1024x768") << 1024 << 768 << 14145.0 << 11520.0;
        QTest::newRow("1920x1080") << 1920 << 1080 << 27585.0 << 16200.0;
    }
    void workAreaLiesRightOfTheButtonColumn()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(double, areaWidth);
        QFETCH(double, areaHeight);
        const TwipsRect area = workArea(vud::screenTwipsFor(width, height));
        QCOMPARE(area, (TwipsRect{1215, 0, areaWidth, areaHeight}));
    }

    void centringTruncatesTheHalfDifference_data()
    {
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("area");
        QTest::addColumn<double>("length");
        QTest::addColumn<double>("edge");
        QTest::newRow("even") << 1215.0 << 10785.0 << 7485.0 << 1215.0 + 1650;
        QTest::newRow("odd goes right") << 1215.0 << 10785.0 << 7500.0 << 1215.0 + 1642;
        QTest::newRow("negative odd truncates") << 1215.0 << 10785.0 << 10886.0 << 1215.0 - 50;
        QTest::newRow("negative even") << 0.0 << 9000.0 << 9600.0 << -300.0;
        QTest::newRow("fraction rounds to even first") << 0.0 << 100.5 << 0.0 << 50.0;
        QTest::newRow("exact fit") << 1215.0 << 10785.0 << 10785.0 << 1215.0;
    }
    void centringTruncatesTheHalfDifference()
    {
        QFETCH(double, start);
        QFETCH(double, area);
        QFETCH(double, length);
        QFETCH(double, edge);
        QCOMPARE(centredEdge(start, area, length), edge);
    }

    // A picture larger than the work area (719 x 600 pixels at 800 x 600,
    // 943 x 768 at 1024 x 768) is scaled down by the smaller of the two
    // ratios; one that fits keeps its size. Either way it is centred in twips.
    void picturesAreShownWholeAndCentred_data()
    {
        QTest::addColumn<QSize>("screenSize");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("room");
        QTest::addColumn<QSize>("shown");
        QTest::addColumn<TwipsRect>("surface");
        const QSize small(800, 600);
        const QSize large(1024, 768);
        // 719 / 4000 = 0.17975; 3000 * 0.17975 = 539.25; (9000 - 8085) \ 2 = 457.
        QTest::newRow("4000x3000 photo at 800x600")
            << small << QSize(4000, 3000) << QSize(719, 600) << QSize(719, 539)
            << TwipsRect{1215, 457, 10785, 8085};
        // 600 / 4000 = 0.15 is the smaller: 450 x 600, centred across.
        QTest::newRow("upright portrait photo at 800x600")
            << small << QSize(3000, 4000) << QSize(719, 600) << QSize(450, 600)
            << TwipsRect{1215 + 2017, 0, 6750, 9000};
        QTest::newRow("exactly the work area at 800x600")
            << small << QSize(719, 600) << QSize(719, 600) << QSize(719, 600)
            << TwipsRect{1215, 0, 10785, 9000};
        // 600 * 719 / 720 = 599.17.
        QTest::newRow("one pixel too wide at 800x600")
            << small << QSize(720, 600) << QSize(719, 600) << QSize(719, 599)
            << TwipsRect{1215, 7, 10785, 8985};
        QTest::newRow("small at 800x600") << small << QSize(200, 150) << QSize(719, 600)
                                          << QSize(200, 150) << TwipsRect{1215 + 3892, 3375, 3000, 2250};
        QTest::newRow("odd difference goes right")
            << small << QSize(500, 300) << QSize(719, 600) << QSize(500, 300)
            << TwipsRect{1215 + 1642, 2250, 7500, 4500};
        // 943 / 4000 = 0.23575; 3000 * 0.23575 = 707.25; (11520 - 10605) \ 2 = 457.
        QTest::newRow("4000x3000 photo at 1024x768")
            << large << QSize(4000, 3000) << QSize(943, 768) << QSize(943, 707)
            << TwipsRect{1215, 457, 14145, 10605};
        QTest::newRow("exactly the work area at 1024x768")
            << large << QSize(943, 768) << QSize(943, 768) << QSize(943, 768)
            << TwipsRect{1215, 0, 14145, 11520};
        QTest::newRow("small at 1024x768") << large << QSize(200, 150) << QSize(943, 768)
                                           << QSize(200, 150) << TwipsRect{1215 + 5572, 4635, 3000, 2250};
    }
    void picturesAreShownWholeAndCentred()
    {
        QFETCH(QSize, screenSize);
        QFETCH(QSize, picture);
        QFETCH(QSize, room);
        QFETCH(QSize, shown);
        QFETCH(TwipsRect, surface);
        const vud::ScreenTwips screen = vud::screenTwipsFor(screenSize.width(), screenSize.height());
        const TwipsRect area = workArea(screen);
        QCOMPARE(workAreaPixels(area, screen), room);
        QCOMPARE(shownPictureSize(picture, room), shown);
        QCOMPARE(centredPicture(area, shown, screen), surface);
    }

    void picturesStepWithWrapAround_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("previous");
        QTest::addColumn<int>("next");
        QTest::newRow("first press from the start") << 0 << 5 << 4 << 1;
        QTest::newRow("middle") << 2 << 5 << 1 << 3;
        QTest::newRow("last wraps forward") << 4 << 5 << 3 << 0;
        QTest::newRow("single file") << 0 << 1 << 0 << 0;
        QTest::newRow("no files") << 0 << 0 << -1 << -1;
    }
    void picturesStepWithWrapAround()
    {
        QFETCH(int, index);
        QFETCH(int, count);
        QFETCH(int, previous);
        QFETCH(int, next);
        QCOMPARE(previousPictureIndex(index, count), previous);
        QCOMPARE(nextPictureIndex(index, count), next);
    }

    void chooserPagesReachOneEmptyPagePastTheEnd_data()
    {
        QTest::addColumn<int>("files");
        QTest::addColumn<QVector<int>>("forward");
        QTest::newRow("20 files") << 20 << QVector<int>{9, 18, 27, 27};
        QTest::newRow("18 files") << 18 << QVector<int>{9, 18, 27, 27};
        QTest::newRow("9 files") << 9 << QVector<int>{9, 18, 18};
        QTest::newRow("no files") << 0 << QVector<int>{9, 9};
    }
    void chooserPagesReachOneEmptyPagePastTheEnd()
    {
        QFETCH(int, files);
        QFETCH(QVector<int>, forward);
        int page = 0;
        for (int expected : forward) {
            page = pageForward(page, files);
            QCOMPARE(page, expected);
        }
        for (int expected = page - 9; expected >= 0; expected -= 9) {
            page = pageBack(page);
            QCOMPARE(page, expected);
        }
        QCOMPARE(pageBack(page), 0);
    }

    void transparentBlitFollowsTheResultRule_data()
    {
        QTest::addColumn<QImage>("source");
        QTest::addColumn<QPoint>("sourceAt");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("destinationAt");
        QTest::addColumn<int>("changedPixels");

        QImage mixed = filled(QSize(6, 4), kWhite);
        mixed.setPixel(1, 1, kRed);
        mixed.setPixel(2, 1, kNearWhite);
        mixed.setPixel(5, 3, qRgb(0, 0, 0));

        QTest::newRow("no transparent pixel copies whole")
            << filled(QSize(5, 5), kRed) << QPoint(0, 0) << QSize(5, 5) << QPoint(3, 2) << 25;
        QTest::newRow("all transparent leaves destination")
            << filled(QSize(5, 5), kWhite) << QPoint(0, 0) << QSize(5, 5) << QPoint(3, 2) << 0;
        QTest::newRow("white left out, near white stamped")
            << mixed << QPoint(0, 0) << QSize(6, 4) << QPoint(0, 0) << 3;
        QTest::newRow("clipped at right and bottom edges")
            << filled(QSize(8, 8), kRed) << QPoint(0, 0) << QSize(8, 8) << QPoint(16, 13) << 12;
        QTest::newRow("clipped at left and top edges")
            << filled(QSize(8, 8), kRed) << QPoint(0, 0) << QSize(8, 8) << QPoint(-5, -6) << 6;
        QTest::newRow("source offset") << mixed << QPoint(1, 1) << QSize(2, 1) << QPoint(10, 10)
                                       << 2;
        QTest::newRow("rectangle past the source") << mixed << QPoint(4, 2) << QSize(10, 10)
                                                   << QPoint(0, 0) << 1;
        QTest::newRow("wholly outside") << mixed << QPoint(0, 0) << QSize(6, 4) << QPoint(40, 40)
                                        << 0;
        QTest::newRow("empty rectangle") << mixed << QPoint(0, 0) << QSize(0, 4) << QPoint(0, 0)
                                         << 0;
    }
    void transparentBlitFollowsTheResultRule()
    {
        QFETCH(QImage, source);
        QFETCH(QPoint, sourceAt);
        QFETCH(QSize, size);
        QFETCH(QPoint, destinationAt);
        QFETCH(int, changedPixels);

        QImage destination = filled(QSize(20, 16), kGrey);
        destination.setPixel(0, 0, qRgb(1, 2, 3));
        destination.setPixel(19, 15, qRgb(4, 5, 6));
        const QImage before = destination;
        const QImage expected
            = expectedBlit(destination, source, sourceAt, size, destinationAt, kWhite);
        TransparentBlit(destination, source, sourceAt.x(), sourceAt.y(), size.width(),
                        size.height(), destinationAt.x(), destinationAt.y(), kWhite);
        QCOMPARE(destination, expected);
        int changed = 0;
        for (int y = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x)
                changed += before.pixel(x, y) != destination.pixel(x, y);
        QCOMPARE(changed, changedPixels);
    }

    void transparentBlitComparesColoursExactly()
    {
        // Another key colour: only that exact colour is left out; alpha is no
        // part of the comparison.
        QImage source(3, 1, QImage::Format_ARGB32);
        source.setPixel(0, 0, qRgba(10, 20, 30, 255));
        source.setPixel(1, 0, qRgba(10, 20, 31, 255));
        source.setPixel(2, 0, qRgba(10, 20, 30, 0));
        QImage destination = filled(QSize(3, 1), kGrey);
        TransparentBlit(destination, source, 0, 0, 3, 1, 0, 0, qRgb(10, 20, 30));
        QCOMPARE(destination.pixel(0, 0), kGrey);
        QCOMPARE(destination.pixel(1, 0), qRgb(10, 20, 31));
        QCOMPARE(destination.pixel(2, 0), kGrey);
    }

    void defaultNamesRunFrom100To1099()
    {
        vudtest::ScriptedRandom random({0.0, 0.423, 0.9999});
        QCOMPARE(defaultPuzzleName(random), QStringLiteral("100dibujo"));
        QCOMPARE(defaultPuzzleName(random), QStringLiteral("523dibujo"));
        QCOMPARE(defaultPuzzleName(random), QStringLiteral("1099dibujo"));
        QCOMPARE(random.seeds, 0);
    }

    void everyStartOffersTheSameDefaultNames()
    {
        vud::StandardRandom first;
        vud::StandardRandom second;
        QStringList a, b;
        for (int i = 0; i < 5; ++i) {
            a << defaultPuzzleName(first);
            b << defaultPuzzleName(second);
        }
        QCOMPARE(a, b);
        QVERIFY(a.at(0) != a.at(1) || a.at(1) != a.at(2));
    }

    void puzzleNamesMustBeFileNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("usable");
        QTest::newRow("plain") << "gato" << true;
        QTest::newRow("default") << "523dibujo" << true;
        QTest::newRow("blanks kept") << " mi gato " << true;
        QTest::newRow("accents") << "león" << true;
        QTest::newRow("wildcards") << "g*t?" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("dot") << "." << false;
        QTest::newRow("dot dot") << ".." << false;
        QTest::newRow("slash") << "a/b" << false;
        QTest::newRow("up and out") << "../../etc/x" << false;
        QTest::newRow("backslash") << "a\\b" << false;
        QTest::newRow("tab") << "a\tb" << false;
        QTest::newRow("newline") << "a\nb" << false;
        QTest::newRow("nul") << QString("a") + QChar(0) + "b" << false;
        QTest::newRow("delete") << QString("a") + QChar(0x7f) << false;
        QTest::newRow("longest that fits") << QString(251, 'x') << true;
        QTest::newRow("too long") << QString(252, 'x') << false;
        QTest::newRow("too long in bytes") << QString(130, QChar(0xf1)) << false;
        QTest::newRow("lone surrogate") << QString(QChar(0xd800)) << false;
    }
    void puzzleNamesMustBeFileNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, usable);
        QCOMPARE(isUsablePuzzleName(name), usable);
    }

    // The placements as the list shows them and the save writes them: one
    // line per click in click order, and after a clear the next click is the
    // first line again. A view sees every change through the model's signals.
    void placementsKeepTheClicksInOrder_data()
    {
        QTest::addColumn<QStringList>("steps"); // "name x y" places, "clear" clears
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("in click order")
            << QStringList{"abeja.gif 10 12", "sol.gif 0 0", "abeja.gif 719 600"}
            << QStringList{"abeja.gif,10,12,", "sol.gif,0,0,", "abeja.gif,719,600,"};
        QTest::newRow("no name chosen begins with a comma") << QStringList{" 5 6"} << QStringList{",5,6,"};
        QTest::newRow("clear starts again") << QStringList{"a.gif 1 1", "b.gif 2 2", "clear", "c.gif 3 3"}
                                            << QStringList{"c.gif,3,3,"};
        QTest::newRow("clearing nothing") << QStringList{"clear"} << QStringList{};
    }
    void placementsKeepTheClicksInOrder()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, lines);
        Placements placements;
        QAbstractItemModelTester tester(&placements);
        // What a view holds, kept up to date by the signals alone.
        QStringList shown;
        auto rowText = [&placements](int row) { return placements.index(row).data().toString(); };
        connect(&placements, &QAbstractItemModel::rowsInserted, this, [&](const QModelIndex &, int first, int last) {
            for (int row = first; row <= last; ++row)
                shown.insert(row, rowText(row));
        });
        connect(&placements, &QAbstractItemModel::modelReset, this, [&] {
            shown.clear();
            for (int row = 0; row < placements.rowCount(); ++row)
                shown << rowText(row);
        });
        for (const QString &step : steps) {
            if (step == "clear") {
                placements.clear();
                continue;
            }
            const QStringList fields = step.split(' ');
            placements.add(fields[0], fields[1].toInt(), fields[2].toInt());
        }
        QCOMPARE(placements.lines(), lines);
        QCOMPARE(placements.count(), int(lines.size()));
        QCOMPARE(shown, lines);
    }
};

QTEST_MAIN(TestEditorLogic)
#include "tst_editorlogic.moc"
