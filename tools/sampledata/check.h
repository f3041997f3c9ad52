// Checks a generated data set the way the game and the editor will use it.
// The build runs this right after generating, so a broken data set fails the
// build instead of failing in front of a child.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

namespace sd {

// The smallest difference between neighbouring pieces when the picture is cut
// into a 12 x 9 puzzle: the mean absolute difference of the pieces' pixels,
// per colour channel (0..255). Low values mean pieces that look alike.
double smallestNeighbourDifference(const QImage &picture, int columns = 12, int rows = 9);

// The part of a picture that a board of columns x rows pieces shows.
QRect visiblePart(QSize picture, int columns, int rows);
// The part that every board shows, whatever the piece count, less a margin
// for the board's rounding.
QRect alwaysVisiblePart(QSize picture);
// Empty when area lies inside that part; otherwise the problem, naming what.
QString checkPlacement(const QString &what, const QRect &area, QSize picture);

// Each check returns the problems found; an empty list means all is well.
QStringList checkPictures(const QString &programFolder);
QStringList checkDrawings(const QString &programFolder);
QStringList checkSounds(const QString &programFolder);
// Reads the coordinates files of coordinatesFolder, by default the program
// folder's own.
QStringList checkCoordinates(const QString &programFolder, const QString &coordinatesFolder = QString());
QStringList checkSampleData(const QString &programFolder);

// Checks the checks of placements: on a 1600 x 1200 picture, with the
// program folder's pictures and drawings, planted faults must be caught and
// the sample coordinates must pass.
QStringList checkCatchesFaults(const QString &programFolder);

// Regenerates into a temporary folder and compares every file byte for byte.
QStringList checkSameOutput(const QString &programFolder);

} // namespace sd
