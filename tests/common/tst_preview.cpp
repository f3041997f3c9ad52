#include "preview.h"
#include "testsupport.h"

#include <QtTest>

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
};

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
