#pragma once

#include "core/twips.h"

#include <QSize>

// The editor's layout and stepping arithmetic, in twips, apart from any
// window so that it can be checked for any screen.
namespace Editor {

using vud::TwipsRect;

// Design positions of the editor window's button column.
constexpr double kButtonColumnLeft = 0;     // Command1(2).Left
constexpr double kButtonColumnWidth = 1215; // Command1(2).Width
constexpr double kButtonRowTop = 0;         // Command1(0).Top

// The work area to the right of the button column, down to the screen's
// bottom edge (Shape1); the empty picture surface covers it exactly.
TwipsRect workArea(const vud::ScreenTwips &screen);

// The work area in pixels: the size of the empty picture surface, and the
// most a picture is shown (and saved) at.
QSize workAreaPixels(const TwipsRect &area, const vud::ScreenTwips &screen);

// The pixel size at which a picture is shown, drawn on and saved, given its
// natural (upright) size and the room of the work area in pixels. A picture
// larger than the room in either direction is scaled down to fit inside it,
// aspect kept, so that none of it lies behind the button column or above the
// screen; a picture that fits keeps its natural size.
QSize shownPictureSize(QSize picturePixels, QSize room);

// Where an edge goes when a length is centred in an area: start + d \ 2, with
// d = area - length rounded to whole twips and the quotient truncated toward
// zero, so an odd d leaves the extra twip on the far side and a negative d
// moves the edge by the truncated half (-101 gives -50).
double centredEdge(double areaStart, double areaLength, double length);

// The surface of a picture of the given pixel size, centred in the work area.
TwipsRect centredPicture(const TwipsRect &area, QSize picturePixels, const vud::ScreenTwips &screen);

// The offset that centres a window on the screen: (screen - window) \ 2.
double centredWindowOffset(double screenLength, double windowLength);

// Stepping through the pictures with wrap-around; count 0 gives -1.
int previousPictureIndex(int index, int count);
int nextPictureIndex(int index, int count);

// Chooser paging. Back moves a page when there is one before; forward moves
// while the current page start is below count + 1, so one page past the last
// file (all empty) can be reached.
int pageBack(int pageStart);
int pageForward(int pageStart, int fileCount);

// Where the editor's animation display goes so that its corner lies on the
// clicked pixel: twipsPerPixel * pixel + the surface's edge, one factor for
// both axes, in single precision.
float animationEdge(int twipsPerPixel, int pixel, double surfaceEdge);

} // namespace Editor
