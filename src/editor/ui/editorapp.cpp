#include "editor/ui/editorapp.h"

#include "editor/ui/editorwindow.h"
#include "editor/ui/progresswindow.h"
#include "editor/ui/titlescreen.h"

namespace Editor {

EditorApp::EditorApp(Dialogs &dialogs, vud::RandomSource &names)
    : m_dialogs(dialogs)
    , m_names(names)
{
}

EditorApp::~EditorApp()
{
    delete m_title;
    delete m_progress;
}

Form3 *EditorApp::titleScreen() const
{
    return m_title;
}

ProgressWindow *EditorApp::progressWindow() const
{
    return m_progress;
}

void EditorApp::start()
{
    if (!m_title) {
        m_title = new Form3;
        connect(m_title, &Form3::startRequested, this, &EditorApp::openEditor);
        connect(m_title, &Form3::progressRequested, this, &EditorApp::openProgress);
    }
    m_title->show();
}

void EditorApp::openFiles(const QStringList &paths)
{
    openEditor();
    m_editor->importFiles(paths);
}

void EditorApp::openEditor()
{
    if (!m_editor) {
        // The folders are read now, when the adult asks for the editor, not
        // at the program's start.
        m_editor = std::make_unique<Form1>(m_dialogs, m_names);
        connect(m_editor.get(), &Form1::exitRequested, this, &EditorApp::exitRequested);
        // The title screen is done with once the editor window is loaded.
        if (m_title)
            m_title->close();
    }
    m_editor->showEditor();
}

void EditorApp::openProgress()
{
    // The results are read now, when the adult asks for them; a window
    // already open is read again and brought forward.
    if (!m_progress)
        m_progress = new ProgressWindow(m_dialogs);
    else
        m_progress->refresh();
    m_progress->show();
    m_progress->raise();
    m_progress->activateWindow();
}

} // namespace Editor
