#pragma once

#include <QWidget>

// The puzzle board. (Placeholder: the full board is being built.)
class Form3 : public QWidget
{
    Q_OBJECT

public:
    // The one board, created on first use; creating it lays out the board
    // from the program-wide grid size and picture.
    static Form3 *instance();
    static void destroyInstance();

    // Enables the board and shows it full screen without blocking.
    void showModeless();

signals:
    // The child pressed the button that goes back to the selection screen.
    void selectionRequested();

private:
    explicit Form3(QWidget *parent = nullptr);
};
