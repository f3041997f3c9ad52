// The board's decode: the picture read upright at the size of the grid that
// shows it. It fails cleanly or gives a picture of exactly that size.
#include "picturefile.h"
#include "picturefuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = picturefuzz::writeInput(data, size);
    if (path.isEmpty())
        return 0;
    // The grid of 6 pieces on an 800 x 600 screen, as the board covers it.
    const QSize gridSize(720, 480);
    const QImage board = vud::readPicture(path, gridSize);
    if (!board.isNull() && board.size() != gridSize)
        std::abort();
    return 0;
}
