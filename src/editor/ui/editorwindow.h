#pragma once

#include "editor/logic/layout.h"
#include "editor/logic/placements.h"
#include "editor/ui/chooser.h"

#include <QImage>
#include <QStringList>
#include <QWidget>
#include <array>
#include <memory>

class QFrame;
class QLabel;
class QListView;

namespace vud {
class FaceButton;
class GifDisplay;
class RandomSource;
}

namespace Editor {

class Dialogs;
class PictureSurface;

// The editor window (Form1): the pictures of imagenes one at a time, drawings
// placed and stamped on them, and the puzzle saved for the game.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    // Loading the window runs its start-up: the drawings and pictures are
    // listed then. The questions and messages go through dialogs; names
    // draws the default puzzle names.
    Form1(Dialogs &dialogs, vud::RandomSource &names);
    ~Form1() override;

    // Shows the window over the whole screen, in front, without waiting.
    void showEditor();

    // The button row's dispatcher (indexes 0, 1, 2, 3 and 9) and the exit.
    void Command1_Click(int index);
    void Command2_Click();

    // The chooser hands over the chosen drawing: the next placements play
    // and name it, and stamp its still image.
    void receiveDrawing(const ChosenDrawing &drawing);
    // The puzzle on show (the one saved last, while it is on show) written
    // to a puzzle file chosen in a save dialog.
    void exportPuzzle();
    // A puzzle file chosen in an open dialog imported into the data folder,
    // and its picture shown.
    void importPuzzle();
    // Puzzle files and pictures copied into the data folder; the last one
    // copied is shown. The adult is told of each refusal.
    void importFiles(const QStringList &paths);


    int pictureIndex() const { return m_pictureIndex; }
    int lastButton() const { return m_lastButton; }
    int editMode() const { return m_editMode; }
    bool previewOn() const { return m_previewOn; }
    int placementCount() const { return m_placements.count(); }
    bool drawingChosen() const { return m_drawingChosen; }
    // The drawing the next placement plays and names.
    const ChosenDrawing &chosenDrawing() const { return m_chosen; }
    int twipsPerPixel() const { return m_twipsPerPixel; }
    QStringList pictureFiles() const { return m_pictureFiles; }
    QStringList placementLines() const { return m_placements.lines(); }
    TwipsRect shapeRect() const { return m_shape; }
    TwipsRect pictureRect() const { return m_pictureRect; }
    const QImage &drawingSample() const { return m_sample; }
    PictureSurface *surface() const { return m_picture1; }
    vud::GifDisplay *animation() const { return m_marchoso1; }
    Form2 *chooser() const { return m_chooser.get(); }
    // Where Enter on the picture places the chosen drawing.
    QPoint placementMarker() const { return m_marker; }

signals:
    // The user confirmed leaving the program.
    void exitRequested();

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    // Enter presses the button that has the focus, as Space does.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Form_Load();
    void listPictures();
    void LayoutWorkArea();
    void LayoutPictureSurface();
    void createControls();
    void showPicture(int index);
    void chooseDrawing();
    void clearPlacements();
    void savePuzzleAs();
    void Picture1_MouseMove(QPoint pixel);
    void Picture1_MouseDown(QPoint pixel, Qt::MouseButton button);
    void Marchoso1_GifEnd();
    void Picture1_KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void placeControl(QWidget *control, const TwipsRect &rect);
    void placeSurface();
    void message(const QString &text);

    Dialogs &m_dialogs;
    vud::RandomSource &m_names;
    vud::ScreenTwips m_screen;

    std::array<vud::FaceButton *, 10> m_command1{};
    vud::FaceButton *m_command2 = nullptr;
    QListView *m_list1 = nullptr;
    QLabel *m_picture2 = nullptr;
    vud::GifDisplay *m_marchoso1 = nullptr;
    PictureSurface *m_picture1 = nullptr;
    QFrame *m_shape1 = nullptr;
    std::unique_ptr<Form2> m_chooser;

    QString m_drawingFolder;    // Dir1: the first folder below gifs
    QStringList m_drawingFiles; // File1
    QStringList m_pictureFiles; // File2
    QStringList m_picturePaths; // where each of File2 is
    QString m_savedName;        // the puzzle saved last, while its placements are on show
    QImage m_sample;            // Picture2's still image
    TwipsRect m_picture2Rect;

    TwipsRect m_shape;
    TwipsRect m_pictureRect;
    int m_pictureIndex = 0;
    int m_lastButton = 0;
    int m_twipsPerPixel = 15;
    bool m_previewOn = false;
    int m_editMode = 0;
    Placements m_placements; // what List1 shows
    float m_placeX = 0;
    float m_placeY = 0;
    bool m_drawingChosen = false;
    ChosenDrawing m_chosen; // its still image is kept in m_sample alone
    bool m_placing = false;
    QImage m_placedDrawing;
    QPoint m_marker;            // the keyboard's placement point, in surface pixels
    bool m_refocusPicture = false; // a placement made from the keyboard gives the focus back
};

} // namespace Editor
