// The board's boxes: the pieces and the whole picture.
#include "game/ui/pieceboxes.h"

#include <QGuiApplication>
#include "game/logic/boardlogic.h"
#include "widgets/accessiblecells.h"

#include <QMouseEvent>
#include <QStyleHints>
#include <QPainter>

// ---------------------------------------------------------------- PieceBox

PieceBox::PieceBox(int index, QWidget *parent)
    : QWidget(parent)
    , m_index(index)
{
    setObjectName(QStringLiteral("Picture1"));
    setProperty("index", index);
    vud::markAsAccessibleCell(this);
    setAccessibleName(tr("Pieza %1").arg(index + 1));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Moves arrive without a pressed button, so a lifted piece can follow the
    // pointer.
    setMouseTracking(true);
}

void PieceBox::place(double left, double top, int side, const vud::ScreenTwips &screen)
{
    m_side = side;
    moveTo(left, top, screen);
}

void PieceBox::moveTo(double left, double top, const vud::ScreenTwips &screen)
{
    m_left = left;
    m_top = top;
    setGeometry(boardlogic::piecePixels(left, top, m_side, screen));
}

void PieceBox::setImage(const QPixmap &image)
{
    m_image = image;
    update();
}

void PieceBox::setBordered(bool bordered)
{
    if (m_bordered == bordered)
        return;
    m_bordered = bordered;
    update();
}

void PieceBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const int border = m_bordered ? 1 : 0;
    const QRect inner = rect().adjusted(border, border, -border, -border);
    p.fillRect(rect(), palette().color(QPalette::Button));
    p.setClipRect(inner);
    // In its home cell the box has the image's own size and shows it pixel
    // for pixel. Elsewhere the box may be a pixel wider or higher than the
    // image: the image is stretched to fill it, so no seam shows between
    // pieces out of place either.
    const QRect target(inner.topLeft(), rect().size());
    if (m_image.deviceIndependentSize() == QSizeF(target.size())) {
        p.drawPixmap(target.topLeft(), m_image);
    } else {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(target, m_image);
    }
    if (m_bordered) {
        p.setClipping(false);
        p.setPen(QColor(64, 64, 64));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PieceBox::mousePressEvent(QMouseEvent *event)
{
    // A press, not a release, lifts and drops: a child expects the piece to
    // answer at once.
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_pressTime = event->timestamp();
    QWidget *board = parentWidget();
    emit pressed(m_index, board ? mapTo(board, event->position()) : event->position());
}

void PieceBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click is no click of its own: a child who
    // double-clicks a piece lifts it, and it stays lifted. (Passed on as a
    // press it would put the piece straight back and count a move.)
    // A finger's second tap on one spot may come as a double click however
    // long after the first: that one is a press of its own.
    const bool late = event->timestamp() - m_pressTime >
                      ulong(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    if (late && event->button() == Qt::LeftButton) {
        mousePressEvent(event);
        return;
    }
    event->accept();
}

void PieceBox::mouseMoveEvent(QMouseEvent *event)
{
    emit pointerMoved(m_index, event->position());
    if (event->buttons() & Qt::LeftButton)
        emit dragMoved(m_index, toBoard(event->position()));
}

void PieceBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    emit released(m_index, toBoard(event->position()));
}

QPointF PieceBox::toBoard(QPointF piecePixels) const
{
    QWidget *board = parentWidget();
    return board ? mapTo(board, piecePixels) : piecePixels;
}

// -------------------------------------------------------------- PictureBox

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture2"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void PictureBox::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void PictureBox::setRectTwips(const vud::TwipsRect &rect, const vud::ScreenTwips &screen)
{
    m_rect = rect;
    setGeometry(screen.toPixels(rect.left, rect.top, rect.width, rect.height));
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const QRect area = event->rect();
    p.fillRect(area, palette().color(QPalette::Base));
    if (m_picture.isNull())
        return;
    // The picture may be made at the screen's device pixels: its source
    // rectangle is in those.
    const qreal ratio = m_picture.devicePixelRatio();
    p.drawImage(QRectF(area), m_picture,
                QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio));
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    QWidget *board = parentWidget();
    emit pointerMoved(board ? mapTo(board, event->position()) : event->position());
}
