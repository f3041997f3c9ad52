#include "records/chartdata.h"

#include <QDateTime>
#include <QMap>

#include <algorithm>
#include <cmath>

namespace records {

namespace {

constexpr qint64 kMinute = 60 * 1000;
constexpr qint64 kHour = 60 * kMinute;
constexpr qint64 kDay = 24 * kHour;

constexpr qint64 kTimeSteps[] = {
    kMinute,     2 * kMinute, 5 * kMinute, 10 * kMinute, 15 * kMinute, 30 * kMinute,
    kHour,       2 * kHour,   3 * kHour,   6 * kHour,    12 * kHour,   kDay,
    2 * kDay,    7 * kDay,    14 * kDay,   30 * kDay,    61 * kDay,    91 * kDay,
    182 * kDay,  365 * kDay,  730 * kDay,  1826 * kDay,  3652 * kDay,
};

qint64 floorTo(qint64 value, qint64 step)
{
    const qint64 q = value / step;
    return (value % step < 0 ? q - 1 : q) * step;
}

QVector<double> ticksOf(double minimum, double maximum, double step)
{
    QVector<double> ticks;
    for (int i = 0; minimum + i * step <= maximum + step / 1e6; ++i)
        ticks << minimum + i * step;
    return ticks;
}

} // namespace

ChartAxis valueAxis(double high, int maxTicks)
{
    const int intervals = std::max(1, maxTicks - 1);
    high = std::max(high, 1.0);
    ChartAxis axis;
    for (double power = 1;; power *= 10) {
        for (double factor : {1.0, 2.0, 5.0}) {
            const double step = factor * power;
            if (std::ceil(high / step) <= intervals) {
                axis.step = step;
                axis.maximum = std::ceil(high / step) * step;
                axis.ticks = ticksOf(0, axis.maximum, step);
                return axis;
            }
        }
    }
}

ChartAxis timeAxis(qint64 firstMs, qint64 lastMs, int maxTicks)
{
    const int intervals = std::max(1, maxTicks - 1);
    if (lastMs < firstMs)
        std::swap(firstMs, lastMs);
    if (lastMs - firstMs < kMinute) {
        firstMs -= 30 * kMinute;
        lastMs += 30 * kMinute;
    }
    // Ticks fall on round local times: the local offset is added before
    // rounding and taken off after.
    const qint64 offset = qint64(QDateTime::fromMSecsSinceEpoch(firstMs).offsetFromUtc()) * 1000;
    ChartAxis axis;
    for (qint64 step : kTimeSteps) {
        const qint64 low = floorTo(firstMs + offset, step);
        const qint64 high = -floorTo(-(lastMs + offset), step);
        if ((high - low) / step <= intervals || step == kTimeSteps[std::size(kTimeSteps) - 1]) {
            axis.step = double(step);
            axis.minimum = double(low - offset);
            axis.maximum = double(high - offset);
            break;
        }
    }
    axis.ticks = ticksOf(axis.minimum, axis.maximum, axis.step);
    return axis;
}

QString timeTickLabel(double ms, double stepMs)
{
    const QDateTime when = QDateTime::fromMSecsSinceEpoch(qint64(ms));
    return when.toString(stepMs < double(kDay) ? QStringLiteral("d/M HH:mm") : QStringLiteral("d/M/yy"));
}

ChartData chartData(const QVector<FinishedGame> &games, ChartMeasure measure, int maxTicks)
{
    ChartData chart;
    if (games.isEmpty())
        return chart;
    QMap<int, QVector<QPointF>> byPieces;
    qint64 first = games.first().ended.toMSecsSinceEpoch();
    qint64 last = first;
    int highest = 0;
    for (const FinishedGame &game : games) {
        const qint64 ended = game.ended.toMSecsSinceEpoch();
        const int value = measure == ChartMeasure::Seconds ? game.seconds : game.moves;
        byPieces[game.pieces] << QPointF(double(ended), value);
        first = std::min(first, ended);
        last = std::max(last, ended);
        highest = std::max(highest, value);
    }
    for (auto it = byPieces.begin(); it != byPieces.end(); ++it) {
        QVector<QPointF> &points = it.value();
        std::stable_sort(points.begin(), points.end(),
                         [](const QPointF &a, const QPointF &b) { return a.x() < b.x(); });
        chart.series.append({it.key(), points});
    }
    chart.x = timeAxis(first, last, maxTicks);
    chart.y = valueAxis(highest, maxTicks);
    return chart;
}

} // namespace records
