#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class QSoundEffect;

namespace vud {

// Plays short sound effects. Playing never blocks and never fails loudly: a
// missing or broken file, or a machine without audio, is simply silent.
class SoundInterface
{
public:
    virtual ~SoundInterface() = default;
    // Starts the WAV file at fullPath and returns at once; a new sound cuts
    // off the one playing.
    virtual void playSound(const QString &fullPath) = 0;
};

// The real player, on Qt Multimedia's sound effects.
class SoundPlayer : public QObject, public SoundInterface
{
public:
    explicit SoundPlayer(QObject *parent = nullptr);
    ~SoundPlayer() override;
    void playSound(const QString &fullPath) override;

private:
    QSoundEffect *effectFor(const QString &path);

    QList<QPair<QString, QSoundEffect *>> m_effects;
    QSoundEffect *m_playing = nullptr;
};

// Plays program folder + "\sonidos\" + fileName on the given player.
void playDataSound(SoundInterface &player, const QString &fileName);

} // namespace vud
