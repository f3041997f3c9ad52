#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <memory>

namespace vud {
class RandomSource;
}

namespace Editor {

class Dialogs;
class Form1;
class Form3;
class ProgressWindow;

// The editor program's windows and how they lead into one another: the title
// screen first; its button opens the editor window, made on that first press,
// and closes the title screen. Its other button opens the progress window
// beside it.
class EditorApp : public QObject
{
    Q_OBJECT

public:
    // The windows ask through dialogs and draw the default puzzle names from
    // names; both must outlive this object.
    EditorApp(Dialogs &dialogs, vud::RandomSource &names);
    ~EditorApp() override;

    // Shows the title screen.
    void start();
    // Opens the editor window straight away on puzzle files or pictures to
    // import, as opening them with the editor from the file manager does.
    void openFiles(const QStringList &paths);

    Form3 *titleScreen() const;
    Form1 *editor() const { return m_editor.get(); }
    ProgressWindow *progressWindow() const;

signals:
    // The user confirmed leaving the program in the editor window.
    void exitRequested();

private:
    void openEditor();
    void openProgress();

    Dialogs &m_dialogs;
    vud::RandomSource &m_names;
    // Deletes itself when closed.
    QPointer<Form3> m_title;
    std::unique_ptr<Form1> m_editor;
    // Deletes itself when closed.
    QPointer<ProgressWindow> m_progress;
};

} // namespace Editor
