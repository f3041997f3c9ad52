#include "core/picturefile.h"
#include "support/testsupport.h"
#include "widgets/gifdisplay.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QImageReader>
#include <QMovie>
#include <QSignalSpy>
#include <QtTest>

#include <sys/stat.h>

using namespace vud;
using namespace vudtest;

namespace {

QByteArray handMadeGif(int canvasWidth, int canvasHeight, const QVector<QRect> &frames)
{
    return vudtest::handMadeGif(QSize(canvasWidth, canvasHeight), frames);
}

QVector<QRect> tinyFrames(int count)
{
    return QVector<QRect>(count, QRect(0, 0, 1, 1));
}

int framesDecoded(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer, "gif").imageCount();
}

} // namespace

// The editor keeps its picture surface disabled until the display reports the
// end of the drawing's animation: a missing notice locks the editor, a double
// one stamps twice.
class TestGifDisplay : public QObject
{
    Q_OBJECT

    TempProgramFolder *m_folder = nullptr;

    QString gif(const QString &name) const { return m_folder->file("gifs/" + name); }

private slots:
    void initTestCase()
    {
        // As the programs start.
        applyPictureLimits();
        m_folder = new TempProgramFolder;
        QVERIFY(writeGif(gif("once.gif"), squareFrames(4), 3, -1));
        QVERIFY(writeGif(gif("forever.gif"), squareFrames(5), 3, 0));
        QVERIFY(writeGif(gif("twice.gif"), squareFrames(3), 3, 1));
        QVERIFY(writeGif(gif("single.gif"), squareFrames(1), 10, -1));
        QVERIFY(writeGif(gif("single-forever.gif"), squareFrames(1), 10, 0));
        QVERIFY(writeGif(gif("zero-delay.gif"), squareFrames(3), 0, 0));
        QFile whole(gif("forever.gif"));
        QVERIFY(whole.open(QIODevice::ReadOnly));
        const QByteArray bytes = whole.readAll();
        QVERIFY(writeBytes(gif("truncated.gif"), bytes.left(bytes.size() * 2 / 3)));
        QVERIFY(writeBytes(gif("header-only.gif"), bytes.left(13)));
        QVERIFY(writeBytes(gif("not-a-gif.gif"), "this is no picture at all"));
        QVERIFY(writeBytes(gif("empty.gif"), ""));
        // What is no regular file plays as a missing file, without blocking.
        QCOMPARE(mkfifo(QFile::encodeName(gif("fifo.gif")).constData(), 0644), 0);
        QVERIFY(QFile::link("/dev/zero", gif("zero.gif")));
        QVERIFY(QDir().mkpath(gif("folder.gif")));
        QVERIFY(writeBytes(gif("huge-canvas.gif"), handMadeGif(30000, 30000, tinyFrames(1))));
    }
    void cleanupTestCase() { delete m_folder; }

    void editorRoleReportsOneEndPerAnimation_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("no loop block") << gif("once.gif");
        QTest::newRow("loops forever") << gif("forever.gif");
        QTest::newRow("loop count one") << gif("twice.gif");
        QTest::newRow("one frame") << gif("single.gif");
        QTest::newRow("one frame looping forever") << gif("single-forever.gif");
        QTest::newRow("zero frame delay") << gif("zero-delay.gif");
        QTest::newRow("truncated") << gif("truncated.gif");
        QTest::newRow("header only") << gif("header-only.gif");
        QTest::newRow("not a gif") << gif("not-a-gif.gif");
        QTest::newRow("empty file") << gif("empty.gif");
        QTest::newRow("missing file") << gif("missing.gif");
        QTest::newRow("empty path") << QString();
        QTest::newRow("fifo") << gif("fifo.gif");
        QTest::newRow("link to /dev/zero") << gif("zero.gif");
        QTest::newRow("folder") << gif("folder.gif");
        QTest::newRow("canvas past the bounds") << gif("huge-canvas.gif");
    }
    void editorRoleReportsOneEndPerAnimation()
    {
        QFETCH(QString, file);
        GifDisplay display(GifDisplay::Role::Editor);
        display.show();
        QSignalSpy ends(&display, &GifDisplay::GifEnd);
        QElapsedTimer clock;
        clock.start();
        display.setFile(file);
        // Never from inside setFile: the caller finishes its own steps first.
        QCOMPARE(ends.count(), 0);
        QVERIFY(display.isAnimating());
        QTRY_COMPARE_WITH_TIMEOUT(ends.count(), 1, 5000);
        QVERIFY2(clock.elapsed() < 3000, "the end must come promptly");
        QVERIFY(!display.isAnimating());
        // And never a second time.
        QTest::qWait(600);
        QCOMPARE(ends.count(), 1);
    }

    // A dimension bomb or a GIF of ten thousand frames costs a bounded time
    // and memory: the display plays what lies within the animation bounds.
    void animationsAreCutToTheirBounds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("frames"); // -1: nothing to play, -2: the bytes as they are
        const QByteArray three = handMadeGif(10, 10, tinyFrames(3));
        const int side = kAnimationLargestSide;
        QTest::newRow("within the bounds") << three << 3;
        QTest::newRow("junk after the trailer") << three + "junk" << 3;
        QTest::newRow("10000 frames") << handMadeGif(4, 4, tinyFrames(10000)) << kAnimationMostFrames;
        QTest::newRow("canvas too wide") << handMadeGif(side + 1, 1, tinyFrames(1)) << -1;
        QTest::newRow("canvas too high") << handMadeGif(1, side + 1, tinyFrames(1)) << -1;
        QTest::newRow("canvas too wide, odd version")
            << QByteArray("GIF8\x03a") + handMadeGif(side + 1, 1, tinyFrames(1)).mid(6) << -1;
        QTest::newRow("widest canvas") << handMadeGif(side, 1, tinyFrames(1)) << 1;
        QTest::newRow("first frame reaching past the bounds")
            << handMadeGif(10, 10, {{side - 50, 0, 51, 1}}) << -1;
        QTest::newRow("second frame reaching past the bounds")
            << handMadeGif(10, 10, {{0, 0, 1, 1}, {0, side - 50, 1, 51}, {0, 0, 1, 1}}) << 1;
        QTest::newRow("frames past the pixel budget")
            << handMadeGif(side, side, tinyFrames(6)) << int(kAnimationMostPixels / (side * side));
        // A fuzzer's finding: a graphic control block of size 0, after
        // which Qt's decoder still found a frame 65159 pixels down.
        QTest::newRow("a block the walk cannot follow, before any frame")
            << QByteArray::fromBase64("R0lGODlhBAAAAIEAAAAAAP8AAAD/AP///yH/C05FVFNDQVBFMi7OAwEAAAAh/gN2dWQAIfkABAAFBQAsAwAA"
                                      "AAEAAQAAAgJEAQAh+QQFBQADACwBAAEAAQABAAACAkQBACH5BAUFAAMALAIAR65GAEBQYAICRAEAWw==")
            << -1;
        QTest::newRow("a block the walk cannot follow, after a frame") << three.chopped(1) + "\x07junk" << 3;
        QTest::newRow("no gif") << QByteArray("not a picture") << -2;
        QTest::newRow("broken off") << three.left(three.size() - 4) << -2;
    }
    void animationsAreCutToTheirBounds()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, frames);
        const QByteArray bounded = boundAnimation(bytes);
        if (frames == -2)
            QCOMPARE(bounded, bytes);
        else if (frames == -1)
            QVERIFY(bounded.isEmpty());
        else
            QCOMPARE(framesDecoded(bounded), frames);
    }

    void longAnimationPlaysWithinItsBounds()
    {
        QVERIFY(writeBytes(gif("long.gif"), handMadeGif(4, 4, tinyFrames(10000))));
        QCOMPARE(readAnimation(gif("long.gif")).size(), handMadeGif(4, 4, tinyFrames(kAnimationMostFrames)).size());
        GifDisplay display(GifDisplay::Role::Game);
        display.show();
        QElapsedTimer clock;
        clock.start();
        display.setFile(gif("long.gif"));
        QVERIFY(display.movie());
        QCOMPARE(display.movie()->frameCount(), kAnimationMostFrames);
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    }

    void everyStartGetsItsOwnEnd()
    {
        GifDisplay display(GifDisplay::Role::Editor);
        QSignalSpy ends(&display, &GifDisplay::GifEnd);
        for (int i = 0; i < 3; ++i) {
            display.setFile(gif("once.gif"));
            QTRY_COMPARE_WITH_TIMEOUT(ends.count(), i + 1, 5000);
        }
        // A file set while one is playing: both animations are reported.
        display.setFile(gif("forever.gif"));
        display.setFile(gif("single.gif"));
        QTRY_COMPARE_WITH_TIMEOUT(ends.count(), 5, 5000);
        QTest::qWait(500);
        QCOMPARE(ends.count(), 5);
    }

    void playsEveryFrameBeforeTheEnd()
    {
        GifDisplay display(GifDisplay::Role::Editor);
        QSignalSpy ends(&display, &GifDisplay::GifEnd);
        QElapsedTimer clock;
        clock.start();
        display.setFile(gif("once.gif")); // 4 frames of 30 ms
        QTRY_COMPARE_WITH_TIMEOUT(ends.count(), 1, 5000);
        QVERIFY2(clock.elapsed() >= 90, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(display.movie());
        QCOMPARE(display.movie()->currentFrameNumber(), 3);
    }

    // The title animation and the reveal's drawings keep moving although
    // the file says to play once; cleared, the property lets the file decide.
    void gameRoleKeepsPlaying()
    {
        GifDisplay display(GifDisplay::Role::Game);
        QVERIFY(display.keepPlaying());
        QSignalSpy ends(&display, &GifDisplay::GifEnd);
        display.setFile(gif("once.gif")); // four frames of 30 ms, played once by its own file
        display.show();
        QSignalSpy frames(display.movie(), &QMovie::frameChanged);
        // Three times through the four frames.
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() > 12, 5000);
        QCOMPARE(display.movie()->state(), QMovie::Running);

        GifDisplay once(GifDisplay::Role::Game);
        once.setKeepPlaying(false);
        once.setFile(gif("once.gif"));
        once.show();
        QTRY_COMPARE_WITH_TIMEOUT(once.movie()->state(), QMovie::NotRunning, 5000);
        QTest::qWait(100);
        QCOMPARE(once.movie()->state(), QMovie::NotRunning);
        QCOMPARE(ends.count(), 0);
    }

    // Files that cannot play leave the game's display empty and quiet, and
    // a single picture stays put instead of restarting over and over.
    void gameRoleStaysQuietOnFilesThatCannotMove()
    {
        for (const char *name : {"truncated.gif", "not-a-gif.gif", "empty.gif", "missing.gif", ""}) {
            GifDisplay display(GifDisplay::Role::Game);
            QSignalSpy ends(&display, &GifDisplay::GifEnd);
            display.setFile(*name ? gif(QString::fromLatin1(name)) : QString());
            display.show();
            QTest::qWait(100);
            QCOMPARE(ends.count(), 0);
        }
        GifDisplay single(GifDisplay::Role::Game);
        single.setFile(gif("single.gif"));
        single.show();
        QSignalSpy frames(single.movie(), &QMovie::frameChanged);
        QTest::qWait(400);
        QVERIFY2(frames.count() <= 1, qPrintable(QString::number(frames.count())));
        QVERIFY(!single.movie()->currentPixmap().isNull());
    }

    void naturalSizeAndTwipsPlacement()
    {
        QWidget window;
        window.resize(400, 300);
        GifDisplay display(GifDisplay::Role::Game, &window);
        display.setScreenTwips(screenTwipsFor(800, 600));
        display.setLeftTwips(840);
        display.setTopTwips(4800);
        display.setFile(gif("once.gif"));
        QCOMPARE(display.geometry(), QRect(56, 320, 20, 20));
        QCOMPARE(display.widthTwips(), 300.0);

        display.setWidthTwips(1935);
        display.setHeightTwips(1575);
        QCOMPARE(display.geometry(), QRect(56, 320, 129, 105));
        QCOMPARE(display.widthTwips(), 1935.0);
        QVERIFY(display.hasScaledContents());
    }
};

QTEST_MAIN(TestGifDisplay)
#include "tst_gifdisplay.moc"
