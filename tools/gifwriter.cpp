#include "gifwriter.h"

#include <gif_lib.h>

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QHash>

#include <algorithm>
#include <limits>
#include <map>

namespace sd {

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

} // namespace

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

QString writeAnimatedGif(const QString &path, const GifAnimation &animation)
{
    if (animation.frames.empty())
        return QStringLiteral("no frames");
    const int w = animation.frames.front().width(), h = animation.frames.front().height();
    QVector<QRgb> palette = buildPalette(animation.frames);
    palette.prepend(qRgb(255, 255, 255)); // the transparent background
    int bits = 1;
    while ((1 << bits) < palette.size())
        ++bits;
    std::vector<GifColorType> colours(size_t(1) << bits);
    for (int i = 0; i < int(colours.size()); ++i) {
        const QRgb c = i < palette.size() ? palette[i] : qRgb(0, 0, 0);
        colours[size_t(i)] = {GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))};
    }

    // giflib's own file opening creates files readable only by their owner.
    const QByteArray nativePath = QFile::encodeName(path);
    const int fd = ::open(nativePath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return QStringLiteral("cannot create ") + path;
    int error = 0;
    GifFileType *gif = EGifOpenFileHandle(fd, &error);
    if (!gif) {
        ::close(fd);
        return QStringLiteral("giflib cannot open ") + path + QStringLiteral(": ") + QString::fromLatin1(GifErrorString(error));
    }
    auto fail = [&](const char *what) {
        const QString message = QStringLiteral("%1 failed for %2: %3").arg(QString::fromLatin1(what), path,
                                                                              QString::fromLatin1(GifErrorString(gif->Error)));
        int closeError = 0;
        EGifCloseFile(gif, &closeError);
        QFile::remove(path);
        return message;
    };

    EGifSetGifVersion(gif, true);
    ColorMapObject *map = GifMakeMapObject(int(colours.size()), colours.data());
    const int screenOk = EGifPutScreenDesc(gif, w, h, bits, kTransparentIndex, map);
    GifFreeMapObject(map);
    if (screenOk == GIF_ERROR)
        return fail("screen descriptor");

    if (animation.loopForever) {
        // NETSCAPE2.0 block: sub-block id 1, loop count 0 = for ever.
        static const GifByteType loop[3] = {1, 0, 0};
        if (EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR
            || EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0") == GIF_ERROR
            || EGifPutExtensionBlock(gif, 3, loop) == GIF_ERROR || EGifPutExtensionTrailer(gif) == GIF_ERROR)
            return fail("loop block");
    }

    QHash<QRgb, int> lookup;
    std::vector<GifPixelType> row(size_t(w), 0);
    for (const QImage &frame : animation.frames) {
        GraphicsControlBlock gcb;
        gcb.DisposalMode = DISPOSE_BACKGROUND; // clear to transparent before the next frame
        gcb.UserInputFlag = false;
        gcb.DelayTime = animation.delayCs;
        gcb.TransparentColor = kTransparentIndex;
        GifByteType ext[4];
        EGifGCBToExtension(&gcb, ext);
        if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, ext) == GIF_ERROR)
            return fail("frame control");
        if (EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr) == GIF_ERROR)
            return fail("image descriptor");
        const QImage img = frame.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < h; ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
            for (int x = 0; x < w; ++x) {
                if (!opaque(line[x])) {
                    row[size_t(x)] = kTransparentIndex;
                    continue;
                }
                const QRgb c = notWhite(line[x] | 0xff000000u);
                auto it = lookup.constFind(c);
                if (it == lookup.constEnd())
                    it = lookup.insert(c, nearest(palette, c));
                row[size_t(x)] = GifPixelType(it.value());
            }
            if (EGifPutLine(gif, row.data(), w) == GIF_ERROR)
                return fail("pixel data");
        }
    }
    if (EGifCloseFile(gif, &error) == GIF_ERROR) {
        QFile::remove(path);
        return QStringLiteral("closing ") + path + QStringLiteral(": ") + QString::fromLatin1(GifErrorString(error));
    }
    return QString();
}

} // namespace sd
