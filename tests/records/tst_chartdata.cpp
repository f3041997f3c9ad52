#include "records/chartdata.h"

#include <QTest>

using namespace records;

namespace {

QDateTime at(const char *text)
{
    return QDateTime::fromString(QString::fromLatin1(text), QStringLiteral("yyyy-MM-dd HH:mm"));
}

} // namespace

class TestChartData : public QObject
{
    Q_OBJECT

private slots:
    void valueAxisIsRound_data();
    void valueAxisIsRound();
    void timeAxisCoversTheGamesOnRoundTimes_data();
    void timeAxisCoversTheGamesOnRoundTimes();
    void seriesPerPieceCount_data();
    void seriesPerPieceCount();
};

void TestChartData::valueAxisIsRound_data()
{
    QTest::addColumn<double>("high");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("step");
    QTest::newRow("nothing yet") << 0.0 << 1.0 << 1.0;
    QTest::newRow("a few seconds") << 4.0 << 4.0 << 1.0;
    QTest::newRow("just over five ticks") << 6.0 << 6.0 << 2.0;
    QTest::newRow("47") << 47.0 << 50.0 << 10.0;
    QTest::newRow("51") << 51.0 << 60.0 << 20.0;
    QTest::newRow("an hour") << 3600.0 << 4000.0 << 1000.0;
    QTest::newRow("huge") << 99999.0 << 100000.0 << 20000.0;
}

void TestChartData::valueAxisIsRound()
{
    QFETCH(double, high);
    QFETCH(double, maximum);
    QFETCH(double, step);
    const ChartAxis axis = valueAxis(high, 6);
    QCOMPARE(axis.minimum, 0.0);
    QCOMPARE(axis.maximum, maximum);
    QCOMPARE(axis.step, step);
    QVERIFY(axis.ticks.size() <= 6);
    QCOMPARE(axis.ticks.first(), 0.0);
    QCOMPARE(axis.ticks.last(), maximum);
}

void TestChartData::timeAxisCoversTheGamesOnRoundTimes_data()
{
    QTest::addColumn<QDateTime>("first");
    QTest::addColumn<QDateTime>("last");
    QTest::addColumn<qint64>("stepMinutes");
    QTest::addColumn<QDateTime>("minimum");
    QTest::addColumn<QDateTime>("maximum");
    QTest::newRow("one game") << at("2026-03-01 10:17") << at("2026-03-01 10:17") << qint64(15)
                              << at("2026-03-01 09:45") << at("2026-03-01 11:00");
    QTest::newRow("one afternoon") << at("2026-03-01 15:05") << at("2026-03-01 18:40") << qint64(60)
                                   << at("2026-03-01 15:00") << at("2026-03-01 19:00");
    QTest::newRow("four days") << at("2026-03-01 10:00") << at("2026-03-04 09:00") << qint64(24 * 60)
                               << at("2026-03-01 00:00") << at("2026-03-05 00:00");
    QTest::newRow("half a year") << at("2026-01-10 08:00") << at("2026-07-01 20:00") << qint64(61 * 24 * 60)
                                 << QDateTime() << QDateTime();
    QTest::newRow("years") << at("2020-01-10 08:00") << at("2026-07-01 20:00") << qint64(730 * 24 * 60)
                           << QDateTime() << QDateTime();
}

void TestChartData::timeAxisCoversTheGamesOnRoundTimes()
{
    QFETCH(QDateTime, first);
    QFETCH(QDateTime, last);
    QFETCH(qint64, stepMinutes);
    QFETCH(QDateTime, minimum);
    QFETCH(QDateTime, maximum);
    const ChartAxis axis = timeAxis(first.toMSecsSinceEpoch(), last.toMSecsSinceEpoch(), 6);
    QCOMPARE(qint64(axis.step), stepMinutes * 60 * 1000);
    if (minimum.isValid()) {
        QCOMPARE(QDateTime::fromMSecsSinceEpoch(qint64(axis.minimum)), minimum);
        QCOMPARE(QDateTime::fromMSecsSinceEpoch(qint64(axis.maximum)), maximum);
    }
    QVERIFY(axis.minimum <= double(first.toMSecsSinceEpoch()));
    QVERIFY(axis.maximum >= double(last.toMSecsSinceEpoch()));
    QVERIFY(axis.ticks.size() >= 2 && axis.ticks.size() <= 6);
    QCOMPARE(axis.ticks.first(), axis.minimum);
    QCOMPARE(axis.ticks.last(), axis.maximum);
    // Ticks of a day or more fall on local midnights.
    for (double tick : axis.ticks) {
        const QTime time = QDateTime::fromMSecsSinceEpoch(qint64(tick)).time();
        QCOMPARE(time.minute() % qMin<qint64>(stepMinutes, 60), 0);
        if (stepMinutes >= 24 * 60)
            QCOMPARE(time, QTime(0, 0));
    }
}

void TestChartData::seriesPerPieceCount_data()
{
    QTest::addColumn<int>("measure");
    QTest::newRow("seconds") << int(ChartMeasure::Seconds);
    QTest::newRow("moves") << int(ChartMeasure::Moves);
}

void TestChartData::seriesPerPieceCount()
{
    QFETCH(int, measure);
    // Newest first, as the store gives them; seconds 10 x the moves.
    const QVector<FinishedGame> games{
        {"Ana", at("2026-03-04 10:00"), "p", 12, 90, 9},   {"Ana", at("2026-03-03 10:00"), "p", 48, 470, 47},
        {"Ana", at("2026-03-02 10:00"), "p", 12, 120, 12}, {"ana", at("2026-03-01 12:00"), "p", 6, 30, 3},
        {"Ana", at("2026-03-01 10:00"), "p", 12, 200, 20},
    };
    const bool seconds = ChartMeasure(measure) == ChartMeasure::Seconds;
    const ChartData chart = chartData(games, ChartMeasure(measure), 6);
    QCOMPARE(chart.series.size(), 3);
    QCOMPARE(chart.series[0].pieces, 6);
    QCOMPARE(chart.series[1].pieces, 12);
    QCOMPARE(chart.series[2].pieces, 48);
    const double scale = seconds ? 10 : 1;
    const QVector<QPointF> twelve{{double(at("2026-03-01 10:00").toMSecsSinceEpoch()), 20 * scale},
                                  {double(at("2026-03-02 10:00").toMSecsSinceEpoch()), 12 * scale},
                                  {double(at("2026-03-04 10:00").toMSecsSinceEpoch()), 9 * scale}};
    QCOMPARE(chart.series[1].points, twelve);
    QCOMPARE(chart.series[2].points.size(), 1);
    QCOMPARE(chart.y.maximum, seconds ? 500.0 : 50.0);
    QCOMPARE(chart.x.minimum, double(at("2026-03-01 00:00").toMSecsSinceEpoch()));
    QCOMPARE(chart.x.maximum, double(at("2026-03-05 00:00").toMSecsSinceEpoch()));
    QVERIFY(chartData({}, ChartMeasure(measure)).isEmpty());
}

int main(int argc, char *argv[])
{
    // A fixed local time five hours from UTC, without summer time, so that
    // rounding to local midnights is tested away from UTC's.
    qputenv("TZ", "<+05>-5");
    QCoreApplication app(argc, argv);
    TestChartData test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_chartdata.moc"
