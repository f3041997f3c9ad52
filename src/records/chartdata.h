#pragma once

#include "records/records.h"

#include <QPointF>
#include <QString>
#include <QVector>

// What the progress chart shows, worked out without a window: one line per
// piece count through the child's games over time, and the axes' ranges and
// round ticks. The chart widget only maps these to pixels.
namespace records {

enum class ChartMeasure { Seconds, Moves };

struct ChartAxis
{
    double minimum = 0;
    double maximum = 1;
    double step = 1;         // between two ticks
    QVector<double> ticks;   // minimum, minimum + step, ... maximum
};

struct ChartSeries
{
    int pieces = 0;
    // x: when the game ended, in milliseconds since the epoch; y: its seconds
    // or moves. Oldest first.
    QVector<QPointF> points;
};

struct ChartData
{
    QVector<ChartSeries> series;  // one per piece count, fewest pieces first
    ChartAxis x;                  // time, milliseconds since the epoch
    ChartAxis y;                  // from 0
    bool isEmpty() const { return series.isEmpty(); }
};

// The chart of the games (in any order) for the measure. At most maxTicks
// ticks on either axis.
ChartData chartData(const QVector<FinishedGame> &games, ChartMeasure measure, int maxTicks = 6);

// An axis from 0 to a round value at or above high, stepping by 1, 2 or 5
// times a power of ten (never below 1: the values are whole numbers), with
// at most maxTicks ticks.
ChartAxis valueAxis(double high, int maxTicks = 6);

// An axis over the time span, stepping by a round length of time (minutes,
// hours, days, weeks, months, years) and starting and ending on ticks that
// fall on round local times (midnight for days). A span of one instant is
// widened to an hour around it.
ChartAxis timeAxis(qint64 firstMs, qint64 lastMs, int maxTicks = 6);

// A tick's label on the time axis: day and month, with the time of day when
// the step is shorter than a day, with the year otherwise.
QString timeTickLabel(double ms, double stepMs);

} // namespace records
