#pragma once

#include <QIcon>
#include <QPixmap>

// The editor's own pictures: button faces and the window icon, drawn by code.
namespace Editor::Artwork {

QPixmap previousArrow(int size);  // a left-pointing arrow
QPixmap nextArrow(int size);      // a right-pointing arrow
QPixmap chooseDrawing(int size);  // a smiling little sun: pick a drawing
QPixmap clearPicture(int size);   // an eraser over a sheet
QPixmap savePuzzle(int size);     // a floppy disk with a star
QPixmap exitDoor(int size);       // an open door with an arrow
QPixmap titlePicture(QSize size); // an easel with a picture and a brush
// The windows' icon: the menu entry's "org.vud.vudeditor" from the icon
// theme where it is installed, else the title picture.
QIcon editorIcon();

} // namespace Editor::Artwork
