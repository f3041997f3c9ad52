#pragma once

#include <QString>
#include <array>
#include <cstdint>

// Values the drawing chooser hands to the editor window.
namespace Editor {

extern QString GifFolder;                // program folder + "\gifs"
extern std::array<QString, 9> CellPaths; // full path of the file last shown in each chooser cell
extern std::uint8_t ChosenCell;          // the chooser cell clicked last, 0 to 8
extern QString DrawingName;              // file name of the chosen drawing

void resetGlobals();

} // namespace Editor
