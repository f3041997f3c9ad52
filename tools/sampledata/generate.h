// Writes the whole sample data set below a program folder.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace sd {

// The folders below the program folder, as the programs name them.
extern const char *const kPicturesFolder;    // "imagenes"
extern const char *const kDrawingsFolder;    // "gifs"
extern const char *const kSoundsFolder;      // "sonidos"
extern const char *const kCoordinatesFolder; // "coordenadas"

struct Placement
{
    const char *drawing;
    int x;
    int y;
};

// The picture that comes with a coordinates file, and its drawings.
QString placedPicture();
const std::vector<Placement> &placements();

// The coordinates file name for a picture: its name without the last four
// characters, plus ".txt".
QString coordinatesFileName(const QString &pictureName);

// The file's bytes: one "name,x,y," line per drawing, each ended by CR LF.
QByteArray coordinatesFile(const std::vector<Placement> &lines);

// Generates everything. Returns the problems met; empty when all went well.
QStringList generateSampleData(const QString &programFolder);

} // namespace sd
