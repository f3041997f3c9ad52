#include "widgets/sound.h"

#include "core/datapaths.h"
#include "core/picturefile.h"

#include <QSoundEffect>
#include <QUrl>

namespace vud {

SoundPlayer::SoundPlayer(QObject *parent)
    : QObject(parent)
{
}

SoundPlayer::~SoundPlayer() = default;

QSoundEffect *SoundPlayer::effectFor(const QString &path)
{
    for (const auto &entry : std::as_const(m_effects)) {
        if (entry.first == path)
            return entry.second;
    }
    // One effect per file, kept for the program's life: the game uses six
    // sounds, and a loaded effect starts at once the next time.
    auto *effect = new QSoundEffect(this);
    effect->setSource(QUrl::fromLocalFile(path));
    m_effects.append({path, effect});
    return effect;
}

void SoundPlayer::playSound(const QString &fullPath)
{
    const QString &path = fullPath;
    // A FIFO or a link to a device would block or never end: silent, as a
    // missing file is.
    if (!isRegularFile(path))
        return;
    QSoundEffect *effect = effectFor(path);
    if (m_playing && m_playing != effect)
        m_playing->stop();
    m_playing = effect;
    effect->play();
}

void playDataSound(SoundInterface &player, const QString &fileName)
{
    player.playSound(findDataPath(QStringLiteral("\\sonidos\\"), fileName));
}

} // namespace vud
