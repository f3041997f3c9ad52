#include "core/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace vud {

std::int64_t roundHalfEven(double value)
{
    return static_cast<std::int64_t>(std::nearbyint(value));
}

std::int64_t intDiv(double dividend, double divisor)
{
    const std::int64_t a = roundHalfEven(dividend);
    const std::int64_t b = roundHalfEven(divisor);
    if (b == 0)
        return 0;
    return a / b;
}

int ScreenTwips::toPixelsX(double twips) const
{
    return static_cast<int>(roundHalfEven(twips / twipsPerPixelX));
}

int ScreenTwips::toPixelsY(double twips) const
{
    return static_cast<int>(roundHalfEven(twips / twipsPerPixelY));
}

QRect ScreenTwips::toPixels(double left, double top, double width, double height) const
{
    const int x = toPixelsX(left);
    const int y = toPixelsY(top);
    const int right = toPixelsX(left + width);
    const int bottom = toPixelsY(top + height);
    return QRect(x, y, right - x, bottom - y);
}

ScreenTwips screenTwipsFor(int widthPixels, int heightPixels, double logicalDpi)
{
    ScreenTwips s;
    s.widthPixels = widthPixels;
    s.heightPixels = heightPixels;
    const double dpi = logicalDpi > 0 ? logicalDpi : 96.0;
    s.twipsPerPixelX = 1440.0 / dpi;
    s.twipsPerPixelY = 1440.0 / dpi;
    return s;
}

ScreenTwips screenTwips(const QScreen *screen)
{
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return ScreenTwips();
    const QRect g = screen->geometry();
    ScreenTwips s = screenTwipsFor(g.width(), g.height(), screen->logicalDotsPerInchX());
    s.twipsPerPixelY = 1440.0 / (screen->logicalDotsPerInchY() > 0 ? screen->logicalDotsPerInchY() : 96.0);
    return s;
}

} // namespace vud
