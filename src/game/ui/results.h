#pragma once

#include <QPointer>
#include <QWidget>

class QListWidget;

// The results list (Form4): one line per game finished in this run, in the
// order the games ended. It lives in memory only.
class Form4 : public QWidget
{
    Q_OBJECT

public:
    explicit Form4(QWidget *parent = nullptr);

    // Adds the line of a game just finished, numbered after the games
    // before it in this run.
    void addResult(int pieces, qint32 seconds, int moves);
    qint16 gamesFinished() const { return GamesFinished; }

    // Shows the window without blocking the others and brings it to the front.
    // Escape puts it away again and gives the keyboard back to the window
    // that had it.
    void showModeless();

    QListWidget *List1 = nullptr;

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Form_Load();
    void Form_Activate();
    void PlaceOnScreen();
    // The list's font, as large as lets the longest line show whole.
    void fitResults();

    qint16 GamesFinished = 0;
    QPointer<QWidget> m_before; // the active window when it was shown
};
