#include "picturefile.h"
#include "picturefit.h"
#include "preview.h"
#include "testsupport.h"

#include <QImageReader>
#include <QImageWriter>
#include <QtTest>
#include <sys/stat.h>

using namespace vud;

// Every gallery cell takes the size the fitting rule gives; a cell of the
// wrong size shows the child a squashed picture.
class TestPreview : public QObject
{
    Q_OBJECT

private slots:
    void fittingRule_data()
    {
        QTest::addColumn<double>("w");
        QTest::addColumn<double>("h");
        QTest::addColumn<QSizeF>("expected");
        QTest::newRow("small keeps its size") << 1800.0 << 1500.0 << QSizeF(1800, 1500);
        QTest::newRow("wide") << 4000.0 << 2000.0 << QSizeF(2000, 1000);
        QTest::newRow("tall") << 1500.0 << 3000.0 << QSizeF(800, 1600);
        QTest::newRow("too high, narrower") << 1500.0 << 1700.0 << QSizeF(1411, 1600);
        QTest::newRow("too high but wider") << 1999.0 << 1700.0 << QSizeF(2000, 1700);
        QTest::newRow("nearly square") << 3000.0 << 2800.0 << QSizeF(2000, 1866);
        QTest::newRow("square") << 3000.0 << 3000.0 << QSizeF(1600, 1600);
        QTest::newRow("exactly 2000 wide") << 2000.0 << 100.0 << QSizeF(2000, 100);
    }
    void fittingRule()
    {
        QFETCH(double, w);
        QFETCH(double, h);
        QFETCH(QSizeF, expected);
        QCOMPARE(fitPreview(w, h), expected);
    }

    void previewIsDecodedAtItsFittedSize()
    {
        vudtest::TempProgramFolder folder;
        const ScreenTwips screen = screenTwipsFor(800, 600);
        QVERIFY(vudtest::writeBlockPicture(folder.file("imagenes/big.jpg"), QSize(400, 200), 4, 2));
        QVERIFY(vudtest::writeBlockPicture(folder.file("imagenes/small.png"), QSize(100, 80), 2, 2));
        QVERIFY(vudtest::writeBytes(folder.file("imagenes/notes.txt"), "no picture"));

        const PreviewPicture big = loadPreview(folder.file("imagenes/big.jpg"), screen);
        QVERIFY(big.loaded);
        QCOMPARE(big.naturalTwips, QSizeF(6000, 3000));
        QCOMPARE(big.fittedTwips, QSizeF(2000, 1000));
        QCOMPARE(big.image.size(), QSize(133, 67));
        // The colours survive the scaling: left block and right block differ.
        QVERIFY(qAbs(big.image.pixelColor(10, 10).red() - vudtest::blockColour(0, 0).red()) <= 4);
        QVERIFY(qAbs(big.image.pixelColor(120, 10).red() - vudtest::blockColour(3, 0).red()) <= 4);

        const PreviewPicture small = loadPreview(folder.file("imagenes/small.png"), screen);
        QVERIFY(small.loaded);
        QCOMPARE(small.fittedTwips, QSizeF(1500, 1200));
        QCOMPARE(small.image.size(), QSize(100, 80));

        QVERIFY(!loadPreview(folder.file("imagenes/notes.txt"), screen).loaded);
        QVERIFY(!loadPreview(folder.file("imagenes/missing.jpg"), screen).loaded);
        QVERIFY(!loadPreview(QString(), screen).loaded);

        const PreviewPicture slow = loadPreviewFullDecode(folder.file("imagenes/big.jpg"), screen);
        QCOMPARE(slow.fittedTwips, big.fittedTwips);
        QCOMPARE(slow.image.size(), big.image.size());
    }

    // A portrait phone photo is stored sideways with a tag that says "rotate
    // 90": every reader shows it upright, at its upright size, also when it
    // decodes it straight at a smaller size. WebP pictures read as well.
    void picturesReadAsPhotoViewersShowThem()
    {
        vudtest::TempProgramFolder folder;
        // Stored 40 x 20: red on the left, blue on the right. Upright it is
        // 20 x 40, red on top.
        QImage stored(40, 20, QImage::Format_RGB32);
        stored.fill(Qt::blue);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                stored.setPixelColor(x, y, Qt::red);
        const QString portrait = folder.file("imagenes/retrato.jpg");
        QVERIFY(vudtest::writeJpegWithOrientation(portrait, stored, 6));
        QCOMPARE(QImageReader(portrait).size(), QSize(40, 20));
        QCOMPARE(pictureSize(portrait), QSize(20, 40));
        for (const QSize &size : {QSize(), QSize(10, 20)}) {
            const QImage upright = readPicture(portrait, size);
            QCOMPARE(upright.size(), size.isValid() ? size : QSize(20, 40));
            QVERIFY(upright.pixelColor(upright.width() / 2, 2).red() > 200);
            QVERIFY(upright.pixelColor(upright.width() / 2, upright.height() - 3).blue() > 200);
        }
        const PreviewPicture preview = loadPreview(portrait, screenTwipsFor(800, 600));
        QCOMPARE(preview.naturalTwips, QSizeF(300, 600));
        QCOMPARE(preview.image.size(), QSize(20, 40));

        QVERIFY2(QImageReader::supportedImageFormats().contains("webp"),
                 "Qt's image format plug-ins are not installed");
        const QString webp = folder.file("imagenes/foto.webp");
        QVERIFY(vudtest::writeBlockPicture(webp, QSize(64, 48), 2, 2));
        QCOMPARE(pictureSize(webp), QSize(64, 48));
        QCOMPARE(readPicture(webp, QSize(32, 24)).size(), QSize(32, 24));
    }

    // Only regular files are read: a folder or a FIFO named like a picture
    // is no picture, and reading it never blocks.
    void onlyRegularFilesAreRead()
    {
        vudtest::TempProgramFolder folder;
        QVERIFY(QDir().mkpath(folder.file("imagenes/carpeta.png")));
        const QString fifo = folder.file("imagenes/tubo.png");
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        const QString link = folder.file("imagenes/enlace.png");
        QVERIFY(QFile::link(fifo, link));
        for (const QString &path : {folder.file("imagenes/carpeta.png"), fifo, link}) {
            QVERIFY(!isRegularFile(path));
            QVERIFY(!pictureSize(path).isValid());
            QVERIFY(readPicture(path).isNull());
        }
    }

    // The scale and place of a picture in a box: covering a board's grid,
    // or fitting inside the editor's work area.
    void pictureFits_data()
    {
        QTest::addColumn<bool>("cover");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("offset");
        QTest::newRow("cover: wider box cuts top and bottom") << true << QSize(4000, 3000) << QSize(720, 480)
                                                              << 0.18 << QSize(720, 540) << QPoint(0, -30);
        QTest::newRow("cover: taller box cuts the sides") << true << QSize(1600, 900) << QSize(600, 600)
                                                          << 0.6666666666666666 << QSize(1067, 600)
                                                          << QPoint(-233, 0);
        QTest::newRow("cover: exact size") << true << QSize(720, 480) << QSize(720, 480) << 1.0
                                           << QSize(720, 480) << QPoint(0, 0);
        QTest::newRow("cover: small picture grows") << true << QSize(200, 150) << QSize(720, 480) << 3.6
                                                    << QSize(720, 540) << QPoint(0, -30);
        QTest::newRow("cover: empty picture") << true << QSize() << QSize(720, 480) << 1.0 << QSize()
                                              << QPoint(0, 0);
        QTest::newRow("fit: photo shrinks") << false << QSize(4000, 3000) << QSize(719, 600) << 0.17975
                                            << QSize(719, 539) << QPoint(0, 30);
        QTest::newRow("fit: tall photo") << false << QSize(3000, 4000) << QSize(719, 600) << 0.15
                                         << QSize(450, 600) << QPoint(134, 0);
        QTest::newRow("fit: small keeps its size") << false << QSize(300, 200) << QSize(719, 600) << 1.0
                                                   << QSize(300, 200) << QPoint(209, 200);
    }
    void pictureFits()
    {
        QFETCH(bool, cover);
        QFETCH(QSize, picture);
        QFETCH(QSize, box);
        QFETCH(double, scale);
        QFETCH(QSize, size);
        QFETCH(QPoint, offset);
        const PictureFit fit = cover ? coverBox(picture, box) : fitInsideBox(picture, box);
        QCOMPARE(fit.scale, scale);
        QCOMPARE(fit.size, size);
        QCOMPARE(fit.offset, offset);
    }
};

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
