#pragma once

#include "core/picturefit.h"
#include "core/twips.h"
#include "game/logic/boardchoice.h"
#include "game/logic/boardcursor.h"
#include "game/logic/boardlogic.h"
#include "game/logic/gamerules.h"
#include "game/ui/pieceboxes.h"
#include "widgets/textfit.h"

#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QVector>
#include <QWidget>
#include <functional>
#include <memory>

class CellHighlight;
class QTimer;
namespace vud {
class FaceButton;
class GifDisplay;
class RandomSource;
class SoundInterface;
}

// The puzzle board (Form3): a full-screen window with the grid of pieces, the
// whole picture laid over the grid, the reveal's drawings and a column of
// buttons along the left edge.
class Form3 : public QWidget
{
    Q_OBJECT

public:
    // How the board turns the chosen picture's path into a picture at its
    // natural size.
    // Without one, the board decodes the file itself, straight at the size
    // that covers the grid (the benchmark times set-up without decoding). A
    // picture that cannot be loaded comes back null and leaves the pieces
    // blank.
    using PictureLoader = std::function<QImage(const QString &path)>;

    // Creating the board lays it out for the selection screen's choice. It
    // plays its sounds on the given player and shuffles with the given
    // source; both must outlive it.
    Form3(vud::SoundInterface &sound, vud::RandomSource &random, const boardlogic::BoardChoice &choice,
          PictureLoader loader = {}, QWidget *parent = nullptr);

    // Enables the board and shows it full screen without blocking.
    void showModeless();

    // Takes the selection screen's next choice: the move count starts afresh,
    // and the next activation from another of the program's windows lays out
    // a board for it (unless a click on the present board comes first).
    void chooseBoard(const boardlogic::BoardChoice &choice);

    // One-switch play: the highlight scans the grid's rows and then a row's
    // cells, a step every intervalMs, and Space, Enter or any mouse button
    // chooses. The clock drives the steps (a timer of the board's own when
    // none is given; a given one must outlive the board).
    void setScanning(bool on, int intervalMs = boardlogic::RowColumnScan::DefaultIntervalMs,
                     boardlogic::ScanClock *clock = nullptr);
    bool scanning() const { return m_scan != nullptr; }
    const boardlogic::RowColumnScan *scan() const { return m_scan.get(); }
    // The keyboard's highlighted cell, and the frame that shows it (or the
    // scanned row).
    const boardlogic::BoardCursor &cursor() const { return m_cursor; }
    CellHighlight *highlight() const { return m_highlight; }
    // Lays out a board saved earlier and goes on with it: the pieces where the
    // rules have them, nothing carried, the counters showing the moves and
    // seconds saved, and the clock going on at the child's first click. No
    // shuffle follows. The choice's grid is the rules' own.
    void resumeBoard(const boardlogic::BoardChoice &choice, const boardlogic::GameRules &rules);

    // Replaces the picture loader for the boards laid out from now on.
    void setPictureLoader(PictureLoader loader) { m_loader = std::move(loader); }

    // The board's state, for the windows that look at it and for tests.
    int cellSize() const { return CellSize; }
    double gridLeft() const { return GridLeft; }
    int gridTop() const { return GridTop; }
    int boardColumns() const { return BoardColumns; }
    int boardRows() const { return BoardRows; }
    int cellPiece(int column, int row) const { return m_rules.grid().at(column, row); }
    const boardlogic::PieceGrid &grid() const { return m_rules.grid(); }
    // The game's own state: the grid, the piece carried, the counters.
    const boardlogic::GameRules &rules() const { return m_rules; }
    bool carrying() const { return m_rules.carrying(); }
    int carriedPiece() const { return m_rules.carriedPiece(); }
    qint32 elapsedSeconds() const { return m_rules.elapsedSeconds(); }
    int gifCount() const { return GifCount; }
    bool revealShown() const { return RevealShown; }
    bool bordersShown() const { return BordersShown; }
    const vud::ScreenTwips &screen() const { return m_screen; }
    // The choice the present board was laid out for.
    const boardlogic::BoardChoice &choice() const { return m_choice; }
    // A new board waits for the next activation.
    bool rebuildBoard() const { return RebuildBoard; }
    std::int16_t moveCount() const { return m_rules.moveCount(); }

    int pieceCount() const { return int(Picture1.size()); }
    PieceBox *piece(int index) const { return Picture1.value(index); }
    PictureBox *picture2() const { return Picture2; }
    const vud::PictureFit &pictureFit() const { return m_fit; }
    int gifElementCount() const { return int(Gif89a1.size()); }
    vud::GifDisplay *gifElement(int index) const { return Gif89a1.value(index); }
    QTimer *timer1() const { return Timer1; }
    QTimer *timer2() const { return Timer2; }
    QTimer *timer3() const { return Timer3; }

    // Lays a new board out when one was asked for (RebuildBoard), as
    // an activation from another of the program's windows does.
    void Form_Activate();

    // Handlers, in the board's own words; the controls call them.
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Picture1_Click(int index, QPointF boardPixels);
    void Picture1_MouseMove(int index, double x, double y);
    // The pointer held down since a press that lifted a piece moved to a
    // board position; beyond the platform's drag distance the press becomes
    // a drag.
    void Picture1_DragMove(QPointF boardPixels);
    // The button let go: a drag drops the piece on the cell under the
    // pointer, or takes it back when let go outside the grid.
    void Picture1_Release(QPointF boardPixels);
    void Picture2_Click();
    void Command1_Click();
    void Command2_Click(int index);
    void Command5_Click();
    void Command6_Click();
    void Command8_Click();
    void Command9_Click();
    // The one switch was pressed.
    void Switch_Press();

signals:
    // The child pressed the button that goes back to the selection screen.
    void selectionRequested();
    // The child pressed the seconds or the moves: the results list.
    void resultsRequested();
    // A carried piece was put down, back on its cell or in another's place
    // (after the game's end, when that drop finished it).
    void dropped();
    // A new board was shuffled: the game is on, no move made yet.
    void shuffled();
    // The last piece went home: a game of that many pieces, timed and
    // counted so.
    void gameFinished(int pieces, qint32 seconds, int moves);
    // The child pressed the door: the game ends.
    void exitRequested();

protected:
    bool event(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void LayOutBoard();
    void PaintPieces();
    void FitPictureToGrid();
    void ShufflePieces();
    void CheckCompletion();
    void ClearBoard();
    void ShowPlacedPieces();
    void LoadPicture();
    void ShowCounterPictures();
    void updateCounterNames();
    QSize gridPixels() const;

    void createButtons();
    PieceBox *createPiece(int index);
    vud::GifDisplay *createGifElement(int index);
    void bringPictureToFront();
    void showLift(const boardlogic::Move &move);
    void showDrop(const boardlogic::Move &move);
    void showCancel(const boardlogic::Move &move);
    // Space or Enter on a cell, or the switch choosing it: lifts its piece
    // or drops the carried one there, as a click would.
    void chooseCell(QPoint cell);
    // Moves the keyboard highlight, the carried piece following it.
    void moveCursor(int columns, int rows);
    void showHighlight();
    bool piecesPlayable() const;
    void startScan();
    void carryTo(QPointF boardPixels);
    int laidOutPieces() const { return BoardColumns * BoardRows; }

    vud::SoundInterface &m_sound;
    vud::RandomSource &m_random;
    PictureLoader m_loader;
    vud::ScreenTwips m_screen;
    boardlogic::BoardChoice m_choice;
    boardlogic::BoardChoice m_nextChoice;
    // The picture scaled and cut to cover the grid, and how it was scaled.
    QImage m_picture;
    vud::PictureFit m_fit;
    bool m_ended = false;

    // Controls, by their design names.
    QVector<PieceBox *> Picture1;
    PictureBox *Picture2 = nullptr;
    QVector<vud::GifDisplay *> Gif89a1;
    vud::FaceButton *Command1 = nullptr;
    vud::FaceButton *Command2[2] = {nullptr, nullptr};
    vud::FaceButton *Command5 = nullptr;
    vud::FaceButton *Command6 = nullptr;
    vud::FaceButton *Command8 = nullptr;
    vud::FaceButton *Command9 = nullptr;
    vud::FitLabel *Label1[2] = {nullptr, nullptr};
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    QTimer *Timer3 = nullptr;

    // Form-level state. The rules hold the grid (CellPiece), the piece
    // carried and the cell it came from, MoveCount and ElapsedSeconds; the
    // form keeps where the carried piece stood on the screen.
    boardlogic::GameRules m_rules;
    int CellSize = 0;
    double GridLeft = 0;
    int GridTop = 0;
    int BoardColumns = 0;
    int BoardRows = 0;
    int GifCount = 0;
    bool RevealShown = false;
    double PickLeft = 0;
    qint32 PickTop = 0;
    bool BordersShown = false;
    bool RebuildBoard = false;
    // A press lifted a piece and its button is still held: where it was
    // pressed, and whether the pointer went far enough for a drag.
    bool m_pressLifted = false;
    bool m_dragging = false;
    QPointF m_pressAt;
    // Keyboard and switch play.
    boardlogic::BoardCursor m_cursor;
    CellHighlight *m_highlight = nullptr;
    std::unique_ptr<boardlogic::ScanClock> m_ownScanClock;
    std::unique_ptr<boardlogic::RowColumnScan> m_scan;
    int m_scanInterval = boardlogic::RowColumnScan::DefaultIntervalMs;
};
