#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

class QFileInfo;

namespace vud::thumbnails {

// The desktop's shared cache of large thumbnails, laid out as the
// freedesktop.org Thumbnail Managing Standard says, so that photographs the
// file manager has already seen open at once and the previews made here serve
// the file manager too. Every failure (no cache folder, an unreadable or
// unwritable one, a broken thumbnail) only means "no thumbnail": nothing is
// reported. All functions may be called from any thread.

// The longest side of a large thumbnail.
constexpr int LargeEdge = 256;

// The file's URI as the desktop's file managers write it: "file://" and the
// absolute path in UTF-8, each byte other than a letter, a digit or one of
// -_.!~*'()/$&+,:=@ written as %XX in upper-case hex.
QByteArray fileUri(const QString &absolutePath);

// The thumbnail's file name: the MD5 of the URI in lower-case hex, + ".png".
QString fileName(const QByteArray &uri);

// $XDG_CACHE_HOME/thumbnails/large, or ~/.cache/thumbnails/large when the
// variable is not set.
QString largeFolder();

// The large thumbnail's size for a picture of the given size: fitted into
// 256 x 256 with its shape kept; a smaller picture keeps its size.
QSize largeSize(const QSize &picture);

// The original file as its thumbnail records it.
struct Original
{
    QString absolutePath;
    qint64 size = -1;            // bytes
    qint64 modifiedSeconds = 0;  // since 1970
    QSize picture;               // its upright size in pixels
};

// The file as it is now (its size and modification time as the QFileInfo
// read them).
Original originalOf(const QFileInfo &file, const QSize &picture);

// The large thumbnail of the original in the folder, when one was made from
// the file as described: its Thumb::URI is the file's URI, its Thumb::MTime
// the modification time, its Thumb::Size (when present) the file's size, and
// it has the size largeSize() gives for the picture (within a pixel), and it
// is not one this program made before its scale kept two-colour pictures'
// colours. Null otherwise.
QImage readLarge(const QString &folder, const Original &original);

// Stores the thumbnail of the original with the keys above: written to a
// temporary file in the folder, mode 0600, and renamed over the final name,
// so that a reader never meets half a thumbnail. Missing folders are made
// with mode 0700. False when anything fails.
bool writeLarge(const QString &folder, const Original &original, const QImage &thumbnail);

} // namespace vud::thumbnails
