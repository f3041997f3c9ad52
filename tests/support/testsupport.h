#pragma once

#include "core/random.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

namespace vudtest {

// A temporary program folder with the four data folders, which the programs
// use while the object lives. The user's data folder is pointed at "usuario"
// inside it and the system data folders at "sistema" (neither made), so that
// a test that takes imagenes away, which is the installed layout, never
// reaches the real ones nor an installed package's data. The system's and the
// user's settings files are looked for in "ajustes-sistema" and
// "ajustes-usuario" inside it.
class TempProgramFolder
{
public:
    TempProgramFolder();
    ~TempProgramFolder();

    QString path() const { return m_dir.path(); }
    // path() + "/" + relative
    QString file(const QString &relative) const;
    bool isValid() const { return m_dir.isValid(); }

private:
    QTemporaryDir m_dir;
    QByteArray m_dataDirs = qgetenv("XDG_DATA_DIRS");
};

// Writes an animated GIF of the frames' exact colours (at most 255 of them);
// pixels with alpha below half are transparent. loopCount < 0 writes no loop
// block (plays once); 0 loops forever.
bool writeGif(const QString &path, const QVector<QImage> &frames, int delayCentiseconds = 5,
              int loopCount = -1);

// Frames of simple coloured squares on a transparent background.
QVector<QImage> squareFrames(int count, QSize size = QSize(20, 20));

// Writes bytes to a file (for truncated or non-GIF files).
bool writeBytes(const QString &path, const QByteArray &bytes);

// A file's bytes; empty when it cannot be read.
QByteArray readAll(const QString &path);

// A GIF of the given canvas size and frame rectangles, black and white: each
// frame holds one black pixel of data whatever size it claims (the decoder
// leaves the rest empty), so a GIF of any size or frame count stays small.
QByteArray handMadeGif(QSize canvas, const QVector<QRect> &frames);

// A PNG whose header claims the given size, followed by a few bytes of
// picture data: a dimension bomb that takes no room.
QByteArray pngClaimingSize(QSize size);

// A picture of flat coloured blocks: block (c, r) of a columns x rows grid has
// colour blockColour(c, r). Saved in the format the suffix names.
bool writeBlockPicture(const QString &path, QSize size, int columns, int rows);
QColor blockColour(int column, int row);

// Each of red, green and blue differs by at most the tolerance: the same
// colour after a lossy save or a scaling.
bool coloursClose(const QColor &a, const QColor &b, int tolerance);

// A two-colour PNG stored as a 1-bit palette PNG, as ImageMagick and PNG
// optimisers write flat two-colour art: the left half `left`, the right half
// `right`. False unless the file reads back as a 1-bit picture.
bool writeTwoColourPng(const QString &path, QSize size, QColor left, QColor right);

// The CRC-32 of PNG chunks and zip entries.
quint32 crc32(const QByteArray &bytes);

// Saves the pixels as stored by a phone camera, in a JPEG whose orientation
// tag (1 to 8) says how to turn them for showing: 6 is "rotate 90" of a
// portrait photo taken with the phone upright.
bool writeJpegWithOrientation(const QString &path, const QImage &stored, int orientation);

// While it lives, file permissions bind this process even when it runs as
// root (as CI does): the capabilities that override them are lowered from the
// effective set and raised again at the end. active() is false where that
// could not be done.
class PermissionsBindRoot
{
public:
    PermissionsBindRoot();
    ~PermissionsBindRoot();
    bool active() const { return m_active; }

private:
    bool m_active = false;
};

// A random source that replays the given fractions, then repeats the last.
class ScriptedRandom : public vud::RandomSource
{
public:
    explicit ScriptedRandom(QVector<double> fractions = {}) : m_fractions(std::move(fractions)) {}
    double nextFraction() override;
    void seedFromClock() override { ++seeds; }

    QVector<double> m_fractions;
    int drawn = 0;
    int seeds = 0;
};

} // namespace vudtest
