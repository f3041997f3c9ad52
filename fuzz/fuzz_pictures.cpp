// The picture decode paths exactly as the programs call them, with Qt's image
// plug-ins: the gallery's fitted preview, the board's decode at the size it
// shows, and the editor's picture and drawing loads. The first byte picks the
// file's suffix, the rest is the file. A decode either fails cleanly or gives
// a picture of the size asked for.
#include "drawingimages.h"
#include "picturefile.h"
#include "preview.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

std::unique_ptr<QTemporaryDir> folder;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The decoders' complaints about broken input would cost more than the
    // decoding itself.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    new QGuiApplication(*argc, *argv);
    // A RAM-backed folder where there is one: each input becomes a file.
    folder = std::make_unique<QTemporaryDir>(QFile::exists(QStringLiteral("/dev/shm"))
                                                 ? QStringLiteral("/dev/shm/vudfuzz-XXXXXX")
                                                 : QString());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    static const char *const suffixes[] = {"png", "jpg", "bmp", "gif", "webp", "tiff", "ico", "jpeg"};
    const QString path = folder->filePath(QStringLiteral("p.") + QLatin1String(suffixes[data[0] % 8]));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char *>(data + 1), qint64(size - 1));
    }

    const vud::ScreenTwips screen = vud::screenTwipsFor(800, 600);
    const vud::PreviewPicture preview = vud::loadPreview(path, screen);
    if (preview.loaded
        && preview.image.size()
            != QSize(qMax(1, screen.toPixelsX(preview.fittedTwips.width())),
                     qMax(1, screen.toPixelsY(preview.fittedTwips.height()))))
        std::abort();

    const QSize boardSize(431, 287);
    const QImage board = vud::readPicture(path, boardSize);
    if (!board.isNull() && board.size() != boardSize)
        std::abort();

    // The editor's surface, fitted inside a work area of 719 x 600 pixels.
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
