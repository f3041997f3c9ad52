#include "editor/logic/transparentblit.h"

#include <QPainter>

namespace Editor {

void TransparentBlit(QImage &destination, const QImage &source, int sourceX, int sourceY, int width,
                     int height, int destinationX, int destinationY, QRgb transparent)
{
    if (destination.isNull() || source.isNull() || width <= 0 || height <= 0)
        return;

    // The part of the rectangle that lies inside both images, as an offset
    // from the rectangle's own corner.
    const QRect wanted(0, 0, width, height);
    const QRect inSource = QRect(-sourceX, -sourceY, source.width(), source.height());
    const QRect inDestination
        = QRect(-destinationX, -destinationY, destination.width(), destination.height());
    const QRect area = wanted & inSource & inDestination;
    if (area.isEmpty())
        return;

    const QRect sourceRect = area.translated(sourceX, sourceY);
    const QRect destinationRect = area.translated(destinationX, destinationY);
    const QImage drawing = source.copy(sourceRect).convertToFormat(QImage::Format_RGB32);
    QImage result = destination.copy(destinationRect).convertToFormat(QImage::Format_RGB32);

    const QRgb key = transparent & RGB_MASK;
    for (int y = 0; y < result.height(); ++y) {
        const QRgb *from = reinterpret_cast<const QRgb *>(drawing.constScanLine(y));
        QRgb *to = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if ((from[x] & RGB_MASK) != key)
                to[x] = from[x];
        }
    }

    QPainter painter(&destination);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(destinationRect.topLeft(), result);
}

} // namespace Editor
