#include "core/thumbnails.h"

#include "core/picturefile.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace vud::thumbnails {

namespace {

const char UriKey[] = "Thumb::URI";
const char MTimeKey[] = "Thumb::MTime";
const char SizeKey[] = "Thumb::Size";

bool keptInUri(char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;
    return c != '\0' && std::strchr("-_.!~*'()/$&+,:=@", c) != nullptr;
}

// Makes the folder and any missing folder above it, each with mode 0700, as
// the thumbnails must stay private to their owner. Existing folders are left
// as they are.
bool makePrivateFolder(const QString &folder)
{
    QStringList missing;
    QString path = QDir::cleanPath(folder);
    while (!QFileInfo(path).isDir()) {
        if (QFileInfo::exists(path) || path == QDir::rootPath() || path.isEmpty())
            return false;
        missing.prepend(path);
        path = QFileInfo(path).path();
    }
    for (const QString &level : missing)
        if (::mkdir(QFile::encodeName(level).constData(), 0700) != 0 && errno != EEXIST)
            return false;
    return true;
}

} // namespace

QByteArray fileUri(const QString &absolutePath)
{
    static const char hex[] = "0123456789ABCDEF";
    QByteArray uri("file://");
    for (const char c : absolutePath.toUtf8()) {
        if (keptInUri(c)) {
            uri += c;
        } else {
            const auto byte = static_cast<unsigned char>(c);
            uri += '%';
            uri += hex[byte >> 4];
            uri += hex[byte & 0xF];
        }
    }
    return uri;
}

QString fileName(const QByteArray &uri)
{
    return QString::fromLatin1(QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex()) + QStringLiteral(".png");
}

QString largeFolder()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty())
        return QString();
    return cache + QStringLiteral("/thumbnails/large");
}

QSize largeSize(const QSize &picture)
{
    if (picture.width() <= LargeEdge && picture.height() <= LargeEdge)
        return picture;
    QSize size = picture.scaled(LargeEdge, LargeEdge, Qt::KeepAspectRatio);
    return size.expandedTo(QSize(1, 1));
}

Original originalOf(const QFileInfo &file, const QSize &picture)
{
    return {file.absoluteFilePath(), file.size(), file.lastModified().toSecsSinceEpoch(), picture};
}

QImage readLarge(const QString &folder, const Original &original)
{
    if (folder.isEmpty() || original.absolutePath.isEmpty())
        return QImage();
    const QByteArray uri = fileUri(original.absolutePath);
    const QString path = folder + QLatin1Char('/') + fileName(uri);
    QFile file;
    if (!openRegularFile(file, path))
        return QImage();
    // A thumbnail of another shape was made from the picture turned or cut
    // otherwise than it is shown here. (The keys are read with the pixels:
    // the reader's own text lookup cuts keys at their first colon.)
    QImageReader reader(&file, "png");
    const QSize expected = largeSize(original.picture);
    const QSize stored = reader.size();
    if (qAbs(stored.width() - expected.width()) > 1 || qAbs(stored.height() - expected.height()) > 1)
        return QImage();
    const QImage thumbnail = reader.read();
    if (thumbnail.text(QString::fromLatin1(UriKey)) != QString::fromLatin1(uri))
        return QImage();
    bool ok = false;
    if (thumbnail.text(QString::fromLatin1(MTimeKey)).toLongLong(&ok) != original.modifiedSeconds || !ok)
        return QImage();
    const QString size = thumbnail.text(QString::fromLatin1(SizeKey));
    if (!size.isEmpty() && size.toLongLong() != original.size)
        return QImage();
    return thumbnail;
}

bool writeLarge(const QString &folder, const Original &original, const QImage &thumbnail)
{
    if (folder.isEmpty() || original.absolutePath.isEmpty() || thumbnail.isNull() || !makePrivateFolder(folder))
        return false;
    const QByteArray uri = fileUri(original.absolutePath);
    QImage image = thumbnail;
    image.setText(QString::fromLatin1(UriKey), QString::fromLatin1(uri));
    image.setText(QString::fromLatin1(MTimeKey), QString::number(original.modifiedSeconds));
    image.setText(QString::fromLatin1(SizeKey), QString::number(original.size));
    image.setText(QStringLiteral("Thumb::Image::Width"), QString::number(original.picture.width()));
    image.setText(QStringLiteral("Thumb::Image::Height"), QString::number(original.picture.height()));
    image.setText(QStringLiteral("Software"), QStringLiteral("VUD 2.0"));

    const QString target = folder + QLatin1Char('/') + fileName(uri);
    // QTemporaryFile creates its file readable and writable by the owner only.
    QTemporaryFile file(target + QStringLiteral(".XXXXXX"));
    if (!file.open())
        return false;
    QImageWriter writer(&file, "png");
    if (!writer.write(image) || !file.flush())
        return false;
    file.close();
    if (std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(target).constData()) != 0)
        return false;
    file.setAutoRemove(false);
    return true;
}

} // namespace vud::thumbnails
