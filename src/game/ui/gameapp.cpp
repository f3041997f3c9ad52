#include "game/ui/gameapp.h"

#include "game/logic/screenlogic.h"
#include "game/ui/results.h"
#include "game/ui/selection.h"
#include "game/ui/start.h"
#include "puzzlefile/puzzleimport.h"

#include <cstdio>

GameApp::GameApp(vud::SoundInterface &sound, vud::RandomSource &random, Form3::PictureLoader loader,
                 QObject *parent)
    : QObject(parent)
    , m_sound(sound)
    , m_random(random)
    , m_loader(std::move(loader))
{
}

GameApp::~GameApp()
{
    delete m_board;
    delete m_results;
    delete m_selection;
    delete m_start;
}

Form1 *GameApp::startScreen()
{
    if (!m_start) {
        m_start = new Form1(m_sound);
        connect(m_start, &Form1::playRequested, this, &GameApp::play);
    }
    return m_start;
}

Form2 *GameApp::selection()
{
    if (!m_selection) {
        m_selection = new Form2(m_sound);
        connect(m_selection, &Form2::pictureChosen, this, &GameApp::openBoard);
        connect(m_selection, &Form2::exitRequested, this, &GameApp::exitRequested);
        // The start screen is not needed again. It is deleted once control
        // returns to the event loop, since its own button may have led here.
        if (Form1 *start = m_start) {
            m_start = nullptr;
            start->close();
            start->deleteLater();
        }
    }
    return m_selection;
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
    Form4 *list = results();
    list->showModeless();
    list->setWindowTitle(Screens::resultsCaption(playerName));
    selection()->showModeless();
}

void GameApp::openBoard(const boardlogic::BoardChoice &choice)
{
    if (m_board) {
        m_board->chooseBoard(choice);
    } else {
        m_board = new Form3(m_sound, m_random, choice, m_loader);
        connect(m_board, &Form3::selectionRequested, this, [this] { selection()->showModeless(); });
        connect(m_board, &Form3::resultsRequested, this, [this] { results()->showModeless(); });
        connect(m_board, &Form3::gameFinished, this,
                [this](int pieces, qint32 seconds, int moves) { results()->addResult(pieces, seconds, moves); });
        connect(m_board, &Form3::exitRequested, this, &GameApp::exitRequested);
        if (m_scanning)
            m_board->setScanning(true, m_scanInterval);
    }
    m_board->showModeless();
}

void GameApp::setScanning(bool on, int intervalMs)
{
    m_scanning = on;
    m_scanInterval = intervalMs;
    if (m_board)
        m_board->setScanning(on, intervalMs);
}
