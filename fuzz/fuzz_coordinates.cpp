// The coordinates reader: bytes in, drawings out. Every drawing that comes out
// names a file directly in the gifs folder, there are never more than the
// reveal shows, and a placement written back as a line reads the same.
#include "core/coordinates.h"

#include <QBuffer>
#include <QDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    // Unbuffered: the reader reads in chunks of its own.
    buffer.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    const auto placements = vud::readCoordinates(buffer);
    if (!placements || placements->size() > vud::kMostDrawings)
        std::abort();
    const QString gifs = QStringLiteral("/programa/gifs");
    for (const vud::DrawingPlacement &p : *placements) {
        // As the reveal builds the path: the folder, a separator, the name.
        const QString path = QDir::cleanPath(gifs + QLatin1Char('/') + p.name);
        if (p.name.isEmpty() || !path.startsWith(gifs + QLatin1Char('/'))
            || path.indexOf(QLatin1Char('/'), gifs.size() + 1) >= 0 || path == gifs + QLatin1String("/..")
            || p.name.contains(QChar(0)))
            std::abort();
        if (vud::isStorableDrawingName(p.name)) {
            const auto back = vud::parseCoordinatesLine(vud::coordinatesLine(p.name, p.x, p.y));
            if (!back || !(*back == p))
                std::abort();
        }
    }
    return 0;
}
