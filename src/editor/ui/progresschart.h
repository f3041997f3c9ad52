#pragma once

#include "records/chartdata.h"

#include <QColor>
#include <QWidget>

namespace Editor {

// The progress window's chart: seconds or moves of each game over time, one
// coloured line per piece count, with labelled axes and a legend. It draws
// the data it is given; what to draw is worked out in records::chartData.
class ProgressChart : public QWidget
{
    Q_OBJECT

public:
    explicit ProgressChart(QWidget *parent = nullptr);

    // valueTitle names the vertical axis ("Segundos", "Movimientos").
    void setChart(const records::ChartData &chart, const QString &valueTitle);
    const records::ChartData &chart() const { return m_chart; }

    // The colour of the index-th line, fewest pieces first.
    static QColor seriesColour(int index);

    // A text as last painted, with the box it was drawn into and the flags
    // it was drawn with, so that what the chart writes can be read and
    // measured without reading pixels.
    struct Caption
    {
        QString text;
        QRectF box;
        int flags = 0;
        QFont font;
    };
    const QVector<Caption> &paintedCaptions() const { return m_painted; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    records::ChartData m_chart;
    QString m_valueTitle;
    QVector<Caption> m_painted;
};

} // namespace Editor
