#include "editor/logic/drawingimages.h"

#include "core/datapaths.h"
#include "core/picturefile.h"
#include "editor/logic/layout.h"

#include <QPainter>

namespace Editor {

QImage stillImage(const QString &fullPath)
{
    // Read as every picture is, so that a GIF is held to the same bounds as
    // the animation that plays it: a frame claiming more than the canvas
    // costs no more than the animation would.
    const QImage frame = vud::readPicture(fullPath);
    if (frame.isNull())
        return QImage();
    QImage still(frame.size(), QImage::Format_RGB32);
    still.fill(Qt::white);
    QPainter painter(&still);
    painter.drawImage(0, 0, frame);
    return still;
}

QImage loadSurfacePicture(const QString &fullPath, QSize room)
{
    const QSize natural = vud::pictureSize(fullPath);
    QImage picture = natural.isValid()
        ? vud::readPicture(fullPath, shownPictureSize(natural, room))
        : vud::readPicture(fullPath);
    if (picture.isNull())
        return QImage();
    // A format whose header tells no size is read whole, then fitted.
    const QSize shown = shownPictureSize(picture.size(), room);
    if (shown.isValid() && shown != picture.size())
        picture = vud::scaledPicture(picture, shown);
    if (!picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_RGB32);
    // A picture with transparent parts shows them on the surface's white.
    QImage opaque(picture.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, picture);
    return opaque;
}

QImage andComposite(const QImage &base, const QImage &overlay, QPoint at)
{
    const QRect area = QRect(at, overlay.size()) & base.rect();
    if (area.isEmpty())
        return QImage();
    QImage result = base.copy(area).convertToFormat(QImage::Format_RGB32);
    const QImage drawing = overlay.copy(area.translated(-at)).convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < result.height(); ++y) {
        QRgb *to = reinterpret_cast<QRgb *>(result.scanLine(y));
        const QRgb *from = reinterpret_cast<const QRgb *>(drawing.constScanLine(y));
        for (int x = 0; x < result.width(); ++x)
            to[x] = (to[x] & from[x]) | 0xff000000u;
    }
    result.setOffset(area.topLeft());
    return result;
}

} // namespace Editor
