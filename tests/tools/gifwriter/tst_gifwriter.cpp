#include "gifwriter/gifwriter.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>

namespace {

QRgb tableColour(int index) { return qRgb(index, 255 - index, (index * 7) % 256); }

QVector<QImage> framesRead(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    QVector<QImage> frames;
    for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read())
        frames.append(frame.convertToFormat(QImage::Format_ARGB32));
    return frames;
}

} // namespace

// The sample drawings and every GIF the tests make are written here: a fault
// shows as a drawing in the wrong colours, one that plays at the wrong pace
// or the wrong number of times, or a hostile file that is not the one a test
// meant.
class TestGifWriter : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void animationReadsBackAsWritten_data()
    {
        QTest::addColumn<bool>("exact");
        QTest::addColumn<int>("loopCount");
        QTest::addColumn<int>("loopsRead"); // as QImageReader reports them: -1 for ever, 0 once
        QTest::addColumn<QRgb>("drawn");
        QTest::addColumn<QRgb>("read");
        QTest::newRow("reduced, for ever") << false << 0 << -1 << qRgb(30, 120, 200) << qRgb(30, 120, 200);
        // The editor leaves white out when it stamps a drawing.
        QTest::newRow("reduced, white is never used") << false << -1 << 0 << qRgb(255, 255, 255)
                                                      << qRgb(250, 250, 250);
        QTest::newRow("exact, white stays") << true << 2 << 2 << qRgb(255, 255, 255) << qRgb(255, 255, 255);
        QTest::newRow("exact, plays once") << true << -1 << 0 << qRgb(1, 2, 3) << qRgb(1, 2, 3);
    }
    void animationReadsBackAsWritten()
    {
        QFETCH(bool, exact);
        QFETCH(int, loopCount);
        QFETCH(int, loopsRead);
        QFETCH(QRgb, drawn);
        QFETCH(QRgb, read);
        vudgif::Animation animation;
        for (int i = 0; i < 3; ++i) {
            QImage frame(9, 7, QImage::Format_ARGB32);
            frame.fill(Qt::transparent);
            frame.setPixel(i, 1, drawn);
            frame.setPixel(8, 0, qRgb(200, 40, 40));
            animation.frames.push_back(frame);
        }
        animation.delayCs = 4;
        animation.loopCount = loopCount;
        animation.colours = exact ? vudgif::Colours::Exact : vudgif::Colours::Reduced;
        const QString path = m_dir.filePath(QStringLiteral("animation.gif"));
        QCOMPARE(vudgif::writeAnimation(path, animation), QString());
        QVERIFY(QFile::permissions(path) & QFileDevice::ReadOther);

        QImageReader reader(path);
        QCOMPARE(reader.imageCount(), 3);
        QCOMPARE(reader.size(), QSize(9, 7));
        QCOMPARE(reader.loopCount(), loopsRead);
        for (int i = 0; i < 3; ++i) {
            const QImage frame = reader.read().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(reader.nextImageDelay(), 40);
            QCOMPARE(frame.pixel(i, 1), read);
            QCOMPARE(frame.pixel(8, 0), qRgb(200, 40, 40));
            if (i > 0) // cleared before the next frame
                QCOMPARE(qAlpha(frame.pixel(i - 1, 1)), 0);
        }
    }

    // 256 colours: the sample drawings get a close palette, a test that asked
    // for exact colours gets an error and no file.
    void tooManyColours()
    {
        vudgif::Animation animation;
        QImage frame(16, 16, QImage::Format_ARGB32);
        for (int i = 0; i < 256; ++i)
            frame.setPixel(i % 16, i / 16, qRgb(i, 255 - i, 100));
        animation.frames.push_back(frame);
        animation.colours = vudgif::Colours::Exact;
        const QString exactPath = m_dir.filePath(QStringLiteral("exact.gif"));
        QVERIFY(!vudgif::writeAnimation(exactPath, animation).isEmpty());
        QVERIFY(!QFile::exists(exactPath));

        animation.colours = vudgif::Colours::Reduced;
        const QString reducedPath = m_dir.filePath(QStringLiteral("reduced.gif"));
        QCOMPARE(vudgif::writeAnimation(reducedPath, animation), QString());
        const QImage read = QImage(reducedPath).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(read.size(), frame.size());
        for (int i = 0; i < 256; ++i) {
            const QRgb a = frame.pixel(i % 16, i / 16), b = read.pixel(i % 16, i / 16);
            QVERIFY2(std::abs(qRed(a) - qRed(b)) <= 2 && std::abs(qGreen(a) - qGreen(b)) <= 2
                         && std::abs(qBlue(a) - qBlue(b)) <= 2,
                     qPrintable(QString::number(i)));
        }
    }

    // A frame's data may stop short of its rectangle, as in the tests' dimension
    // bombs; what is there must decode, across the clear codes that keep the
    // code width.
    void frameDataDecodes_data()
    {
        QTest::addColumn<int>("colours");
        QTest::addColumn<int>("indices");
        QTest::newRow("two colours, one pixel") << 2 << 1;
        QTest::newRow("four colours, past many clear codes") << 4 << 30;
        QTest::newRow("256 colours, past a clear code") << 256 << 600;
        QTest::newRow("the whole frame") << 16 << 40 * 40;
    }
    void frameDataDecodes()
    {
        QFETCH(int, colours);
        QFETCH(int, indices);
        vudgif::Gif gif;
        gif.canvas = QSize(40, 40);
        for (int i = 0; i < colours; ++i)
            gif.colours.append(tableColour(i));
        vudgif::Frame frame;
        frame.rect = QRect(0, 0, 40, 40);
        for (int i = 0; i < indices; ++i)
            frame.indices += char((i * 5 + 1) % colours);
        gif.frames.push_back(frame);
        QString error;
        const QVector<QImage> read = framesRead(vudgif::encode(gif, &error));
        QCOMPARE(error, QString());
        QCOMPARE(read.size(), 1);
        for (int i = 0; i < indices; ++i)
            QCOMPARE(read[0].pixel(i % 40, i / 40), tableColour((i * 5 + 1) % colours));
    }

    // The hostile shapes are written as asked: a frame far outside the canvas.
    void rectanglesAreStoredAsGiven()
    {
        vudgif::Gif gif;
        gif.canvas = QSize(10, 3000);
        gif.colours = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
        vudgif::Frame frame;
        frame.rect = QRect(2000, 5, 51, 1);
        frame.indices = QByteArray(1, '\1');
        gif.frames.push_back(frame);
        const QByteArray bytes = vudgif::encode(gif);
        QCOMPARE(bytes.mid(6, 4), QByteArray("\x0a\x00\xb8\x0b", 4));
        // Header, screen, two colours, frame control, then the frame.
        QCOMPARE(bytes.mid(13 + 6 + 8, 9), QByteArray("\x2c\xd0\x07\x05\x00\x33\x00\x01\x00", 9));
    }

    void refusesWhatItCannotWrite_data()
    {
        QTest::addColumn<int>("colours");
        QTest::addColumn<int>("indices");
        QTest::newRow("no colours") << 0 << 1;
        QTest::newRow("257 colours") << 257 << 1;
        QTest::newRow("more indices than the frame holds") << 2 << 5;
    }
    void refusesWhatItCannotWrite()
    {
        QFETCH(int, colours);
        QFETCH(int, indices);
        vudgif::Gif gif;
        gif.canvas = QSize(2, 2);
        for (int i = 0; i < colours; ++i)
            gif.colours.append(tableColour(i % 256));
        vudgif::Frame frame;
        frame.rect = QRect(0, 0, 2, 2);
        frame.indices = QByteArray(indices, '\0');
        gif.frames.push_back(frame);
        QString error;
        QVERIFY(vudgif::encode(gif, &error).isEmpty());
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestGifWriter)
#include "tst_gifwriter.moc"
