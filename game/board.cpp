#include "board.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

namespace {
QPointer<Form3> &theInstance()
{
    static QPointer<Form3> form;
    return form;
}
} // namespace

Form3 *Form3::instance()
{
    if (!theInstance())
        theInstance() = new Form3;
    return theInstance();
}

void Form3::destroyInstance()
{
    delete theInstance();
}

Form3::Form3(QWidget *parent)
    : QWidget(parent)
{
    setWindowFlags(Qt::FramelessWindowHint);
}

void Form3::showModeless()
{
    setEnabled(true);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
    showFullScreen();
    raise();
    activateWindow();
}
