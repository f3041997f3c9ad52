// Checks a generated data set the way the game and the editor will use it.
// The build runs this right after generating, so a broken data set fails the
// build instead of failing in front of a child.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace sd {

// The smallest difference between neighbouring pieces when the picture is cut
// into a 12 x 9 puzzle: the mean absolute difference of the pieces' pixels,
// per colour channel (0..255). Low values mean pieces that look alike.
double smallestNeighbourDifference(const QImage &picture, int columns = 12, int rows = 9);

// Each check returns the problems found; an empty list means all is well.
QStringList checkPictures(const QString &programFolder);
QStringList checkDrawings(const QString &programFolder);
QStringList checkSounds(const QString &programFolder);
QStringList checkCoordinates(const QString &programFolder);
QStringList checkSampleData(const QString &programFolder);

// Regenerates into a temporary folder and compares every file byte for byte.
QStringList checkSameOutput(const QString &programFolder);

} // namespace sd
