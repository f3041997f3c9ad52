#pragma once

#include "core/twips.h"

#include <QWidget>

namespace vud {
class FaceButton;
}

namespace Editor {

// The editor's title screen (Form3): the title, the credits, the button that
// opens the editor window and the one that opens the children's progress.
class Form3 : public QWidget
{
    Q_OBJECT

public:
    explicit Form3(QWidget *parent = nullptr);

    // Asks for the editor window.
    void Command2_Click();
    // Asks for the progress window.
    void Command3_Click();

signals:
    // The button into the editor was pressed; the program opens the editor
    // window and closes this screen.
    void startRequested();
    // The button into the children's progress was pressed.
    void progressRequested();

protected:
    // Enter presses the button that has the focus, as Space does.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Form_Load();

    vud::ScreenTwips m_screen;
    vud::FaceButton *m_command2 = nullptr;
    vud::FaceButton *m_command3 = nullptr;
};

} // namespace Editor
