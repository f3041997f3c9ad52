#pragma once

#include <QImage>
#include <QWidget>

namespace Editor {

// The editor's picture surface: shows a picture at its natural size and keeps
// a retained image (the picture plus every drawing stamped into it). A preview
// painted over it is transient: it reaches the screen only and the next
// refresh wipes it. Mouse positions are reported in pixels of the surface.
class PictureSurface : public QWidget
{
    Q_OBJECT

public:
    explicit PictureSurface(QWidget *parent = nullptr);

    // Loads a picture: the surface takes its size and the retained image
    // becomes the picture.
    void setPicture(const QImage &picture);
    // The retained image becomes the picture.
    void takeRetainedAsPicture();
    // Removes the picture: the retained image becomes the plain background.
    void clearPicture();
    // Gives the surface a size; without a picture the retained image is the
    // plain background of that size, with one it keeps the picture's size.
    void setSurfaceSize(QSize size);

    bool hasPicture() const { return !m_picture.isNull(); }
    const QImage &picture() const { return m_picture; }
    const QImage &retainedImage() const { return m_retained; }

    // Stamps a drawing persistently: its white pixels are left out.
    void stamp(const QImage &drawing, QPoint at);

    // Paints the drawing transiently, ANDed with the surface, until the next
    // refresh.
    void showPreview(const QImage &drawing, QPoint at);
    // Repaints from the retained image, wiping any preview.
    void refresh();
    bool previewShown() const { return !m_preview.isNull(); }

    // What the screen shows now: the retained image with the preview over it.
    QImage shownImage() const;

    // The keyboard's placement marker: a cross at a pixel, painted over
    // everything on screen only, never retained.
    void showMarker(QPoint at);
    void hideMarker();
    bool markerShown() const { return m_markerShown; }
    QPoint marker() const { return m_marker; }

    static QColor backgroundColour();

signals:
    void mouseMoved(QPoint pixel, Qt::MouseButtons buttons);
    void mousePressed(QPoint pixel, Qt::MouseButton button);
    // A key pressed while the surface has the keyboard focus.
    void keyPressed(int key, Qt::KeyboardModifiers modifiers);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QRect previewRect() const;
    QRect markerRect() const;

    QImage m_picture;
    QImage m_retained;
    QImage m_preview;
    QPoint m_previewAt;
    QPoint m_marker;
    bool m_markerShown = false;
};

} // namespace Editor
