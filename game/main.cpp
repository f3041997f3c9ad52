#include "sound.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    vud::SoundPlayer player;
    vud::setSound(&player);
    QLabel placeholder(QStringLiteral("VUD 2.0"));
    placeholder.resize(531, 527);
    placeholder.show();
    return app.exec();
}
