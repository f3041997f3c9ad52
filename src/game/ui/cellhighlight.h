#pragma once

#include <QWidget>

// The board's keyboard and switch highlight: a thick frame of black and
// white bands, seen on any picture, laid over a cell or a row of cells. It
// lets every press through to the pieces beneath.
class CellHighlight : public QWidget
{
    Q_OBJECT

public:
    explicit CellHighlight(QWidget *parent);

    // The frame's width in pixels for a cell of that side.
    static int frameWidth(int cellPixels);

protected:
    void paintEvent(QPaintEvent *event) override;
};
