#include "widgets/activation.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace vud {

namespace {

// Sees every window's activation before the window itself does, and keeps
// the last two active windows of the program. Leaving for another program
// deactivates the window without activating one of ours, so on the way back
// the window activated is the one that was active last.
class ActivationWatcher : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::WindowActivate && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow()) {
            previous = last;
            last = static_cast<QWidget *>(watched);
        }
        return false;
    }

    QPointer<QWidget> last;
    QPointer<QWidget> previous;
};

ActivationWatcher *&watcher()
{
    static ActivationWatcher *instance = nullptr;
    return instance;
}

} // namespace

void watchWindowActivation()
{
    if (watcher() || !qApp)
        return;
    watcher() = new ActivationWatcher(qApp);
    qApp->installEventFilter(watcher());
}

bool activatedFromAnotherWindow(const QWidget *window)
{
    const ActivationWatcher *w = watcher();
    if (!w || w->last != window)
        return true;
    return w->previous != window;
}

} // namespace vud
