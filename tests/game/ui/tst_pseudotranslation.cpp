#include "game/logic/boardlogic.h"
#include "game/ui/board.h"
#include "game/ui/gameapp.h"
#include "game/ui/results.h"
#include "game/ui/resumeoffer.h"
#include "game/ui/selection.h"
#include "records/records.h"
#include "game/ui/start.h"
#include "support/testsupport.h"
#include "uisupport/recordingsound.h"
#include "uisupport/textaudit.h"
#include "widgets/facebutton.h"
#include "widgets/textfit.h"

#include <QLabel>
#include <QtTest>

using namespace vudtest;

// The game in a language longer than Spanish: every window the child meets,
// walked with the pseudo-translation loaded. Every text shown went through
// translation, and every text stands whole in its box on this screen.
class TestPseudoTranslation : public QObject
{
    Q_OBJECT

    AuditLanguage m_language;

private slots:
    void initTestCase() { QVERIFY(m_language.install()); }

    // The audit itself: a text that skipped translation, one that is too
    // long for its box once translated, and a translated one that fits.
    void auditSeesWhatEscapesAndWhatIsCut()
    {
        if (AuditLanguage::real())
            QSKIP("The audit is checked with the pseudo-translation");
        QWidget window;
        window.resize(300, 100);
        auto *escaped = new QLabel(QStringLiteral("Hola"), &window);
        escaped->setObjectName(QStringLiteral("Escaped"));
        escaped->setGeometry(0, 0, 200, 30);
        auto *narrow = new QLabel(QCoreApplication::translate("Test", "Un texto largo"), &window);
        narrow->setObjectName(QStringLiteral("Narrow"));
        narrow->setGeometry(0, 40, 30, 30);
        auto *fine = new QLabel(QCoreApplication::translate("Test", "Bien"), &window);
        fine->setGeometry(0, 70, 200, 30);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        TextAudit audit;
        audit.window(&window, QStringLiteral("Prueba"));
        QCOMPARE(audit.untranslated, QStringList{QStringLiteral("Prueba / Escaped / text: \"Hola\"")});
        QCOMPARE(audit.cutOff.size(), 1);
        QVERIFY(audit.cutOff.first().startsWith(QStringLiteral("Prueba / Narrow / text needs")));
        // Measured as translated, then put back.
        QCOMPARE(escaped->text(), QStringLiteral("Hola"));
    }

    void everyWindowTranslatedAndWhole()
    {
        TempProgramFolder folder;
        QVERIFY(writeGif(folder.file("gifs/inicio.gif"), squareFrames(3), 5, 0));
        QVERIFY(writeBlockPicture(folder.file("imagenes/granja.png"), QSize(300, 200), 3, 2));
        RecordingSound sound;
        ScriptedRandom random{{0.0}};
        GameApp app(sound, random);
        const QString child = QStringLiteral("Ana");
        TextAudit audit;
        audit.fromData = {QStringLiteral("granja.png"), child};

        // The start screen with its credits, its hover note, then its notice.
        Form1 *start = app.startScreen();
        start->show();
        QVERIFY(QTest::qWaitForWindowExposed(start));
        audit.window(start);
        QTest::mouseMove(start->Label1);
        QTRY_VERIFY(start->Label4->isVisible());
        audit.window(start);
        start->Command1_Click(1);
        QVERIFY(start->Label3->isVisible());
        audit.window(start);
        start->Text1->setText(child);
        start->Command1_Click(0);

        // The selection screen and the results list, with the longest line a
        // game can write.
        QTRY_VERIFY(app.hasSelection() && app.selection()->isVisible());
        Form2 *selection = app.selection();
        QVERIFY(QTest::qWaitForWindowExposed(selection));
        QTRY_VERIFY(selection->Image1[0]->hasPicture());
        audit.window(selection);
        Form4 *results = app.results();
        results->addResult(108, 99999, 9999);
        results->addResult(6, 3, 4);
        QVERIFY(QTest::qWaitForWindowExposed(results));
        audit.window(results);

        // The board, from the picture chosen.
        selection->Image1_Click(0);
        QTRY_VERIFY(app.hasBoard() && app.board()->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(app.board()));
        audit.window(app.board());

        // The offer of an unfinished board.
        records::UnfinishedBoard unfinished;
        unfinished.child = child;
        unfinished.picture = folder.file("imagenes/granja.png");
        unfinished.columns = 3;
        unfinished.rows = 2;
        unfinished.pieces = {1, 0, 2, 3, 4, 5};
        ResumeOffer offer(unfinished);
        offer.showModeless();
        QVERIFY(QTest::qWaitForWindowExposed(&offer));
        audit.window(&offer);

        if (!audit.untranslated.isEmpty())
            qWarning().noquote() << "Texts that escaped translation:" << audit.report();
        QVERIFY2(audit.cutOff.isEmpty(), qPrintable(audit.report()));
        QVERIFY2(audit.untranslated.isEmpty(), qPrintable(audit.report()));
    }

    // The longest results line a game can write shows whole, without a
    // horizontal scroll bar, once the language changes under an open list.
    void resultsFitAfterALanguageChange()
    {
        QCoreApplication::removeTranslator(&m_language.translator());
        Form4 results;
        results.addResult(108, 99999, 9999);
        results.show();
        QVERIFY(QTest::qWaitForWindowExposed(&results));
        QVERIFY(QCoreApplication::installTranslator(&m_language.translator()));
        // The change is posted to the program, which posts it to each window.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents();
        results.List1->item(0)->setText(boardlogic::longestResultsLine());
        TextAudit audit;
        audit.window(&results);
        QVERIFY2(audit.cutOff.isEmpty(), qPrintable(audit.report()));
    }
};

QTEST_MAIN(TestPseudoTranslation)
#include "tst_pseudotranslation.moc"
