#pragma once

#include "widgets/textfit.h"

#include <QVector>
#include <QWidget>

class QFrame;
class QLineEdit;

namespace vud {
class FaceButton;
class GifDisplay;
class SoundInterface;
struct ScreenTwips;
}

// The start screen: the title, the name entry and the way into the game.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    // Plays its sounds on the given player, which must outlive it. The
    // window deletes itself when closed.
    explicit Form1(vud::SoundInterface &sound, QWidget *parent = nullptr);

    // Design sizes in twips.
    static constexpr int ClientWidth = 7965;
    static constexpr int ClientHeight = 7905;

    void Command1_Click(int Index);
    // One-switch play: the switch anywhere on the screen presses CONTINUAR.
    void setScanning(bool on);
    bool scanning() const { return m_switch != nullptr; }

    // Each caption stands whole in its designed box, in a smaller font or
    // wrapped where a language needs more room.
    vud::FitLabel *Label1 = nullptr;
    vud::GifDisplay *Gif89a1 = nullptr;
    QVector<vud::FitLabel *> Label2;
    vud::FitLabel *Label3 = nullptr;
    vud::FitLabel *Label4 = nullptr;
    vud::FitLabel *Label5 = nullptr;
    vud::FitLabel *Label6 = nullptr;
    QVector<vud::FaceButton *> Command1;
    QFrame *Line1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QFrame *Shape1 = nullptr;
    QFrame *Shape2 = nullptr;

signals:
    // The child pressed the way into the game, with the name typed.
    void playRequested(const QString &playerName);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void Form_MouseMove();
    void Label1_MouseMove();
    void RegisterGifComponent();
    void buildControls(const vud::ScreenTwips &screen);

    vud::SoundInterface &m_sound;
    QObject *m_switch = nullptr;
};
