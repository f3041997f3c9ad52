#pragma once

#include "twips.h"

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

    // Opens the editor window, which closes this screen as it loads.
    void Command2_Click();

private:
    void Form_Load();

    vud::ScreenTwips m_screen;
    vud::FaceButton *m_command2 = nullptr;
};

} // namespace Editor
