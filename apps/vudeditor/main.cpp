#include "core/language.h"
#include "core/picturefile.h"
#include "core/random.h"
#include "editor/ui/artwork.h"
#include "editor/ui/editorapp.h"
#include "editor/ui/qtdialogs.h"
#include "records/resultscsv.h"
#include "records/resultsstore.h"

#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstring>

namespace {

// The command line's help.
QString usage()
{
    //: The command line's help; the options and words in capitals are kept as they are.
    return QCoreApplication::translate("vudeditor",
                                       "usage: vudeditor [--lang CODE] [--export-results FILE.csv] [FILE ...]");
}

// vudeditor --export-results FILE: everyone's games as CSV, without a window
// (nor a display) and without starting the editor. Without a file, the help.
int exportResults(int argc, char *argv[], const char *file)
{
    QCoreApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("vudeditor"));
    QStringList arguments = QCoreApplication::arguments();
    vud::loadLanguage(vud::takeLanguageOption(arguments));
    if (!file) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(usage()));
        return 2;
    }
    const QString path = QString::fromLocal8Bit(file);
    records::ResultsStore store;
    const QVector<records::FinishedGame> games = store.allGames();
    if (!store.errorText().isEmpty()) {
        std::fprintf(stderr, "vudeditor: %s\n", qUtf8Printable(store.errorText()));
        return 1;
    }
    QString error;
    if (!records::writeResultsCsv(path, games, &error)) {
        std::fprintf(stderr, "vudeditor: %s\n", qUtf8Printable(error));
        return 1;
    }
    //: Printed on the command line: %1 the number of games, %2 the results file, %3 the CSV file written.
    const QString done = QCoreApplication::translate("vudeditor", "%1 partidas de %2 exportadas a %3")
                             .arg(QString::number(games.size()), QDir::toNativeSeparators(store.path()),
                                  QDir::toNativeSeparators(path));
    std::printf("%s\n", qUtf8Printable(done));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--export-results") == 0) {
            const bool named = i + 1 < argc && argv[i + 1][0] != '\0';
            return exportResults(argc, argv, named ? argv[i + 1] : nullptr);
        }
    }

    QApplication app(argc, argv);
    vud::applyPictureLimits();
    // Ties the windows to the menu entry: the application id (Wayland) is
    // the entry's name, the windows' class (X11) the entry's StartupWMClass,
    // whatever name the binary was started by, and the icon the entry's.
    QCoreApplication::setApplicationName(QStringLiteral("vudeditor"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vud.vudeditor"));
    QApplication::setWindowIcon(Editor::Artwork::editorIcon());

    QStringList arguments = QCoreApplication::arguments();
    bool missingLanguage = false;
    vud::loadLanguage(vud::takeLanguageOption(arguments, &missingLanguage));
    if (missingLanguage) {
        const QString error = QCoreApplication::translate("vud", "--lang takes a language code such as fr or pt_BR");
        std::fprintf(stderr, "vudeditor: %s\n%s\n", qUtf8Printable(error), qUtf8Printable(usage()));
        return 2;
    }

    // The editor never seeds its generator: every start offers the same
    // default names.
    vud::StandardRandom names;
    Editor::QtDialogs dialogs;
    Editor::EditorApp editor(dialogs, names);
    QObject::connect(&editor, &Editor::EditorApp::exitRequested, &app, [] { QCoreApplication::exit(0); });
    // Files given to open (from the file manager) are imported at once.
    const QStringList files = arguments.mid(1);
    if (files.isEmpty())
        editor.start();
    else
        editor.openFiles(files);
    return app.exec();
}
