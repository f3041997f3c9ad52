#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QPushButton>
#include <QRect>
#include <QRectF>

namespace vud {

// The graphical command button of both programs: a rounded face in the face
// colour, shaded darker towards the bottom over a soft drop shadow, with an
// optional picture above an optional caption that wraps onto several lines
// when it is wider than the button. The caption's ink is dark on light faces
// and white on dark ones; a disabled button looks faded, a focused one
// carries a dotted mark (a thick black and white frame when the keyboard
// brought the focus there), and the face sinks onto its shadow while pressed.
class FaceButton : public QPushButton
{
    Q_OBJECT

public:
    explicit FaceButton(QWidget *parent = nullptr);
    explicit FaceButton(const QString &caption, QWidget *parent = nullptr);

    // The face colour is the palette's button colour.
    void setFaceColour(const QColor &colour);
    QColor faceColour() const;

    // The picture is drawn at its own size, centred, and is only made
    // smaller when the face cannot hold it. A null pixmap removes it.
    void setPicture(const QPixmap &picture);
    QPixmap picture() const { return m_picture; }

    // How round the corners are, as a part of the button's shorter side
    // (1/8 unless set, at most 0.4).
    void setRoundness(qreal partOfShorterSide);
    qreal roundness() const { return m_roundness; }
    qreal cornerRadius() const;

    // The largest picture that shows at full size with the usual margin all
    // round it, for callers that draw their pictures to fit the button.
    QSize pictureRoom() const;

    // Where everything goes on the face, as painted.
    struct Layout
    {
        QRectF body;    // the face, inside the margin left for its shadow
        QRectF inside;  // the part of the face inside its outline
        qreal radius = 0;
        QRect picture;  // where the picture is drawn; empty without one
        QRectF caption; // the caption's area; empty without a caption
        QFont font;     // font(), made smaller only if the caption would not fit
    };
    Layout layout(bool pressed = false) const;

    // The face colour as shown now: faded when disabled, lighter under the mouse.
    QColor shownFace() const;
    // The caption's ink on the face as shown now.
    QColor ink() const;

    QSize sizeHint() const override;

    // Whether the thick frame shows: focused from the keyboard, and no
    // mouse press on the button since.
    bool showsFocusFrame() const { return hasFocus() && m_keyboardFocus; }
    // The frame's width in pixels for this button's size.
    int focusFrameWidth() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    // A button with a picture and no caption is named for assistive
    // technology by its tooltip, unless given a name of its own.
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPixmap m_picture;
    QString m_nameFromTip;
    qreal m_roundness = 1.0 / 8;
    bool m_keyboardFocus = false;
};

} // namespace vud
