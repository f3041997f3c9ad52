#pragma once

#include "core/twips.h"

#include <QImage>
#include <QSizeF>
#include <QStringList>
#include <QWidget>
#include <array>

class QLabel;

namespace vud {
class FaceButton;
class GifDisplay;
}

namespace Editor {

class Dialogs;

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
    QLabel *cell(int index) const { return m_image1.at(index); }
    vud::GifDisplay *animation() const { return m_marchoso1; }

signals:
    // A drawing was chosen: its still image, with DrawingName, ChosenCell
    // and CellPaths already set.
    void drawingChosen(const QImage &still);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void OpenDrawingFolder();
    void ShowPreviewPage();
    void Marchoso1_GifEnd();

    Dialogs &m_dialogs;
    vud::ScreenTwips m_screen;
    std::array<QLabel *, 9> m_image1{};
    std::array<QSizeF, 9> m_cellTwips;
    std::array<QString, 9> m_cellFile;
    std::array<vud::FaceButton *, 2> m_command1{};
    vud::GifDisplay *m_marchoso1 = nullptr;
    QString m_folder; // Dir1
    QStringList m_files; // File1
    QStringList m_paths; // where each of File1 is
    int m_pageStart = 0;
    bool m_animating = false;
};

} // namespace Editor
