#include "core/preview.h"

#include "core/picturefile.h"

namespace vud {

QSizeF fitPreview(double widthTwips, double heightTwips)
{
    const double w = widthTwips;
    const double h = static_cast<double>(roundHalfEven(heightTwips));
    if (w < 2000 && h < 1600)
        return QSizeF(w, h);
    if (w > h)
        return QSizeF(2000, static_cast<double>(intDiv(h * 2000, w)));
    return QSizeF(static_cast<double>(intDiv(w * 1600, h)), 1600);
}

PreviewPicture fittedPreview(const QSize &natural, const ScreenTwips &screen)
{
    PreviewPicture preview;
    preview.naturalTwips = QSizeF(screen.toTwipsX(natural.width()), screen.toTwipsY(natural.height()));
    preview.fittedTwips = fitPreview(preview.naturalTwips.width(), preview.naturalTwips.height());
    return preview;
}

QSize previewPixelSize(const QSizeF &twips, const ScreenTwips &screen)
{
    return QSize(qMax(1, screen.toPixelsX(twips.width())), qMax(1, screen.toPixelsY(twips.height())));
}

PreviewPicture loadPreview(const QString &fullPath, const ScreenTwips &screen)
{
    const QSize natural = pictureSize(fullPath);
    if (!natural.isValid())
        return {};
    PreviewPicture preview = fittedPreview(natural, screen);
    preview.image = readPicture(fullPath, previewPixelSize(preview.fittedTwips, screen));
    preview.loaded = !preview.image.isNull();
    return preview;
}

PreviewPicture loadPreviewFullDecode(const QString &fullPath, const ScreenTwips &screen)
{
    const QImage whole = readPicture(fullPath);
    if (whole.isNull())
        return {};
    PreviewPicture preview = fittedPreview(whole.size(), screen);
    const QSize target = previewPixelSize(preview.fittedTwips, screen);
    preview.image = scaledPicture(whole, target);
    preview.loaded = true;
    return preview;
}

} // namespace vud
