// The board's decode: the picture read upright at the size of the grid that
// shows it. It fails cleanly or gives a picture of exactly that size.
#include "core/picturefile.h"
#include "picturefuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = picturefuzz::writeInput(data, size);
    if (path.isEmpty())
        return 0;
    // A grid's size as the board covers it, from 24 x 16 to 120 x 76 pixels
    // by the input's length: the decode is scaled down and up by many
    // ratios, and a small grid keeps each run short (the scaling itself is
    // Qt's, not what is fuzzed).
    const QSize gridSize(24 + int(size % 97), 16 + int(size % 61));
    const QImage board = vud::readPicture(path, gridSize);
    if (!board.isNull() && board.size() != gridSize)
        std::abort();
    return 0;
}
