#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QPushButton>

// The pictures of the game's screens, painted by code: the window icon, the
// face of the notice button and the arrows of the gallery's page buttons.
namespace ScreenArt {

// A smiling jigsaw piece in bright colours.
QIcon windowIcon();
QPixmap puzzlePiece(int side);

// The notice button's face: a smiling heart holding out a small gift.
QPixmap noticeFace(int side);

// A fat rounded arrow pointing left (previous page) or right (next page).
enum class Arrow { Previous, Next };
QPixmap pageArrow(Arrow direction, QSize size);

} // namespace ScreenArt

// A graphical command button: a coloured face with an optional picture above
// a caption that wraps onto several lines when it is wider than the button.
// The face colour is the palette's button colour.
class FaceButton : public QPushButton
{
    Q_OBJECT

public:
    explicit FaceButton(const QString &caption, QWidget *parent = nullptr);

    void setFaceColour(const QColor &colour);
    QColor faceColour() const;

    void setPicture(const QPixmap &picture);
    QPixmap picture() const { return m_picture; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};
