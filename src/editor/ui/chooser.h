#pragma once

#include "core/twips.h"

#include <QImage>
#include <QSizeF>
#include <QStringList>
#include <QWidget>
#include <array>
#include <cstdint>

class QFrame;
class QLabel;

namespace vud {
class FaceButton;
class GifDisplay;
}

namespace Editor {

class Dialogs;

// What the chooser hands the editor window when a drawing is clicked.
struct ChosenDrawing
{
    std::uint8_t chosenCell = 0; // the cell clicked, 0 to 8
    QString cellPath;            // the full path of the drawing that cell shows
    QString drawingName;         // its file name, exactly as listed
    QImage still;                // its first frame, transparency as white
};

// The drawing chooser (Form2): the drawings of gifs as a paged 3 x 3 gallery;
// a drawing plays while the pointer is on its cell, and a click hands it to
// the editor window.
class Form2 : public QWidget
{
    Q_OBJECT

public:
    explicit Form2(Dialogs &dialogs, QWidget *parent = nullptr);
    ~Form2() override;

    // Shows the chooser centred, in front, without waiting.
    void showChooser();

    void Command1_Click(int index); // 0 next page, 1 previous page
    void Image1_Click(int index);
    void Image1_MouseMove(int index);

    int pageStart() const { return m_pageStart; }
    bool animating() const { return m_animating; }
    QStringList files() const { return m_files; }
    // The file shown in a cell now; empty for an empty cell.
    QString cellFile(int index) const { return m_cellFile.at(index); }
    // The full path of the file last loaded into a cell, which an emptied
    // cell keeps.
    QString cellPath(int index) const { return m_cellPaths.at(index); }
    QLabel *cell(int index) const { return m_image1.at(index); }
    vud::GifDisplay *animation() const { return m_marchoso1; }
    // The cell the keyboard is on, framed; Enter chooses it.
    int keyCell() const { return m_keyCell; }
    QFrame *keyFrame() const { return m_keyFrame; }

signals:
    void drawingChosen(const Editor::ChosenDrawing &drawing);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Arrows move over the cells, Enter chooses, Page Up and Page Down turn
    // the pages, Escape closes.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Form_Load();
    void OpenDrawingFolder();
    void ShowPreviewPage();
    void Marchoso1_GifEnd();
    void frameKeyCell();

    Dialogs &m_dialogs;
    vud::ScreenTwips m_screen;
    std::array<QLabel *, 9> m_image1{};
    std::array<QSizeF, 9> m_cellTwips;
    std::array<QString, 9> m_cellFile;
    std::array<QString, 9> m_cellPaths; // CellPaths
    std::array<vud::FaceButton *, 2> m_command1{};
    vud::GifDisplay *m_marchoso1 = nullptr;
    QStringList m_files; // File1
    QStringList m_paths; // where each of File1 is
    int m_pageStart = 0;
    bool m_animating = false;
    int m_keyCell = 0;
    QFrame *m_keyFrame = nullptr;
};

} // namespace Editor

Q_DECLARE_METATYPE(Editor::ChosenDrawing)
