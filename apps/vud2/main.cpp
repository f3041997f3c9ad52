#include "core/random.h"
#include "game/ui/gameapp.h"
#include "game/ui/screenart.h"
#include "game/logic/scansettings.h"
#include "game/ui/start.h"
#include "widgets/sound.h"

#include <QApplication>
#include <QSettings>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The menu entry's name, by which the desktop finds the window's icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vud.vud2"));
    QApplication::setWindowIcon(ScreenArt::windowIcon());

    // One-switch play, kept in the user's settings; the command line changes
    // them for this run and the next ones.
    QSettings settings(QStringLiteral("vud"), QStringLiteral("vud2"));
    boardlogic::ScanSettings scan = boardlogic::ScanSettings::read(settings);
    const QString error = boardlogic::applyScanOptions(QCoreApplication::arguments(), scan);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "vud2: %s\nusage: vud2 [--scan | --no-scan] [--scan-pace SECONDS]\n",
                     qPrintable(error));
        return 2;
    }
    if (QCoreApplication::arguments().size() > 1)
        scan.write(settings);

    vud::SoundPlayer player;
    vud::StandardRandom random;
    GameApp game(player, random);
    game.setScanning(scan.on, scan.intervalMs);
    QObject::connect(&game, &GameApp::exitRequested, &app, [] { QCoreApplication::exit(0); });
    game.startScreen()->show();
    return app.exec();
}
