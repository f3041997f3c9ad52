#include "core/picturefile.h"
#include "core/random.h"
#include "editor/ui/editorapp.h"
#include "editor/ui/qtdialogs.h"
#include "records/resultscsv.h"
#include "records/resultsstore.h"

#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstring>

namespace {

// vudeditor --export-results FILE: everyone's games as CSV, without a window
// (nor a display) and without starting the editor.
int exportResults(int argc, char *argv[], const char *file)
{
    QCoreApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("VUD editor"));
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
    std::printf("%s\n", qUtf8Printable(QStringLiteral("%1 partidas de %2 exportadas a %3")
                                           .arg(games.size())
                                           .arg(QDir::toNativeSeparators(store.path()))
                                           .arg(QDir::toNativeSeparators(path))));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--export-results") == 0) {
            if (i + 1 >= argc || argv[i + 1][0] == '\0') {
                std::fprintf(stderr, "usage: vudeditor --export-results FILE.csv\n");
                return 2;
            }
            return exportResults(argc, argv, argv[i + 1]);
        }
    }

    QApplication app(argc, argv);
    vud::applyPictureLimits();
    app.setApplicationName(QStringLiteral("VUD editor"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vud.vudeditor"));

    // The editor never seeds its generator: every start offers the same
    // default names.
    vud::StandardRandom names;
    Editor::QtDialogs dialogs;
    Editor::EditorApp editor(dialogs, names);
    QObject::connect(&editor, &Editor::EditorApp::exitRequested, &app, [] { QCoreApplication::exit(0); });
    editor.start();
    return app.exec();
}
