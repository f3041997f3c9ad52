#pragma once

#include "core/coordinates.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QVector>

class QIODevice;

namespace vud {

// A puzzle file (".vud") is a zip archive laid out like a data folder:
// "imagenes/NAME.ext" (the picture), "coordenadas/NAME.txt" (its coordinates
// file, when the puzzle has drawings), "gifs/DRAWING" for every drawing the
// coordinates file names, and a manifest, "vud.txt", of "formato=" and
// "programa=" lines. Any zip tool can make one; the manifest may be left out.

constexpr int kPuzzleFileFormat = 1;
const char *const kPuzzleFileManifest = "vud.txt";
const char *const kPuzzleFileSuffix = ".vud";

// Bounds of what a puzzle file may hold, checked against the archive's own
// sizes before anything is unpacked and again against the bytes actually
// unpacked, so that a small file that unpacks to gigabytes, or thousands of
// entries, is refused at once.
constexpr qint64 kPuzzleFileMostArchiveBytes = 160LL * 1024 * 1024;
constexpr int kPuzzleFileMostEntries = 2 * kMostDrawings + 16;
constexpr qint64 kPuzzleFileMostBytes = 128LL * 1024 * 1024;      // all entries unpacked
constexpr qint64 kPuzzleFileMostEntryBytes = 64LL * 1024 * 1024;  // one entry unpacked
// An entry unpacking to more than kPuzzleFileRatioFloor bytes may be at most
// this many times its packed size. Deflate never packs better than about
// 1032 to 1, and a flat picture saved by the editor as a bitmap comes close
// to that, so the bound lies just above it: what passes it claims a size that
// deflate cannot give, and the size bounds above hold whatever it claims.
constexpr qint64 kPuzzleFileMostRatio = 1100;
constexpr qint64 kPuzzleFileRatioFloor = 1024 * 1024;
// The longest entry name, folder included, and the longest file name in it,
// in bytes of UTF-8.
constexpr int kPuzzleFileLongestEntryName = 300;
constexpr int kPuzzleFileLongestFileName = 255;

enum class PuzzleFileError {
    None,
    Unreadable,     // the file cannot be opened or read
    NotAZip,        // no zip archive
    Damaged,        // truncated, or an entry fails its checksum or cannot be unpacked
    TooLarge,       // past one of the bounds above
    BadEntry,       // a name that is unsafe, duplicated, oddly encoded, a link, a device, or out of the layout
    NewerFormat,    // the manifest names a format this program does not know
    NoPicture,      // no picture, or more than one
    BadPicture,     // the picture is not the picture its name says
    BadDrawing,     // a drawing that is no GIF animation
    MissingDrawing, // the coordinates file names a drawing that is not in the archive
    WriteFailed     // the puzzle file or the imported files could not be written
};

// The message an adult reads for an error; `detail` is the entry concerned.
QString puzzleFileMessage(PuzzleFileError error, const QString &detail = QString());

// A puzzle file read whole: every entry it imports, with its bytes.
struct PuzzleArchive
{
    QString pictureName;
    QByteArray picture;
    bool hasCoordinates = false;
    QByteArray coordinates;
    QVector<DrawingPlacement> placements;
    // The drawings the placements name, by name; drawings named by no
    // placement are left out.
    QMap<QString, QByteArray> drawings;
    int format = kPuzzleFileFormat;
    QString program;
};

struct PuzzleFileRead
{
    PuzzleFileError error = PuzzleFileError::None;
    QString detail;
    PuzzleArchive archive;
};

// Reads a puzzle file from a device holding the whole archive and checks its
// layout and bounds; the pictures and drawings are not decoded here
// (checkPuzzleFiles does it once they are on disk). Never reads past the
// bounds, whatever the archive claims.
PuzzleFileRead readPuzzleFile(QIODevice &device);

// The same for a regular file (never a FIFO, a device or a link to one).
PuzzleFileRead readPuzzleFile(const QString &path);

// The picture format a picture file name's suffix stands for, as Qt's
// readers name it ("jpeg" for .jpg and .jpeg); empty for a suffix no reader
// of the programs takes.
QByteArray pictureFormatFor(const QString &pictureName);

// Checks unpacked files through the core's bounded readers: the picture's
// content is the format its suffix names and decodes; each drawing is a GIF
// whose first frame decodes. `detail` names the file at fault.
PuzzleFileError checkPicture(const QString &path, const QString &name);
PuzzleFileError checkDrawing(const QString &path);

// Writes the puzzle of the picture at picturePath (listed as pictureName in
// imagenes) to a puzzle file: the picture, its coordinates file when it has
// one, and every drawing that file names, found as the reveal finds them.
// The file is written whole under a temporary name and then replaces
// `destination`. `detail` names a missing file.
struct PuzzleFileWrite
{
    PuzzleFileError error = PuzzleFileError::None;
    QString detail;
};
PuzzleFileWrite writePuzzleFile(const QString &picturePath, const QString &pictureName,
                                const QString &destination);

// The archive's bytes for the given entries, in order (tests and the seed
// generator build archives with it).
QByteArray zipBytes(const QVector<QPair<QString, QByteArray>> &entries);

} // namespace vud
