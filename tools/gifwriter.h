// Writes small animated drawings as GIF files with a transparent background.
#pragma once

#include <QImage>
#include <QString>
#include <QVector>

#include <vector>

namespace sd {

struct GifAnimation
{
    std::vector<QImage> frames; // all the same size; alpha below half counts as background
    int delayCs = 10;           // frame delay in hundredths of a second
    bool loopForever = true;    // false: no loop block, so viewers play it once
};

// Palette index 0 is the transparent background. Its palette colour is pure
// white, and no drawing colour is ever pure white, so a reader that ignores
// the GIF transparency but treats white as see-through still gets it right.
constexpr int kTransparentIndex = 0;

// Picks at most 255 colours for the opaque pixels of all frames (median cut,
// fully deterministic). Never returns pure white.
QVector<QRgb> buildPalette(const std::vector<QImage> &frames, int maxColours = 255);

// Writes the file with permissions 0644. Returns an empty string on success,
// otherwise what went wrong.
QString writeAnimatedGif(const QString &path, const GifAnimation &animation);

} // namespace sd
