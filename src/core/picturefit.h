#pragma once

#include <QPoint>
#include <QSize>

namespace vud {

// Where a picture goes in a box once scaled: the scale from picture pixels to
// box pixels, the picture's scaled size, and the scaled picture's top-left
// corner relative to the box's (negative where it overflows and is cut).
struct PictureFit
{
    double scale = 1.0;
    QSize size;
    QPoint offset;
};

// Scales the picture by s = max(box width / picture width, box height /
// picture height), so that it covers the whole box. What overflows sideways
// is cut equally from both sides; what overflows vertically is cut one third
// from the top and two thirds from the bottom (to the nearest pixel), so
// that the heads in a portrait photo of people stay on the board. A picture
// of exactly the box's size keeps it. An empty picture or box gives scale 1,
// size 0.
PictureFit coverBox(QSize picture, QSize box);

// Scales a picture that is larger than the box in either direction down by
// s = min(box width / picture width, box height / picture height), keeping
// its aspect, so that all of it shows; a picture that fits keeps its natural
// size. Either way it is centred in the box.
PictureFit fitInsideBox(QSize picture, QSize box);

} // namespace vud
