#include "puzzlefile/puzzlefile.h"

#include "core/datapaths.h"
#include "core/picturefile.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QSaveFile>
#include <QSet>
#include <QStringList>

#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>
#include <unzip.h>

#include <sys/stat.h>

#ifndef VUD_PROGRAM_VERSION
#define VUD_PROGRAM_VERSION "2.0"
#endif

namespace vud {

namespace {

const QLatin1String kPictures("imagenes");
const QLatin1String kCoordinates("coordenadas");
const QLatin1String kDrawings("gifs");
constexpr qint64 kMostManifestBytes = 4096;

// What the central directory says of one entry.
struct Entry
{
    QString name;   // as stored, a folder's name with its '/'
    QString folder; // the data folder it goes to; empty for the manifest
    QString file;   // its file name in that folder
    qint64 size = 0;
};

bool isSafeSegment(const QString &segment)
{
    if (segment.isEmpty() || segment.startsWith(QLatin1Char('.')))
        return false;
    if (segment.toUtf8().size() > kPuzzleFileLongestFileName)
        return false;
    // "C:name" is a drive-relative path on some systems, ":name" a path into
    // a program's resources.
    if (segment.startsWith(QLatin1Char(':')) || (segment.size() >= 2 && segment.at(1) == QLatin1Char(':')))
        return false;
    for (const QChar c : segment) {
        if (c == QLatin1Char('\\') || c.category() == QChar::Other_Control || c.category() == QChar::Other_Format
            || c.category() == QChar::Other_NotAssigned || c.isSurrogate() || c == QChar::ReplacementCharacter)
            return false;
    }
    return true;
}

// The entry's name as text, when its bytes are one: valid UTF-8, and plain
// ASCII unless the archive marks the name as UTF-8 (unmarked, a name is in
// an old DOS code page that no two tools read alike).
std::optional<QString> entryName(const QByteArray &raw, quint64 flags)
{
    if (raw.isEmpty() || raw.size() > kPuzzleFileLongestEntryName || raw.contains('\0'))
        return std::nullopt;
    bool ascii = true;
    for (const char c : raw)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (!ascii && !(flags & (1u << 11)))
        return std::nullopt;
    const QString name = QString::fromUtf8(raw);
    if (name.toUtf8() != raw)
        return std::nullopt;
    return name;
}

bool isFolderOfLayout(const QString &folder)
{
    return folder == kPictures || folder == kCoordinates || folder == kDrawings;
}

// Places an entry in the layout: the manifest, a file directly in one of the
// three data folders, or one of those folders' own entries (which zip tools
// add, and which are skipped). Anything else is refused.
enum class Place { Manifest, File, Folder, Refused };

Place placeOf(const QString &name, Entry &entry)
{
    if (name == QLatin1String(kPuzzleFileManifest))
        return Place::Manifest;
    const QStringList parts = name.split(QLatin1Char('/'));
    if (parts.size() == 2 && parts.at(1).isEmpty() && isFolderOfLayout(parts.at(0)))
        return Place::Folder;
    if (parts.size() != 2 || !isFolderOfLayout(parts.at(0)) || !isSafeSegment(parts.at(1)))
        return Place::Refused;
    entry.folder = parts.at(0);
    entry.file = parts.at(1);
    return Place::File;
}

// The file type an entry's attributes give: written on a Unix system, the
// high half holds the file's mode; links, devices, FIFOs and sockets are
// refused. Elsewhere only the DOS folder bit tells anything.
bool isPlainEntry(const unz_file_info64 &info, bool folder)
{
    const quint32 hostSystem = (info.version >> 8) & 0xff;
    if (hostSystem == 3) {
        const quint32 type = static_cast<quint32>(info.external_fa >> 16) & S_IFMT;
        if (type != 0 && type != (folder ? quint32(S_IFDIR) : quint32(S_IFREG)))
            return false;
    }
    const bool dosFolder = (info.external_fa & 0x10) != 0;
    return folder || !dosFolder;
}

class Reader
{
public:
    explicit Reader(QIODevice &device) : m_zip(&device) {}

    PuzzleFileRead read();

private:
    PuzzleFileRead fail(PuzzleFileError error, const QString &detail = QString())
    {
        PuzzleFileRead result;
        result.error = error;
        result.detail = detail;
        return result;
    }
    PuzzleFileError scan();
    PuzzleFileError unpack(const Entry &entry, QByteArray &bytes);
    PuzzleFileError readManifest(const QByteArray &bytes, PuzzleArchive &archive);

    QuaZip m_zip;
    QVector<Entry> m_entries;
    QString m_detail;
};

PuzzleFileError Reader::scan()
{
    unz_global_info64 global{};
    if (unzGetGlobalInfo64(m_zip.getUnzFile(), &global) != UNZ_OK)
        return PuzzleFileError::Damaged;
    if (global.number_entry > quint64(kPuzzleFileMostEntries))
        return PuzzleFileError::TooLarge;

    QSet<QString> seen;
    qint64 total = 0;
    int count = 0;
    for (bool more = m_zip.goToFirstFile(); more; more = m_zip.goToNextFile()) {
        if (++count > kPuzzleFileMostEntries)
            return PuzzleFileError::TooLarge;
        unz_file_info64 info{};
        char raw[kPuzzleFileLongestEntryName + 1];
        if (unzGetCurrentFileInfo64(m_zip.getUnzFile(), &info, raw, sizeof raw, nullptr, 0, nullptr, 0) != UNZ_OK)
            return PuzzleFileError::Damaged;
        const QByteArray rawName(raw, int(qMin<quint64>(info.size_filename, kPuzzleFileLongestEntryName + 1)));
        const auto name = info.size_filename > quint64(kPuzzleFileLongestEntryName)
            ? std::nullopt : entryName(rawName, info.flag);
        m_detail = name ? *name : QString::fromLatin1(rawName.toPercentEncoding("/"));
        if (!name)
            return PuzzleFileError::BadEntry;
        // Encrypted entries, and methods other than stored and deflated
        // (which every zip tool writes by default), are not read.
        if ((info.flag & 1u) || (info.compression_method != 0 && info.compression_method != Z_DEFLATED))
            return PuzzleFileError::BadEntry;
        Entry entry;
        entry.name = *name;
        const Place place = placeOf(*name, entry);
        if (place == Place::Refused || !isPlainEntry(info, place == Place::Folder))
            return PuzzleFileError::BadEntry;
        // Names are told apart without regard to case, as the data folders
        // tell them apart.
        const QString key = name->toCaseFolded();
        if (seen.contains(key))
            return PuzzleFileError::BadEntry;
        seen.insert(key);
        if (place == Place::Folder) {
            if (info.uncompressed_size != 0)
                return PuzzleFileError::BadEntry;
            continue;
        }
        if (info.uncompressed_size > quint64(kPuzzleFileMostEntryBytes))
            return PuzzleFileError::TooLarge;
        entry.size = qint64(info.uncompressed_size);
        if (entry.size > kPuzzleFileRatioFloor && quint64(entry.size) / kPuzzleFileMostRatio > info.compressed_size)
            return PuzzleFileError::TooLarge;
        if (info.compression_method == 0 && info.compressed_size != info.uncompressed_size)
            return PuzzleFileError::Damaged;
        total += entry.size;
        if (total > kPuzzleFileMostBytes)
            return PuzzleFileError::TooLarge;
        if (place == Place::Manifest && entry.size > kMostManifestBytes)
            return PuzzleFileError::TooLarge;
        m_entries.append(entry);
    }
    if (m_zip.getZipError() != UNZ_OK && m_zip.getZipError() != UNZ_END_OF_LIST_OF_FILE)
        return PuzzleFileError::Damaged;
    m_detail.clear();
    return PuzzleFileError::None;
}

// Unpacks one entry, never more bytes than its central directory entry says
// (which the bounds have passed), and checks its checksum.
PuzzleFileError Reader::unpack(const Entry &entry, QByteArray &bytes)
{
    m_detail = entry.name;
    if (!m_zip.setCurrentFile(entry.name, QuaZip::csSensitive))
        return PuzzleFileError::Damaged;
    QuaZipFile file(&m_zip);
    if (!file.open(QIODevice::ReadOnly))
        return PuzzleFileError::Damaged;
    bytes.resize(entry.size);
    qint64 got = 0;
    while (got < entry.size) {
        const qint64 n = file.read(bytes.data() + got, entry.size - got);
        if (n <= 0)
            return PuzzleFileError::Damaged;
        got += n;
    }
    char extra;
    if (file.read(&extra, 1) != 0)
        return PuzzleFileError::Damaged;
    file.close();
    if (file.getZipError() != UNZ_OK)
        return PuzzleFileError::Damaged;
    m_detail.clear();
    return PuzzleFileError::None;
}

PuzzleFileError Reader::readManifest(const QByteArray &bytes, PuzzleArchive &archive)
{
    for (const QByteArray &rawLine : bytes.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.startsWith(QLatin1String("formato="))) {
            bool ok = false;
            const int format = line.mid(8).toInt(&ok);
            if (!ok || format < 1)
                return PuzzleFileError::BadEntry;
            if (format > kPuzzleFileFormat)
                return PuzzleFileError::NewerFormat;
            archive.format = format;
        } else if (line.startsWith(QLatin1String("programa="))) {
            archive.program = line.mid(9).left(100);
        }
    }
    return PuzzleFileError::None;
}

PuzzleFileRead Reader::read()
{
    if (!m_zip.open(QuaZip::mdUnzip))
        return fail(PuzzleFileError::NotAZip);
    if (const PuzzleFileError error = scan(); error != PuzzleFileError::None)
        return fail(error, m_detail);

    PuzzleFileRead result;
    PuzzleArchive &archive = result.archive;
    const Entry *picture = nullptr;
    const Entry *coordinates = nullptr;
    QMap<QString, const Entry *> drawings;
    for (const Entry &entry : m_entries) {
        if (entry.folder.isEmpty()) {
            QByteArray manifest;
            if (const PuzzleFileError error = unpack(entry, manifest); error != PuzzleFileError::None)
                return fail(error, m_detail);
            if (const PuzzleFileError error = readManifest(manifest, archive); error != PuzzleFileError::None)
                return fail(error, entry.name);
        } else if (entry.folder == kPictures) {
            if (picture)
                return fail(PuzzleFileError::NoPicture);
            picture = &entry;
        } else if (entry.folder == kCoordinates) {
            if (coordinates)
                return fail(PuzzleFileError::BadEntry, entry.name);
            coordinates = &entry;
        } else {
            drawings.insert(entry.file, &entry);
        }
    }
    if (!picture)
        return fail(PuzzleFileError::NoPicture);
    archive.pictureName = picture->file;
    if (pictureFormatFor(archive.pictureName).isEmpty())
        return fail(PuzzleFileError::BadPicture, archive.pictureName);
    // The coordinates file is the picture's own, or the game would never
    // find it.
    if (coordinates
        && coordinates->file.compare(coordinatesFileName(archive.pictureName), Qt::CaseInsensitive) != 0)
        return fail(PuzzleFileError::BadEntry, coordinates->name);

    if (const PuzzleFileError error = unpack(*picture, archive.picture); error != PuzzleFileError::None)
        return fail(error, m_detail);
    if (coordinates) {
        archive.hasCoordinates = true;
        if (const PuzzleFileError error = unpack(*coordinates, archive.coordinates); error != PuzzleFileError::None)
            return fail(error, m_detail);
        QBuffer buffer(&archive.coordinates);
        buffer.open(QIODevice::ReadOnly);
        archive.placements = readCoordinates(buffer).value_or(QVector<DrawingPlacement>());
    }
    for (const DrawingPlacement &placement : std::as_const(archive.placements)) {
        if (archive.drawings.contains(placement.name))
            continue;
        const Entry *drawing = drawings.value(placement.name);
        if (!drawing)
            return fail(PuzzleFileError::MissingDrawing, placement.name);
        QByteArray bytes;
        if (const PuzzleFileError error = unpack(*drawing, bytes); error != PuzzleFileError::None)
            return fail(error, m_detail);
        archive.drawings.insert(placement.name, bytes);
    }
    return result;
}

// A regular file's bytes, at most `most` of them; nothing when it is no
// regular file, cannot be read, or holds more.
std::optional<QByteArray> readWhole(const QString &path, qint64 most)
{
    QFile file;
    if (!openRegularFile(file, path) || file.size() > most)
        return std::nullopt;
    QByteArray bytes = file.read(most + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > most)
        return std::nullopt;
    return bytes;
}

} // namespace

// The messages' texts, in the catalogue's "vud::PuzzleFile" context.
struct PuzzleFileTexts
{
    Q_DECLARE_TR_FUNCTIONS(vud::PuzzleFile)
};

QString puzzleFileMessage(PuzzleFileError error, const QString &detail)
{
    switch (error) {
    case PuzzleFileError::None:
        return QString();
    case PuzzleFileError::Unreadable:
        return PuzzleFileTexts::tr("No se ha podido leer el archivo del puzzle.");
    case PuzzleFileError::NotAZip:
        return PuzzleFileTexts::tr("El archivo no es un puzzle de VUD.");
    case PuzzleFileError::Damaged:
        return PuzzleFileTexts::tr("El archivo del puzzle está dañado o incompleto.");
    case PuzzleFileError::TooLarge:
        return PuzzleFileTexts::tr("El archivo del puzzle es demasiado grande.");
    case PuzzleFileError::BadEntry:
        return PuzzleFileTexts::tr("El archivo del puzzle contiene algo que no es de un puzzle: «%1».").arg(detail);
    case PuzzleFileError::NewerFormat:
        return PuzzleFileTexts::tr("El archivo del puzzle es de una versión más nueva del programa.");
    case PuzzleFileError::NoPicture:
        return PuzzleFileTexts::tr("El archivo del puzzle debe contener una sola imagen.");
    case PuzzleFileError::BadPicture:
        return PuzzleFileTexts::tr("La imagen «%1» del archivo del puzzle no es una imagen válida.").arg(detail);
    case PuzzleFileError::BadDrawing:
        return PuzzleFileTexts::tr("El dibujo «%1» del archivo del puzzle no es un dibujo válido.").arg(detail);
    case PuzzleFileError::MissingDrawing:
        return PuzzleFileTexts::tr("Falta el dibujo «%1» en el archivo del puzzle.").arg(detail);
    case PuzzleFileError::WriteFailed:
        return detail.isEmpty() ? PuzzleFileTexts::tr("No se ha podido guardar el puzzle.")
                                : PuzzleFileTexts::tr("No se ha podido guardar el puzzle: falta «%1».").arg(detail);
    }
    return QString();
}

PuzzleFileRead readPuzzleFile(QIODevice &device)
{
    if (!device.isOpen() && !device.open(QIODevice::ReadOnly)) {
        PuzzleFileRead result;
        result.error = PuzzleFileError::Unreadable;
        return result;
    }
    if (device.size() > kPuzzleFileMostArchiveBytes) {
        PuzzleFileRead result;
        result.error = PuzzleFileError::TooLarge;
        return result;
    }
    return Reader(device).read();
}

PuzzleFileRead readPuzzleFile(const QString &path)
{
    QFile file;
    if (!openRegularFile(file, path)) {
        PuzzleFileRead result;
        result.error = PuzzleFileError::Unreadable;
        return result;
    }
    return readPuzzleFile(file);
}

QByteArray pictureFormatFor(const QString &pictureName)
{
    const qsizetype dot = pictureName.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0)
        return QByteArray();
    QByteArray suffix = pictureName.mid(dot + 1).toLower().toLatin1();
    if (suffix == "jpg")
        suffix = "jpeg";
    else if (suffix == "tif")
        suffix = "tiff";
    return QImageReader::supportedImageFormats().contains(suffix) ? suffix : QByteArray();
}

PuzzleFileError checkPicture(const QString &path, const QString &name)
{
    // The content names its own format; a GIF called .bmp, or a text file
    // called .png, is not the picture it claims to be.
    QFile file;
    if (!openRegularFile(file, path))
        return PuzzleFileError::BadPicture;
    QByteArray format = QImageReader::imageFormat(&file);
    file.close();
    if (format == "jpg")
        format = "jpeg";
    if (format.isEmpty() || format != pictureFormatFor(name))
        return PuzzleFileError::BadPicture;
    const QSize size = pictureSize(path);
    if (!size.isValid() || readPicture(path, size.boundedTo(QSize(64, 64))).isNull())
        return PuzzleFileError::BadPicture;
    return PuzzleFileError::None;
}

PuzzleFileError checkDrawing(const QString &path)
{
    QByteArray bytes = readAnimation(path);
    if (!bytes.startsWith("GIF8"))
        return PuzzleFileError::BadDrawing;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    applyPictureLimits();
    QImageReader reader(&buffer, "gif");
    if (reader.read().isNull())
        return PuzzleFileError::BadDrawing;
    return PuzzleFileError::None;
}

QByteArray zipBytes(const QVector<QPair<QString, QByteArray>> &entries)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QuaZip zip(&buffer);
    zip.setUtf8Enabled(true);
    if (!zip.open(QuaZip::mdCreate))
        return QByteArray();
    for (const auto &[name, content] : entries) {
        QuaZipNewInfo info(name);
        info.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                            | QFileDevice::ReadOther);
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::WriteOnly, info, nullptr, 0, Z_DEFLATED, Z_BEST_COMPRESSION)
            || file.write(content) != content.size())
            return QByteArray();
        file.close();
        if (file.getZipError() != ZIP_OK)
            return QByteArray();
    }
    zip.close();
    if (zip.getZipError() != ZIP_OK)
        return QByteArray();
    return bytes;
}

PuzzleFileWrite writePuzzleFile(const QString &picturePath, const QString &pictureName,
                                const QString &destination)
{
    PuzzleFileWrite result;
    auto failed = [&result](const QString &detail) {
        result.error = PuzzleFileError::WriteFailed;
        result.detail = detail;
        return result;
    };
    const auto picture = readWhole(picturePath, kPuzzleFileMostEntryBytes);
    if (!picture)
        return failed(pictureName);

    QVector<QPair<QString, QByteArray>> entries;
    entries.append({QString::fromLatin1(kPuzzleFileManifest),
                    QByteArrayLiteral("formato=") + QByteArray::number(kPuzzleFileFormat)
                        + QByteArrayLiteral("\nprograma=VUD " VUD_PROGRAM_VERSION "\n")});
    entries.append({kPictures + QLatin1Char('/') + pictureName, *picture});

    const QString coordinatesPath = findFileIgnoringCase(coordinatesPathFor(pictureName, picturePath));
    if (!coordinatesPath.isEmpty()) {
        const auto coordinates = readWhole(coordinatesPath, kMostCoordinatesBytes);
        if (!coordinates)
            return failed(coordinatesFileName(pictureName));
        entries.append({kCoordinates + QLatin1Char('/') + coordinatesFileName(pictureName), *coordinates});
        QByteArray copy = *coordinates;
        QBuffer buffer(&copy);
        buffer.open(QIODevice::ReadOnly);
        QSet<QString> added;
        for (const DrawingPlacement &placement : readCoordinates(buffer).value_or(QVector<DrawingPlacement>())) {
            if (added.contains(placement.name))
                continue;
            added.insert(placement.name);
            // Where the reveal looks for it.
            const auto drawing = readWhole(findDataPath(QStringLiteral("\\gifs\\"), placement.name),
                                           kPuzzleFileMostEntryBytes);
            if (!drawing)
                return failed(placement.name);
            entries.append({kDrawings + QLatin1Char('/') + placement.name, *drawing});
        }
    }

    const QByteArray bytes = zipBytes(entries);
    QSaveFile file(destination);
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return failed(QString());
    return result;
}

} // namespace vud
