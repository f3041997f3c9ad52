#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

class QFile;

namespace vud {

// Every picture the programs show comes through here, so that each reader
// treats a data folder's files the same way: only regular files are opened
// (a FIFO would block, a link to a device would read forever) and each is
// read through the descriptor that was checked, a picture is shown upright as
// its orientation tag says, and no decode may allocate more than a fixed
// amount.

// The largest image a decode may allocate, in megabytes. A 12000 x 9000
// photograph (432 MB as 32-bit pixels) is refused when read whole but reads
// fine scaled down; a header claiming 30000 x 30000 pixels is refused before
// any pixel memory is taken.
constexpr int kPictureAllocationLimitMB = 256;

// True when the path, after following links, is a regular file. FIFOs,
// devices, sockets, folders and dangling or looping links are not.
bool isRegularFile(const QString &path);

// Opens a regular file for reading in a way that cannot block: the file is
// opened without waiting for a writer and its type is checked on the open
// file, so a FIFO or device put in its place after a check is refused too.
bool openRegularFile(QFile &file, const QString &path);

// Called, when set, with each path that passed openRegularFile's check, just
// before the path is opened: tests swap the file there. Empty: none.
using CheckedPathHook = std::function<void(const QString &path)>;
void setCheckedPathHook(CheckedPathHook hook);

// Sets the decoders' allocation limit, one value for the whole program: each
// program calls it once as it starts, before any picture is read.
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

// An animation display plays at most this much of a GIF, so that a dimension
// bomb or a GIF of ten thousand frames costs a bounded time and memory: the
// canvas and every frame lie within kAnimationLargestSide pixels each way, at
// most kAnimationMostFrames frames are played, and the frames together hold
// at most kAnimationMostPixels canvas pixels (each frame is kept whole as a
// picture of the canvas size, 4 bytes a pixel). Only the first
// kAnimationMostBytes of a file are read.
constexpr int kAnimationLargestSide = 2048;
constexpr int kAnimationMostFrames = 1000;
constexpr qint64 kAnimationMostPixels = 16 * 1024 * 1024;
constexpr qint64 kAnimationMostBytes = 16 * 1024 * 1024;

// GIF bytes cut down to those bounds: the frames past a bound are dropped
// and a trailer ends the file after the last frame kept. Empty when the
// canvas or the first frame is already too large. Bytes that do not start as
// a GIF ("GIF8", any version) come back unchanged (their decode is bounded by
// the allocation limit), and so do the bytes of a GIF that breaks off within
// its bounds.
QByteArray boundAnimation(const QByteArray &bytes);

// A file's bytes as an animation display plays them: boundAnimation of the
// file's first kAnimationMostBytes bytes. Empty when the path is no regular
// file or cannot be read.
QByteArray readAnimation(const QString &path);
// The same from an open file, from where it stands.
QByteArray readAnimation(QFile &file);

} // namespace vud
