#pragma once
// What the picture decode targets share: Qt's image plug-ins loaded and the
// decoders' limit set as the programs do it, and each input written as a
// file, since every decode path takes a path. The first byte picks the
// file's suffix (the readers choose a decoder by content, but a suffix must
// not change the outcome), the rest is the file.
#include "core/picturefile.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace picturefuzz {

inline std::unique_ptr<QTemporaryDir> &folder()
{
    static std::unique_ptr<QTemporaryDir> dir;
    return dir;
}

inline void start(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The decoders' complaints about broken input would cost more than the
    // decoding itself.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    new QGuiApplication(*argc, *argv);
    vud::applyPictureLimits();
    // A RAM-backed folder where there is one.
    folder() = std::make_unique<QTemporaryDir>(QFile::exists(QStringLiteral("/dev/shm"))
                                                   ? QStringLiteral("/dev/shm/vudfuzz-XXXXXX")
                                                   : QString());
}

// The input as a file; empty when there is no input.
inline QString writeInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return QString();
    static const char *const suffixes[] = {"png", "jpg", "bmp", "gif", "webp", "tiff", "ico", "jpeg"};
    const QString path = folder()->filePath(QStringLiteral("p.") + QLatin1String(suffixes[data[0] % 8]));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char *>(data + 1), qint64(size - 1));
    return path;
}

} // namespace picturefuzz

// Each picture target is one file that includes this header once.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    picturefuzz::start(argc, argv);
    return 0;
}
