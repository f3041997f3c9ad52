#pragma once

#include "core/twips.h"

#include <QWidget>

namespace vud {
class FaceButton;
}

namespace Editor {

// The editor's title screen (Form3): the title, the credits and the button
// that opens the editor window.
class Form3 : public QWidget
{
    Q_OBJECT

public:
    explicit Form3(QWidget *parent = nullptr);

    // Asks for the editor window.
    void Command2_Click();

signals:
    // The button into the editor was pressed; the program opens the editor
    // window and closes this screen.
    void startRequested();

private:
    void Form_Load();

    vud::ScreenTwips m_screen;
    vud::FaceButton *m_command2 = nullptr;
};

} // namespace Editor
