#include "editor/ui/progresschart.h"

#include "widgets/textfit.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace Editor {

namespace {

// Colours far apart from one another and from the white ground, so that a
// line is told by its colour at a glance.
const QColor kColours[] = {
    QColor(31, 119, 180), QColor(255, 127, 14), QColor(44, 160, 44),  QColor(214, 39, 40),
    QColor(148, 103, 189), QColor(140, 86, 75), QColor(227, 119, 194), QColor(23, 190, 207),
    QColor(188, 189, 34),  QColor(90, 90, 90),
};

// Lines with fewer points than this get a dot at every game.
constexpr int kDottedUpTo = 300;

QString valueLabel(double value)
{
    return QString::number(qint64(std::llround(value)));
}

// A line through the points in pixels. Where several games fall on one
// pixel column, the line goes through their mean and a thin stroke spans
// their lowest to highest: a child of thousands of games draws as fast as
// one of a few hundred, and reads the same.
struct ColumnLine
{
    QPolygonF line;
    QVector<QLineF> spans;
};

template <typename ToX, typename ToY>
ColumnLine onPixelColumns(const QVector<QPointF> &points, const ToX &toX, const ToY &toY)
{
    ColumnLine drawn;
    int i = 0;
    while (i < points.size()) {
        const double x = toX(points[i].x());
        const double column = std::floor(x);
        double low = toY(points[i].y());
        double high = low;
        double sum = low;
        int j = i + 1;
        for (; j < points.size() && std::floor(toX(points[j].x())) == column; ++j) {
            const double y = toY(points[j].y());
            low = qMin(low, y);
            high = qMax(high, y);
            sum += y;
        }
        drawn.line << QPointF(j - i > 1 ? column + 0.5 : x, sum / (j - i));
        if (high - low >= 1)
            drawn.spans << QLineF(column + 0.5, low, column + 0.5, high);
        i = j;
    }
    return drawn;
}

} // namespace

ProgressChart::ProgressChart(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ProgressChart"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QColor ProgressChart::seriesColour(int index)
{
    return kColours[index % int(std::size(kColours))];
}

void ProgressChart::setChart(const records::ChartData &chart, const QString &valueTitle)
{
    m_chart = chart;
    m_valueTitle = valueTitle;
    update();
}

QSize ProgressChart::sizeHint() const
{
    const int line = fontMetrics().height();
    return QSize(line * 36, line * 16);
}

QSize ProgressChart::minimumSizeHint() const
{
    const int line = fontMetrics().height();
    return QSize(line * 18, line * 9);
}

void ProgressChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_painted.clear();
    auto drawText = [this, &painter](const QRectF &box, int flags, const QString &text) {
        painter.drawText(box, flags, text);
        m_painted.append({text, box, flags, painter.font()});
    };
    // An axis title longer than its axis, in a longer language, is drawn
    // smaller rather than cut.
    auto drawTitle = [&](const QRectF &box, const QString &text) {
        vud::TextFitRules rules;
        rules.wrap = vud::TextFitRules::Wrap::Never;
        rules.smallestPoints = 6;
        rules.heightCounts = false;
        painter.save();
        painter.setFont(vud::fitText(text, box.size(), font(), rules).font);
        drawText(box, Qt::AlignCenter, text);
        painter.restore();
    };
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = fontMetrics();
    const int line = metrics.height();
    const int gap = qMax(4, line / 3);
    if (m_chart.isEmpty()) {
        painter.setPen(palette().color(QPalette::WindowText));
        drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, tr("Todavía no hay partidas terminadas."));
        return;
    }

    // The legend flows in rows above the plot.
    const int swatch = line * 2 / 3;
    QVector<QRect> legend;
    int x = gap;
    int y = gap;
    for (const records::ChartSeries &series : m_chart.series) {
        const QString text = tr("%1 piezas").arg(series.pieces);
        const int width = swatch + gap + metrics.horizontalAdvance(text) + 2 * gap;
        if (x > gap && x + width > this->width() - gap) {
            x = gap;
            y += line + gap / 2;
        }
        legend << QRect(x, y, width, line);
        x += width;
    }
    const int top = y + line + gap + line / 2;

    int labelWidth = 0;
    for (double tick : m_chart.y.ticks)
        labelWidth = qMax(labelWidth, metrics.horizontalAdvance(valueLabel(tick)));
    const QString lastTimeLabel = records::timeTickLabel(m_chart.x.maximum, m_chart.x.step);
    const int left = gap + line + gap + labelWidth + gap;
    const int right = width() - qMax(gap, metrics.horizontalAdvance(lastTimeLabel) / 2 + gap);
    const int bottom = height() - (gap + line + gap + line + gap);
    if (right - left < 20 || bottom - top < 20)
        return;
    const QRectF plot(left, top, right - left, bottom - top);

    const records::ChartAxis &xAxis = m_chart.x;
    const records::ChartAxis &yAxis = m_chart.y;
    auto toX = [&](double value) {
        return plot.left() + (value - xAxis.minimum) / (xAxis.maximum - xAxis.minimum) * plot.width();
    };
    auto toY = [&](double value) {
        return plot.bottom() - (value - yAxis.minimum) / (yAxis.maximum - yAxis.minimum) * plot.height();
    };

    const QColor text = palette().color(QPalette::WindowText);
    const QPen gridPen(QColor(225, 225, 225), 1);
    painter.setPen(gridPen);
    for (double tick : yAxis.ticks)
        painter.drawLine(QPointF(plot.left(), toY(tick)), QPointF(plot.right(), toY(tick)));
    for (double tick : xAxis.ticks)
        painter.drawLine(QPointF(toX(tick), plot.top()), QPointF(toX(tick), plot.bottom()));

    painter.setPen(text);
    for (double tick : yAxis.ticks) {
        const QRectF box(gap + line + gap, toY(tick) - line / 2.0, labelWidth, line);
        drawText(box, Qt::AlignRight | Qt::AlignVCenter, valueLabel(tick));
    }
    // A label that would overlap the one before it is left out.
    double lastEnd = -1e9;
    for (double tick : xAxis.ticks) {
        const QString label = records::timeTickLabel(tick, xAxis.step);
        const double width = metrics.horizontalAdvance(label);
        const double start = toX(tick) - width / 2;
        if (start < lastEnd + gap)
            continue;
        drawText(QRectF(start, plot.bottom() + gap, width, line), Qt::AlignCenter, label);
        lastEnd = start + width;
    }
    drawTitle(QRectF(plot.left(), plot.bottom() + gap + line + gap, plot.width(), line), tr("Fecha"));
    painter.save();
    painter.translate(gap, plot.center().y());
    painter.rotate(-90);
    drawTitle(QRectF(-plot.height() / 2, 0, plot.height(), line), m_valueTitle);
    painter.restore();
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());

    painter.setClipRect(plot.adjusted(-4, -4, 4, 4));
    const qreal penWidth = qMax<qreal>(2.0, line / 8.0);
    for (int i = 0; i < m_chart.series.size(); ++i) {
        const QVector<QPointF> &points = m_chart.series[i].points;
        const ColumnLine drawn = onPixelColumns(points, toX, toY);
        if (!drawn.spans.isEmpty()) {
            QColor light = seriesColour(i);
            light.setAlpha(90);
            painter.setPen(QPen(light, 1));
            painter.drawLines(drawn.spans);
        }
        // Round joins on a line of hundreds of corners cost more than they show.
        const bool dense = drawn.line.size() > kDottedUpTo;
        painter.setPen(QPen(seriesColour(i), penWidth, Qt::SolidLine, dense ? Qt::FlatCap : Qt::RoundCap,
                            dense ? Qt::BevelJoin : Qt::RoundJoin));
        painter.drawPolyline(drawn.line);
        if (points.size() < kDottedUpTo) {
            painter.setBrush(seriesColour(i));
            for (const QPointF &point : points)
                painter.drawEllipse(QPointF(toX(point.x()), toY(point.y())), penWidth * 1.6, penWidth * 1.6);
            painter.setBrush(Qt::NoBrush);
        }
    }
    painter.setClipping(false);

    for (int i = 0; i < legend.size(); ++i) {
        const QRect &box = legend[i];
        painter.fillRect(QRect(box.left(), box.top() + (line - swatch) / 2, swatch, swatch), seriesColour(i));
        painter.setPen(text);
        drawText(box.adjusted(swatch + gap, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                 tr("%1 piezas").arg(m_chart.series[i].pieces));
    }
}

} // namespace Editor
