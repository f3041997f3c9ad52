#include "editor/ui/globals.h"

namespace Editor {

QString GifFolder;
std::array<QString, 9> CellPaths;
std::uint8_t ChosenCell = 0;
QString DrawingName;

void resetGlobals()
{
    GifFolder.clear();
    CellPaths.fill(QString());
    ChosenCell = 0;
    DrawingName.clear();
}

} // namespace Editor
