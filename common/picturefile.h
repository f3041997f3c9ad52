#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace vud {

// Every picture the programs show comes through here, so that each reader
// treats a data folder's files the same way: only regular files are opened
// (a FIFO would block, a link to a device would read forever), a picture is
// shown upright as its orientation tag says, and no decode may allocate more
// than a fixed amount.

// The largest image a decode may allocate, in megabytes. A 12000 x 9000
// photograph (432 MB as 32-bit pixels) is refused when read whole but reads
// fine scaled down; a header claiming 30000 x 30000 pixels is refused before
// any pixel memory is taken.
constexpr int kPictureAllocationLimitMB = 256;

// True when the path, after following links, is a regular file. FIFOs,
// devices, sockets, folders and dangling or looping links are not.
bool isRegularFile(const QString &path);

// Sets the decoders' allocation limit (idempotent; the readers below call it).
void applyPictureLimits();

// The picture's size as it is shown, its orientation applied (a portrait
// phone photo stored sideways reports its upright size). Read from the header
// alone; invalid when the path is no regular file or holds no picture.
QSize pictureSize(const QString &path);

// Reads a picture upright. With a valid size, the picture comes out at
// exactly that size (aspect not kept), decoded straight at it where the
// format's decoder can scale (JPEG), so that a large photograph shown small
// never costs a full decode. Null when the path is no regular file, holds no
// picture, or the decode would pass the allocation limit.
QImage readPicture(const QString &path, const QSize &size = QSize());

} // namespace vud
