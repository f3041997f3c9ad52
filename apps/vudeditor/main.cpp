#include "core/random.h"
#include "editor/ui/artwork.h"
#include "editor/ui/editorapp.h"
#include "editor/ui/qtdialogs.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Ties the windows to the menu entry: the application id (Wayland) is
    // the entry's name, the windows' class (X11) the entry's StartupWMClass,
    // whatever name the binary was started by, and the icon the entry's.
    QCoreApplication::setApplicationName(QStringLiteral("vudeditor"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vud.vudeditor"));
    QApplication::setWindowIcon(Editor::Artwork::editorIcon());

    // The editor never seeds its generator: every start offers the same
    // default names.
    vud::StandardRandom names;
    Editor::QtDialogs dialogs;
    Editor::EditorApp editor(dialogs, names);
    QObject::connect(&editor, &Editor::EditorApp::exitRequested, &app, [] { QCoreApplication::exit(0); });
    editor.start();
    return app.exec();
}
