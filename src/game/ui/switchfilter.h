#pragma once

#include <QObject>
#include <functional>

class QWidget;

// One switch for a whole window: Space, Enter or a mouse button anywhere on
// the window is the switch and nothing else, while the filter lives.
class SwitchFilter : public QObject
{
    Q_OBJECT

public:
    SwitchFilter(QWidget *window, std::function<void()> press);
    ~SwitchFilter() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    std::function<void()> m_press;
};
