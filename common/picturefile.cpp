#include "picturefile.h"

#include <QFileInfo>
#include <QImageReader>

namespace vud {

namespace {

bool turnsSideways(QImageIOHandler::Transformations transformation)
{
    return transformation.testFlag(QImageIOHandler::TransformationRotate90);
}

} // namespace

bool isRegularFile(const QString &path)
{
    if (path.isEmpty())
        return false;
    // QFileInfo follows links: a dangling or looping link does not exist, and
    // a link to a FIFO or a device is no file, just as the FIFO or device
    // itself is not.
    return QFileInfo(path).isFile();
}

void applyPictureLimits()
{
    if (QImageReader::allocationLimit() != kPictureAllocationLimitMB)
        QImageReader::setAllocationLimit(kPictureAllocationLimitMB);
}

QSize pictureSize(const QString &path)
{
    if (!isRegularFile(path))
        return QSize();
    QImageReader reader(path);
    const QSize stored = reader.size();
    if (!stored.isValid() || stored.isEmpty())
        return QSize();
    return turnsSideways(reader.transformation()) ? stored.transposed() : stored;
}

QImage readPicture(const QString &path, const QSize &size)
{
    if (!isRegularFile(path))
        return QImage();
    applyPictureLimits();
    QImageReader reader(path);
    reader.setAutoTransform(true);
    if (size.isValid() && !size.isEmpty()) {
        const QSize stored = reader.size();
        // The decoder scales the picture as stored; the turn comes after.
        const QSize target = turnsSideways(reader.transformation()) ? size.transposed() : size;
        if (stored.isValid() && stored != target)
            reader.setScaledSize(target);
    }
    QImage image = reader.read();
    if (!image.isNull() && size.isValid() && !size.isEmpty() && image.size() != size)
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

} // namespace vud
