// The puzzle file reader: bytes in, a checked puzzle or a refusal out. What
// it accepts names only files directly in the data folders, stays within
// the bounds, and holds every drawing its coordinates name.
#include "puzzlefile/puzzlefile.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

namespace {

bool isPlainName(const QString &name)
{
    return !name.isEmpty() && !name.startsWith(QLatin1Char('.')) && !name.contains(QLatin1Char('/'))
        && !name.contains(QLatin1Char('\\')) && !name.contains(QChar(0));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The zip reader's complaints about broken archives would cost more than
    // the reading itself.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const vud::PuzzleFileRead read = vud::readPuzzleFile(buffer);
    if (read.error != vud::PuzzleFileError::None)
        return 0;
    const vud::PuzzleArchive &archive = read.archive;
    qint64 total = archive.picture.size() + archive.coordinates.size();
    if (!isPlainName(archive.pictureName) || archive.placements.size() > vud::kMostDrawings
        || archive.drawings.size() > archive.placements.size() || vud::pictureFormatFor(archive.pictureName).isEmpty())
        std::abort();
    for (const vud::DrawingPlacement &placement : archive.placements) {
        if (!archive.drawings.contains(placement.name))
            std::abort();
    }
    for (auto it = archive.drawings.cbegin(); it != archive.drawings.cend(); ++it) {
        if (!isPlainName(it.key()) || it.value().size() > vud::kPuzzleFileMostEntryBytes)
            std::abort();
        total += it.value().size();
    }
    if (total > vud::kPuzzleFileMostBytes)
        std::abort();
    return 0;
}
