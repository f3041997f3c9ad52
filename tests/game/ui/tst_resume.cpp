#include "core/datapaths.h"
#include "game/ui/board.h"
#include "game/ui/gameapp.h"
#include "game/ui/results.h"
#include "game/ui/resumeoffer.h"
#include "game/ui/selection.h"
#include "game/ui/start.h"
#include "records/resultsstore.h"
#include "records/resultswriter.h"
#include "support/testsupport.h"
#include "uisupport/recordingsound.h"
#include "widgets/facebutton.h"

#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

using namespace vudtest;

// A child's unfinished board kept across runs of the game: saved as it is
// played, offered when the same child comes back, resumed where it was left.
class TestResume : public QObject
{
    Q_OBJECT

    TempProgramFolder *m_folder = nullptr;
    RecordingSound m_sound;
    ScriptedRandom *m_random = nullptr;
    records::ResultsWriter *m_writer = nullptr;
    GameApp *m_app = nullptr;
    QString m_picture;
    QString m_database;

    Form3 *board() const { return m_app->board(); }

    // A 4 x 3 board saved for the child, every piece away from home.
    records::UnfinishedBoard unfinished(const QString &child) const
    {
        records::UnfinishedBoard saved;
        saved.child = child;
        saved.picture = m_picture;
        saved.stamp = records::pictureStamp(m_picture);
        saved.columns = 4;
        saved.rows = 3;
        saved.pieces = {11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0};
        saved.moves = 7;
        saved.seconds = 42;
        return saved;
    }

    bool store(const records::UnfinishedBoard &saved) const
    {
        records::ResultsStore database(m_database);
        return database.saveBoard(saved);
    }
    std::optional<records::UnfinishedBoard> storedBoard(const QString &child) const
    {
        m_writer->flush();
        records::ResultsStore database(m_database);
        return database.loadBoard(child);
    }

    // The child types a name on the start screen and goes on; the offer or
    // the selection screen follows.
    void goOn(const QString &name)
    {
        Form1 *start = m_app->startScreen();
        start->show();
        start->Text1->setText(name);
        start->Command1_Click(0);
        QTRY_VERIFY(m_app->hasResumeOffer() || (m_app->hasSelection() && m_app->selection()->isVisible()));
    }

    void resumeByClick()
    {
        QVERIFY(m_app->hasResumeOffer());
        QTest::mouseClick(m_app->resumeOffer()->resumeButton(), Qt::LeftButton);
        QVERIFY(board());
        QVERIFY(QTest::qWaitForWindowExposed(board()));
    }

    QPoint cellCentre(int column, int row) const
    {
        const vud::ScreenTwips &s = board()->screen();
        const int cell = board()->cellSize();
        return QPoint(s.toPixelsX(board()->gridLeft() + column * cell + cell / 2.0),
                      s.toPixelsY(board()->gridTop() + row * cell + cell / 2.0));
    }
    void clickCell(int column, int row)
    {
        QTest::mouseClick(board()->windowHandle(), Qt::LeftButton, {}, cellCentre(column, row));
    }

    static QVector<int> swapped(QVector<int> pieces, int a, int b)
    {
        std::swap(pieces[a], pieces[b]);
        return pieces;
    }

private slots:
    void init()
    {
        m_folder = new TempProgramFolder;
        m_picture = m_folder->file("imagenes/bloques.png");
        QVERIFY(writeBlockPicture(m_picture, QSize(400, 300), 4, 3));
        m_database = m_folder->file("resultados.sqlite");
        m_random = new ScriptedRandom({0.0});
        m_writer = new records::ResultsWriter(m_database);
        m_app = new GameApp(m_sound, *m_random);
        m_app->setResultsWriter(m_writer);
    }

    void cleanup()
    {
        delete m_app;
        m_app = nullptr;
        delete m_writer;
        m_writer = nullptr;
        delete m_random;
        m_random = nullptr;
        delete m_folder;
        m_folder = nullptr;
    }

    void offeredOnlyToTheSameChildsUnfinishedBoard_data()
    {
        QTest::addColumn<QString>("savedFor");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("since");
        QTest::addColumn<bool>("offered");
        QTest::newRow("same name") << "Ana" << "Ana" << "" << true;
        QTest::newRow("blanks and case") << "Ana" << " aNA " << "" << true;
        QTest::newRow("empty name") << "" << "" << "" << true;
        QTest::newRow("other child") << "Ana" << "Luis" << "" << false;
        QTest::newRow("nothing saved") << "Ana" << "Ana" << "nothing" << false;
        QTest::newRow("game finished") << "Ana" << "Ana" << "finished" << false;
        QTest::newRow("picture changed") << "Ana" << "Ana" << "changed" << false;
        QTest::newRow("picture gone") << "Ana" << "Ana" << "gone" << false;
    }
    // The offer comes before the selection screen, shows the board as it was
    // left and has the keyboard focus on "SEGUIR"; without a board worth
    // going on with, the selection screen opens as it always did.
    void offeredOnlyToTheSameChildsUnfinishedBoard()
    {
        QFETCH(QString, savedFor);
        QFETCH(QString, typed);
        QFETCH(QString, since);
        QFETCH(bool, offered);
        const records::UnfinishedBoard saved = unfinished(savedFor);
        if (since != "nothing")
            QVERIFY(store(saved));
        if (since == "finished") {
            records::FinishedGame game;
            game.child = savedFor;
            game.ended = QDateTime::currentDateTime();
            game.picture = m_picture;
            game.pieces = 12;
            records::ResultsStore database(m_database);
            QVERIFY(database.recordGame(game));
        } else if (since == "changed") {
            QVERIFY(writeBlockPicture(m_picture, QSize(401, 300), 4, 3));
        } else if (since == "gone") {
            QVERIFY(QFile::remove(m_picture));
        }

        goOn(typed);
        QCOMPARE(m_app->hasResumeOffer(), offered);
        QCOMPARE(m_app->hasSelection(), !offered);
        QVERIFY(!m_app->hasBoard());
        QTRY_VERIFY(!m_app->hasStartScreen());
        if (!offered)
            return;
        ResumeOffer *offer = m_app->resumeOffer();
        QVERIFY(offer->isVisible());
        QCOMPARE(offer->board(), saved);
        QCOMPARE(offer->resumeButton()->text(), QStringLiteral("SEGUIR"));
        QVERIFY(QTest::qWaitForWindowActive(offer));
        QVERIFY(offer->resumeButton()->hasFocus());
        // The board is drawn as it lies: the top-left cell holds piece 11,
        // the bottom-right block of the picture.
        const QImage drawn = offer->boardImage();
        QVERIFY(!drawn.isNull());
        const QColor topLeft = drawn.pixelColor(drawn.width() / 8, drawn.height() / 6);
        QVERIFY2(coloursClose(topLeft, blockColour(3, 2), 24), qPrintable(topLeft.name()));
    }

    void resumeRestoresTheBoard_data()
    {
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("SEGUIR clicked") << false;
        QTest::newRow("Enter") << true;
    }
    // One click or Enter: the pieces where they were, the counters going on
    // from their saved values, the clock from the child's first click; the
    // next drop saves the board with its one move more.
    void resumeRestoresTheBoard()
    {
        QFETCH(bool, byEnter);
        const records::UnfinishedBoard saved = unfinished("Ana");
        QVERIFY(store(saved));
        goOn("Ana");
        if (byEnter) {
            ResumeOffer *offer = m_app->resumeOffer();
            QVERIFY(offer);
            QVERIFY(QTest::qWaitForWindowActive(offer));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY(board());
            QVERIFY(QTest::qWaitForWindowExposed(board()));
        } else {
            resumeByClick();
        }
        QTRY_VERIFY(!m_app->hasResumeOffer());
        QVERIFY(!m_app->hasSelection());

        Form3 *form = board();
        QCOMPARE(form->choice().PicturePath, m_picture);
        QCOMPARE(form->rules().cellPieces(), saved.pieces);
        QCOMPARE(int(form->moveCount()), 7);
        QCOMPARE(form->elapsedSeconds(), 42);
        QVERIFY(!form->carrying());
        for (int k = 0; k < saved.pieces.size(); ++k) {
            const PieceBox *box = form->piece(saved.pieces.at(k));
            QCOMPARE(box->leftTwips(), form->gridLeft() + (k % 4) * form->cellSize());
            QCOMPARE(box->topTwips(), double(form->gridTop() + (k / 4) * form->cellSize()));
            QVERIFY(box->isEnabled());
        }
        const QList<vud::FaceButton *> counters = form->findChildren<vud::FaceButton *>("Command2");
        QStringList shown;
        for (const vud::FaceButton *counter : counters)
            shown << counter->text();
        shown.sort();
        QCOMPARE(shown, QStringList({"42", "7"}));
        // No shuffle, and the clock waits for the child.
        QVERIFY(!form->timer1()->isActive());
        QVERIFY(!form->timer3()->isActive());

        clickCell(0, 0);
        QVERIFY(form->carrying());
        QVERIFY(form->timer3()->isActive());
        clickCell(1, 0);
        QCOMPARE(int(form->moveCount()), 8);
        const std::optional<records::UnfinishedBoard> after = storedBoard("Ana");
        QVERIFY(after);
        QCOMPARE(after->pieces, swapped(saved.pieces, 0, 1));
        QCOMPARE(after->moves, 8);
        QCOMPARE(after->picture, m_picture);
    }

    // Another picture from the offer: the selection screen, and a new game
    // whose board replaces the old one once it is shuffled (not before).
    void anotherPictureStartsAnew()
    {
        const records::UnfinishedBoard saved = unfinished("Ana");
        QVERIFY(store(saved));
        goOn("Ana");
        QVERIFY(m_app->hasResumeOffer());
        QTest::mouseClick(m_app->resumeOffer()->selectionButton(), Qt::LeftButton);
        QVERIFY(m_app->hasSelection());
        QVERIFY(m_app->selection()->isVisible());
        QTRY_VERIFY(!m_app->hasResumeOffer());
        QVERIFY(!m_app->hasBoard());

        const QString other = m_folder->file("imagenes/otra.png");
        QVERIFY(writeBlockPicture(other, QSize(300, 200), 3, 2));
        boardlogic::BoardChoice choice;
        choice.GridColumns = 3;
        choice.GridRows = 2;
        choice.PicturePath = other;
        choice.PictureName = "otra.png";
        m_app->openBoard(choice);
        QVERIFY(board()->rules().isSolved());
        QCOMPARE(int(board()->moveCount()), 0);
        QCOMPARE(storedBoard("Ana"), std::optional<records::UnfinishedBoard>(saved));

        // One swap of cells (0, 0) and (1, 0); the rest leave the grid alone.
        m_random->m_fractions = {0.0, 0.0, 0.0, 0.5, 0.0};
        board()->Timer1_Timer();
        const std::optional<records::UnfinishedBoard> fresh = storedBoard("Ana");
        QVERIFY(fresh);
        QCOMPARE(fresh->picture, other);
        QCOMPARE(fresh->columns, 3);
        QCOMPARE(fresh->rows, 2);
        QCOMPARE(fresh->pieces, QVector<int>({1, 0, 2, 3, 4, 5}));
        QCOMPARE(fresh->moves, 0);
    }

    // Finishing a resumed board stores one game, the moves and seconds
    // counted on from the saved ones, and leaves no board to offer, even
    // after the program ends.
    void finishedGameRecordsOneRow()
    {
        records::UnfinishedBoard saved = unfinished("Ana");
        saved.pieces = {1, 0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
        saved.moves = 5;
        saved.seconds = 9;
        QVERIFY(store(saved));
        goOn("Ana");
        resumeByClick();
        clickCell(0, 0);
        clickCell(1, 0);
        QVERIFY(board()->rules().isSolved());
        QCOMPARE(m_app->results()->List1->count(), 1);
        QVERIFY(!storedBoard("Ana"));
        delete m_app;
        m_app = nullptr;
        records::ResultsStore database(m_database);
        QVERIFY(!database.loadBoard("Ana"));
        const QVector<records::FinishedGame> games = database.games(records::childKey("Ana"));
        QCOMPARE(games.size(), 1);
        QCOMPARE(games[0].child, QStringLiteral("Ana"));
        QCOMPARE(games[0].picture, m_picture);
        QCOMPARE(games[0].pieces, 12);
        QCOMPARE(games[0].moves, 6);
        QCOMPARE(games[0].seconds, 9);
        QVERIFY(qAbs(games[0].ended.secsTo(QDateTime::currentDateTime())) < 60);
    }

    // A new game: its solved lay-out is not saved; the shuffled board is,
    // then every drop, and the clock when the program ends.
    void savedAfterTheShuffleEveryDropAndTheEnd()
    {
        goOn("Ana");
        boardlogic::BoardChoice choice;
        choice.GridColumns = 4;
        choice.GridRows = 3;
        choice.PicturePath = m_picture;
        choice.PictureName = "bloques.png";
        m_app->openBoard(choice);
        QVERIFY(QTest::qWaitForWindowExposed(board()));
        QVERIFY(!storedBoard("Ana"));
        m_random->m_fractions = {0.0, 0.0, 0.0, 0.3, 0.0};
        board()->Timer1_Timer();
        std::optional<records::UnfinishedBoard> saved = storedBoard(" ANA");
        QVERIFY(saved);
        QCOMPARE(saved->pieces, board()->rules().cellPieces());
        QCOMPARE(saved->moves, 0);

        clickCell(2, 2);
        clickCell(2, 2);
        saved = storedBoard("Ana");
        QVERIFY(saved);
        QCOMPARE(saved->moves, 1);
        QCOMPARE(saved->seconds, 0);
        for (int second = 0; second < 3; ++second)
            board()->Timer3_Timer();
        delete m_app;
        m_app = nullptr;
        saved = storedBoard("Ana");
        QVERIFY(saved);
        QCOMPARE(saved->seconds, 3);
        QCOMPARE(saved->child, QStringLiteral("Ana"));
    }
};

QTEST_MAIN(TestResume)
#include "tst_resume.moc"
