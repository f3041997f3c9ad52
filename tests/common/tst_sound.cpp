#include "sound.h"
#include "datapaths.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace vud;

// Sounds must never stall the child's game: the real player returns at once,
// with or without audio, and callers can be checked through the recorder.
class TestSound : public QObject
{
    Q_OBJECT

private slots:
    void callersReachThePlayerThroughTheSeam()
    {
        vudtest::TempProgramFolder folder;
        RecordingSound recorder;
        setSound(&recorder);
        playDataSound("principio.wav");
        playDataSound("fin.wav");
        setSound(nullptr);
        playDataSound("acabado.wav"); // the silent default, not the recorder
        QCOMPARE(recorder.played,
                 QStringList({folder.path() + "/sonidos/principio.wav", folder.path() + "/sonidos/fin.wav"}));
    }

    void realPlayerNeverBlocksOrFails()
    {
        vudtest::TempProgramFolder folder;
        // A valid WAV header with a short silence, a broken file and a missing one.
        QByteArray wav("RIFF");
        const QByteArray data(2205 * 2, '\0');
        auto le32 = [](quint32 v) { return QByteArray(reinterpret_cast<const char *>(&v), 4); };
        auto le16 = [](quint16 v) { return QByteArray(reinterpret_cast<const char *>(&v), 2); };
        wav += le32(36 + data.size()) + "WAVEfmt " + le32(16) + le16(1) + le16(1) + le32(22050)
            + le32(44100) + le16(2) + le16(16) + "data" + le32(data.size()) + data;
        QVERIFY(vudtest::writeBytes(folder.file("sonidos/fin.wav"), wav));
        QVERIFY(vudtest::writeBytes(folder.file("sonidos/roto.wav"), "RIFF garbage"));

        SoundPlayer player;
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 20; ++i) {
            player.playSound(dataPath("\\sonidos\\fin.wav"));
            player.playSound(dataPath("\\sonidos\\roto.wav"));
            player.playSound(dataPath("\\sonidos\\missing.wav"));
            player.playSound(QString());
        }
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        QTest::qWait(200); // let the effects load or fail in the background
    }
};

QTEST_MAIN(TestSound)
#include "tst_sound.moc"
