// Nothing in a data folder may hang either program. A program folder full of
// broken and hostile files (FIFOs, links to /dev/zero, link loops, folders
// named like pictures, an unreadable file, dimension bombs, a GIF of 10,000
// frames, coordinates files of 10,000 lines and of 10 MB) is walked through
// both programs: the game's start screen, every gallery page, a board and its
// reveal for every picture that can be chosen; the editor's window, its
// picture browsing, the drawing chooser and a save. A step that takes longer
// than its time limit ends the test with the step's name.
#include "core/coordinates.h"
#include "core/datapaths.h"
#include "core/picturefile.h"
#include "core/previewloader.h"
#include "core/random.h"
#include "editor/ui/chooser.h"
#include "editor/ui/editorapp.h"
#include "editor/ui/editorwindow.h"
#include "editor/ui/picturesurface.h"
#include "editor/ui/titlescreen.h"
#include "game/ui/board.h"
#include "game/ui/gameapp.h"
#include "game/ui/results.h"
#include "game/ui/selection.h"
#include "game/ui/start.h"
#include "uisupport/editortestkit.h"
#include "uisupport/recordingsound.h"
#include "widgets/facebutton.h"
#include "widgets/gifdisplay.h"
#include "widgets/sound.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMovie>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <mutex>
#include <sys/stat.h>
#include <thread>


using namespace vudtest;

namespace {

// The longest any one step may take, sanitizer build included; a hang is
// caught here instead of at the test runner's time-out, with its name.
constexpr int kStepLimitMs = 15000;

// Ends the process when a step runs past its limit.
class StepWatchdog
{
public:
    StepWatchdog()
        : m_thread([this] { watch(); })
    {
    }
    ~StepWatchdog()
    {
        m_stop = true;
        m_thread.join();
    }

    template<typename Work>
    void step(const QString &name, Work work)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_name = name.toStdString();
        }
        QElapsedTimer clock;
        clock.start();
        m_started = std::chrono::steady_clock::now().time_since_epoch().count();
        work();
        m_started = 0;
        m_slowest = qMax(m_slowest, clock.elapsed());
        ++m_steps;
    }
    int steps() const { return m_steps; }
    qint64 slowestMs() const { return m_slowest; }

private:
    void watch()
    {
        using namespace std::chrono;
        while (!m_stop) {
            std::this_thread::sleep_for(milliseconds(100));
            const auto started = m_started.load();
            if (started == 0)
                continue;
            const auto elapsed = steady_clock::now().time_since_epoch().count() - started;
            if (duration_cast<milliseconds>(steady_clock::duration(elapsed)).count() > kStepLimitMs) {
                std::lock_guard<std::mutex> lock(m_mutex);
                std::fprintf(stderr, "FAIL: step \"%s\" took longer than %d ms\n", m_name.c_str(), kStepLimitMs);
                std::fflush(stderr);
                std::abort();
            }
        }
    }

    std::mutex m_mutex;
    std::string m_name;
    std::atomic<qint64> m_started{0};
    std::atomic<bool> m_stop{false};
    qint64 m_slowest = 0;
    int m_steps = 0;
    std::thread m_thread;
};

void fifo(const QString &path)
{
    QVERIFY2(mkfifo(QFile::encodeName(path).constData(), 0644) == 0, qPrintable(path));
}

void link(const QString &target, const QString &path)
{
    QVERIFY2(QFile::link(target, path), qPrintable(path));
}

// Every kind of hostile file, in each data folder.
void buildHostileFolder(const QString &root)
{
    auto at = [&root](const QString &relative) { return root + QLatin1Char('/') + relative; };
    QDir(root).mkpath("gifs/animales");

    // Pictures: six that decode, each the key to a kind of coordinates file.
    const QStringList good{"bueno", "cero", "lineas", "tubo", "enorme", "sin"};
    for (const QString &name : good)
        QVERIFY(writeBlockPicture(at("imagenes/" + name + ".png"), QSize(300, 200), 3, 2));
    QFile whole(at("imagenes/bueno.png"));
    QVERIFY(whole.open(QIODevice::ReadOnly));
    const QByteArray png = whole.readAll();
    QVERIFY(writeBlockPicture(at("imagenes/foto.jpg"), QSize(300, 200), 3, 2));
    QFile jpegFile(at("imagenes/foto.jpg"));
    QVERIFY(jpegFile.open(QIODevice::ReadOnly));
    const QByteArray jpeg = jpegFile.readAll();
    QVERIFY(writeBytes(at("imagenes/gigante.png"), pngClaimingSize(QSize(30000, 30000))));
    QVERIFY(writeBytes(at("imagenes/roto.png"), png.left(png.size() / 2)));
    QVERIFY(writeBytes(at("imagenes/roto.jpg"), jpeg.left(jpeg.size() / 3)));
    QVERIFY(writeBytes(at("imagenes/roto.bmp"), QByteArray("BM") + QByteArray(60, '\xff')));
    QVERIFY(writeBytes(at("imagenes/roto.gif"), QByteArray("GIF89a\xff\xff\xff\xff", 10)));
    QVERIFY(writeBytes(at("imagenes/vacio.bmp"), QByteArray()));
    QVERIFY(writeBytes(at("imagenes/dibujo.png"), "<svg xmlns='http://www.w3.org/2000/svg' width='99999' height='99999'/>"));
    QVERIFY(writeBytes(at("imagenes/cerrado.png"), png));
    QVERIFY(QFile::setPermissions(at("imagenes/cerrado.png"), QFileDevice::Permissions()));
    QDir(root).mkpath("imagenes/carpeta.png");
    fifo(at("imagenes/fifo.png"));
    link("/dev/zero", at("imagenes/cero.jpg"));
    link(at("imagenes/bucle.bmp"), at("imagenes/bucle.bmp"));
    link(at("imagenes/fifo.png"), at("imagenes/enlace.png"));

    // Drawings and the title animation.
    QVector<QRect> tenThousand(10000, QRect(0, 0, 1, 1));
    const QByteArray longGif = handMadeGif(QSize(40, 40), tenThousand);
    fifo(at("gifs/inicio.gif"));
    QVERIFY(writeBytes(at("gifs/x_elmani.gif"), longGif));
    QVERIFY(writeBytes(at("gifs/largo.gif"), longGif));
    QVERIFY(writeBytes(at("gifs/gigante.gif"), handMadeGif(QSize(30000, 30000), {QRect(0, 0, 1, 1)})));
    QVERIFY(writeGif(at("gifs/sol.gif"), squareFrames(2), 2));
    QVERIFY(writeBytes(at("gifs/roto.gif"), longGif.left(500)));
    fifo(at("gifs/tubo.gif"));
    link("/dev/zero", at("gifs/cero.gif"));
    link(at("gifs/bucle.gif"), at("gifs/bucle.gif"));
    QDir(root).mkpath("gifs/carpeta.gif");
    fifo(at("gifs/animales/aaa.gif"));
    link("/dev/zero", at("gifs/animales/bbb.gif"));
    QVERIFY(writeBytes(at("gifs/animales/ccc.gif"), longGif));
    QVERIFY(writeGif(at("gifs/animales/sol.gif"), squareFrames(2), 2));

    // Coordinates files.
    QByteArray lines;
    for (const char *name : {"tubo.gif", "cero.gif", "largo.gif", "bucle.gif", "gigante.gif", "carpeta.gif",
                             "roto.gif", "../imagenes/bueno.png", "/etc/passwd", "nada.gif", "sol.gif"})
        lines += QByteArray(name) + ",10,20,\r\n";
    lines += QByteArray("so\0l.gif,1,2,\r\n", 15) + QByteArray("\xff\xfes\0o\0l\0,\0", 10) + "\r\n";
    QVERIFY(writeBytes(at("coordenadas/bueno.txt"), lines));
    link("/dev/zero", at("coordenadas/cero.txt"));
    QVERIFY(writeBytes(at("coordenadas/lineas.txt"), QByteArray("sol.gif,5,5,\r\n").repeated(10000)));
    fifo(at("coordenadas/tubo.txt"));
    QVERIFY(writeBytes(at("coordenadas/enorme.txt"), QByteArray(10 * 1024 * 1024, 'x') + "\r\nsol.gif,1,2,\r\n"));

    // Sounds.
    fifo(at("sonidos/inicio.wav"));
    fifo(at("sonidos/4.wav"));
    link("/dev/zero", at("sonidos/2.wav"));
    link("/dev/zero", at("sonidos/acabado.wav"));
    link(at("sonidos/principio.wav"), at("sonidos/principio.wav"));
    QDir(root).mkpath("sonidos/fin.wav");
}

} // namespace

class TestHostileFolder : public QObject
{
    Q_OBJECT

private slots:
    // As the programs start.
    void initTestCase() { vud::applyPictureLimits(); }

    void bothProgramsWalkThroughAHostileFolder()
    {
        EditorTestKit kit;
        buildHostileFolder(kit.folder.path());
        if (QTest::currentTestFailed())
            return;
        vud::SoundPlayer sounds;
        StepWatchdog watchdog;

        // The game.
        auto game = std::make_unique<GameApp>(sounds, kit.random);
        connect(game.get(), &GameApp::exitRequested, this, [] { QFAIL("the game ended"); });
        watchdog.step("start screen", [&] {
            game->startScreen()->show();
            QVERIFY(QTest::qWaitForWindowExposed(game->startScreen()));
            QTest::qWait(100);
        });
        Form2 *selection = nullptr;
        watchdog.step("selection screen", [&] {
            game->startScreen()->Command1_Click(0);
            selection = game->selection();
            QVERIFY(QTest::qWaitForWindowExposed(selection));
        });
        // The previews come from worker threads: a page is walked once all
        // of it is placed.
        auto pageFilled = [&selection] {
            QVERIFY(QTest::qWaitFor([&] { return selection->Previews()->pending() == 0; }, 10000));
            selection->Previews()->waitForDone();
            QCoreApplication::processEvents();
        };
        watchdog.step("first gallery page", pageFilled);
        QStringList revealed;
        for (int page = 0; page < 10; ++page) {
            for (int cell = 0; cell < 9; ++cell) {
                if (!selection->Image1[cell]->hasPicture())
                    continue;
                Form3 *board = nullptr;
                watchdog.step(QString("board, page %1 cell %2").arg(page).arg(cell), [&] {
                    selection->Image1_Click(cell);
                    board = game->board();
                    QVERIFY(QTest::qWaitForWindowExposed(board));
                    board->Form_Activate();
                    QCOMPARE(board->pieceCount(), 6);
                    // Later activations leave this board alone.
                    QVERIFY(!board->rebuildBoard());
                });
                const QString name = board->choice().PictureName;
                watchdog.step("reveal of " + name, [&] {
                    board->Timer2_Timer();
                    QVERIFY(board->revealShown());
                    QTest::qWait(200); // the drawings play
                });
                revealed << name;
                if (name == "lineas.png")
                    QCOMPARE(board->gifCount(), vud::kMostDrawings);
                if (name == "enorme.png")
                    QCOMPARE(board->gifCount(), 0); // read up to the byte limit only
                if (name == "cero.png" || name == "tubo.png" || name == "sin.png") {
                    // Read as missing: the default drawing, the long GIF, cut short.
                    QCOMPARE(board->gifCount(), 0);
                    QVERIFY(board->gifElement(0)->isVisible());
                    QCOMPARE(board->gifElement(0)->movie()->frameCount(), vud::kAnimationMostFrames);
                }
                watchdog.step("back to the selection screen", [&] {
                    board->Command9_Click();
                    QTest::qWait(50);
                });
            }
            const bool last = !selection->Command1[0]->isEnabled();
            watchdog.step(QString("gallery page %1").arg(page + 1), [&] {
                selection->Command1_Click(0);
                pageFilled();
            });
            if (last || !selection->Command1[0]->isEnabled())
                break;
        }
        for (const char *name : {"bueno.png", "cero.png", "lineas.png", "tubo.png", "enorme.png", "sin.png", "foto.jpg"})
            QVERIFY2(revealed.contains(name), qPrintable(revealed.join(' ')));
        watchdog.step("game closed", [&] { game.reset(); });

        // The editor.
        Editor::EditorApp editorApp(kit.dialogs, kit.random);
        Editor::Form1 *editor = nullptr;
        watchdog.step("editor window", [&] {
            editorApp.start();
            editorApp.titleScreen()->Command2_Click();
            editor = editorApp.editor();
            QVERIFY(editor);
            QVERIFY(QTest::qWaitForWindowExposed(editor));
        });
        QVERIFY(editor);
        const int pictures = int(editor->pictureFiles().size());
        QVERIFY(!editor->pictureFiles().contains("fifo.png"));
        QVERIFY(!editor->pictureFiles().contains("cero.jpg"));
        for (int i = 0; i <= pictures; ++i)
            watchdog.step(QString("editor picture %1").arg(i), [&] { editor->Command1_Click(1); });
        // Back on bueno.png to place a drawing.
        for (int i = 0; i < pictures && editor->pictureFiles().value(editor->pictureIndex()) != "bueno.png"; ++i)
            editor->Command1_Click(1);
        QCOMPARE(editor->pictureFiles().value(editor->pictureIndex()), QString("bueno.png"));
        Editor::Form2 *chooser = nullptr;
        watchdog.step("chooser", [&] {
            editor->Command1_Click(2);
            chooser = editor->chooser();
            QVERIFY(chooser);
        });
        for (int page = 0; page < 3; ++page) {
            for (int cell = 0; cell < 9; ++cell) {
                watchdog.step(QString("chooser page %1 cell %2").arg(page).arg(cell), [&] {
                    chooser->Image1_MouseMove(cell);
                    QTest::qWait(20);
                    // The chooser plays one drawing at a time; its display
                    // is given every file all the same.
                    const QString file = chooser->files().value(chooser->pageStart() + cell);
                    if (!file.isEmpty())
                        chooser->animation()->setFile(kit.file("gifs/" + file));
                    chooser->Image1_Click(cell);
                    editor->Command1_Click(2);
                });
            }
            watchdog.step(QString("chooser page %1").arg(page + 1), [&] { chooser->Command1_Click(0); });
        }
        watchdog.step("placing sol.gif", [&] {
            const int sol = int(vud::listFiles(kit.file("gifs")).indexOf("sol.gif"));
            QVERIFY(sol >= 0);
            for (int back = 0; back < 10 && chooser->pageStart() > 0; ++back)
                chooser->Command1_Click(1);
            QVERIFY(sol < 9);
            chooser->Image1_Click(sol - chooser->pageStart());
            QTest::mouseClick(editor->windowHandle(), Qt::LeftButton, {}, editor->surface()->mapTo(editor, QPoint(10, 10)));
            QTRY_VERIFY_WITH_TIMEOUT(editor->surface()->isEnabled(), 5000);
            QCOMPARE(editor->placementLines(), QStringList{"sol.gif,10,10,"});
        });
        watchdog.step("save", [&] {
            kit.dialogs.answers.enqueue(QString("hostil"));
            editor->Command1_Click(3);
            QVERIFY(QFileInfo(kit.file("imagenes/hostil.bmp")).isFile());
            QVERIFY(QFileInfo(kit.file("coordenadas/hostil.txt")).isFile());
        });
        qInfo("%d steps, the slowest %lld ms", watchdog.steps(), watchdog.slowestMs());
    }
};

QTEST_MAIN(TestHostileFolder)
#include "tst_hostilefolder.moc"
