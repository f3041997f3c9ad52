#pragma once

#include <QColor>

namespace vud {

// A colour as the window designs write it: &H00BBGGRR&.
inline QColor fromBgr(unsigned int bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

} // namespace vud
