#pragma once

#include <QIcon>
#include <QPixmap>

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
