#include "editor/logic/puzzlesave.h"

#include "core/coordinates.h"
#include "core/datapaths.h"
#include "core/random.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <climits>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace Editor {

namespace {

// The longest file name most file systems take, in bytes.
#ifdef NAME_MAX
constexpr int kLongestFileName = NAME_MAX;
#else
constexpr int kLongestFileName = 255;
#endif

} // namespace

QString defaultPuzzleName(vud::RandomSource &random)
{
    const int number = static_cast<int>(random.nextFraction() * 1000) + 100;
    return QString::number(number) + QStringLiteral("dibujo");
}

bool isUsablePuzzleName(const QString &name)
{
    // A name starting with a dot makes a hidden file, which neither program
    // lists: the puzzle would be saved and never seen.
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            return false;
    }
    // Unpaired surrogates cannot be written as a file name.
    if (QString::fromUtf8(name.toUtf8()) != name)
        return false;
    return QFile::encodeName(name + QStringLiteral(".bmp")).size() <= kLongestFileName;
}

QString puzzlePicturePath(const QString &name)
{
    return vud::writableDataPath(QStringLiteral("\\imagenes\\")) + name + QStringLiteral(".bmp");
}

QString puzzleCoordinatesPath(const QString &name)
{
    return vud::writableDataPath(QStringLiteral("\\coordenadas\\")) + name + QStringLiteral(".txt");
}

namespace {

// A picture's name without its extension: what is left before the last dot,
// or the whole name when it has none.
QString withoutExtension(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? fileName.left(dot) : fileName;
}

} // namespace

bool puzzleExists(const QString &name)
{
    for (const QString &folder : vud::dataFolders()) {
        if (vud::fileExistsIgnoringCase(folder + QStringLiteral("/coordenadas/") + name + QStringLiteral(".txt")))
            return true;
        for (const QString &picture : vud::listFiles(folder + QStringLiteral("/imagenes"))) {
            if (withoutExtension(picture).compare(name, Qt::CaseInsensitive) == 0)
                return true;
        }
    }
    return false;
}

namespace {

// A temporary file beside `finalPath`. Where the system allows, it has no
// name at all until it takes its final one; otherwise, and while the bitmap
// is handed over by name, its name starts with a dot, which neither program
// lists. Either way a save killed half-way leaves nothing that is offered as
// a picture or read as a coordinates file.
bool openTemporaryBeside(QTemporaryFile &file, const QString &finalPath)
{
    file.setFileTemplate(QFileInfo(finalPath).absolutePath() + QStringLiteral("/.vud-save-XXXXXX"));
    if (!file.open())
        return false;
    // A temporary file is private to its owner; a puzzle is an ordinary file,
    // made as the user's file-creation mask says.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return ::fchmod(file.handle(), 0666 & ~mask) == 0;
}

// Writes everything out and onto the disk, so that the rename that follows
// never exposes a file whose bytes are not all there.
bool finish(QTemporaryFile &file)
{
    return file.flush() && file.error() == QFileDevice::NoError && ::fsync(file.handle()) == 0;
}

} // namespace

bool replaceFile(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

SaveOutcome savePuzzle(const QString &name, const QImage &picture, const QStringList &lines,
                       const FileReplacer &replace)
{
    if (!isUsablePuzzleName(name))
        return SaveOutcome::BadName;
    if (puzzleExists(name))
        return SaveOutcome::AlreadyExists;
    if (picture.isNull() || !vud::makeUserDataFolders())
        return SaveOutcome::Failed;
    const QString coordinatesPath = puzzleCoordinatesPath(name);
    const QString picturePath = puzzlePicturePath(name);

    // Both files are written whole before either takes its name; the
    // temporary files remove themselves on every way out but success.
    QTemporaryFile bitmap;
    if (!openTemporaryBeside(bitmap, picturePath))
        return SaveOutcome::Failed;
    const QImage opaque = picture.convertToFormat(QImage::Format_RGB32);
    if (!opaque.save(&bitmap, "BMP") || !finish(bitmap))
        return SaveOutcome::Failed;
    QTemporaryFile coordinates;
    if (!openTemporaryBeside(coordinates, coordinatesPath))
        return SaveOutcome::Failed;
    const QByteArray content = vud::coordinatesFileBytes(lines);
    if (coordinates.write(content) != content.size() || !finish(coordinates))
        return SaveOutcome::Failed;

    // The picture first, then its coordinates file. Cut off between the two
    // steps, the folder holds the new picture without a coordinates file
    // (the game reveals it with the default drawing); never a coordinates
    // file whose picture is missing.
    if (!replace(bitmap.fileName(), picturePath))
        return SaveOutcome::Failed;
    bitmap.setAutoRemove(false);
    // Renaming a temporary file never replaces an existing file: one that
    // appeared since the test above is someone else's and stays as it is.
    if (!coordinates.rename(coordinatesPath))
        return QFileInfo::exists(coordinatesPath) ? SaveOutcome::AlreadyExists : SaveOutcome::Failed;
    coordinates.setAutoRemove(false);
    return SaveOutcome::Saved;
}

QString saveMessage(SaveOutcome outcome)
{
    switch (outcome) {
    case SaveOutcome::Saved:
        return QString();
    case SaveOutcome::BadName:
        return QCoreApplication::translate("Editor::PuzzleSave", "Ese nombre no sirve para un archivo.");
    case SaveOutcome::AlreadyExists:
        return QCoreApplication::translate("Editor::PuzzleSave", "Ya existe un puzzle con ese nombre.");
    case SaveOutcome::Failed:
        return QCoreApplication::translate("Editor::PuzzleSave", "No se ha podido guardar el puzzle.");
    }
    return QString();
}

} // namespace Editor
