#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

// The editor's conversations with the user and its way out, behind one
// replaceable set so that tests can answer the questions and watch the exit.
namespace Editor {

struct Dialogs
{
    // A text prompt; nothing when the user cancels.
    std::function<std::optional<QString>(QWidget *parent, const QString &title,
                                         const QString &label, const QString &text)>
        askText;
    // A Yes/No question; true for Yes.
    std::function<bool(QWidget *parent, const QString &question)> askYesNo;
    // A short message with an OK button.
    std::function<void(QWidget *parent, const QString &message)> showMessage;
    // Ends the program.
    std::function<void()> quit;
};

// The program-wide set; the real dialogs until a test replaces members.
Dialogs &dialogs();
// Puts the real dialogs back.
void resetDialogs();

// The title of the editor's dialogs.
QString dialogTitle();

} // namespace Editor
