// The gallery's fitted preview decode, as a page of pictures calls it: the
// size from the header, then a decode straight at the fitted size. It fails
// cleanly or gives a picture of exactly that size.
#include "core/preview.h"
#include "picturefuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = picturefuzz::writeInput(data, size);
    if (path.isEmpty())
        return 0;
    const vud::ScreenTwips screen = vud::screenTwipsFor(800, 600);
    const vud::PreviewPicture preview = vud::loadPreview(path, screen);
    if (preview.loaded
        && preview.image.size()
            != QSize(qMax(1, screen.toPixelsX(preview.fittedTwips.width())),
                     qMax(1, screen.toPixelsY(preview.fittedTwips.height()))))
        std::abort();
    return 0;
}
