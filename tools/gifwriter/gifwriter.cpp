// The GIF writer: giflib encodes every whole frame; the frames it will not
// write (data that ends early, sizes beyond 16 bits) are put together here.
#include "gifwriter/gifwriter.h"

#include <gif_lib.h>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QHash>

#include <algorithm>
#include <limits>
#include <map>

namespace vudgif {

namespace {

struct ColourCount
{
    QRgb colour;
    qint64 count;
};

int channel(QRgb c, int ch) { return ch == 0 ? qRed(c) : ch == 1 ? qGreen(c) : qBlue(c); }

bool opaque(QRgb c) { return qAlpha(c) >= 128; }

QRgb notWhite(QRgb c)
{
    return (qRed(c) == 255 && qGreen(c) == 255 && qBlue(c) == 255) ? qRgb(250, 250, 250) : c;
}

struct Box
{
    std::vector<ColourCount> entries;
    int widestChannel() const
    {
        int best = 0, bestRange = -1;
        for (int ch = 0; ch < 3; ++ch) {
            int lo = 255, hi = 0;
            for (const ColourCount &e : entries) {
                lo = std::min(lo, channel(e.colour, ch));
                hi = std::max(hi, channel(e.colour, ch));
            }
            if (hi - lo > bestRange) {
                bestRange = hi - lo;
                best = ch;
            }
        }
        return best;
    }
    int range() const
    {
        const int ch = widestChannel();
        int lo = 255, hi = 0;
        for (const ColourCount &e : entries) {
            lo = std::min(lo, channel(e.colour, ch));
            hi = std::max(hi, channel(e.colour, ch));
        }
        return hi - lo;
    }
    QRgb average() const
    {
        qint64 r = 0, g = 0, b = 0, n = 0;
        for (const ColourCount &e : entries) {
            r += qRed(e.colour) * e.count;
            g += qGreen(e.colour) * e.count;
            b += qBlue(e.colour) * e.count;
            n += e.count;
        }
        return qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((b + n / 2) / n));
    }
};

int nearest(const QVector<QRgb> &palette, QRgb c)
{
    int best = 1;
    int bestDist = std::numeric_limits<int>::max();
    for (int i = 1; i < palette.size(); ++i) {
        const int dr = qRed(c) - qRed(palette[i]), dg = qGreen(c) - qGreen(palette[i]),
                  db = qBlue(c) - qBlue(palette[i]);
        const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < bestDist) {
            bestDist = d;
            best = i;
        }
    }
    return best;
}

void appendWord(QByteArray &bytes, int value)
{
    bytes += char(value & 0xff);
    bytes += char((value >> 8) & 0xff);
}

bool fitsWord(int value) { return value >= 0 && value <= 0xffff; }

int tableBits(int colours)
{
    int bits = 1;
    while ((1 << bits) < colours)
        ++bits;
    return bits;
}

int appendOutput(GifFileType *gif, const GifByteType *data, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), length);
    return length;
}

QByteArray controlBlock(const Frame &frame)
{
    QByteArray block;
    block += char((int(frame.disposal) & 7) << 2 | (frame.transparentIndex >= 0 ? 1 : 0));
    appendWord(block, frame.delayCs);
    block += char(std::max(frame.transparentIndex, 0));
    return block;
}

// A frame's descriptor and its data, for a frame giflib cannot write: data
// that ends before the frame is full, or sizes that wrap. Every index is sent
// as a code of its own, and a clear code comes before the decoder's table
// would need wider codes, so the codes keep one width.
QByteArray shortFrame(const Frame &frame, int tableBits)
{
    QByteArray bytes(1, char(0x2C));
    appendWord(bytes, frame.rect.x());
    appendWord(bytes, frame.rect.y());
    appendWord(bytes, frame.rect.width());
    appendWord(bytes, frame.rect.height());
    bytes += char(0); // no local colour table, not interlaced

    const int minimumCodeSize = std::max(2, tableBits);
    const int clear = 1 << minimumCodeSize;
    const int width = minimumCodeSize + 1;
    QByteArray data;
    quint32 pending = 0;
    int pendingBits = 0;
    auto put = [&](int code) {
        pending |= quint32(code) << pendingBits;
        for (pendingBits += width; pendingBits >= 8; pendingBits -= 8) {
            data += char(pending & 0xff);
            pending >>= 8;
        }
    };
    put(clear);
    int sinceClear = 0;
    for (const char index : frame.indices) {
        if (sinceClear == clear - 2) {
            put(clear);
            sinceClear = 0;
        }
        put(quint8(index) & (clear - 1));
        ++sinceClear;
    }
    put(clear + 1); // end of data
    if (pendingBits > 0)
        data += char(pending & 0xff);

    bytes += char(minimumCodeSize);
    for (int at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        bytes += char(block.size());
        bytes += block;
    }
    return bytes + char(0);
}

} // namespace

QByteArray encode(const Gif &gif, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return QByteArray();
    };
    if (gif.colours.isEmpty() || gif.colours.size() > 256)
        return fail(QStringLiteral("a GIF has 1 to 256 colours, not %1").arg(gif.colours.size()));
    const int bits = tableBits(int(gif.colours.size()));
    std::vector<GifColorType> colours(size_t(1) << bits, GifColorType{0, 0, 0});
    for (int i = 0; i < gif.colours.size(); ++i) {
        const QRgb c = gif.colours[i];
        colours[size_t(i)] = {GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))};
    }

    QByteArray bytes;
    int openError = 0;
    GifFileType *file = EGifOpen(&bytes, appendOutput, &openError);
    if (!file)
        return fail(QStringLiteral("giflib: ") + QString::fromLatin1(GifErrorString(openError)));
    auto giflibFailed = [&](const char *what) {
        const QString why = QStringLiteral("%1 failed: %2").arg(QString::fromLatin1(what),
                                                                QString::fromLatin1(GifErrorString(file->Error)));
        int closeError = 0;
        EGifCloseFile(file, &closeError);
        return fail(why);
    };

    EGifSetGifVersion(file, true);
    ColorMapObject *map = GifMakeMapObject(int(colours.size()), colours.data());
    const int screenOk = EGifPutScreenDesc(file, gif.canvas.width(), gif.canvas.height(), bits,
                                           gif.backgroundIndex, map);
    GifFreeMapObject(map);
    if (screenOk == GIF_ERROR)
        return giflibFailed("screen descriptor");

    if (gif.loopCount >= 0) {
        // NETSCAPE2.0 block: sub-block id 1, then the loop count (0 = for ever).
        const GifByteType loop[3] = {1, GifByteType(gif.loopCount & 0xff), GifByteType((gif.loopCount >> 8) & 0xff)};
        if (EGifPutExtensionLeader(file, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR
            || EGifPutExtensionBlock(file, 11, "NETSCAPE2.0") == GIF_ERROR
            || EGifPutExtensionBlock(file, 3, loop) == GIF_ERROR || EGifPutExtensionTrailer(file) == GIF_ERROR)
            return giflibFailed("loop block");
    }

    std::vector<GifPixelType> row;
    for (const Frame &frame : gif.frames) {
        const QRect &r = frame.rect;
        const qint64 area = qint64(r.width()) * r.height();
        if (frame.indices.size() > area) {
            int closeError = 0;
            EGifCloseFile(file, &closeError);
            return fail(QStringLiteral("%1 indices for a frame of %2").arg(frame.indices.size()).arg(area));
        }
        const QByteArray control = controlBlock(frame);
        if (EGifPutExtension(file, GRAPHICS_EXT_FUNC_CODE, int(control.size()), control.constData()) == GIF_ERROR)
            return giflibFailed("frame control");
        const bool giflibCanWrite = fitsWord(r.x()) && fitsWord(r.y()) && fitsWord(r.width())
            && fitsWord(r.height()) && area > 0 && frame.indices.size() == area;
        if (!giflibCanWrite) {
            bytes += shortFrame(frame, bits);
            continue;
        }
        if (EGifPutImageDesc(file, r.x(), r.y(), r.width(), r.height(), false, nullptr) == GIF_ERROR)
            return giflibFailed("image descriptor");
        // giflib masks the indices in place, so it gets a copy of each row.
        row.resize(size_t(r.width()));
        for (int y = 0; y < r.height(); ++y) {
            const char *from = frame.indices.constData() + qint64(y) * r.width();
            std::copy(from, from + r.width(), row.begin());
            if (EGifPutLine(file, row.data(), r.width()) == GIF_ERROR)
                return giflibFailed("pixel data");
        }
    }
    int closeError = 0;
    if (EGifCloseFile(file, &closeError) == GIF_ERROR)
        return fail(QStringLiteral("closing: ") + QString::fromLatin1(GifErrorString(closeError)));
    return bytes;
}

QVector<QRgb> buildPalette(const std::vector<QImage> &frames, int maxColours)
{
    std::map<QRgb, qint64> counts; // ordered, so the result never depends on hashing
    for (const QImage &frame : frames) {
        const QImage img = frame.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < img.height(); ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
            for (int x = 0; x < img.width(); ++x)
                if (opaque(line[x]))
                    ++counts[notWhite(line[x] | 0xff000000u)];
        }
    }
    QVector<QRgb> palette;
    if (int(counts.size()) <= maxColours) {
        for (const auto &entry : counts)
            palette.append(entry.first);
        return palette;
    }
    std::vector<Box> boxes(1);
    for (const auto &entry : counts)
        boxes[0].entries.push_back({entry.first, entry.second});
    while (int(boxes.size()) < maxColours) {
        // Split the box with the widest spread of colour at its weighted median.
        int pick = -1, pickRange = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            if (boxes[i].entries.size() < 2)
                continue;
            const int r = boxes[i].range();
            if (r > pickRange) {
                pickRange = r;
                pick = i;
            }
        }
        if (pick < 0)
            break;
        Box &box = boxes[pick];
        const int ch = box.widestChannel();
        std::sort(box.entries.begin(), box.entries.end(), [ch](const ColourCount &a, const ColourCount &b) {
            const int ca = channel(a.colour, ch), cb = channel(b.colour, ch);
            return ca != cb ? ca < cb : a.colour < b.colour;
        });
        qint64 total = 0;
        for (const ColourCount &e : box.entries)
            total += e.count;
        qint64 running = 0;
        size_t cut = 1;
        for (size_t i = 0; i + 1 < box.entries.size(); ++i) {
            running += box.entries[i].count;
            cut = i + 1;
            if (running * 2 >= total)
                break;
        }
        Box upper;
        upper.entries.assign(box.entries.begin() + long(cut), box.entries.end());
        box.entries.resize(cut);
        boxes.push_back(std::move(upper));
    }
    for (const Box &box : boxes)
        palette.append(notWhite(box.average()));
    return palette;
}

Gif animationGif(const Animation &animation, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return Gif();
    };
    if (animation.frames.empty())
        return fail(QStringLiteral("no frames"));
    Gif gif;
    gif.canvas = animation.frames.front().size();
    gif.loopCount = animation.loopCount;
    const bool reduced = animation.colours == Colours::Reduced;
    if (reduced) {
        gif.colours = buildPalette(animation.frames);
        gif.colours.prepend(qRgb(255, 255, 255));
    } else {
        gif.colours = {qRgb(0, 0, 0)};
    }

    QHash<QRgb, int> lookup;
    for (const QImage &source : animation.frames) {
        const QImage image = source.convertToFormat(QImage::Format_ARGB32);
        Frame frame;
        frame.rect = QRect(QPoint(0, 0), gif.canvas);
        frame.delayCs = animation.delayCs;
        frame.transparentIndex = 0;
        frame.disposal = Disposal::Background;
        frame.indices = QByteArray(gif.canvas.width() * gif.canvas.height(), char(0));
        const int width = std::min(image.width(), gif.canvas.width());
        const int height = std::min(image.height(), gif.canvas.height());
        for (int y = 0; y < height; ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            char *to = frame.indices.data() + qint64(y) * gif.canvas.width();
            for (int x = 0; x < width; ++x) {
                if (!opaque(line[x]))
                    continue;
                const QRgb c = reduced ? notWhite(line[x] | 0xff000000u) : (line[x] | 0xff000000u);
                auto it = lookup.constFind(c);
                if (it == lookup.constEnd()) {
                    if (reduced) {
                        it = lookup.insert(c, nearest(gif.colours, c));
                    } else {
                        if (gif.colours.size() == 256)
                            return fail(QStringLiteral("more than 255 colours"));
                        it = lookup.insert(c, int(gif.colours.size()));
                        gif.colours.append(c);
                    }
                }
                to[x] = char(it.value());
            }
        }
        gif.frames.push_back(std::move(frame));
    }
    return gif;
}

QString writeFile(const QString &path, const QByteArray &bytes)
{
    // Readable by everyone and writable by its owner, as installed data is,
    // rather than whatever a library's default would be.
    const QByteArray nativePath = QFile::encodeName(path);
    const int fd = ::open(nativePath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return QStringLiteral("cannot create ") + path;
    qint64 written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        written += n;
    }
    if (::close(fd) != 0 || written != bytes.size()) {
        QFile::remove(path);
        return QStringLiteral("cannot write ") + path;
    }
    return QString();
}

QString writeAnimation(const QString &path, const Animation &animation)
{
    QString error;
    const Gif gif = animationGif(animation, &error);
    if (!error.isEmpty())
        return path + QStringLiteral(": ") + error;
    const QByteArray bytes = encode(gif, &error);
    if (bytes.isEmpty())
        return path + QStringLiteral(": ") + error;
    return writeFile(path, bytes);
}

} // namespace vudgif
