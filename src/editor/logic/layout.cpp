#include "editor/logic/layout.h"

#include "core/picturefit.h"

namespace Editor {

TwipsRect workArea(const vud::ScreenTwips &screen)
{
    TwipsRect area;
    area.top = kButtonRowTop;
    area.left = kButtonColumnLeft + kButtonColumnWidth;
    area.width = screen.width() - area.left;
    area.height = screen.height();
    return area;
}

QSize workAreaPixels(const TwipsRect &area, const vud::ScreenTwips &screen)
{
    return screen.toPixels(area.left, area.top, area.width, area.height).size();
}

QSize shownPictureSize(QSize picturePixels, QSize room)
{
    return vud::fitInsideBox(picturePixels, room).size;
}

double centredEdge(double areaStart, double areaLength, double length)
{
    const double d = static_cast<double>(vud::roundHalfEven(areaLength - length));
    return areaStart + static_cast<double>(vud::intDiv(d, 2));
}

TwipsRect centredPicture(const TwipsRect &area, QSize picturePixels, const vud::ScreenTwips &screen)
{
    TwipsRect surface;
    surface.width = screen.toTwipsX(picturePixels.width());
    surface.height = screen.toTwipsY(picturePixels.height());
    surface.left = centredEdge(area.left, area.width, surface.width);
    surface.top = centredEdge(area.top, area.height, surface.height);
    return surface;
}

double centredWindowOffset(double screenLength, double windowLength)
{
    return static_cast<double>(vud::intDiv(double(vud::roundHalfEven(screenLength - windowLength)), 2));
}

int previousPictureIndex(int index, int count)
{
    --index;
    if (index <= -1)
        index = count - 1;
    return index;
}

int nextPictureIndex(int index, int count)
{
    ++index;
    if (index >= count)
        index = 0;
    return count > 0 ? index : -1;
}

int pageBack(int pageStart)
{
    return pageStart > 8 ? pageStart - 9 : pageStart;
}

int pageForward(int pageStart, int fileCount)
{
    return pageStart < fileCount + 1 ? pageStart + 9 : pageStart;
}

float animationEdge(int twipsPerPixel, int pixel, double surfaceEdge)
{
    return static_cast<float>(twipsPerPixel) * static_cast<float>(pixel)
        + static_cast<float>(surfaceEdge);
}

} // namespace Editor
