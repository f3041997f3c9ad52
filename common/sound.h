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

// Remembers the sounds asked for, in order, and plays nothing.
class RecordingSound : public SoundInterface
{
public:
    void playSound(const QString &fullPath) override { played.append(fullPath); }
    QStringList played;
};

// The program-wide player. Until one is set, a silent recorder is used, so
// that code run outside the programs (tests) never touches the audio system.
SoundInterface &sound();
// Replaces the program-wide player; the caller keeps ownership. Passing null
// restores the silent default.
void setSound(SoundInterface *player);

// Plays program folder + "\sonidos\" + fileName.
void playDataSound(const QString &fileName);

} // namespace vud
