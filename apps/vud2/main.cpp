#include "core/picturefile.h"
#include "core/random.h"
#include "game/ui/gameapp.h"
#include "game/logic/scansettings.h"
#include "game/ui/screenart.h"
#include "game/ui/start.h"
#include "widgets/sound.h"

#include <QApplication>
#include <QSettings>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    vud::applyPictureLimits();
    // Ties the windows to the menu entry: the application id (Wayland) is
    // the entry's name, the windows' class (X11) the entry's StartupWMClass,
    // whatever name the binary was started by, and the icon the entry's.
    QCoreApplication::setApplicationName(QStringLiteral("vud2"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vud.vud2"));
    QApplication::setWindowIcon(ScreenArt::windowIcon());

    // One-switch play, kept in the user's settings; the command line changes
    // them for this run and the next ones.
    QSettings settings(QStringLiteral("vud"), QStringLiteral("vud2"));
    boardlogic::ScanSettings scan = boardlogic::ScanSettings::read(settings);
    QStringList files;
    const QString error = boardlogic::applyScanOptions(QCoreApplication::arguments(), scan, &files);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "vud2: %s\nusage: vud2 [--scan | --no-scan] [--scan-pace SECONDS] [PUZZLE.vud]\n",
                     qPrintable(error));
        return 2;
    }
    if (QCoreApplication::arguments().size() > files.size() + 1)
        scan.write(settings);

    vud::SoundPlayer player;
    vud::StandardRandom random;
    GameApp game(player, random);
    game.setScanning(scan.on, scan.intervalMs);
    QObject::connect(&game, &GameApp::exitRequested, &app, [] { QCoreApplication::exit(0); });
    // A puzzle file given to open (a double click on it) is imported first.
    if (!files.isEmpty())
        game.openPuzzleFile(files.first());
    else
        game.startScreen()->show();
    return app.exec();
}
