#pragma once

#include <QMetaType>
#include <QString>
#include <cstdint>

namespace boardlogic {

// What the child chose on the selection screen: the grid and the picture the
// board is laid out for.
struct BoardChoice
{
    std::uint8_t GridColumns = 3; // pieces across, 3 to 12
    std::int16_t GridRows = 2;    // pieces down, 2 to 9
    QString PicturePath;          // full path of the chosen picture
    QString PictureName;          // its file name as listed

    friend bool operator==(const BoardChoice &a, const BoardChoice &b)
    {
        return a.GridColumns == b.GridColumns && a.GridRows == b.GridRows && a.PicturePath == b.PicturePath
               && a.PictureName == b.PictureName;
    }
    friend bool operator!=(const BoardChoice &a, const BoardChoice &b) { return !(a == b); }
};

} // namespace boardlogic

Q_DECLARE_METATYPE(boardlogic::BoardChoice)
