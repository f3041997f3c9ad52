#include "board.h"
#include "results.h"
#include "screenart.h"
#include "selection.h"
#include "sound.h"
#include "start.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The menu entry's name, by which the desktop finds the window's icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vud.vud2"));
    QApplication::setWindowIcon(ScreenArt::windowIcon());
    vud::SoundPlayer player;
    vud::setSound(&player);

    Form1::instance()->show();
    const int status = app.exec();

    Form3::destroyInstance();
    Form4::destroyInstance();
    Form2::destroyInstance();
    Form1::destroyInstance();
    vud::setSound(nullptr);
    return status;
}
