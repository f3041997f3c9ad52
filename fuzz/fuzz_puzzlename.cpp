// The editor's puzzle-name check. A name it accepts makes two plain files
// directly in their folders: no step into another folder, no hidden file, no
// control character, a file name the file system takes, and one that lists
// back as the same name.
#include "core/datapaths.h"
#include "editor/logic/puzzlesave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void checkName(const QString &name)
{
    if (!Editor::isUsablePuzzleName(name))
        return;
    const QString file = name + QStringLiteral(".bmp");
    if (name.startsWith(QLatin1Char('.')) || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        std::abort();
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control)
            std::abort();
    }
    const QByteArray encoded = QFile::encodeName(file);
    if (encoded.size() > 255 || encoded.contains('\0') || QFile::decodeName(encoded) != file)
        std::abort();
    // Saves go to the folder saves go to: the user's own data folder here,
    // as /programa holds no pictures.
    const QString saves = QDir::cleanPath(vud::writableDataFolder());
    for (const QString &path : {Editor::puzzlePicturePath(name), Editor::puzzleCoordinatesPath(name)}) {
        const QFileInfo info(QDir::cleanPath(path));
        if (info.absolutePath() != saves + QLatin1String("/imagenes")
            && info.absolutePath() != saves + QLatin1String("/coordenadas"))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    vud::setProgramFolder(QStringLiteral("/programa"));
    vud::setUserDataFolder(QStringLiteral("/usuario/vud"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const char *text = reinterpret_cast<const char *>(data);
    // The same bytes read as UTF-8, as the 8-bit text a prompt may give, and
    // as UTF-16.
    checkName(QString::fromUtf8(text, qsizetype(size)));
    checkName(QString::fromLatin1(text, qsizetype(size)));
    std::u16string wide(size / 2, u'\0');
    std::memcpy(wide.data(), data, wide.size() * 2);
    checkName(QString::fromStdU16String(wide));
    return 0;
}
