#include "core/picturefile.h"

#include <QFile>
#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vud {

namespace {

bool turnsSideways(QImageIOHandler::Transformations transformation)
{
    return transformation.testFlag(QImageIOHandler::TransformationRotate90);
}

// A reader on a picture file, reading through the descriptor that was
// checked to be a regular file, so that a file swapped in after the check is
// never read. A GIF is read through the animation bounds, so that a frame
// claiming tens of thousands of pixels each way costs nothing; a file that
// only has a GIF's name, not its signature, is no picture. What counts as a
// GIF is decided on the file's name and its first bytes both: Qt's decoder,
// picked by a .gif name, reads any bytes as a GIF even when the reader
// reports no format for them. Other pictures are recognised by their
// contents, as they are when read by name.
class PictureReader
{
public:
    // False when the path is no regular file or cannot be opened.
    bool open(const QString &path)
    {
        if (!openRegularFile(m_file, path))
            return false;
        if (!path.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive) && m_file.peek(4) != "GIF8") {
            m_reader.setDevice(&m_file);
            return true;
        }
        m_bytes = readAnimation(m_file);
        if (!m_bytes.startsWith("GIF8"))
            m_bytes.clear();
        m_buffer.setBuffer(&m_bytes);
        m_buffer.open(QIODevice::ReadOnly);
        m_reader.setDevice(&m_buffer);
        m_reader.setFormat("gif");
        return true;
    }

    QImageReader &reader() { return m_reader; }

private:
    QFile m_file;
    QByteArray m_bytes;
    QBuffer m_buffer;
    QImageReader m_reader;
};

CheckedPathHook &checkedPathHook()
{
    static CheckedPathHook hook;
    return hook;
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

void setCheckedPathHook(CheckedPathHook hook)
{
    checkedPathHook() = std::move(hook);
}

bool openRegularFile(QFile &file, const QString &path)
{
    if (!isRegularFile(path))
        return false;
    if (checkedPathHook())
        checkedPathHook()(path);
    // O_NONBLOCK: a FIFO swapped in since the check opens at once instead of
    // waiting for a writer, and is then refused by the check on the open file.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return false;
    }
    // Reads from a regular file never wait; clear the flag all the same.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

void applyPictureLimits()
{
    QImageReader::setAllocationLimit(kPictureAllocationLimitMB);
}

QSize pictureSize(const QString &path)
{
    PictureReader picture;
    if (!picture.open(path))
        return QSize();
    QImageReader &reader = picture.reader();
    const QSize stored = reader.size();
    if (!stored.isValid() || stored.isEmpty())
        return QSize();
    return turnsSideways(reader.transformation()) ? stored.transposed() : stored;
}

QImage readPicture(const QString &path, const QSize &size)
{
    PictureReader picture;
    if (!picture.open(path))
        return QImage();
    QImageReader &reader = picture.reader();
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    const bool sized = size.isValid() && !size.isEmpty();
    // Only JPEG's decoder decodes smaller by itself, and is asked for the
    // size. Every other format is decoded whole either way, and its reader
    // (PNG's, BMP's...) would then scale in a way that turns a two-colour
    // picture black and white: it is scaled here instead.
    if (sized && reader.format() == "jpeg") {
        // The decoder scales the picture as stored; the turn comes after.
        const QSize target = turnsSideways(reader.transformation()) ? size.transposed() : size;
        if (stored.isValid() && stored != target)
            reader.setScaledSize(target);
    }
    const QImage image = scalablePicture(reader.read());
    return sized ? scaledPicture(image, size) : image;
}

QImage scalablePicture(const QImage &image)
{
    if (image.depth() != 1)
        return image;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                         : QImage::Format_RGB32);
}

QImage scaledPicture(const QImage &image, const QSize &size)
{
    if (image.isNull() || !size.isValid() || size.isEmpty() || image.size() == size)
        return image;
    return scalablePicture(image).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

namespace {

// Walks a GIF's blocks. Each step reads only what lies inside the bytes.
class GifWalker
{
public:
    explicit GifWalker(const QByteArray &bytes) : m_bytes(bytes) {}

    bool has(qint64 count) const { return m_at + count <= m_bytes.size(); }
    int byte(qint64 offset = 0) const { return quint8(m_bytes.at(int(m_at + offset))); }
    int word(qint64 offset) const { return byte(offset) | (byte(offset + 1) << 8); }
    qint64 at() const { return m_at; }
    void skip(qint64 count) { m_at += count; }

    // Skips a colour table of the size a packed field gives, when it has one.
    void skipColourTable(int packed)
    {
        if (packed & 0x80)
            m_at += 3 * (qint64(2) << (packed & 7));
    }

    // Skips a chain of data sub-blocks and its terminator; false when the
    // bytes end first.
    bool skipSubBlocks()
    {
        while (has(1)) {
            const int length = byte();
            m_at += 1 + length;
            if (length == 0)
                return true;
        }
        return false;
    }

private:
    const QByteArray &m_bytes;
    qint64 m_at = 0;
};

QByteArray cutAfter(const QByteArray &bytes, qint64 end)
{
    return bytes.left(int(end)) + char(0x3B);
}

} // namespace

QByteArray boundAnimation(const QByteArray &bytes)
{
    // Any version: Qt's decoder, chosen by a file's .gif name, reads whatever
    // follows the first six bytes as a GIF's screen.
    if (!bytes.startsWith("GIF8"))
        return bytes;
    GifWalker gif(bytes);
    if (!gif.has(13))
        return bytes;
    const int canvasWidth = gif.word(6);
    const int canvasHeight = gif.word(8);
    if (canvasWidth > kAnimationLargestSide || canvasHeight > kAnimationLargestSide)
        return QByteArray();
    const int packed = gif.byte(10);
    gif.skip(13);
    gif.skipColourTable(packed);

    int frames = 0;
    qint64 pixels = 0;
    qint64 lastFrameEnd = 0;
    while (gif.has(1)) {
        switch (gif.byte()) {
        case 0x3B: // trailer: whatever follows it is not part of the GIF
            return bytes.left(int(gif.at() + 1));
        case 0x21: // extension: label, then sub-blocks
            gif.skip(2);
            if (!gif.skipSubBlocks())
                return bytes;
            break;
        case 0x2C: {
            if (!gif.has(10))
                return bytes;
            const int right = gif.word(1) + gif.word(5);
            const int bottom = gif.word(3) + gif.word(7);
            // The decoder keeps each frame as a whole canvas, grown to hold
            // a frame that reaches past it.
            const qint64 area = qint64(qMax(canvasWidth, right)) * qMax(canvasHeight, bottom);
            if (frames == kAnimationMostFrames || right > kAnimationLargestSide
                || bottom > kAnimationLargestSide || pixels + area > kAnimationMostPixels) {
                return frames == 0 ? QByteArray() : cutAfter(bytes, lastFrameEnd);
            }
            const int framePacked = gif.byte(9);
            gif.skip(10);
            gif.skipColourTable(framePacked);
            gif.skip(1); // the LZW code size
            if (!gif.skipSubBlocks())
                return bytes;
            ++frames;
            pixels += area;
            lastFrameEnd = gif.at();
            break;
        }
        default:
            // A block the format does not know. Qt's decoder reads some
            // broken blocks otherwise than the format says (a graphic
            // control block of a size other than 4) and may find frames
            // beyond, unbounded: keep only the frames walked so far.
            return frames == 0 ? QByteArray() : cutAfter(bytes, lastFrameEnd);
        }
    }
    return bytes;
}

QByteArray readAnimation(const QString &path)
{
    QFile file;
    if (!openRegularFile(file, path))
        return QByteArray();
    return readAnimation(file);
}

QByteArray readAnimation(QFile &file)
{
    // Read what the file holds, up to the bound: asking for the bound itself
    // would allocate all 16 MB for every small drawing.
    const QByteArray bytes = file.read(qBound<qint64>(0, file.size() - file.pos(), kAnimationMostBytes));
    if (file.error() != QFileDevice::NoError)
        return QByteArray();
    return boundAnimation(bytes);
}

} // namespace vud
