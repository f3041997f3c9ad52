#include "core/coordinates.h"

#include "core/datapaths.h"
#include "core/picturefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vud {

QString coordinatesFileName(const QString &pictureName)
{
    return pictureName.left(qMax(0, int(pictureName.size()) - 4)) + QStringLiteral(".txt");
}

QString coordinatesPathFor(const QString &pictureName)
{
    return dataPath(QStringLiteral("\\coordenadas\\"), coordinatesFileName(pictureName));
}

QString coordinatesPathFor(const QString &pictureName, const QString &picturePath)
{
    if (isPortableLayout())
        return coordinatesPathFor(pictureName);
    // The picture's imagenes folder sits in the data folder that also holds
    // its coordenadas.
    const QString dataFolder = QFileInfo(QFileInfo(picturePath).absolutePath()).absolutePath();
    return dataFolder + QStringLiteral("/coordenadas/") + coordinatesFileName(pictureName);
}

bool isStorableDrawingName(const QString &drawingName)
{
    return !drawingName.isEmpty() && !drawingName.contains(QLatin1Char(','))
        && !drawingName.contains(QLatin1Char('\r')) && !drawingName.contains(QLatin1Char('\n'));
}

QString coordinatesLine(const QString &drawingName, qint64 x, qint64 y)
{
    return drawingName + QLatin1Char(',') + QString::number(x) + QLatin1Char(',')
        + QString::number(y) + QLatin1Char(',');
}

namespace {

std::optional<int> parseWholeNumber(const QString &text)
{
    // A decimal whole number: an optional sign and digits only, no blanks.
    if (text.isEmpty())
        return std::nullopt;
    int start = (text.at(0) == QLatin1Char('-') || text.at(0) == QLatin1Char('+')) ? 1 : 0;
    if (start == text.size())
        return std::nullopt;
    for (int i = start; i < text.size(); ++i) {
        if (text.at(i) < QLatin1Char('0') || text.at(i) > QLatin1Char('9'))
            return std::nullopt;
    }
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

bool isSafeDrawingName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return false;
    if (name.contains(QChar(0)))
        return false;
    // "C:name" is a drive-relative path on some systems, and ":name" a path
    // into the program's own resources.
    if (name.size() >= 2 && name.at(1) == QLatin1Char(':'))
        return false;
    return !name.startsWith(QLatin1Char(':'));
}

} // namespace

std::optional<DrawingPlacement> parseCoordinatesLine(const QString &line)
{
    const qsizetype first = line.indexOf(QLatin1Char(','));
    if (first < 0)
        return std::nullopt;
    const qsizetype second = line.indexOf(QLatin1Char(','), first + 1);
    if (second < 0)
        return std::nullopt;
    const qsizetype third = line.indexOf(QLatin1Char(','), second + 1);
    if (third < 0)
        return std::nullopt;

    DrawingPlacement placement;
    placement.name = line.left(first);
    const auto x = parseWholeNumber(line.mid(first + 1, second - first - 1));
    const auto y = parseWholeNumber(line.mid(second + 1, third - second - 1));
    if (!x || !y || !isSafeDrawingName(placement.name))
        return std::nullopt;
    placement.x = *x;
    placement.y = *y;
    return placement;
}

std::optional<QVector<DrawingPlacement>> readCoordinates(QIODevice &device)
{
    QVector<DrawingPlacement> placements;
    QByteArray line;
    line.reserve(kLongestCoordinatesLine);
    bool overLong = false; // the line so far was too long: dropped to its end
    bool afterCr = false;  // an LF right after a CR ends no further line
    auto endLine = [&] {
        if (!overLong && !line.isEmpty()) {
            if (auto placement = parseCoordinatesLine(QString::fromLocal8Bit(line)))
                placements.append(*placement);
        }
        // Emptied, not freed: the next line reuses the room.
        line.resize(0);
        overLong = false;
    };

    char chunk[16 * 1024];
    qint64 left = kMostCoordinatesBytes;
    while (left > 0 && placements.size() < kMostDrawings) {
        const qint64 got = device.read(chunk, qMin<qint64>(sizeof chunk, left));
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        left -= got;
        for (qint64 i = 0; i < got && placements.size() < kMostDrawings; ++i) {
            const char c = chunk[i];
            if (c == '\n' || c == '\r') {
                if (!(c == '\n' && afterCr))
                    endLine();
                afterCr = c == '\r';
                continue;
            }
            afterCr = false;
            if (overLong)
                continue;
            if (line.size() == kLongestCoordinatesLine) {
                overLong = true;
                line.resize(0);
                continue;
            }
            line.append(c);
        }
    }
    // The last line needs no line end; one cut off by the byte limit is
    // read as far as it goes (its fields end at commas, so a cut never
    // shortens a number that is taken).
    if (placements.size() < kMostDrawings)
        endLine();
    return placements;
}

std::optional<QVector<DrawingPlacement>> readCoordinatesFile(const QString &fullPath)
{
    const QString found = findFileIgnoringCase(fullPath);
    if (found.isEmpty())
        return std::nullopt;
    QFile file;
    if (!openRegularFile(file, found))
        return std::nullopt;
    return readCoordinates(file);
}

QByteArray coordinatesFileBytes(const QStringList &lines)
{
    QByteArray content;
    for (const QString &line : lines) {
        content += line.toLocal8Bit();
        content += "\r\n";
    }
    return content;
}

WriteOutcome writeCoordinatesFile(const QString &fullPath, const QStringList &lines)
{
    const QString &path = fullPath;
    if (fileExistsIgnoringCase(path))
        return WriteOutcome::AlreadyExists;

    QFile file(path);
    // NewOnly: never open a file that appeared since the test above.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return QFileInfo::exists(path) ? WriteOutcome::AlreadyExists : WriteOutcome::Failed;

    const QByteArray content = coordinatesFileBytes(lines);
    const bool ok = file.write(content) == content.size() && file.flush();
    file.close();
    if (!ok || file.error() != QFileDevice::NoError) {
        QFile::remove(path);
        return WriteOutcome::Failed;
    }
    return WriteOutcome::Written;
}

} // namespace vud
