// Writes GIF files: the sample data's animated drawings, and the animations
// and deliberately broken or hostile GIFs that the tests need.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVector>

#include <vector>

namespace vudgif {

// What a decoder does with a frame's area before it draws the next frame.
enum class Disposal { Unspecified = 0, Keep = 1, Background = 2, Previous = 3 };

// One frame as the file stores it: colour indices into the file's colours.
struct Frame
{
    QRect rect;         // where it lies on the canvas; it may reach past it
    QByteArray indices; // row by row. Fewer than the rectangle holds end the
                        // frame's data early, as a hostile file may: a decoder
                        // leaves the rest of the frame empty.
    int delayCs = 10;   // hundredths of a second
    int transparentIndex = -1; // -1: every index is drawn
    Disposal disposal = Disposal::Background;
};

struct Gif
{
    QSize canvas;
    QVector<QRgb> colours; // the global colour table, 1 to 256 of them
    int backgroundIndex = 0;
    int loopCount = -1; // -1: no loop block, so viewers play it once; 0: for ever
    std::vector<Frame> frames;
};

// The file's bytes, or an empty array with the reason in *error. Sizes and
// positions are stored as 16 bits each, so larger ones wrap, as in a forged
// file; the colour table is padded with black to a power of two.
QByteArray encode(const Gif &gif, QString *error = nullptr);

// How the colours of picture frames become the file's colour table. Index 0
// is always the transparent background, where the pixels' alpha is below half.
enum class Colours {
    // At most 255 colours picked by median cut (deterministic). Pure white is
    // never used and is the background's entry, so a reader that ignores the
    // GIF transparency but treats white as see-through still gets it right.
    Reduced,
    // Every colour exactly as it is, the background's entry black; more than
    // 255 colours is an error.
    Exact,
};

struct Animation
{
    std::vector<QImage> frames; // the canvas has the first frame's size
    int delayCs = 10;           // hundredths of a second per frame
    int loopCount = 0;          // -1: no loop block, so viewers play it once; 0: for ever
    Colours colours = Colours::Reduced;
};

// Picks at most maxColours colours for the opaque pixels of all frames
// (median cut, fully deterministic). Never returns pure white.
QVector<QRgb> buildPalette(const std::vector<QImage> &frames, int maxColours = 255);

// Each frame covers the whole canvas and is cleared to the background before
// the next one.
Gif animationGif(const Animation &animation, QString *error = nullptr);

// Writes the bytes with permissions 0644 (before the umask). Returns an empty
// string on success, otherwise what went wrong; a failed write leaves no file.
QString writeFile(const QString &path, const QByteArray &bytes);

// animationGif, encode and writeFile in one.
QString writeAnimation(const QString &path, const Animation &animation);

} // namespace vudgif
