#include "check.h"

#include "drawings.h"
#include "generate.h"
#include "pictures.h"

#include <gif_lib.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>

namespace sd {

namespace {

// Below this, two neighbouring pieces are too alike to tell apart.
constexpr double kMinNeighbourDifference = 6.0;

// The piece counts of the selection screen, as columns and rows.
constexpr int kGrids[][2] = {{3, 2}, {4, 3}, {5, 4}, {6, 4}, {7, 5}, {8, 6}, {9, 7}, {10, 7}, {11, 8}, {12, 9}};

// Picture pixels kept clear inside each edge of the visible part: the board
// rounds its grid and the scaled picture to whole screen pixels, and one
// screen pixel is almost three picture pixels on the smallest board.
constexpr int kEdgeMargin = 8;

QStringList filesIn(const QString &folder, const QString &pattern)
{
    return QDir(folder).entryList({pattern}, QDir::Files, QDir::Name);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct GifFacts
{
    int width = 0, height = 0, frames = 0;
    bool loopBlock = false;
    int loopCount = -1;
    QStringList problems;
};

GifFacts inspectGif(const QString &path)
{
    GifFacts facts;
    int error = 0;
    GifFileType *gif = DGifOpenFileName(QFile::encodeName(path).constData(), &error);
    if (!gif) {
        facts.problems << QStringLiteral("%1: not readable (%2)").arg(path, QString::fromLatin1(GifErrorString(error)));
        return facts;
    }
    if (DGifSlurp(gif) == GIF_ERROR) {
        facts.problems << QStringLiteral("%1: damaged (%2)").arg(path, QString::fromLatin1(GifErrorString(gif->Error)));
        DGifCloseFile(gif, &error);
        return facts;
    }
    facts.width = gif->SWidth;
    facts.height = gif->SHeight;
    facts.frames = gif->ImageCount;
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage &image = gif->SavedImages[i];
        for (int b = 0; b + 1 < image.ExtensionBlockCount; ++b) {
            const ExtensionBlock &app = image.ExtensionBlocks[b];
            const ExtensionBlock &sub = image.ExtensionBlocks[b + 1];
            if (app.Function == APPLICATION_EXT_FUNC_CODE && app.ByteCount == 11
                && memcmp(app.Bytes, "NETSCAPE2.0", 11) == 0 && sub.ByteCount == 3 && sub.Bytes[0] == 1) {
                facts.loopBlock = true;
                facts.loopCount = sub.Bytes[1] | (sub.Bytes[2] << 8);
            }
        }
        GraphicsControlBlock gcb;
        if (DGifSavedExtensionToGCB(gif, i, &gcb) == GIF_ERROR) {
            facts.problems << QStringLiteral("%1: frame %2 has no timing block").arg(path).arg(i);
            continue;
        }
        if (gcb.DelayTime < 8 || gcb.DelayTime > 15)
            facts.problems << QStringLiteral("%1: frame %2 delay %3 cs").arg(path).arg(i).arg(gcb.DelayTime);
        if (gcb.TransparentColor == NO_TRANSPARENT_COLOR) {
            facts.problems << QStringLiteral("%1: frame %2 has no transparent colour").arg(path).arg(i);
            continue;
        }
        const ColorMapObject *map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
        const GifImageDesc &d = image.ImageDesc;
        if (!map || d.Left != 0 || d.Top != 0 || d.Width != gif->SWidth || d.Height != gif->SHeight) {
            facts.problems << QStringLiteral("%1: frame %2 does not cover the drawing").arg(path).arg(i);
            continue;
        }
        // The background must be see-through, and the drawing must not rely
        // on pure white, which the editor also treats as see-through.
        int transparent = 0, white = 0;
        const int n = d.Width * d.Height;
        for (int p = 0; p < n; ++p) {
            const int index = image.RasterBits[p];
            if (index == gcb.TransparentColor) {
                ++transparent;
                continue;
            }
            const GifColorType &c = map->Colors[index];
            if (c.Red == 255 && c.Green == 255 && c.Blue == 255)
                ++white;
        }
        const int corners[4] = {0, d.Width - 1, n - d.Width, n - 1};
        for (int corner : corners)
            if (image.RasterBits[corner] != gcb.TransparentColor)
                facts.problems << QStringLiteral("%1: frame %2 corner is not transparent").arg(path).arg(i);
        if (transparent < n * 15 / 100 || transparent > n * 90 / 100)
            facts.problems << QStringLiteral("%1: frame %2 is %3% background").arg(path).arg(i).arg(transparent * 100 / n);
        if (white > 0)
            facts.problems << QStringLiteral("%1: frame %2 has %3 pure white pixels").arg(path).arg(i).arg(white);
    }
    DGifCloseFile(gif, &error);
    return facts;
}

QString describe(const QRect &r)
{
    return QStringLiteral("%1,%2 to %3,%4").arg(r.left()).arg(r.top()).arg(r.right()).arg(r.bottom());
}

} // namespace

QRect visiblePart(QSize picture, int columns, int rows)
{
    // The board scales the picture to cover the grid and cuts what overflows
    // sideways equally from both sides, what overflows vertically one third
    // from the top and two thirds from the bottom: a grid of columns x rows
    // squares shows that part of the picture with the grid's aspect.
    const double scale = std::max(double(columns) / picture.width(), double(rows) / picture.height());
    const double width = columns / scale, height = rows / scale;
    const double left = (picture.width() - width) / 2, top = (picture.height() - height) / 3;
    return QRect(QPoint(int(std::ceil(left)), int(std::ceil(top))),
                 QPoint(int(std::floor(left + width)) - 1, int(std::floor(top + height)) - 1));
}

QRect alwaysVisiblePart(QSize picture)
{
    QRect part(QPoint(0, 0), picture);
    for (const auto &grid : kGrids)
        part &= visiblePart(picture, grid[0], grid[1]);
    return part.adjusted(kEdgeMargin, kEdgeMargin, -kEdgeMargin, -kEdgeMargin);
}

QString checkPlacement(const QString &what, const QRect &area, QSize picture)
{
    if (area.isEmpty())
        return what + QStringLiteral(" is empty");
    if (!QRect(QPoint(0, 0), picture).contains(area))
        return QStringLiteral("%1 at %2 reaches outside the %3 x %4 picture")
            .arg(what, describe(area)).arg(picture.width()).arg(picture.height());
    const QRect visible = alwaysVisiblePart(picture);
    if (!visible.contains(area))
        return QStringLiteral("%1 at %2 is cut at some piece counts (every board shows %3)")
            .arg(what, describe(area), describe(visible));
    return QString();
}

double smallestNeighbourDifference(const QImage &picture, int columns, int rows)
{
    const QImage img = picture.convertToFormat(QImage::Format_RGB32);
    const int pw = img.width() / columns, ph = img.height() / rows;
    auto difference = [&](int c1, int r1, int c2, int r2) {
        qint64 sum = 0, count = 0;
        for (int y = 0; y < ph; y += 2) {
            const QRgb *a = reinterpret_cast<const QRgb *>(img.constScanLine(r1 * ph + y)) + c1 * pw;
            const QRgb *b = reinterpret_cast<const QRgb *>(img.constScanLine(r2 * ph + y)) + c2 * pw;
            for (int x = 0; x < pw; x += 2) {
                sum += std::abs(qRed(a[x]) - qRed(b[x])) + std::abs(qGreen(a[x]) - qGreen(b[x]))
                    + std::abs(qBlue(a[x]) - qBlue(b[x]));
                count += 3;
            }
        }
        return double(sum) / double(count);
    };
    double smallest = 1e9;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            if (c + 1 < columns)
                smallest = std::min(smallest, difference(c, r, c + 1, r));
            if (r + 1 < rows)
                smallest = std::min(smallest, difference(c, r, c, r + 1));
        }
    return smallest;
}

QStringList checkPictures(const QString &programFolder)
{
    QStringList problems;
    const QString folder = QDir(programFolder).filePath(QLatin1String(kPicturesFolder));
    const QStringList names = QDir(folder).entryList(QDir::Files, QDir::Name);
    if (names.size() < 12)
        problems << QStringLiteral("only %1 pictures").arg(names.size());
    int bitmaps = 0;
    for (const QString &name : names) {
        const QString path = QDir(folder).filePath(name);
        if (name != name.toLower())
            problems << name + QStringLiteral(": name is not lower case");
        const QString suffix = QFileInfo(name).suffix();
        if (suffix.size() != 3)
            problems << name + QStringLiteral(": extension is not three letters");
        if (suffix == QLatin1String("bmp")) {
            ++bitmaps;
            const QByteArray head = readAll(path).left(54);
            if (head.size() < 54 || !head.startsWith("BM") || qFromLittleEndian<quint16>(head.constData() + 28) != 24)
                problems << name + QStringLiteral(": not a 24-bit Windows bitmap");
        }
        const QImage image(path);
        if (image.isNull()) {
            problems << name + QStringLiteral(": cannot be read");
            continue;
        }
        if (image.width() < 1600 || image.height() < 1200)
            problems << QStringLiteral("%1: only %2 x %3").arg(name).arg(image.width()).arg(image.height());
        const double difference = smallestNeighbourDifference(image);
        if (difference < kMinNeighbourDifference)
            problems << QStringLiteral("%1: neighbouring puzzle pieces look alike (%2)").arg(name).arg(difference, 0, 'f', 1);
    }
    if (bitmaps == 0)
        problems << QStringLiteral("no .bmp picture");
    // Each scene's subject must show whole at every piece count.
    for (const PictureRecipe &recipe : pictureRecipes()) {
        if (!names.contains(recipe.fileName)) {
            problems << recipe.fileName + QStringLiteral(": missing");
            continue;
        }
        const QSize size = QImageReader(QDir(folder).filePath(recipe.fileName)).size();
        if (!size.isValid())
            continue; // reported above
        const QString problem = checkPlacement(recipe.fileName + QStringLiteral(": the subject"),
                                               subjectBounds(recipe), size);
        if (!problem.isEmpty())
            problems << problem;
    }
    return problems;
}

QStringList checkDrawings(const QString &programFolder)
{
    QStringList problems;
    const QString folder = QDir(programFolder).filePath(QLatin1String(kDrawingsFolder));
    const QStringList names = filesIn(folder, QStringLiteral("*.gif"));
    if (names.size() < 10)
        problems << QStringLiteral("only %1 drawings").arg(names.size());
    for (const char *needed : {"inicio.gif", "x_elmani.gif"})
        if (!names.contains(QLatin1String(needed)))
            problems << QStringLiteral("missing ") + QLatin1String(needed);
    int playOnce = 0;
    for (const QString &name : names) {
        const GifFacts facts = inspectGif(QDir(folder).filePath(name));
        problems << facts.problems;
        if (facts.frames < 4 || facts.frames > 12)
            problems << QStringLiteral("%1: %2 frames").arg(name).arg(facts.frames);
        if (facts.loopBlock && facts.loopCount != 0)
            problems << QStringLiteral("%1: loops %2 times instead of for ever").arg(name).arg(facts.loopCount);
        if (!facts.loopBlock)
            ++playOnce;
        if (name == QLatin1String("inicio.gif")) {
            if (!facts.loopBlock)
                problems << QStringLiteral("inicio.gif must loop for ever");
            if (std::abs(facts.width - 137) > 10 || std::abs(facts.height - 113) > 10)
                problems << QStringLiteral("inicio.gif is %1 x %2").arg(facts.width).arg(facts.height);
        } else if (facts.width < 48 || facts.width > 96 || facts.width != facts.height) {
            problems << QStringLiteral("%1: %2 x %3 is not a small square").arg(name).arg(facts.width).arg(facts.height);
        }
    }
    if (playOnce < 1 || playOnce > 2)
        problems << QStringLiteral("%1 drawings play once; expected one or two").arg(playOnce);

    // The editor lists the drawings of the first subfolder.
    const QStringList subfolders = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    if (subfolders.isEmpty()) {
        problems << QStringLiteral("no drawing subfolder");
    } else {
        const QString sub = QDir(folder).filePath(subfolders.first());
        const QStringList subNames = filesIn(sub, QStringLiteral("*.gif"));
        if (subNames.size() < 3)
            problems << QStringLiteral("only %1 drawings in %2").arg(subNames.size()).arg(subfolders.first());
        for (const QString &name : subNames)
            problems << inspectGif(QDir(sub).filePath(name)).problems;
    }
    return problems;
}

QStringList checkSounds(const QString &programFolder)
{
    QStringList problems;
    const QString folder = QDir(programFolder).filePath(QLatin1String(kSoundsFolder));
    // Expected length of each sound in seconds.
    const std::map<QString, double> expected = {
        {QStringLiteral("inicio.wav"), 0.8},     {QStringLiteral("2.wav"), 0.15},
        {QStringLiteral("4.wav"), 0.25},         {QStringLiteral("principio.wav"), 0.12},
        {QStringLiteral("fin.wav"), 0.12},       {QStringLiteral("acabado.wav"), 1.5},
    };
    for (const auto &[name, seconds] : expected) {
        const QByteArray wav = readAll(QDir(folder).filePath(name));
        const char *d = wav.constData();
        if (wav.size() < 44 || !wav.startsWith("RIFF") || wav.mid(8, 8) != "WAVEfmt " || wav.mid(36, 4) != "data") {
            problems << name + QStringLiteral(": not a plain WAV file");
            continue;
        }
        const quint32 riffSize = qFromLittleEndian<quint32>(d + 4);
        const quint16 format = qFromLittleEndian<quint16>(d + 20), channels = qFromLittleEndian<quint16>(d + 22);
        const quint32 rate = qFromLittleEndian<quint32>(d + 24), byteRate = qFromLittleEndian<quint32>(d + 28);
        const quint16 align = qFromLittleEndian<quint16>(d + 32), bits = qFromLittleEndian<quint16>(d + 34);
        const quint32 dataSize = qFromLittleEndian<quint32>(d + 40);
        if (format != 1 || channels != 1 || rate != 22050 || bits != 16 || align != 2 || byteRate != 44100)
            problems << name + QStringLiteral(": not 16-bit mono PCM at 22050 Hz");
        if (riffSize != quint32(wav.size() - 8) || dataSize != quint32(wav.size() - 44))
            problems << name + QStringLiteral(": chunk sizes do not match the file");
        const int samples = int(dataSize / 2);
        const double length = samples / 22050.0;
        if (length < seconds * 0.7 || length > seconds * 1.3)
            problems << QStringLiteral("%1: lasts %2 s").arg(name).arg(length, 0, 'f', 2);
        int peak = 0;
        for (int i = 0; i < samples && 44 + 2 * i + 1 < wav.size(); ++i)
            peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(d + 44 + 2 * i))));
        if (peak < 8000 || peak >= 32000)
            problems << QStringLiteral("%1: peak %2 is too quiet or clipping").arg(name).arg(peak);
        if (samples > 0) {
            const int first = std::abs(int(qFromLittleEndian<qint16>(d + 44)));
            const int last = std::abs(int(qFromLittleEndian<qint16>(d + 44 + 2 * (samples - 1))));
            if (first > 600 || last > 600)
                problems << name + QStringLiteral(": starts or ends with a click");
        }
    }
    return problems;
}

QStringList checkCoordinates(const QString &programFolder, const QString &coordinatesFolder)
{
    QStringList problems;
    const QDir root(programFolder);
    const QString folder = coordinatesFolder.isEmpty() ? root.filePath(QLatin1String(kCoordinatesFolder)) : coordinatesFolder;
    const QString pictures = root.filePath(QLatin1String(kPicturesFolder));
    const QString drawings = root.filePath(QLatin1String(kDrawingsFolder));
    const QStringList files = filesIn(folder, QStringLiteral("*.txt"));
    if (files.isEmpty())
        problems << QStringLiteral("no coordinates file");
    QStringList pictureNames = QDir(pictures).entryList(QDir::Files);
    static const QRegularExpression lineForm(QStringLiteral("^([^,\\\\/]+),(\\d+),(\\d+),$"));
    for (const QString &file : files) {
        QString picture;
        for (const QString &name : pictureNames)
            if (coordinatesFileName(name) == file)
                picture = name;
        if (picture.isEmpty()) {
            problems << file + QStringLiteral(": belongs to no picture");
            continue;
        }
        const QSize pictureSize = QImageReader(QDir(pictures).filePath(picture)).size();
        const QByteArray bytes = readAll(QDir(folder).filePath(file));
        if (!bytes.endsWith("\r\n") || bytes.endsWith("\r\n\r\n"))
            problems << file + QStringLiteral(": last line must end with one CR LF");
        QList<QByteArray> lines = bytes.split('\n');
        lines.removeLast(); // what follows the final line feed
        if (lines.size() < 3 || lines.size() > 5)
            problems << QStringLiteral("%1: %2 lines").arg(file).arg(lines.size());
        for (const QByteArray &raw : lines) {
            if (!raw.endsWith('\r')) {
                problems << file + QStringLiteral(": a line does not end with CR LF");
                continue;
            }
            const QString line = QString::fromLatin1(raw.left(raw.size() - 1));
            const QRegularExpressionMatch m = lineForm.match(line);
            if (!m.hasMatch()) {
                problems << QStringLiteral("%1: bad line '%2'").arg(file, line);
                continue;
            }
            const QString drawing = m.captured(1);
            const int x = m.captured(2).toInt(), y = m.captured(3).toInt();
            const QSize gif = QImageReader(QDir(drawings).filePath(drawing)).size();
            if (!gif.isValid()) {
                problems << QStringLiteral("%1: drawing %2 is not in gifs").arg(file, drawing);
                continue;
            }
            // The reveal plays each drawing on the whole picture, so all of it
            // must lie where every board shows the picture.
            const QString problem = checkPlacement(file + QStringLiteral(": ") + drawing, QRect(QPoint(x, y), gif), pictureSize);
            if (!problem.isEmpty())
                problems << problem;
        }
    }
    return problems;
}

QStringList checkSampleData(const QString &programFolder)
{
    return checkPictures(programFolder) + checkDrawings(programFolder) + checkSounds(programFolder)
        + checkCoordinates(programFolder);
}

QStringList checkCatchesFaults(const QString &programFolder)
{
    QStringList problems;
    // The check must pass the data as generated, or the faults below prove
    // nothing.
    for (const QString &problem : checkCoordinates(programFolder))
        problems << QStringLiteral("as generated: ") + problem;

    // The visible part of a 1600 x 1200 picture: a 3 x 2 board cuts 44.4
    // pixels off the top and 88.9 off the bottom, a 10 x 7 board 26.7 and
    // 53.3, a 5 x 4 board 50 off each side.
    const QSize picture(kPictureWidth, kPictureHeight);
    const struct
    {
        int columns, rows;
        QRect visible;
    } parts[] = {
        {3, 2, QRect(QPoint(0, 45), QPoint(1599, 1110))},
        {4, 3, QRect(0, 0, 1600, 1200)},
        {5, 4, QRect(50, 0, 1500, 1200)},
        {10, 7, QRect(QPoint(0, 27), QPoint(1599, 1145))},
    };
    for (const auto &part : parts)
        if (visiblePart(picture, part.columns, part.rows) != part.visible)
            problems << QStringLiteral("a %1 x %2 board shows %3, not %4")
                            .arg(part.columns).arg(part.rows)
                            .arg(describe(visiblePart(picture, part.columns, part.rows)), describe(part.visible));
    if (alwaysVisiblePart(picture) != QRect(QPoint(58, 53), QPoint(1541, 1102)))
        problems << QStringLiteral("every board shows ") + describe(alwaysVisiblePart(picture));

    // Planted drawings, each in place of the sample file's last line; the
    // first is just inside, the others each break one edge.
    QTemporaryDir folder;
    if (!folder.isValid())
        return problems << QStringLiteral("cannot make a temporary folder");
    const struct
    {
        const char *line;
        int problems;
    } planted[] = {
        {"flor.gif,1470,1031,", 0},   // 72 x 72, its last pixels on the margin
        {"flor.gif,1471,1031,", 1},   // one pixel further right
        {"flor.gif,1470,1032,", 1},   // one pixel further down
        {"mariposa.gif,1560,540,", 1}, // past the picture's right edge
        {"flor.gif,420,1150,", 1},     // past the picture's bottom
        {"pajaro.gif,20,300,", 1},     // in the strip a 5 x 4 board cuts off at the left
        {"abeja.gif,800,30,", 1},      // in the strip a 3 x 2 board cuts off at the top
        {"flor.gif,700,1100,", 1},     // in the strip a 3 x 2 board cuts off at the bottom
    };
    const std::vector<Placement> &lines = placements();
    const QString file = QDir(folder.path()).filePath(coordinatesFileName(placedPicture()));
    for (const auto &fault : planted) {
        QSaveFile out(file);
        const QByteArray bytes = coordinatesFile({lines.begin(), lines.end() - 1}) + fault.line + "\r\n";
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
            return problems << QStringLiteral("cannot write ") + file;
        const QStringList found = checkCoordinates(programFolder, folder.path());
        if (found.size() != fault.problems)
            problems << QStringLiteral("the line '%1' gives %2 problems, expected %3: %4")
                            .arg(QLatin1String(fault.line)).arg(found.size()).arg(fault.problems).arg(found.join(QLatin1String("; ")));
    }

    // Subjects reaching into a strip that some board cuts off.
    const struct
    {
        QRect subject;
        bool fits;
    } subjects[] = {
        {QRect(QPoint(58, 53), QPoint(1541, 1102)), true},
        {QRect(QPoint(600, 40), QPoint(1000, 600)), false},   // top, cut by 3 x 2
        {QRect(QPoint(600, 600), QPoint(1000, 1110)), false}, // bottom, cut by 3 x 2
        {QRect(QPoint(40, 300), QPoint(400, 800)), false},    // left, cut by 5 x 4
        {QRect(QPoint(1200, 300), QPoint(1545, 800)), false}, // right, cut by 5 x 4
        {QRect(QPoint(1200, -40), QPoint(1400, 600)), false}, // above the picture
    };
    for (const auto &s : subjects)
        if (checkPlacement(QStringLiteral("a subject"), s.subject, picture).isEmpty() != s.fits)
            problems << QStringLiteral("a subject at %1 is %2").arg(describe(s.subject), s.fits ? QStringLiteral("refused") : QStringLiteral("let through"));
    return problems;
}

QStringList checkSameOutput(const QString &programFolder)
{
    QStringList problems;
    QTemporaryDir again;
    if (!again.isValid())
        return {QStringLiteral("cannot make a temporary folder")};
    problems << generateSampleData(again.path());
    const QDir first(programFolder), second(again.path());
    for (const char *folder : {kPicturesFolder, kDrawingsFolder, kSoundsFolder, kCoordinatesFolder}) {
        QStringList names = QDir(second.filePath(QLatin1String(folder))).entryList(QDir::Files, QDir::Name);
        if (QLatin1String(folder) == QLatin1String(kDrawingsFolder)) {
            for (const QString &name : QDir(second.filePath(QLatin1String(folder) + QLatin1Char('/') + animalFolderName()))
                                           .entryList(QDir::Files, QDir::Name))
                names << animalFolderName() + QLatin1Char('/') + name;
        }
        for (const QString &name : names) {
            const QString relative = QLatin1String(folder) + QLatin1Char('/') + name;
            if (readAll(first.filePath(relative)) != readAll(second.filePath(relative)))
                problems << relative + QStringLiteral(" differs between two runs");
        }
    }
    return problems;
}

} // namespace sd
