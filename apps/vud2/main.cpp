#include "core/picturefile.h"
#include "core/random.h"
#include "game/ui/gameapp.h"
#include "game/ui/screenart.h"
#include "game/ui/start.h"
#include "widgets/sound.h"

#include <QApplication>

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

    vud::SoundPlayer player;
    vud::StandardRandom random;
    GameApp game(player, random);
    QObject::connect(&game, &GameApp::exitRequested, &app, [] { QCoreApplication::exit(0); });
    // A puzzle file given to open (a double click on it) is imported first.
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1)
        game.openPuzzleFile(arguments.at(1));
    else
        game.startScreen()->show();
    return app.exec();
}
