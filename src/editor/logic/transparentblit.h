#pragma once

#include <QImage>

namespace Editor {

// Copies the width x height rectangle at (sourceX, sourceY) of source into
// destination with its top-left corner at (destinationX, destinationY),
// leaving out every source pixel whose colour equals transparent exactly
// (alpha ignored): there the destination keeps its own pixel. The rectangle
// is clipped at the edges of both images; pixels outside it are untouched.
// The rectangle is composed aside and written into the destination in one
// copy, so the destination never holds a half-stamped drawing.
void TransparentBlit(QImage &destination, const QImage &source, int sourceX, int sourceY, int width,
                     int height, int destinationX, int destinationY, QRgb transparent);

} // namespace Editor
