#pragma once

#include <QString>
#include <cstdint>

// Values shared by the game's windows: the selection screen sets them, the
// board reads them (and clears RebuildBoard, counts MoveCount).
namespace Game {

extern std::uint8_t GridColumns; // pieces across, 3 to 12
extern std::int16_t GridRows;    // pieces down, 2 to 9
extern QString PicturePath;      // full path of the chosen picture
extern QString PictureName;      // its file name as listed
extern bool RebuildBoard;        // lay out a new board at the next activation
extern std::int16_t MoveCount;   // moves of the current game

// Back to the values the program starts with (tests start each case afresh).
void resetGlobals();

} // namespace Game
