#include "core/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

using namespace vud;

// Layout values are integers computed with halves to even and truncating
// division; an off-by-one here moves every piece of the board.
class TestTwips : public QObject
{
    Q_OBJECT

private slots:
    void roundingGoesToEvenOnHalves_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("2.5") << 2.5 << qint64(2);
        QTest::newRow("3.5") << 3.5 << qint64(4);
        QTest::newRow("-2.5") << -2.5 << qint64(-2);
        QTest::newRow("-3.5") << -3.5 << qint64(-4);
        QTest::newRow("0.5") << 0.5 << qint64(0);
        QTest::newRow("1.5") << 1.5 << qint64(2);
        QTest::newRow("2.4999") << 2.4999 << qint64(2);
        QTest::newRow("2.5001") << 2.5001 << qint64(3);
        QTest::newRow("whole") << 925.0 << qint64(925);
    }
    void roundingGoesToEvenOnHalves()
    {
        QFETCH(double, value);
        QFETCH(qint64, expected);
        QCOMPARE(roundHalfEven(value), expected);
    }

    void integerDivisionRoundsOperandsThenTruncates_data()
    {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("usable width 800x600") << 12000.0 << 10.0 << qint64(1200);
        QTest::newRow("cell 7 columns") << 10800.0 << 7.0 << qint64(1542);
        QTest::newRow("negative truncates toward zero") << -101.0 << 2.0 << qint64(-50);
        QTest::newRow("odd positive") << 101.0 << 2.0 << qint64(50);
        QTest::newRow("dividend half rounds to even") << 10.5 << 2.0 << qint64(5);
        QTest::newRow("dividend 11.5 rounds up") << 11.5 << 2.0 << qint64(6);
        QTest::newRow("divisor rounds too") << 100.0 << 2.5 << qint64(50);
        QTest::newRow("zero divisor gives zero") << 5.0 << 0.4 << qint64(0);
    }
    void integerDivisionRoundsOperandsThenTruncates()
    {
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(qint64, expected);
        QCOMPARE(intDiv(a, b), expected);
    }

    void workedScreensInTwips_data()
    {
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<double>("twipsW");
        QTest::addColumn<double>("twipsH");
        QTest::newRow("800x600") << 800 << 600 << 12000.0 << 9000.0;
        QTest::newRow("1024x768") << 1024 << 768 << 15360.0 << 11520.0;
    }
    void workedScreensInTwips()
    {
        QFETCH(int, w);
        QFETCH(int, h);
        QFETCH(double, twipsW);
        QFETCH(double, twipsH);
        const ScreenTwips s = screenTwipsFor(w, h);
        QCOMPARE(s.twipsPerPixelX, 15.0);
        QCOMPARE(s.width(), twipsW);
        QCOMPARE(s.height(), twipsH);
        QCOMPARE(s.toPixelsX(twipsW), w);
        QCOMPARE(s.toPixelsY(twipsH), h);
    }

    void primaryScreenIsReadFromThePlatform()
    {
        // The test runs on an 800 x 600 screen at 96 dpi.
        const ScreenTwips s = screenTwips();
        QCOMPARE(s.widthPixels, 800);
        QCOMPARE(s.heightPixels, 600);
        QCOMPARE(s.width(), 12000.0);
        QCOMPARE(s.height(), 9000.0);
    }

    void otherDpiChangesTwipsPerPixel()
    {
        const ScreenTwips s = screenTwipsFor(1000, 800, 120);
        QCOMPARE(s.twipsPerPixelX, 12.0);
        QCOMPARE(s.width(), 12000.0);
        QCOMPARE(s.toPixelsX(925), 77); // 77.08
    }

    void touchingRectanglesStayTouchingInPixels()
    {
        // Cells of 1542 twips are 102.8 pixels: neighbours must neither
        // overlap nor leave a gap.
        const ScreenTwips s = screenTwipsFor(800, 600);
        const QRect a = s.toPixels(928, 645, 1542, 1542);
        const QRect b = s.toPixels(928 + 1542, 645, 1542, 1542);
        QCOMPARE(a.right() + 1, b.left());
        QCOMPARE(a.left(), 62); // 61.87
        QCOMPARE(b.left(), 165); // 164.67
    }
};

QTEST_MAIN(TestTwips)
#include "tst_twips.moc"
