#pragma once

#include "core/twips.h"
#include "game/logic/boardcursor.h"
#include "game/logic/boardchoice.h"
#include "game/logic/screenlogic.h"

#include <QLabel>
#include <QVector>
#include <QWidget>
#include <memory>

namespace vud {
class FaceButton;
class PreviewLoader;
class SoundInterface;
struct PreviewPicture;
}

// One cell of the preview gallery: shows a picture stretched to its own size
// and reports a click (press and release inside the cell).
class PreviewCell : public QLabel
{
    Q_OBJECT

public:
    explicit PreviewCell(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    void clearPicture();
    bool hasPicture() const { return m_hasPicture; }
    // Blank while its preview is being made; a click then waits for it.
    void setWaiting();
    bool isWaiting() const { return m_waiting; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_hasPicture = false;
    bool m_waiting = false;
    bool m_pressed = false;
};

// The selection screen: the ten piece-count buttons and the paged gallery of
// the picture folder; a click on a picture opens the board.
class Form2 : public QWidget
{
    Q_OBJECT

public:
    // Plays its sounds on the given player, which must outlive it.
    explicit Form2(vud::SoundInterface &sound, QWidget *parent = nullptr);
    ~Form2() override;

    // Design sizes in twips.
    static constexpr int ClientWidth = 10245;
    static constexpr int ClientHeight = 7695;

    // Shows the window without blocking the others, in front of them.
    void showModeless();

    void Command1_Click(int Index);
    void Command3_Click(int Index);
    void Image1_Click(int Index);

    // One-switch play: the focus steps over the piece-count buttons at the
    // clock's pace, and a press chooses the count; then it steps over the
    // gallery's pictures and the page-turn buttons that lead to more, and a
    // press opens the board or turns the page. A pass with no press goes
    // back to the counts, at the one chosen. The switch is Space, Enter or a
    // mouse button anywhere on the screen. Without a clock a timer drives it.
    void setScanning(bool on, int intervalMs = boardlogic::RowColumnScan::DefaultIntervalMs,
                     boardlogic::ScanClock *clock = nullptr);
    bool scanning() const { return m_switch != nullptr; }
    // The control the scan is on: a count button, then a gallery cell or a
    // page-turn button.
    QWidget *scanned() const;
    void Switch_Press();

    int PageStart() const { return m_paging.pageStart(); }
    bool HasChosen() const { return m_hasChosen; }
    // The grid the piece-count buttons chose, and the picture last chosen.
    const boardlogic::BoardChoice &Choice() const { return m_choice; }
    // Lists the picture folders again and shows the page that holds the
    // picture of that name (case ignored); the same page when none does.
    void showPageOf(const QString &pictureName);

    // What makes the previews (tests wait on it).
    vud::PreviewLoader *Previews() const { return m_previews.get(); }
    const Screens::FileList &File1() const { return m_file1; }

    QVector<PreviewCell *> Image1;
    QVector<vud::FaceButton *> Command3;
    QVector<vud::FaceButton *> Command1;

signals:
    // A picture was clicked: the board is to be laid out for this grid and
    // picture.
    void pictureChosen(const boardlogic::BoardChoice &choice);
    // The window was closed: the game ends.
    void exitRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Pictures and puzzle files dropped on the window are copied into the
    // user's data folder and shown at once; anything else is refused.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // Arrow keys over the piece counts (two columns) and the gallery (three).
    bool moveFocusByArrow(int key, QWidget *from);

    void buildControls();
    void Form_Load();
    void Form_Unload();
    void ShowPreviewPage();
    void PlacePreview(int cellIndex, const vud::PreviewPicture &preview);

    vud::SoundInterface &m_sound;
    vud::ScreenTwips m_screen;
    std::unique_ptr<vud::PreviewLoader> m_previews;
    int m_clickWaiting = -1; // the cell clicked before its preview was ready
    Screens::FileList m_file1;
    Screens::GalleryPaging m_paging;
    bool m_hasChosen = false;
    boardlogic::BoardChoice m_choice;

    void scanStep();
    void startScan();
    // Stops 0 to 8 are the gallery's cells, then the next and previous page.
    bool scanOffers(int stop) const;
    std::unique_ptr<boardlogic::ScanClock> m_ownScanClock;
    boardlogic::ScanClock *m_scanClock = nullptr;
    QObject *m_switch = nullptr;
    int m_scanInterval = boardlogic::RowColumnScan::DefaultIntervalMs;
    bool m_scanCells = false; // over the gallery, after a count was chosen
    int m_scanItem = 0;
    int m_scanCount = 0; // the count the scan chose
};
