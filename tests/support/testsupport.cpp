#include "support/testsupport.h"

#include "core/datapaths.h"
#include "gifwriter/gifwriter.h"

#include <QDir>
#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QSettings>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace vudtest {

TempProgramFolder::TempProgramFolder()
{
    QDir root(m_dir.path());
    for (const char *folder : vud::kDataFolders)
        root.mkpath(QString::fromLatin1(folder));
    vud::setProgramFolder(m_dir.path());
    vud::setUserDataFolder(m_dir.path() + QStringLiteral("/usuario"));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(m_dir.path() + QStringLiteral("/sistema")));
    // Neither the machine's settings nor the user's real ones are read.
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, m_dir.path() + QStringLiteral("/ajustes-sistema"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path() + QStringLiteral("/ajustes-usuario"));
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

namespace {

QByteArray be32(quint32 value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char(value >> (24 - 8 * i));
    return bytes;
}

QByteArray pngChunk(const QByteArray &type, const QByteArray &data)
{
    return be32(quint32(data.size())) + type + data + be32(crc32(type + data));
}

} // namespace

QByteArray handMadeGif(QSize canvas, const QVector<QRect> &frames)
{
    vudgif::Gif gif;
    gif.canvas = canvas;
    gif.colours = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    for (const QRect &rect : frames) {
        vudgif::Frame frame;
        frame.rect = rect;
        frame.indices = QByteArray(1, '\0'); // one black pixel
        frame.delayCs = 2;
        frame.disposal = vudgif::Disposal::Unspecified;
        gif.frames.push_back(frame);
    }
    return vudgif::encode(gif);
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
    vudgif::Animation animation;
    animation.frames.assign(frames.begin(), frames.end());
    animation.delayCs = delayCentiseconds;
    animation.loopCount = loopCount;
    animation.colours = vudgif::Colours::Exact;
    return vudgif::writeAnimation(path, animation).isEmpty();
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

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool coloursClose(const QColor &a, const QColor &b, int tolerance)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
        && qAbs(a.blue() - b.blue()) <= tolerance;
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

bool writeTwoColourPng(const QString &path, QSize size, QColor left, QColor right)
{
    QImage image(size, QImage::Format_Mono);
    image.setColorTable({left.rgb(), right.rgb()});
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, x < size.width() / 2 ? 0 : 1);
    return image.save(path, "PNG") && QImageReader(path).imageFormat() == QImage::Format_Mono;
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
