// A save must survive the editor being killed. The test starts this same
// program as an editor (the editor window on a large picture, one drawing
// placed, the save button pressed) and kills it with SIGKILL at points spread
// over the save; after each kill the folders must hold the old puzzle or the
// new one, whole, and no leftover may be offered by a file list.
#include "core/datapaths.h"
#include "core/random.h"
#include "editor/logic/layout.h"
#include "editor/ui/chooser.h"
#include "editor/ui/editorwindow.h"
#include "editor/ui/picturesurface.h"
#include "support/testsupport.h"
#include "uisupport/recordingdialogs.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <cstdio>

using vudtest::readAll;

namespace {

const QString PuzzleName = QStringLiteral("gato");

void say(const char *line)
{
    std::puts(line);
    std::fflush(stdout);
}

// The editor's messages, told on stderr as they come so that the parent's
// log says why a child gave up.
class TellingDialogs : public RecordingDialogs
{
public:
    void showMessage(QWidget *parent, const QString &message) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        RecordingDialogs::showMessage(parent, message);
    }
};

// The editor's side, run in a child process: opens the editor window on the
// last picture of the folder, places the first drawing, and saves under
// PuzzleName, saying "saving" just before the save button is pressed.
int runEditor(const QString &folder)
{
    vud::setProgramFolder(folder);
    TellingDialogs dialogs;
    dialogs.answers.enqueue(PuzzleName);
    vud::StandardRandom names;
    Editor::Form1 form(dialogs, names);
    form.showEditor();
    if (!QTest::qWaitForWindowExposed(&form))
        return 2;
    form.Command1_Click(0); // from the first picture back to the last one
    form.Command1_Click(2);
    if (!form.chooser())
        return 2;
    form.chooser()->Image1_Click(0);
    // The drawing goes where the window's middle shows the picture.
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, form.rect().center());
    QElapsedTimer clock;
    clock.start();
    while (!form.surface()->isEnabled() && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    if (form.placementLines().size() != 1)
        return 3;
    say("saving");
    form.Command1_Click(3);
    say("saved");
    return 0;
}

} // namespace

class TestSaveKill : public QObject
{
    Q_OBJECT

    vudtest::TempProgramFolder *m_folder = nullptr;
    QByteArray m_oldPicture;

    QString file(const QString &relative) const { return m_folder->file(relative); }

    void putOldPuzzleBack()
    {
        QVERIFY(vudtest::writeBytes(file("imagenes/gato.bmp"), m_oldPicture));
        QFile::remove(file("coordenadas/gato.txt"));
        for (const char *folder : {"imagenes", "coordenadas"}) {
            QDir dir(file(folder));
            for (const QString &hidden : dir.entryList({".vud-save-*"}, QDir::Files | QDir::Hidden))
                QVERIFY(dir.remove(hidden));
        }
    }

    // Starts the editor and waits until it is about to save.
    bool startSaving(QProcess &editor)
    {
        editor.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        editor.start(QCoreApplication::applicationFilePath(), {"--editor", m_folder->path()});
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 60000) {
            if (editor.canReadLine()) {
                if (editor.readLine().trimmed() == "saving")
                    return true;
                continue;
            }
            if (!editor.waitForReadyRead(int(60000 - clock.elapsed())))
                return false;
        }
        return false;
    }

private slots:
    void initTestCase()
    {
        m_folder = new vudtest::TempProgramFolder;
        QVERIFY(vudtest::writeBlockPicture(file("imagenes/paisaje.png"), QSize(2400, 1800), 8, 6));
        QVERIFY(vudtest::writeBlockPicture(file("imagenes/gato.bmp"), QSize(200, 100), 2, 1));
        m_oldPicture = readAll(file("imagenes/gato.bmp"));
        QVERIFY(QDir(m_folder->path()).mkpath("gifs/animales"));
        for (const char *gif : {"gifs/abeja.gif", "gifs/animales/abeja.gif"})
            QVERIFY(vudtest::writeGif(file(gif), vudtest::squareFrames(2), 1));
    }
    void cleanupTestCase() { delete m_folder; }

    void killedSavesLeaveTheOldPuzzleOrTheNewOne()
    {
        // A save that runs to its end: the new puzzle, and how long it takes.
        QProcess whole;
        QVERIFY(startSaving(whole));
        QElapsedTimer saving;
        saving.start();
        QVERIFY(whole.canReadLine() || whole.waitForReadyRead(60000));
        const qint64 saveNs = saving.nsecsElapsed();
        QVERIFY(whole.waitForFinished(60000));
        QCOMPARE(whole.exitCode(), 0);
        const QByteArray newPicture = readAll(file("imagenes/gato.bmp"));
        const QByteArray newLines = readAll(file("coordenadas/gato.txt"));
        // Saved as the editor shows it: scaled down to fit its work area.
        const vud::ScreenTwips screen = vud::screenTwips();
        QCOMPARE(QImage::fromData(newPicture).size(),
                 Editor::shownPictureSize(QSize(2400, 1800),
                                          Editor::workAreaPixels(Editor::workArea(screen), screen)));
        QVERIFY2(newLines.startsWith("abeja.gif,") && newLines.endsWith(",\r\n") && newLines.count('\n') == 1,
                 newLines.constData());
        QVERIFY(newPicture != m_oldPicture);

        // Kills spread evenly from the press of the button to well past the
        // time a whole save took (a busy machine makes some saves slower).
        const int kills = 30;
        int oldPuzzles = 0, newPuzzles = 0, between = 0, leftovers = 0;
        for (int k = 0; k < kills; ++k) {
            putOldPuzzleBack();
            QProcess editor;
            QVERIFY(startSaving(editor));
            QThread::usleep(quint64(saveNs * 2.5 * k / (kills - 1) / 1000));
            ::kill(pid_t(editor.processId()), SIGKILL);
            QVERIFY(editor.waitForFinished(10000));

            const QByteArray picture = readAll(file("imagenes/gato.bmp"));
            const bool hasLines = QFileInfo::exists(file("coordenadas/gato.txt"));
            const QByteArray lines = readAll(file("coordenadas/gato.txt"));
            if (picture == m_oldPicture && !hasLines) {
                ++oldPuzzles;
            } else if (picture == newPicture && hasLines && lines == newLines) {
                ++newPuzzles;
            } else if (picture == newPicture && !hasLines) {
                // Killed in the instant between the picture taking its name
                // and the coordinates file taking its own: the new picture
                // stands alone, shown with the default drawing.
                ++between;
            } else {
                QFAIL(qPrintable(QString("kill %1 left a picture of %2 bytes (old %3, new %4) and %5")
                                     .arg(k)
                                     .arg(picture.size())
                                     .arg(m_oldPicture.size())
                                     .arg(newPicture.size())
                                     .arg(hasLines ? "coordinates: " + QString::fromLatin1(lines.toPercentEncoding())
                                                   : QString("no coordinates file"))));
            }
            // Whatever a kill left behind is never offered: both programs'
            // lists of pictures and drawings are made by listFiles.
            QCOMPARE(vud::listFiles(file("imagenes")), (QStringList{"gato.bmp", "paisaje.png"}));
            const QStringList coordinates = vud::listFiles(file("coordenadas"));
            QVERIFY2(coordinates.isEmpty() || coordinates == QStringList{"gato.txt"}, qPrintable(coordinates.join(' ')));
            leftovers += int(QDir(file("imagenes")).entryList({".vud-save-*"}, QDir::Files | QDir::Hidden).size()
                             + QDir(file("coordenadas")).entryList({".vud-save-*"}, QDir::Files | QDir::Hidden).size());
        }
        qInfo("%d kills over a save of %.0f ms: %d left the old puzzle, %d the new one, %d the new picture "
              "alone; %d hidden temporary files left behind",
              kills, saveNs / 1e6, oldPuzzles, newPuzzles, between, leftovers);
        // The kills landed on both sides of the save.
        QVERIFY(oldPuzzles > 0);
        QVERIFY(newPuzzles > 0);
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--editor") == 0)
        return runEditor(QString::fromLocal8Bit(argv[2]));
    TestSaveKill test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_savekill.moc"
