#include "game/logic/boardcursor.h"

#include <QTimer>
#include <algorithm>

namespace boardlogic {

void BoardCursor::reset(int columns, int rows)
{
    m_columns = std::max(columns, 1);
    m_rows = std::max(rows, 1);
    m_shown = false;
    m_cell = QPoint(0, 0);
}

bool BoardCursor::show()
{
    if (m_shown)
        return false;
    m_shown = true;
    m_cell = QPoint(0, 0);
    return true;
}

void BoardCursor::move(int columns, int rows)
{
    if (show())
        return;
    moveTo(m_cell + QPoint(columns, rows));
}

void BoardCursor::moveTo(QPoint cell)
{
    m_shown = true;
    m_cell = QPoint(std::clamp(cell.x(), 0, m_columns - 1), std::clamp(cell.y(), 0, m_rows - 1));
}

// ---------------------------------------------------------------- clocks

TimerScanClock::TimerScanClock()
    : m_timer(new QTimer)
{
    QObject::connect(m_timer, &QTimer::timeout, [this] {
        if (onTick)
            onTick();
    });
}

TimerScanClock::~TimerScanClock()
{
    delete m_timer;
}

void TimerScanClock::start(int intervalMs)
{
    m_timer->start(intervalMs);
}

void TimerScanClock::stop()
{
    m_timer->stop();
}

// --------------------------------------------------------------- scanning

RowColumnScan::RowColumnScan(ScanClock &clock)
    : m_clock(clock)
{
    m_clock.onTick = [this] { step(); };
}

RowColumnScan::~RowColumnScan()
{
    m_clock.stop();
    m_clock.onTick = nullptr;
}

void RowColumnScan::start(int columns, int rows, int intervalMs)
{
    m_columns = std::max(columns, 1);
    m_rows = std::max(rows, 1);
    m_interval = std::clamp(intervalMs, 200, 60000);
    m_stage = Stage::Rows;
    m_row = 0;
    m_column = 0;
    m_clock.start(m_interval);
    changed();
}

void RowColumnScan::stop()
{
    m_stage = Stage::Off;
    m_clock.stop();
    changed();
}

std::optional<QPoint> RowColumnScan::press()
{
    switch (m_stage) {
    case Stage::Off:
        return std::nullopt;
    case Stage::Rows:
        m_stage = Stage::Cells;
        m_column = 0;
        // The first cell gets a whole step's time, however late in the
        // row's step the press came.
        m_clock.start(m_interval);
        changed();
        return std::nullopt;
    case Stage::Cells:
        break;
    }
    const QPoint chosen = cell();
    m_stage = Stage::Rows;
    m_row = 0;
    m_column = 0;
    m_clock.start(m_interval);
    changed();
    return chosen;
}

void RowColumnScan::step()
{
    switch (m_stage) {
    case Stage::Off:
        return;
    case Stage::Rows:
        m_row = (m_row + 1) % m_rows;
        break;
    case Stage::Cells:
        if (++m_column >= m_columns) {
            m_column = 0;
            m_stage = Stage::Rows;
        }
        break;
    }
    changed();
}

void RowColumnScan::changed()
{
    if (onChange)
        onChange();
}

} // namespace boardlogic
