#include "core/datapaths.h"
#include "support/testsupport.h"
#include "uisupport/recordingsound.h"
#include "widgets/sound.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSoundEffect>
#include <QtTest>

#include <sys/stat.h>

using namespace vud;

// Sounds must never stall the child's game: the real player returns at once,
// with or without audio, and callers can be checked through the recorder.
class TestSound : public QObject
{
    Q_OBJECT

private slots:
    void dataSoundsAreFoundInTheSoundsFolder()
    {
        vudtest::TempProgramFolder folder;
        vudtest::RecordingSound recorder;
        playDataSound(recorder, "principio.wav");
        playDataSound(recorder, "fin.wav");
        QCOMPARE(recorder.played,
                 QStringList({folder.path() + "/sonidos/principio.wav", folder.path() + "/sonidos/fin.wav"}));
    }

    void realPlayerNeverBlocksOrFails()
    {
        vudtest::TempProgramFolder folder;
        // A valid WAV file, a broken file and a missing one.
        QVERIFY(vudtest::writeBytes(folder.file("sonidos/fin.wav"), silentWav()));
        QVERIFY(vudtest::writeBytes(folder.file("sonidos/roto.wav"), "RIFF garbage"));
        // Files that are no regular files: a FIFO would block its reader and
        // a device never ends. Both are silent, like a missing file.
        QCOMPARE(mkfifo(QFile::encodeName(folder.file("sonidos/tubo.wav")).constData(), 0644), 0);
        QVERIFY(QFile::link("/dev/zero", folder.file("sonidos/cero.wav")));

        SoundPlayer player;
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 20; ++i) {
            player.playSound(dataPath("\\sonidos\\fin.wav"));
            player.playSound(dataPath("\\sonidos\\roto.wav"));
            player.playSound(dataPath("\\sonidos\\missing.wav"));
            player.playSound(dataPath("\\sonidos\\tubo.wav"));
            player.playSound(dataPath("\\sonidos\\cero.wav"));
            player.playSound(QString());
        }
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        // Only the two regular files were handed to the audio system.
        QCOMPARE(player.findChildren<QSoundEffect *>().size(), 2);
        QTest::qWait(200); // let the effects load or fail in the background
    }

    // A new sound stops the one playing; the same sound again restarts
    // itself. The effects report themselves playing once started, also
    // without an audio server, and stopped once stopped.
    void aNewSoundCutsOffTheOnePlaying()
    {
        vudtest::TempProgramFolder folder;
        QVERIFY(vudtest::writeBytes(folder.file("sonidos/principio.wav"), silentWav(22050)));
        QVERIFY(vudtest::writeBytes(folder.file("sonidos/fin.wav"), silentWav(22050)));
        SoundPlayer player;
        auto effect = [&player](const QString &name) -> QSoundEffect * {
            for (QSoundEffect *e : player.findChildren<QSoundEffect *>())
                if (e->source().fileName() == name)
                    return e;
            return nullptr;
        };
        player.playSound(dataPath("\\sonidos\\principio.wav"));
        QSoundEffect *first = effect("principio.wav");
        QVERIFY(first);
        QTRY_VERIFY(first->isPlaying());

        player.playSound(dataPath("\\sonidos\\fin.wav"));
        QSoundEffect *second = effect("fin.wav");
        QVERIFY(second);
        QVERIFY(!first->isPlaying());
        QTRY_VERIFY(second->isPlaying());

        // A missing file leaves the sound that plays alone.
        player.playSound(dataPath("\\sonidos\\nada.wav"));
        QVERIFY(second->isPlaying());
        QCOMPARE(player.findChildren<QSoundEffect *>().size(), 2);

        player.playSound(dataPath("\\sonidos\\principio.wav"));
        QVERIFY(!second->isPlaying());
        QTRY_VERIFY(first->isPlaying());
        QCOMPARE(player.findChildren<QSoundEffect *>().size(), 2);
    }

private:
    // A mono 16-bit WAV file of silence.
    static QByteArray silentWav(int samples = 2205)
    {
        QByteArray wav("RIFF");
        const QByteArray data(samples * 2, '\0');
        auto le32 = [](quint32 v) { return QByteArray(reinterpret_cast<const char *>(&v), 4); };
        auto le16 = [](quint16 v) { return QByteArray(reinterpret_cast<const char *>(&v), 2); };
        wav += le32(36 + data.size()) + "WAVEfmt " + le32(16) + le16(1) + le16(1) + le32(22050)
            + le32(44100) + le16(2) + le16(16) + "data" + le32(data.size()) + data;
        return wav;
    }
};

QTEST_MAIN(TestSound)
#include "tst_sound.moc"
