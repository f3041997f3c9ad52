#pragma once

#include <QIcon>
#include <QPixmap>

// The pictures of the game's screens, painted by code: the window icon, the
// face of the notice button and the arrows of the gallery's page buttons.
namespace ScreenArt {

// The game's windows' icon: the icon the menu entry names, "org.vud.vud2",
// from the desktop's icon theme where it is installed, so that the windows
// and the menu show the same picture; else the built-in smiling jigsaw piece.
QIcon windowIcon();
// A smiling jigsaw piece in bright colours.
QPixmap puzzlePiece(int side);

// The notice button's face: a smiling heart holding out a small gift.
QPixmap noticeFace(int side);

// A fat rounded arrow pointing left (previous page) or right (next page).
enum class Arrow { Previous, Next };
QPixmap pageArrow(Arrow direction, QSize size);

} // namespace ScreenArt
