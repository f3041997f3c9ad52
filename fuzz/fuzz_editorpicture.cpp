// The editor's loads: a picture fitted inside the work area as its surface,
// and a drawing's first frame as the still it places. Each fails cleanly or
// gives an opaque picture that fits.
#include "editor/logic/drawingimages.h"
#include "picturefuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = picturefuzz::writeInput(data, size);
    if (path.isEmpty())
        return 0;
    // The work area of an 800 x 600 screen, in pixels.
    const QSize room(719, 600);
    const QImage surface = Editor::loadSurfacePicture(path, room);
    if (!surface.isNull()
        && (surface.hasAlphaChannel() || surface.width() > room.width() || surface.height() > room.height()))
        std::abort();
    const QImage still = Editor::stillImage(path);
    if (!still.isNull() && still.format() != QImage::Format_RGB32)
        std::abort();
    return 0;
}
