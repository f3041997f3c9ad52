// The animation display's frame reading: the bytes cut to the animation
// bounds, then QMovie over them, every frame read as the display drives it.
// What is cut is a prefix of the input, the cut GIF holds no more frames than
// the bound, and no canvas is larger than the bound.
#include "core/picturefile.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageReader>
#include <QMovie>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The decoders' complaints about broken input would cost more than the
    // decoding itself.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    new QGuiApplication(*argc, *argv);
    vud::applyPictureLimits();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QByteArray bounded = vud::boundAnimation(bytes);
    if (bounded.isEmpty())
        return 0;
    const bool cut = bounded != bytes;
    if (cut && !(bytes.startsWith(bounded.chopped(1)) && bounded.endsWith(char(0x3B))))
        std::abort();

    QBuffer buffer;
    buffer.setData(bounded);
    buffer.open(QIODevice::ReadOnly);
    {
        QImageReader reader(&buffer);
        if (reader.format() == "gif") {
            const QSize canvas = reader.size();
            if (canvas.width() > vud::kAnimationLargestSide || canvas.height() > vud::kAnimationLargestSide)
                std::abort();
            if (reader.imageCount() > vud::kAnimationMostFrames)
                std::abort();
        }
    }
    buffer.seek(0);

    QMovie movie;
    movie.setCacheMode(QMovie::CacheAll);
    movie.setDevice(&buffer);
    if (!movie.isValid())
        return 0;
    movie.frameCount();
    for (int i = 0; i <= vud::kAnimationMostFrames && movie.jumpToNextFrame(); ++i)
        movie.currentImage();
    return 0;
}
