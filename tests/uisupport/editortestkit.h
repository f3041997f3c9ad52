#pragma once

#include "support/testsupport.h"
#include "uisupport/recordingdialogs.h"

#include <QBuffer>
#include <QImage>
#include <QTransform>
#include <memory>
#include <optional>

// A temporary program folder for the editor, the editor's dialogs answered
// from a script and recorded, and a scripted random source: the windows under
// test are given dialogs and random.
class EditorTestKit
{
public:
    QString file(const QString &relative) const { return folder.file(relative); }

    vudtest::TempProgramFolder folder;
    vudtest::ScriptedRandom random{{0.423}};
    RecordingDialogs dialogs;
};

// The drawing used to check stamps: 6 x 4 pixels with every kind of pixel
// the stamp must tell apart, in its first frame; the second frame differs.
inline QImage stampFrame()
{
    QImage frame(6, 4, QImage::Format_ARGB32);
    frame.fill(qRgb(255, 0, 0));
    frame.setPixel(0, 0, qRgba(0, 0, 0, 0));        // transparent: counts as white
    frame.setPixel(1, 0, qRgb(255, 255, 255));      // white: left out
    frame.setPixel(2, 0, qRgb(254, 255, 255));      // nearly white: stamped
    frame.setPixel(3, 0, qRgb(0, 0, 0));            // black: stamped
    frame.setPixel(4, 0, qRgb(0, 0, 200));
    return frame;
}

// Writes a JPEG as a phone stores a portrait photo: the picture lies on its
// side and an orientation tag (6) says to turn it a quarter clockwise.
inline bool writeSidewaysJpeg(const QString &path, const QImage &upright)
{
    return vudtest::writeJpegWithOrientation(path, upright.transformed(QTransform().rotate(-90)), 6);
}
