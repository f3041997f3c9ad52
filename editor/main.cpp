#include "sound.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel placeholder(QStringLiteral("VUD editor"));
    placeholder.resize(519, 346);
    placeholder.show();
    return app.exec();
}
