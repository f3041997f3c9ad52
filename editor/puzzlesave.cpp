#include "puzzlesave.h"

#include "coordinates.h"
#include "datapaths.h"
#include "random.h"

#include <QFile>
#include <QSaveFile>

#include <climits>

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

bool puzzleExists(const QString &name)
{
    for (const QString &folder : vud::dataFolders()) {
        if (vud::fileExistsIgnoringCase(folder + QStringLiteral("/coordenadas/") + name + QStringLiteral(".txt")))
            return true;
    }
    return false;
}

SaveOutcome savePuzzle(const QString &name, const QImage &picture, const QStringList &lines)
{
    if (!isUsablePuzzleName(name))
        return SaveOutcome::BadName;
    if (puzzleExists(name))
        return SaveOutcome::AlreadyExists;
    if (picture.isNull() || !vud::makeUserDataFolders())
        return SaveOutcome::Failed;
    const QString coordinatesPath = puzzleCoordinatesPath(name);

    // The bitmap waits in a temporary file until the coordinates file is in
    // place, so a failure at any step leaves an older picture untouched.
    // A picture of that name in other letter case is the one replaced:
    // names are told apart without regard to case, so two would be one
    // puzzle twice, both finding the new coordinates file.
    QString picturePath = vud::findFileIgnoringCase(puzzlePicturePath(name));
    if (picturePath.isEmpty())
        picturePath = puzzlePicturePath(name);
    QSaveFile bitmap(picturePath);
    bitmap.setDirectWriteFallback(false);
    if (!bitmap.open(QIODevice::WriteOnly))
        return SaveOutcome::Failed;
    const QImage opaque = picture.convertToFormat(QImage::Format_RGB32);
    if (!opaque.save(&bitmap, "BMP") || bitmap.error() != QFileDevice::NoError) {
        bitmap.cancelWriting();
        return SaveOutcome::Failed;
    }

    switch (vud::writeCoordinatesFile(coordinatesPath, lines)) {
    case vud::WriteOutcome::Written:
        break;
    case vud::WriteOutcome::AlreadyExists:
        // Appeared since the test above: someone else's file, left alone.
        bitmap.cancelWriting();
        return SaveOutcome::AlreadyExists;
    case vud::WriteOutcome::Failed:
        bitmap.cancelWriting();
        return SaveOutcome::Failed;
    }

    if (!bitmap.commit()) {
        QFile::remove(coordinatesPath);
        return SaveOutcome::Failed;
    }
    return SaveOutcome::Saved;
}

QString saveMessage(SaveOutcome outcome)
{
    switch (outcome) {
    case SaveOutcome::Saved:
        return QString();
    case SaveOutcome::BadName:
        return QStringLiteral("Ese nombre no sirve para un archivo.");
    case SaveOutcome::AlreadyExists:
        return QStringLiteral("Ya existe un puzzle con ese nombre.");
    case SaveOutcome::Failed:
        return QStringLiteral("No se ha podido guardar el puzzle.");
    }
    return QString();
}

} // namespace Editor
