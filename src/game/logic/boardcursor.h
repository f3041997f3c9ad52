#pragma once

#include <QPoint>
#include <functional>
#include <optional>

class QTimer;

namespace boardlogic {

// The cell a child without a pointer plays on: hidden until the first key,
// then at the top-left cell, moved one cell at a time and held inside the
// grid. Cells are (column, row).
class BoardCursor
{
public:
    // A grid of that size; the highlight hidden.
    void reset(int columns, int rows);
    bool shown() const { return m_shown; }
    QPoint cell() const { return m_cell; }
    // Shows the highlight on the top-left cell when hidden. Returns whether
    // it was hidden: the first key only shows it.
    bool show();
    // One step across the grid, stopping at its edges. Shows it first when
    // hidden.
    void move(int columns, int rows);
    void moveTo(QPoint cell);

private:
    int m_columns = 0;
    int m_rows = 0;
    bool m_shown = false;
    QPoint m_cell;
};

// What drives a scan's steps: a steady tick every so many milliseconds.
// Real play uses a QTimer; tests tick by hand.
class ScanClock
{
public:
    virtual ~ScanClock() = default;
    // Ticks every intervalMs from now on, the first one interval from now;
    // starting again restarts the wait.
    virtual void start(int intervalMs) = 0;
    virtual void stop() = 0;
    // Called on every tick.
    std::function<void()> onTick;
};

// The clock on a QTimer.
class TimerScanClock : public ScanClock
{
public:
    TimerScanClock();
    ~TimerScanClock() override;
    void start(int intervalMs) override;
    void stop() override;

private:
    QTimer *m_timer;
};

// Row-column scanning for a child with a single switch: the highlight steps
// over the grid's rows at a steady pace; a press chooses the row and the
// highlight steps over its cells; a press then chooses the cell. After a
// choice, or a whole pass over a row's cells with no press, it steps over
// the rows again, from the top after a choice and from that row otherwise.
class RowColumnScan
{
public:
    enum class Stage { Off, Rows, Cells };

    // The pace of scanning unless the child's settings say otherwise.
    static constexpr int DefaultIntervalMs = 1500;

    explicit RowColumnScan(ScanClock &clock);
    // Stops the clock and lets go of it.
    ~RowColumnScan();
    RowColumnScan(const RowColumnScan &) = delete;
    RowColumnScan &operator=(const RowColumnScan &) = delete;

    // Starts scanning a grid at the top row; intervalMs is clamped to
    // 200..60000.
    void start(int columns, int rows, int intervalMs = DefaultIntervalMs);
    void stop();

    Stage stage() const { return m_stage; }
    int intervalMs() const { return m_interval; }
    // The highlighted row, and in the Cells stage the highlighted cell.
    int row() const { return m_row; }
    QPoint cell() const { return QPoint(m_column, m_row); }

    // The switch: chooses the row, or the cell, which it returns.
    std::optional<QPoint> press();
    // One step of the clock.
    void step();

    // Called after every change of the highlight, by a step or a press.
    std::function<void()> onChange;

private:
    void changed();

    ScanClock &m_clock;
    Stage m_stage = Stage::Off;
    int m_columns = 0;
    int m_rows = 0;
    int m_row = 0;
    int m_column = 0;
    int m_interval = DefaultIntervalMs;
};

} // namespace boardlogic
