#pragma once

#include "core/twips.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

// One piece of the puzzle (an element of the Picture1 array): a square box
// holding its own square of the picture, painted once per game, and a border.
class PieceBox : public QWidget
{
    Q_OBJECT

public:
    PieceBox(int index, QWidget *parent);

    int index() const { return m_index; }

    // Position and side in twips of the board; the box covers the pixels
    // from the rounded positions of its left and top edges to those of its
    // right and bottom edges (boardlogic::piecePixels), so that neighbours
    // always share an edge.
    double leftTwips() const { return m_left; }
    double topTwips() const { return m_top; }
    int sideTwips() const { return m_side; }
    void place(double left, double top, int side, const vud::ScreenTwips &screen);
    void moveTo(double left, double top, const vud::ScreenTwips &screen);

    // The piece's image, the size of the box in its home cell: drawn from the
    // box's inner top-left corner, cut off by the border.
    void setImage(const QPixmap &image);
    QPixmap image() const { return m_image; }
    void setBordered(bool bordered);
    bool bordered() const { return m_bordered; }

signals:
    // A left-button press, at a position in the board's pixels.
    void pressed(int index, QPointF boardPixels);
    // The pointer moved over the piece, at a position in the piece's pixels.
    void pointerMoved(int index, QPointF piecePixels);
    // The pointer moved with the left button held since a press on the
    // piece, at a position in the board's pixels.
    void dragMoved(int index, QPointF boardPixels);
    // The left button let go after a press on the piece, in board pixels.
    void released(int index, QPointF boardPixels);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPointF toBoard(QPointF piecePixels) const;

    int m_index;
    double m_left = 0;
    double m_top = 0;
    int m_side = 0;
    QPixmap m_image;
    bool m_bordered = true;
    // When the last press came, to tell a double click from a late tap.
    ulong m_pressTime = 0;
};

// The whole picture at its natural size, cut off at the box's edges.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent);

    void setPicture(const QImage &picture);
    QImage picture() const { return m_picture; }
    vud::TwipsRect rectTwips() const { return m_rect; }
    void setRectTwips(const vud::TwipsRect &rect, const vud::ScreenTwips &screen);

signals:
    void clicked();
    void pointerMoved(QPointF boardPixels);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QImage m_picture;
    vud::TwipsRect m_rect;
};
