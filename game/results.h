#pragma once

#include <QWidget>

class QListWidget;

// The results list: one line per game finished in this run. (Placeholder:
// the full window is being built.)
class Form4 : public QWidget
{
    Q_OBJECT

public:
    // The one results window, created (loaded) on first use.
    static Form4 *instance();
    // Deletes the window if it exists (tests start each case afresh).
    static void destroyInstance();

    // Shows the window without blocking the others and brings it to the front.
    void showModeless();

    QListWidget *List1 = nullptr;

private:
    explicit Form4(QWidget *parent = nullptr);
};
