#pragma once

#include <QColor>
#include <QPixmap>

// The pictures of the board's buttons, painted by the program itself at the
// sizes the buttons were designed for.
namespace boardart {

QPixmap wholePicture();   // 36 x 36: a framed landscape (show the picture)
QPixmap placedPieces();   // 32 x 32: puzzle pieces with a tick (pieces in place)
QPixmap outlines();       // 32 x 32: a grid with a pencil (outlines on/off)
QPixmap choosePicture();  // 32 x 32: a gallery of small pictures (selection)
QPixmap clock();          // 42 x 42: an alarm clock (seconds, results)
QPixmap moves();          // 32 x 32: two squares trading places (moves, results)
QPixmap exitDoor();       // 32 x 32: an open door (end the game)

} // namespace boardart
