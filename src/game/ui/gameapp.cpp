#include "game/ui/gameapp.h"

#include "game/logic/screenlogic.h"
#include "game/ui/resumeoffer.h"
#include "game/ui/results.h"
#include "game/ui/selection.h"
#include "game/ui/start.h"
#include "puzzlefile/puzzleimport.h"
#include "records/resultswriter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>

GameApp::GameApp(vud::SoundInterface &sound, vud::RandomSource &random, Form3::PictureLoader loader,
                 QObject *parent)
    : QObject(parent)
    , m_sound(sound)
    , m_random(random)
    , m_loader(std::move(loader))
{
    m_offerWait.setSingleShot(true);
    m_offerWait.setInterval(OfferWaitMs);
    connect(&m_offerWait, &QTimer::timeout, this, [this] {
        // The storage is slow or stuck: the child goes on without an offer.
        if (!m_awaitingBoard)
            return;
        m_awaitingBoard = false;
        selection()->showModeless();
    });
    if (QCoreApplication *app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &GameApp::programEnds);
}

GameApp::~GameApp()
{
    programEnds();
    delete m_offer;
    delete m_board;
    delete m_results;
    delete m_selection;
    delete m_start;
}

void GameApp::setResultsWriter(records::ResultsWriter *writer)
{
    if (m_writer)
        disconnect(m_writer, nullptr, this, nullptr);
    m_writer = writer;
    if (writer)
        connect(writer, &records::ResultsWriter::boardLoaded, this, &GameApp::boardLoaded);
}

Form1 *GameApp::startScreen()
{
    if (!m_start) {
        m_start = new Form1(m_sound);
        connect(m_start, &Form1::playRequested, this, &GameApp::play);
        m_start->setScanning(m_scanning);
    }
    return m_start;
}

Form2 *GameApp::selection()
{
    if (!m_selection) {
        m_selection = new Form2(m_sound);
        connect(m_selection, &Form2::pictureChosen, this, &GameApp::openBoard);
        connect(m_selection, &Form2::exitRequested, this, &GameApp::exitRequested);
        if (m_scanning)
            m_selection->setScanning(true, m_scanInterval, m_scanClock);
        closeStartScreen();
    }
    return m_selection;
}

void GameApp::closeStartScreen()
{
    // The start screen is not needed again. It is deleted once control
    // returns to the event loop, since its own button may have led here.
    if (Form1 *start = m_start) {
        m_start = nullptr;
        start->close();
        start->deleteLater();
    }
}

Form4 *GameApp::results()
{
    if (!m_results)
        m_results = new Form4;
    return m_results;
}

bool GameApp::openPuzzleFile(const QString &path)
{
    const vud::PuzzleImport result = vud::importPuzzleFile(path);
    if (result.outcome == vud::ImportOutcome::Refused) {
        std::fprintf(stderr, "vud2: %s: %s\n", qPrintable(path), qPrintable(result.message()));
        startScreen()->show();
        return false;
    }
    play(QString());
    selection()->showPageOf(result.pictureName);
    return true;
}

void GameApp::play(const QString &playerName)
{
    if (m_awaitingBoard)
        return;
    m_child = playerName;
    Form4 *list = results();
    list->showModeless();
    list->setWindowTitle(Screens::resultsCaption(playerName));
    if (!m_writer) {
        selection()->showModeless();
        return;
    }
    // The child's unfinished board, if any, comes before the selection
    // screen; the answer comes from the writer's thread.
    m_awaitingBoard = true;
    m_offerWait.start();
    m_writer->requestBoard(playerName);
    if (m_writer->flush(OfferHoldMs))
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void GameApp::boardLoaded(const QString &typedName, bool found, const records::UnfinishedBoard &board)
{
    if (!m_awaitingBoard || typedName != m_child)
        return;
    m_awaitingBoard = false;
    m_offerWait.stop();
    if (found && records::isSensible(board))
        offerBoard(board);
    else
        selection()->showModeless();
}

void GameApp::offerBoard(const records::UnfinishedBoard &board)
{
    closeOffer();
    m_offer = new ResumeOffer(board, m_loader);
    connect(m_offer, &ResumeOffer::resumeRequested, this, &GameApp::resume);
    connect(m_offer, &ResumeOffer::selectionRequested, this, &GameApp::chooseAnother);
    connect(m_offer, &ResumeOffer::exitRequested, this, &GameApp::exitRequested);
    m_offer->showModeless();
    closeStartScreen();
}

void GameApp::closeOffer()
{
    // The offer's own button may have led here: it goes once control
    // returns to the event loop.
    if (ResumeOffer *offer = m_offer) {
        m_offer = nullptr;
        disconnect(offer, nullptr, this, nullptr);
        offer->close();
        offer->deleteLater();
    }
}

void GameApp::resume()
{
    if (!m_offer)
        return;
    const records::UnfinishedBoard board = m_offer->board();
    const std::optional<boardlogic::GameRules> rules = boardlogic::GameRules::restore(
        board.columns, board.rows, board.pieces, std::int16_t(std::clamp(board.moves, 0, 32767)), board.seconds);
    if (!rules) {
        chooseAnother();
        return;
    }
    boardlogic::BoardChoice choice;
    choice.GridColumns = std::uint8_t(board.columns);
    choice.GridRows = std::int16_t(board.rows);
    choice.PicturePath = board.picture;
    choice.PictureName = QFileInfo(board.picture).fileName();
    createBoard(choice);
    m_board->resumeBoard(choice, *rules);
    // The picture is the one the board was saved with, as the offer found it.
    m_stampPath = board.picture;
    m_stamp = board.stamp;
    m_board->showModeless();
    closeOffer();
}

void GameApp::chooseAnother()
{
    selection()->showModeless();
    closeOffer();
}

void GameApp::createBoard(const boardlogic::BoardChoice &choice)
{
    if (m_board)
        return;
    m_board = new Form3(m_sound, m_random, choice, m_loader);
    m_board->installEventFilter(this);
    connect(m_board, &Form3::selectionRequested, this, [this] { selection()->showModeless(); });
    connect(m_board, &Form3::resultsRequested, this, [this] { results()->showModeless(); });
    connect(m_board, &Form3::gameFinished, this, &GameApp::recordGame);
    connect(m_board, &Form3::shuffled, this, [this] {
        refreshStamp();
        saveBoard();
    });
    connect(m_board, &Form3::dropped, this, &GameApp::saveBoard);
    if (m_scanning)
        m_board->setScanning(true, m_scanInterval, m_scanClock);
    connect(m_board, &Form3::exitRequested, this, [this] {
        saveBoard();
        emit exitRequested();
    });
}

void GameApp::openBoard(const boardlogic::BoardChoice &choice)
{
    if (m_board)
        m_board->chooseBoard(choice);
    else
        createBoard(choice);
    m_board->showModeless();
}

void GameApp::recordGame(int pieces, qint32 seconds, int moves)
{
    results()->addResult(pieces, seconds, moves);
    if (!m_writer || !m_board)
        return;
    records::FinishedGame game;
    game.child = m_child;
    game.ended = QDateTime::currentDateTime();
    game.picture = m_board->choice().PicturePath;
    game.pieces = pieces;
    game.seconds = seconds;
    game.moves = moves;
    m_writer->recordGame(game);
}

void GameApp::refreshStamp()
{
    if (!m_board)
        return;
    m_stampPath = m_board->choice().PicturePath;
    m_stamp = records::pictureStamp(m_stampPath);
}

void GameApp::saveBoard()
{
    if (!m_writer || !m_board)
        return;
    const boardlogic::GameRules &rules = m_board->rules();
    if (rules.pieceCount() == 0 || rules.isSolved())
        return;
    if (m_stampPath != m_board->choice().PicturePath)
        refreshStamp();
    records::UnfinishedBoard board;
    board.child = m_child;
    board.picture = m_stampPath;
    board.stamp = m_stamp;
    board.columns = rules.columns();
    board.rows = rules.rows();
    board.pieces = rules.cellPieces();
    board.moves = rules.moveCount();
    board.seconds = rules.elapsedSeconds();
    m_writer->saveBoard(board);
}

void GameApp::programEnds()
{
    saveBoard();
    if (m_writer)
        m_writer->flush();
}

bool GameApp::eventFilter(QObject *watched, QEvent *event)
{
    // The board's window closed by the desktop: its clock is kept too. The
    // event's type is looked at first: while the board is being destroyed it
    // still sends events, and it is no longer a Form3 to compare with.
    if (event->type() == QEvent::Close && watched == m_board)
        saveBoard();
    return QObject::eventFilter(watched, event);
}

void GameApp::setScanning(bool on, int intervalMs, boardlogic::ScanClock *clock)
{
    m_scanning = on;
    m_scanInterval = intervalMs;
    m_scanClock = clock;
    if (m_start)
        m_start->setScanning(on);
    if (m_selection)
        m_selection->setScanning(on, intervalMs, clock);
    if (m_board)
        m_board->setScanning(on, intervalMs, clock);
}
