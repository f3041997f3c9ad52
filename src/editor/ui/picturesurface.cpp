#include "editor/ui/picturesurface.h"

#include "editor/logic/drawingimages.h"
#include "editor/logic/transparentblit.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QtMath>
#include <QPainter>

namespace Editor {

namespace {

// The pixel under the pointer: the one whose square holds the position.
QPoint pixelOf(const QMouseEvent *event)
{
    return QPoint(qFloor(event->position().x()), qFloor(event->position().y()));
}

} // namespace

PictureSurface::PictureSurface(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
    // Reached by Tab and by a click, so that its keys browse and place.
    setFocusPolicy(Qt::StrongFocus);
}

QColor PictureSurface::backgroundColour()
{
    return QColor(255, 255, 255);
}

void PictureSurface::setPicture(const QImage &picture)
{
    m_picture = picture.convertToFormat(QImage::Format_RGB32);
    m_retained = m_picture;
    m_preview = QImage();
    resize(m_picture.size());
    update();
}

void PictureSurface::takeRetainedAsPicture()
{
    m_picture = m_retained;
}

void PictureSurface::clearPicture()
{
    m_picture = QImage();
    m_retained = QImage(size(), QImage::Format_RGB32);
    m_retained.fill(backgroundColour());
    m_preview = QImage();
    update();
}

void PictureSurface::setSurfaceSize(QSize size)
{
    if (hasPicture())
        return;
    resize(size);
    clearPicture();
}

void PictureSurface::stamp(const QImage &drawing, QPoint at)
{
    TransparentBlit(m_retained, drawing, 0, 0, drawing.width(), drawing.height(), at.x(), at.y(),
                    qRgb(255, 255, 255));
    update(QRect(at, drawing.size()));
}

QRect PictureSurface::previewRect() const
{
    return m_preview.isNull() ? QRect() : QRect(m_previewAt, m_preview.size());
}

void PictureSurface::showPreview(const QImage &drawing, QPoint at)
{
    const QRect old = previewRect();
    m_preview = drawing;
    m_previewAt = at;
    update(old | previewRect());
}

void PictureSurface::refresh()
{
    const QRect old = previewRect();
    m_preview = QImage();
    update(old.isNull() ? rect() : old);
}

QImage PictureSurface::shownImage() const
{
    QImage shown = m_retained;
    const QImage composite = andComposite(m_retained, m_preview, m_previewAt);
    if (!composite.isNull()) {
        QPainter painter(&shown);
        painter.drawImage(composite.offset(), composite);
    }
    return shown;
}

namespace {
constexpr int kMarkerArm = 7;
}

QRect PictureSurface::markerRect() const
{
    return QRect(m_marker - QPoint(kMarkerArm + 1, kMarkerArm + 1),
                 QSize(2 * kMarkerArm + 3, 2 * kMarkerArm + 3));
}

void PictureSurface::showMarker(QPoint at)
{
    const QRect old = m_markerShown ? markerRect() : QRect();
    m_marker = at;
    m_markerShown = true;
    update(old | markerRect());
}

void PictureSurface::hideMarker()
{
    if (!m_markerShown)
        return;
    m_markerShown = false;
    update(markerRect());
}

void PictureSurface::keyPressEvent(QKeyEvent *event)
{
    emit keyPressed(event->key(), event->modifiers());
}

void PictureSurface::focusInEvent(QFocusEvent *event)
{
    update();
    QWidget::focusInEvent(event);
}

void PictureSurface::focusOutEvent(QFocusEvent *event)
{
    update();
    QWidget::focusOutEvent(event);
}

void PictureSurface::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    painter.fillRect(dirty, backgroundColour());
    painter.drawImage(dirty.topLeft(), m_retained, dirty);
    if (!m_preview.isNull() && previewRect().intersects(dirty)) {
        const QImage composite = andComposite(m_retained, m_preview, m_previewAt);
        if (!composite.isNull())
            painter.drawImage(composite.offset(), composite);
    }
    if (m_markerShown) {
        // Black over white, so that it shows on any picture.
        const QPoint c = m_marker;
        for (const auto &[colour, width] : {std::pair{QColor(Qt::white), 3}, std::pair{QColor(Qt::black), 1}}) {
            painter.setPen(QPen(colour, width));
            painter.drawLine(c - QPoint(kMarkerArm, 0), c + QPoint(kMarkerArm, 0));
            painter.drawLine(c - QPoint(0, kMarkerArm), c + QPoint(0, kMarkerArm));
        }
    }
    if (hasFocus()) {
        painter.setPen(QPen(QColor(30, 20, 50), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PictureSurface::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(pixelOf(event), event->buttons());
}

void PictureSurface::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(pixelOf(event), event->button());
}

void PictureSurface::leaveEvent(QEvent *event)
{
    // A preview left behind where the pointer no longer is would look stamped.
    refresh();
    QWidget::leaveEvent(event);
}

} // namespace Editor
