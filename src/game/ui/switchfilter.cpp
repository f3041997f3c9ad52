#include "game/ui/switchfilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

SwitchFilter::SwitchFilter(QWidget *window, std::function<void()> press)
    : QObject(window)
    , m_window(window)
    , m_press(std::move(press))
{
    qApp->installEventFilter(this);
}

SwitchFilter::~SwitchFilter()
{
    qApp->removeEventFilter(this);
}

bool SwitchFilter::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != m_window)
        return false;
    if (type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        if (!static_cast<QKeyEvent *>(event)->isAutoRepeat())
            m_press();
        return true;
    }
    if (type == QEvent::MouseButtonPress)
        m_press();
    return true;
}
