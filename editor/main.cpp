#include "editorwindow.h"
#include "random.h"
#include "titlescreen.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("VUD editor"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vud.vudeditor"));

    // The editor never seeds its generator: every start offers the same
    // default names.
    vud::StandardRandom names;
    vud::setRandomSource(&names);

    auto *title = new Editor::Form3;
    title->show();
    const int result = app.exec();
    Editor::Form1::destroyInstance();
    vud::setRandomSource(nullptr);
    return result;
}
