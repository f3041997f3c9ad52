#pragma once

#include "game/ui/board.h"
#include "game/ui/resumeoffer.h"
#include "records/records.h"
#include "records/resultswriter.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class Form1;
class Form2;
class Form4;
namespace vud {
class RandomSource;
class SoundInterface;
}

// The game's windows and the ways between them. Each window is made when the
// child first reaches it, as the game has always loaded its forms: the start
// screen at once, the results list and the selection screen from the start
// screen's button, the board at the first picture chosen, which the selection
// screen's signal carries. The windows only
// say what happened; this object decides which window answers.
class GameApp : public QObject
{
    Q_OBJECT

public:
    // The windows play their sounds on the given player and the board
    // shuffles with the given source; both must outlive this object. A
    // picture loader, if given, stands in for the board's own decoding.
    GameApp(vud::SoundInterface &sound, vud::RandomSource &random, Form3::PictureLoader loader = {},
            QObject *parent = nullptr);
    // Deletes every window still open.
    ~GameApp() override;

    // Each window, made on first use. Making the selection screen closes
    // the start screen for good.
    Form1 *startScreen();
    Form2 *selection();
    Form4 *results();
    // The board, once a picture was chosen; null before.
    Form3 *board() const { return m_board; }

    // Shows the board for a choice: the first choice makes the board, laid
    // out for it; a later one has the board lay itself out anew as it comes
    // to the front.
    void openBoard(const boardlogic::BoardChoice &choice);

    // One-switch play on the start screen, the selection screen and the
    // board. The clock, if given, drives every scan (tests tick it by hand)
    // and must outlive this object; without one each window has a timer.
    void setScanning(bool on, int intervalMs, boardlogic::ScanClock *clock = nullptr);
    // Opens the game on a puzzle file, as a double click on one does: the
    // puzzle is imported into the data folder and the selection screen opens
    // on the page that holds it. A file that cannot be imported is not
    // (the adult reads why on the error output) and the start screen opens
    // as on any start. False when it was refused.
    bool openPuzzleFile(const QString &path);

    // Where the children's boards and results are kept; none keeps nothing
    // and the game goes straight to the selection screen. The writer must
    // outlive this object or be deleted by its owner first.
    //
    // With one, the board of the game in play is saved for its child (the
    // name typed on the start screen) after its shuffle, after every drop
    // and when the program ends; a finished game is recorded. When the child
    // goes on from the start screen, an unfinished board of theirs is
    // offered before the selection screen; storage that fails only means
    // that nothing is offered.
    void setResultsWriter(records::ResultsWriter *writer);
    // How long the start screen's button waits for the child's board (it
    // takes a few milliseconds) so that the next window shows before the
    // button's sound, as without storage; and how long, at most, the start
    // screen stays before the selection screen opens without it.
    static constexpr int OfferHoldMs = 250;
    static constexpr int OfferWaitMs = 1000;

    // The offer of the child's unfinished board while it is on show.
    ResumeOffer *resumeOffer() const { return m_offer; }
    bool hasResumeOffer() const { return !m_offer.isNull(); }
    // The child the game plays for: the name as typed.
    const QString &child() const { return m_child; }

    // Saves the board in play for its child, unless it is solved (a new
    // board before its shuffle, or a finished game). The program's end
    // calls it, and so does every drop.
    void saveBoard();

    // Whether the window exists now (the start screen is gone once the
    // selection screen is made, or once it is closed).
    bool hasStartScreen() const { return !m_start.isNull(); }
    bool hasSelection() const { return !m_selection.isNull(); }
    bool hasBoard() const { return !m_board.isNull(); }

signals:
    // The child closed the selection screen or pressed the board's door.
    void exitRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void play(const QString &playerName);
    void boardLoaded(const QString &typedName, bool found, const records::UnfinishedBoard &board);
    void offerBoard(const records::UnfinishedBoard &board);
    void resume();
    void chooseAnother();
    void closeOffer();
    void closeStartScreen();
    void createBoard(const boardlogic::BoardChoice &choice);
    void recordGame(int pieces, qint32 seconds, int moves);
    void refreshStamp();
    void programEnds();

    vud::SoundInterface &m_sound;
    vud::RandomSource &m_random;
    Form3::PictureLoader m_loader;
    QPointer<Form1> m_start;
    QPointer<Form2> m_selection;
    QPointer<Form3> m_board;
    QPointer<Form4> m_results;
    bool m_scanning = false;
    int m_scanInterval = 1500;
    boardlogic::ScanClock *m_scanClock = nullptr;
    QPointer<ResumeOffer> m_offer;

    QPointer<records::ResultsWriter> m_writer;
    QString m_child;
    // Waiting for the child's board after the start screen's button.
    bool m_awaitingBoard = false;
    QTimer m_offerWait;
    // The picture file of the board in play when it was laid out.
    QString m_stampPath;
    records::PictureStamp m_stamp;
};
