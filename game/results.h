#pragma once

#include <QWidget>

class QListWidget;

// The results list (Form4): one line per game finished in this run, in the
// order the games ended. It lives in memory only.
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

protected:
    bool event(QEvent *event) override;

private:
    explicit Form4(QWidget *parent = nullptr);

    void Form_Load();
    void Form_Activate();
    void PlaceOnScreen();
};
