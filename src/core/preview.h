#pragma once

#include "core/twips.h"

#include <QImage>
#include <QSizeF>
#include <QString>

namespace vud {

// The 3 x 3 preview galleries fit every picture into 2000 x 1600 twips: a
// picture smaller than that in both directions keeps its size; otherwise a
// picture wider than high becomes 2000 wide, any other 1600 high, the other
// side scaled with integer division. Only the width is compared with the
// height, so 3000 x 2800 becomes 2000 x 1866, taller than 1600.
QSizeF fitPreview(double widthTwips, double heightTwips);

// Where a preview's pixels came from.
enum class PreviewSource { File, Thumbnail, Memory };

// One gallery cell's picture: decoded straight at its fitted size, so that a
// page of large photographs appears quickly.
struct PreviewPicture
{
    bool loaded = false;    // false: the file is missing or not a picture
    QSizeF naturalTwips;    // the picture's own size
    QSizeF fittedTwips;     // the size the cell takes
    QImage image;           // decoded at the fitted size in pixels
    PreviewSource source = PreviewSource::File;
};

// The cell sizes of a picture of the given natural size in pixels (no image).
PreviewPicture fittedPreview(const QSize &naturalPixels, const ScreenTwips &screen);

// A size in twips as whole pixels, at least 1 x 1: the size a preview is
// decoded at.
QSize previewPixelSize(const QSizeF &twips, const ScreenTwips &screen);

PreviewPicture loadPreview(const QString &fullPath, const ScreenTwips &screen);

// The same cell decoded whole and then scaled: the slow way, kept for the
// benchmark that compares the two.
PreviewPicture loadPreviewFullDecode(const QString &fullPath, const ScreenTwips &screen);

} // namespace vud
