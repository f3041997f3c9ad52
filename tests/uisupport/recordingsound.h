#pragma once

#include "widgets/sound.h"

#include <QString>
#include <QStringList>

namespace vudtest {

// Remembers the sounds asked for, in order, and plays nothing.
class RecordingSound : public vud::SoundInterface
{
public:
    void playSound(const QString &fullPath) override { played.append(fullPath); }
    QStringList played;
};

} // namespace vudtest
