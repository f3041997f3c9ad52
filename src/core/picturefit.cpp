#include "core/picturefit.h"

#include <algorithm>
#include <cmath>

namespace vud {

namespace {

int scaled(int length, double scale)
{
    return std::max(1, int(std::lround(length * scale)));
}

QPoint centred(QSize size, QSize box)
{
    // Truncating halves: an odd overflow cuts the extra pixel on the far side.
    return QPoint((box.width() - size.width()) / 2, (box.height() - size.height()) / 2);
}

} // namespace

PictureFit coverBox(QSize picture, QSize box)
{
    PictureFit fit;
    if (picture.isEmpty() || box.isEmpty())
        return fit;
    fit.scale = std::max(double(box.width()) / picture.width(),
                         double(box.height()) / picture.height());
    // The side that sets the scale matches the box exactly, whatever the
    // rounding of the other.
    fit.size = QSize(std::max(box.width(), scaled(picture.width(), fit.scale)),
                     std::max(box.height(), scaled(picture.height(), fit.scale)));
    // Thirds to the nearest pixel: an overflow of 3n + 1 cuts n from the top,
    // one of 3n + 2 cuts n + 1.
    const int overflow = fit.size.height() - box.height();
    fit.offset = QPoint(centred(fit.size, box).x(), -((overflow + 1) / 3));
    return fit;
}

PictureFit fitInsideBox(QSize picture, QSize box)
{
    PictureFit fit;
    if (picture.isEmpty() || box.isEmpty())
        return fit;
    if (picture.width() <= box.width() && picture.height() <= box.height()) {
        fit.size = picture;
    } else {
        fit.scale = std::min(double(box.width()) / picture.width(),
                             double(box.height()) / picture.height());
        fit.size = QSize(std::min(box.width(), scaled(picture.width(), fit.scale)),
                         std::min(box.height(), scaled(picture.height(), fit.scale)));
    }
    fit.offset = centred(fit.size, box);
    return fit;
}

} // namespace vud
