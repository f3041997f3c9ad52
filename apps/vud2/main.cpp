#include "core/language.h"
#include "core/picturefile.h"
#include "core/random.h"
#include "game/ui/gameapp.h"
#include "game/logic/scansettings.h"
#include "game/ui/screenart.h"
#include "game/ui/start.h"
#include "records/resultswriter.h"
#include "widgets/sound.h"

#include <QApplication>
#include <QSettings>
#include <cstdio>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The write end of the pipe that turns a terminating signal into an event.
int signalPipe[2] = {-1, -1};

void onTerminatingSignal(int)
{
    const char byte = 1;
    // Only async-signal-safe calls here: the event loop does the rest.
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
}

// SIGTERM, SIGINT and SIGHUP (a session that ends, a terminal closed) quit
// the program through its event loop, so that the board in play is saved as
// on any other way out.
void quitOnTerminatingSignals(QCoreApplication &app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(qintptr(signalPipe[1]), QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [notifier] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(signalPipe[1], &byte, 1);
        notifier->setEnabled(false);
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = onTerminatingSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

} // namespace

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
    quitOnTerminatingSignals(app);

    // The language first, so that everything after speaks it.
    QStringList arguments = QCoreApplication::arguments();
    bool missingLanguage = false;
    vud::loadLanguage(vud::takeLanguageOption(arguments, &missingLanguage));

    // One-switch play, kept in the user's settings; the command line changes
    // them for this run and the next ones.
    QSettings settings(QStringLiteral("vud"), QStringLiteral("vud2"));
    boardlogic::ScanSettings scan = boardlogic::ScanSettings::read(settings);
    QStringList files;
    QString error = boardlogic::applyScanOptions(arguments, scan, &files);
    if (error.isEmpty() && missingLanguage)
        error = QCoreApplication::translate("vud", "--lang takes a language code such as fr or pt_BR");
    if (!error.isEmpty()) {
        //: The command line's help; the options and words in capitals are kept as they are.
        const QString usage = QCoreApplication::translate(
            "vud2", "usage: vud2 [--scan | --no-scan] [--scan-pace SECONDS] [--lang CODE] [PUZZLE.vud]");
        std::fprintf(stderr, "vud2: %s\n%s\n", qUtf8Printable(error), qUtf8Printable(usage));
        return 2;
    }
    if (arguments.size() > files.size() + 1)
        scan.write(settings);

    vud::SoundPlayer player;
    vud::StandardRandom random;
    // The children's boards and results; nothing is read or written before
    // the child goes on from the start screen.
    records::ResultsWriter writer;
    GameApp game(player, random);
    game.setScanning(scan.on, scan.intervalMs);
    game.setResultsWriter(&writer);
    QObject::connect(&game, &GameApp::exitRequested, &app, [] { QCoreApplication::exit(0); });
    // A puzzle file given to open (a double click on it) is imported first.
    if (!files.isEmpty())
        game.openPuzzleFile(files.first());
    else
        game.startScreen()->show();
    return app.exec();
}
