#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

class QIODevice;

namespace vud {

// The reveal never shows more drawings than this, however long the
// coordinates file: each drawing is a live animation on the board.
constexpr int kMostDrawings = 256;
// A coordinates file is read up to this many bytes, and a line longer than
// kLongestCoordinatesLine bytes is skipped without being kept. A line of the
// longest file name and two 32-bit numbers takes under 300 bytes, so a real
// file of kMostDrawings lines fits many times over.
constexpr qint64 kMostCoordinatesBytes = 256 * 1024;
constexpr int kLongestCoordinatesLine = 4096;

// One line of a coordinates file: a drawing of the gifs folder and the pixel
// position of its top-left corner on the picture.
struct DrawingPlacement
{
    QString name;
    int x = 0;
    int y = 0;

    bool operator==(const DrawingPlacement &other) const
    {
        return name == other.name && x == other.x && y == other.y;
    }
};

// The coordinates file name of a picture: the picture's file name without its
// last four characters, followed by ".txt" (gato.bmp -> gato.txt,
// foto.jpeg -> foto..txt).
QString coordinatesFileName(const QString &pictureName);

// program folder + "\coordenadas\" + coordinatesFileName(pictureName).
QString coordinatesPathFor(const QString &pictureName);

// The coordinates file of the picture at picturePath, listed as pictureName.
// In the portable layout, the one above; once installed, the coordenadas
// folder beside the picture's own imagenes folder, so that a user's puzzle
// finds the user's file and an installed one the installed file.
QString coordinatesPathFor(const QString &pictureName, const QString &picturePath);

// A drawing name a line can carry and give back: not empty, and with no
// comma or line break, which would split the line where the name goes on.
bool isStorableDrawingName(const QString &drawingName);

// name + "," + x + "," + y + "," in plain decimal.
QString coordinatesLine(const QString &drawingName, qint64 x, qint64 y);

// Parses one non-empty line. Fields are split at the first three commas and
// anything after the third is ignored. Lines that cannot be trusted give
// nothing: fewer than three commas, an x or y that is not a decimal whole
// number fitting 32 bits, or a drawing name that could reach outside the gifs
// folder (empty, "." or "..", holding a path separator, or absolute).
std::optional<DrawingPlacement> parseCoordinatesLine(const QString &line);

// Reads the placements of a coordinates file from an open device, line by
// line: a line ends at LF, CR LF or a lone CR. Empty lines are skipped
// wherever they stand, as are untrusted and over-long lines. Stops at
// kMostDrawings placements or after kMostCoordinatesBytes bytes, whichever
// comes first. Nothing when the device fails to read.
std::optional<QVector<DrawingPlacement>> readCoordinates(QIODevice &device);

// Reads a coordinates file found by the existence test. Returns nothing when
// the file does not exist, is no regular file (a FIFO, a device, a link to
// one) or cannot be read.
std::optional<QVector<DrawingPlacement>> readCoordinatesFile(const QString &fullPath);

enum class WriteOutcome {
    Written,       // the file was created and holds every line
    AlreadyExists, // a file of that name (case ignored) exists; it was not touched
    Failed         // the file could not be created or written; nothing is left behind
};

// A coordinates file's bytes: each line followed by CR LF, in the system's
// 8-bit encoding, with no header or trailer.
QByteArray coordinatesFileBytes(const QStringList &lines);

// Creates the coordinates file and writes each line followed by CR LF, with no
// header or trailer. Never opens, replaces or extends an existing file.
WriteOutcome writeCoordinatesFile(const QString &fullPath, const QStringList &lines);

} // namespace vud
