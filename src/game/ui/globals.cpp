#include "game/ui/globals.h"

namespace Game {

std::uint8_t GridColumns = 3;
std::int16_t GridRows = 2;
QString PicturePath;
QString PictureName;
bool RebuildBoard = false;
std::int16_t MoveCount = 0;

void resetGlobals()
{
    GridColumns = 3;
    GridRows = 2;
    PicturePath.clear();
    PictureName.clear();
    RebuildBoard = false;
    MoveCount = 0;
}

} // namespace Game
