#include "puzzlefile/puzzleimport.h"

#include "core/datapaths.h"
#include "core/picturefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QSet>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace vud {

namespace {

// Every name in a data folder's literal folder across the data folders,
// case-folded: files, folders and hidden entries alike, any of which takes
// the name.
QSet<QString> takenNames(const QString &literal)
{
    QSet<QString> names;
    for (const QString &folder : dataFolders()) {
        const QDir dir(folder + toPlatformPath(literal));
        for (const QString &name : dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
            names.insert(name.toCaseFolded());
    }
    return names;
}

// name, or else "stem_2.ext", "stem_3.ext"... the first that `isFree` takes.
QString freeName(const QString &name, const std::function<bool(const QString &)> &isFree)
{
    if (isFree(name))
        return name;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString suffix = dot > 0 ? name.mid(dot) : QString();
    for (int n = 2; n < 100000; ++n) {
        const QString candidate = stem + QLatin1Char('_') + QString::number(n) + suffix;
        if (QFile::encodeName(candidate).size() <= kPuzzleFileLongestFileName && isFree(candidate))
            return candidate;
    }
    return QString();
}

std::optional<QByteArray> fileBytes(const QString &path, qint64 most)
{
    QFile file;
    if (path.isEmpty() || !openRegularFile(file, path) || file.size() > most)
        return std::nullopt;
    QByteArray bytes = file.read(most + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > most)
        return std::nullopt;
    return bytes;
}

bool sameBytes(const QString &path, const QByteArray &bytes)
{
    if (!isRegularFile(path) || QFileInfo(path).size() != bytes.size())
        return false;
    const auto there = fileBytes(path, bytes.size());
    return there && *there == bytes;
}

bool writeNew(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    return file.write(bytes) == bytes.size() && file.flush() && ::fsync(file.handle()) == 0;
}

// Moves a finished file to its final name, never over a file of that name.
bool moveNew(const QString &from, const QString &to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without the flag: a hard link never replaces either.
    if (::link(source.constData(), target.constData()) != 0)
        return false;
    ::unlink(source.constData());
    return true;
}

PuzzleImport refused(PuzzleFileError error, const QString &detail = QString())
{
    PuzzleImport result;
    result.error = error;
    result.detail = detail;
    return result;
}

// The first data folder's picture of that name, case ignored: the one the
// gallery shows.
QString shownPicture(const QString &name)
{
    for (const QString &folder : dataFolders()) {
        const QString found = findFileIgnoringCase(folder + QStringLiteral("/imagenes/") + name);
        if (!found.isEmpty())
            return found;
    }
    return QString();
}

PuzzleImport importArchive(const PuzzleArchive &archive)
{
    const QString destination = writableDataFolder();
    if (destination.isEmpty() || !makeUserDataFolders())
        return refused(PuzzleFileError::WriteFailed);
    for (const char *folder : {"imagenes", "gifs", "coordenadas"}) {
        if (!QDir().mkpath(destination + QLatin1Char('/') + QLatin1String(folder)))
            return refused(PuzzleFileError::WriteFailed);
    }

    // Unpacked and checked in a hidden folder of the data folder, on the
    // same file system as the final places, so that each file then takes
    // its place in one step.
    QTemporaryDir unpacked(destination + QStringLiteral("/.vud-import-XXXXXX"));
    if (!unpacked.isValid())
        return refused(PuzzleFileError::WriteFailed);
    const QString picturePath = unpacked.filePath(QStringLiteral("p-") + archive.pictureName);
    if (!writeNew(picturePath, archive.picture))
        return refused(PuzzleFileError::WriteFailed);
    if (checkPicture(picturePath, archive.pictureName) != PuzzleFileError::None)
        return refused(PuzzleFileError::BadPicture, archive.pictureName);
    QMap<QString, QString> drawingPaths;
    int index = 0;
    for (auto it = archive.drawings.cbegin(); it != archive.drawings.cend(); ++it) {
        const QString path = unpacked.filePath(QStringLiteral("d-%1.gif").arg(index++));
        if (!writeNew(path, it.value()))
            return refused(PuzzleFileError::WriteFailed);
        if (checkDrawing(path) != PuzzleFileError::None)
            return refused(PuzzleFileError::BadDrawing, it.key());
        drawingPaths.insert(it.key(), path);
    }

    // Each drawing keeps its name when the reveal would find the same file
    // under it, or when the name is free; otherwise it takes a free one.
    QSet<QString> takenDrawings = takenNames(QStringLiteral("\\gifs"));
    QMap<QString, QString> drawingNames;
    QStringList drawingsToWrite;
    bool renamed = false;
    for (auto it = archive.drawings.cbegin(); it != archive.drawings.cend(); ++it) {
        if (sameBytes(findDataPath(QStringLiteral("\\gifs\\"), it.key()), it.value())) {
            drawingNames.insert(it.key(), it.key());
            continue;
        }
        const QString name = freeName(it.key(), [&](const QString &candidate) {
            return !takenDrawings.contains(candidate.toCaseFolded());
        });
        if (name.isEmpty())
            return refused(PuzzleFileError::WriteFailed);
        takenDrawings.insert(name.toCaseFolded());
        renamed = renamed || name != it.key();
        drawingNames.insert(it.key(), name);
        drawingsToWrite << it.key();
    }
    QByteArray coordinates = archive.coordinates;
    if (renamed) {
        QStringList lines;
        for (const DrawingPlacement &placement : archive.placements)
            lines << coordinatesLine(drawingNames.value(placement.name), placement.x, placement.y);
        coordinates = coordinatesFileBytes(lines);
    }

    // The same puzzle under the same name is already there.
    PuzzleImport result;
    result.outcome = ImportOutcome::Imported;
    result.pictureName = archive.pictureName;
    bool writePicture = true;
    const QString shown = shownPicture(archive.pictureName);
    if (!shown.isEmpty() && sameBytes(shown, archive.picture)) {
        const QString shownName = QFileInfo(shown).fileName();
        const QString shownCoordinates = findFileIgnoringCase(coordinatesPathFor(shownName, shown));
        if (shownCoordinates.isEmpty() ? !archive.hasCoordinates
                                       : archive.hasCoordinates && sameBytes(shownCoordinates, coordinates)) {
            writePicture = false;
            result.pictureName = shownName;
        }
    }
    if (writePicture) {
        // A name is taken by a picture of that name, and by a coordinates
        // file (or another picture's) that the new picture would find as
        // its own.
        const QSet<QString> takenPictures = takenNames(QStringLiteral("\\imagenes"));
        QSet<QString> takenCoordinates = takenNames(QStringLiteral("\\coordenadas"));
        for (const QString &picture : takenPictures)
            takenCoordinates.insert(coordinatesFileName(picture).toCaseFolded());
        result.pictureName = freeName(archive.pictureName, [&](const QString &candidate) {
            return !takenPictures.contains(candidate.toCaseFolded())
                && !takenCoordinates.contains(coordinatesFileName(candidate).toCaseFolded());
        });
        if (result.pictureName.isEmpty())
            return refused(PuzzleFileError::WriteFailed);
    }
    if (!writePicture && drawingsToWrite.isEmpty()) {
        result.outcome = ImportOutcome::AlreadyThere;
        return result;
    }

    // Into place: the drawings, then the picture, then its coordinates file,
    // as a save does, so that a coordinates file never names a drawing or a
    // picture that is not there yet.
    QString coordinatesPath;
    if (writePicture && archive.hasCoordinates) {
        coordinatesPath = unpacked.filePath(QStringLiteral("c.txt"));
        if (!writeNew(coordinatesPath, coordinates))
            return refused(PuzzleFileError::WriteFailed);
    }
    QStringList moved;
    auto place = [&](const QString &from, const QString &to) {
        if (!moveNew(from, to))
            return false;
        moved << to;
        return true;
    };
    bool ok = true;
    for (const QString &drawing : std::as_const(drawingsToWrite))
        ok = ok && place(drawingPaths.value(drawing), destination + QStringLiteral("/gifs/") + drawingNames.value(drawing));
    if (writePicture) {
        ok = ok && place(picturePath, destination + QStringLiteral("/imagenes/") + result.pictureName);
        if (archive.hasCoordinates)
            ok = ok && place(coordinatesPath, destination + QStringLiteral("/coordenadas/")
                                                  + coordinatesFileName(result.pictureName));
    }
    if (!ok) {
        for (const QString &path : std::as_const(moved))
            QFile::remove(path);
        return refused(PuzzleFileError::WriteFailed);
    }
    return result;
}

} // namespace

bool isPuzzleFileName(const QString &path)
{
    return path.endsWith(QLatin1String(kPuzzleFileSuffix), Qt::CaseInsensitive);
}

PuzzleImport importPuzzleFile(const QString &archivePath)
{
    const PuzzleFileRead read = readPuzzleFile(archivePath);
    if (read.error != PuzzleFileError::None)
        return refused(read.error, read.detail);
    return importArchive(read.archive);
}

bool isImportableFile(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    return !name.startsWith(QLatin1Char('.')) && (isPuzzleFileName(name) || !pictureFormatFor(name).isEmpty());
}

QStringList importableFiles(const QMimeData &data)
{
    QStringList files;
    for (const QUrl &url : data.urls()) {
        if (url.isLocalFile() && isImportableFile(url.toLocalFile()))
            files << url.toLocalFile();
    }
    return files;
}

PuzzleImport importFile(const QString &path)
{
    return isPuzzleFileName(path) ? importPuzzleFile(path) : importPictureFile(path);
}

PuzzleImport importPictureFile(const QString &picturePath)
{
    PuzzleArchive archive;
    archive.pictureName = QFileInfo(picturePath).fileName();
    if (archive.pictureName.startsWith(QLatin1Char('.')) || pictureFormatFor(archive.pictureName).isEmpty())
        return refused(PuzzleFileError::BadPicture, archive.pictureName);
    const auto bytes = fileBytes(picturePath, kPuzzleFileMostEntryBytes);
    if (!bytes)
        return refused(PuzzleFileError::Unreadable);
    archive.picture = *bytes;
    return importArchive(archive);
}

} // namespace vud
