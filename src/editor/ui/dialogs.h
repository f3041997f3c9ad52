#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>

class QWidget;

namespace Editor {

// The editor's conversations with the user. The windows that ask are given
// one; the program passes the real dialogs, tests a fake that answers from a
// script and records what was asked.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // A text prompt; nothing when the user cancels.
    virtual std::optional<QString> askText(QWidget *parent, const QString &title, const QString &label,
                                           const QString &text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool askYesNo(QWidget *parent, const QString &question) = 0;
    // A short message with an OK button.
    virtual void showMessage(QWidget *parent, const QString &message) = 0;
    // Where to save a file, starting from the suggested path; nothing when
    // the user cancels.
    virtual std::optional<QString> askSaveFile(QWidget *parent, const QString &title, const QString &suggested,
                                               const QString &filter) = 0;
    // A puzzle file (".vud") to open, or to save under, suggestedName
    // offered; nothing when the user cancels.
    enum class FileChoice { Open, Save };
    virtual std::optional<QString> askPuzzleFile(QWidget *parent, FileChoice choice,
                                                 const QString &suggestedName) = 0;
};

// The title of the editor's dialogs.
inline QString dialogTitle()
{
    //: The editor's name, usually kept as it is.
    return QCoreApplication::translate("Editor", "VUD editor");
}

} // namespace Editor
