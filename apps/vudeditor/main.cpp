#include "core/random.h"
#include "editor/ui/editorapp.h"
#include "editor/ui/qtdialogs.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("VUD editor"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vud.vudeditor"));

    // The editor never seeds its generator: every start offers the same
    // default names.
    vud::StandardRandom names;
    Editor::QtDialogs dialogs;
    Editor::EditorApp editor(dialogs, names);
    QObject::connect(&editor, &Editor::EditorApp::exitRequested, &app, [] { QCoreApplication::exit(0); });
    // Files given to open (from the file manager) are imported at once.
    const QStringList files = QCoreApplication::arguments().mid(1);
    if (files.isEmpty())
        editor.start();
    else
        editor.openFiles(files);
    return app.exec();
}
