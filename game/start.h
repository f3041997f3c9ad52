#pragma once

#include <QVector>
#include <QWidget>

class QFrame;
class QLabel;
class QLineEdit;

namespace vud {
class FaceButton;
class GifDisplay;
struct ScreenTwips;
}

// The start screen: the title, the name entry and the way into the game.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    // The one start screen, created (loaded) on first use.
    static Form1 *instance();
    static bool exists();
    // Closes the start screen for good; it is deleted once control returns
    // to the event loop, so a handler of its own may call this.
    static void unload();
    // Deletes it at once (tests start each case afresh).
    static void destroyInstance();

    // Design sizes in twips.
    static constexpr int ClientWidth = 7965;
    static constexpr int ClientHeight = 7905;

    void Command1_Click(int Index);

    QLabel *Label1 = nullptr;
    vud::GifDisplay *Gif89a1 = nullptr;
    QVector<QLabel *> Label2;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QVector<vud::FaceButton *> Command1;
    QFrame *Line1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QFrame *Shape1 = nullptr;
    QFrame *Shape2 = nullptr;

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit Form1(QWidget *parent = nullptr);

    void Form_Load();
    void Form_MouseMove();
    void Label1_MouseMove();
    void RegisterGifComponent();
    void buildControls(const vud::ScreenTwips &screen);
};
