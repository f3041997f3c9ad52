#pragma once

#include <QRect>
#include <cstdint>

class QScreen;

namespace vud {

// Layout is computed in twips (1/1440 inch), as integers where the design says
// so, and converted to pixels only when a widget is placed.

// Nearest whole number, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
std::int64_t roundHalfEven(double value);

// Integer division as the layout arithmetic uses it: each operand is first
// rounded to a whole number (halves to even), then the quotient is truncated
// toward zero. A zero divisor yields 0 rather than trapping.
std::int64_t intDiv(double dividend, double divisor);

// The screen as the layout sees it: its size in pixels and how many twips one
// pixel measures horizontally and vertically (1440 / logical dpi).
struct ScreenTwips
{
    int widthPixels = 800;
    int heightPixels = 600;
    double twipsPerPixelX = 15.0;
    double twipsPerPixelY = 15.0;

    double width() const { return widthPixels * twipsPerPixelX; }
    double height() const { return heightPixels * twipsPerPixelY; }

    int toPixelsX(double twips) const;
    int toPixelsY(double twips) const;
    double toTwipsX(double pixels) const { return pixels * twipsPerPixelX; }
    double toTwipsY(double pixels) const { return pixels * twipsPerPixelY; }
    // A rectangle given in twips (left, top, width, height) in pixels; the
    // right and bottom edges are converted too, so that rectangles that touch
    // in twips touch in pixels.
    QRect toPixels(double left, double top, double width, double height) const;
};

// A rectangle in twips, as the layout computes it (a control's Left, Top,
// Width and Height).
struct TwipsRect
{
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    bool operator==(const TwipsRect &other) const
    {
        return left == other.left && top == other.top && width == other.width
            && height == other.height;
    }
};

// A screen of the given pixel size at the given logical dpi.
ScreenTwips screenTwipsFor(int widthPixels, int heightPixels, double logicalDpi = 96.0);

// The given screen, or the primary screen when none is given.
ScreenTwips screenTwips(const QScreen *screen = nullptr);

} // namespace vud
