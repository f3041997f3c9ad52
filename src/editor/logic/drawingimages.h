#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

namespace Editor {

// A drawing's still image: the first frame of the file at its natural size,
// laid over white, so that the GIF's transparent pixels count as white and
// are left out when the drawing is stamped. A file that is not a picture
// gives a null image.
QImage stillImage(const QString &fullPath);

// A picture file as the picture surface shows it: its first frame, upright,
// opaque, at the size shownPictureSize gives for the room (the work area in
// pixels), decoded straight at that size so that a large photograph never
// costs a full decode. A file that is not a picture gives a null image.
QImage loadSurfacePicture(const QString &fullPath, QSize room);

// The preview as it appears over the picture: the part of base covered by
// overlay placed at `at`, each pixel the bitwise AND of the two, so white
// parts of the drawing leave the picture as it is and dark parts darken it.
// The result covers overlay's rectangle clipped to base, starting at the
// returned image's offset(); nothing when they do not meet.
QImage andComposite(const QImage &base, const QImage &overlay, QPoint at);

} // namespace Editor
