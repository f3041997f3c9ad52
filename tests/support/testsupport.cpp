#include "testsupport.h"

#include "datapaths.h"

#include <QDir>
#include <QBuffer>
#include <QFile>
#include <QHash>
#include <QPainter>

#include <fcntl.h>
#include <gif_lib.h>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace vudtest {

TempProgramFolder::TempProgramFolder()
{
    QDir root(m_dir.path());
    for (const char *folder : {"imagenes", "gifs", "coordenadas", "sonidos"})
        root.mkpath(QString::fromLatin1(folder));
    vud::setProgramFolder(m_dir.path());
    vud::setUserDataFolder(m_dir.path() + QStringLiteral("/usuario"));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(m_dir.path() + QStringLiteral("/sistema")));
}

TempProgramFolder::~TempProgramFolder()
{
    vud::setProgramFolder(QString());
    vud::setUserDataFolder(QString());
    if (m_dataDirs.isNull())
        qunsetenv("XDG_DATA_DIRS");
    else
        qputenv("XDG_DATA_DIRS", m_dataDirs);
}

namespace {

// Sets or clears the two capabilities that let root past file permissions in
// the effective set; the permitted set keeps them, so they can come back.
bool setPermissionOverrides(bool on)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
    if (syscall(SYS_capget, &header, data) != 0)
        return false;
    for (int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH}) {
        auto &effective = data[CAP_TO_INDEX(capability)].effective;
        const auto permitted = data[CAP_TO_INDEX(capability)].permitted & CAP_TO_MASK(capability);
        effective = on ? (effective | permitted) : (effective & ~CAP_TO_MASK(capability));
    }
    return syscall(SYS_capset, &header, data) == 0;
}

} // namespace

namespace {

QByteArray le16(int value)
{
    return QByteArray(1, char(value & 0xff)) + char((value >> 8) & 0xff);
}

QByteArray be32(quint32 value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char(value >> (24 - 8 * i));
    return bytes;
}

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xffffffffu;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray pngChunk(const QByteArray &type, const QByteArray &data)
{
    return be32(quint32(data.size())) + type + data + be32(crc32(type + data));
}

} // namespace

QByteArray handMadeGif(QSize canvas, const QVector<QRect> &frames)
{
    QByteArray gif = "GIF89a" + le16(canvas.width()) + le16(canvas.height());
    // A two-colour global table: black and white.
    gif += QByteArray("\x80\x00\x00" "\x00\x00\x00" "\xff\xff\xff", 9);
    for (const QRect &f : frames) {
        gif += QByteArray("\x21\xf9\x04\x00\x02\x00\x00\x00", 8); // 20 ms a frame
        gif += char(0x2C) + le16(f.x()) + le16(f.y()) + le16(f.width()) + le16(f.height()) + char(0);
        gif += QByteArray("\x02\x02\x44\x01\x00", 5); // one pixel of LZW data
    }
    return gif + char(0x3B);
}

QByteArray pngClaimingSize(QSize size)
{
    QByteArray header = be32(quint32(size.width())) + be32(quint32(size.height()));
    header += QByteArray("\x08\x02\x00\x00\x00", 5); // 8-bit RGB, no interlace
    // Two rows of a few pixels, compressed: the rest is missing.
    const QByteArray rows(2 * (1 + 3 * 16), '\0');
    const QByteArray zlib = qCompress(rows).mid(4); // without Qt's length prefix
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) + pngChunk("IDAT", zlib)
        + pngChunk("IEND", QByteArray());
}

PermissionsBindRoot::PermissionsBindRoot()
    : m_active(setPermissionOverrides(false))
{
}

PermissionsBindRoot::~PermissionsBindRoot()
{
    if (m_active)
        setPermissionOverrides(true);
}

QString TempProgramFolder::file(const QString &relative) const
{
    return m_dir.path() + QLatin1Char('/') + relative;
}

bool writeGif(const QString &path, const QVector<QImage> &frames, int delayCentiseconds, int loopCount)
{
    if (frames.isEmpty())
        return false;
    const int width = frames.first().width();
    const int height = frames.first().height();

    // One palette for all frames: index 0 is transparent.
    QVector<QRgb> palette{qRgb(0, 0, 0)};
    QHash<QRgb, int> index;
    QVector<QVector<GifByteType>> pixels;
    for (const QImage &source : frames) {
        const QImage frame = source.convertToFormat(QImage::Format_ARGB32);
        QVector<GifByteType> raster(width * height, 0);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const QRgb p = frame.pixel(x, y);
                if (qAlpha(p) < 128)
                    continue;
                const QRgb rgb = qRgb(qRed(p), qGreen(p), qBlue(p));
                auto it = index.find(rgb);
                if (it == index.end()) {
                    if (palette.size() >= 256)
                        return false;
                    it = index.insert(rgb, palette.size());
                    palette.append(rgb);
                }
                raster[y * width + x] = static_cast<GifByteType>(*it);
            }
        }
        pixels.append(raster);
    }
    while (palette.size() < 2 || (palette.size() & (palette.size() - 1)))
        palette.append(qRgb(0, 0, 0));

    QVector<GifColorType> colours(palette.size());
    for (int i = 0; i < palette.size(); ++i)
        colours[i] = GifColorType{GifByteType(qRed(palette[i])), GifByteType(qGreen(palette[i])),
                                  GifByteType(qBlue(palette[i]))};

    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    int error = 0;
    GifFileType *gif = EGifOpenFileHandle(fd, &error);
    if (!gif) {
        ::close(fd);
        return false;
    }
    EGifSetGifVersion(gif, true);
    ColorMapObject *map = GifMakeMapObject(colours.size(), colours.data());
    bool ok = EGifPutScreenDesc(gif, width, height, 8, 0, map) == GIF_OK;
    if (ok && loopCount >= 0) {
        const unsigned char app[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
        const unsigned char sub[] = {1, GifByteType(loopCount & 0xff), GifByteType((loopCount >> 8) & 0xff)};
        ok = EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK
            && EGifPutExtensionBlock(gif, sizeof(app), app) == GIF_OK
            && EGifPutExtensionBlock(gif, sizeof(sub), sub) == GIF_OK
            && EGifPutExtensionTrailer(gif) == GIF_OK;
    }
    for (int f = 0; ok && f < pixels.size(); ++f) {
        GraphicsControlBlock gcb;
        gcb.DisposalMode = DISPOSE_BACKGROUND;
        gcb.UserInputFlag = false;
        gcb.DelayTime = delayCentiseconds;
        gcb.TransparentColor = 0;
        GifByteType ext[4];
        const size_t len = EGifGCBToExtension(&gcb, ext);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(len), ext) == GIF_OK
            && EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_OK;
        for (int y = 0; ok && y < height; ++y)
            ok = EGifPutLine(gif, pixels[f].data() + y * width, width) == GIF_OK;
    }
    GifFreeMapObject(map);
    return EGifCloseFile(gif, &error) == GIF_OK && ok;
}

QVector<QImage> squareFrames(int count, QSize size)
{
    QVector<QImage> frames;
    for (int i = 0; i < count; ++i) {
        QImage frame(size, QImage::Format_ARGB32);
        frame.fill(Qt::transparent);
        QPainter painter(&frame);
        painter.fillRect(QRect(QPoint(i % size.width(), 2), QSize(size.width() / 2, size.height() / 2)),
                         QColor::fromHsv((i * 47) % 360, 220, 220));
        frames.append(frame);
    }
    return frames;
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool writeJpegWithOrientation(const QString &path, const QImage &stored, int orientation)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    if (!buffer.open(QIODevice::WriteOnly) || !stored.save(&buffer, "JPEG", 95) || !jpeg.startsWith("\xFF\xD8"))
        return false;
    // An APP1 segment right after the start marker: "Exif", a big-endian
    // TIFF header, and one directory entry, the orientation (tag 0x0112, one
    // SHORT).
    const char exif[] = {
        '\xFF', '\xE1', 0, 34,                   // APP1, length 34
        'E', 'x', 'i', 'f', 0, 0,                  // identifier
        'M', 'M', 0, 42, 0, 0, 0, 8,               // TIFF header, first directory at 8
        0, 1,                                      // one entry
        0x01, 0x12, 0, 3, 0, 0, 0, 1, 0, char(orientation), 0, 0,
        0, 0, 0, 0,                                // no next directory
    };
    jpeg.insert(2, exif, sizeof exif);
    return writeBytes(path, jpeg);
}

QColor blockColour(int column, int row)
{
    return QColor((column * 40 + 20) % 256, (row * 60 + 30) % 256, ((column + row) * 25 + 10) % 256);
}

bool writeBlockPicture(const QString &path, QSize size, int columns, int rows)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const int x0 = c * size.width() / columns;
            const int x1 = (c + 1) * size.width() / columns;
            const int y0 = r * size.height() / rows;
            const int y1 = (r + 1) * size.height() / rows;
            painter.fillRect(QRect(x0, y0, x1 - x0, y1 - y0), blockColour(c, r));
        }
    }
    painter.end();
    return image.save(path);
}

double ScriptedRandom::nextFraction()
{
    if (m_fractions.isEmpty())
        return 0.0;
    const double value = m_fractions.at(qMin(drawn, int(m_fractions.size()) - 1));
    ++drawn;
    return value;
}

} // namespace vudtest
