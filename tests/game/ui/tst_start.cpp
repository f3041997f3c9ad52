#include "core/datapaths.h"
#include "game/ui/board.h"
#include "game/ui/gameapp.h"
#include "game/ui/results.h"
#include "game/ui/selection.h"
#include "game/ui/start.h"
#include "records/resultswriter.h"
#include "support/testsupport.h"
#include "widgets/facebutton.h"
#include "widgets/gifdisplay.h"
#include "widgets/sound.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QtTest>

using namespace vudtest;

namespace {

// Remembers each sound together with which of the other windows were on
// show when it started, so that the order of "show, then play" is checked.
class SnapshotSound : public vud::SoundInterface
{
public:
    struct Played
    {
        QString path;
        bool resultsShown;
        bool selectionShown;
    };

    void playSound(const QString &fullPath) override
    {
        played.append({fullPath, shown<Form4>(), shown<Form2>()});
    }

    template <typename Window>
    static bool shown()
    {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (qobject_cast<Window *>(widget) && widget->isVisible())
                return true;
        return false;
    }

    QVector<Played> played;
};

QString inicioSound()
{
    return vud::dataPath(QStringLiteral("\\sonidos\\inicio.wav"));
}

} // namespace

// The start screen: the first thing a child sees, and the way into the game.
class TestStart : public QObject
{
    Q_OBJECT

    TempProgramFolder *m_folder = nullptr;
    SnapshotSound m_sound;
    ScriptedRandom m_random{{0.0}};
    GameApp *m_app = nullptr;

    Form1 *shownForm()
    {
        Form1 *form = m_app->startScreen();
        form->show();
        if (!QTest::qWaitForWindowExposed(form))
            return nullptr;
        return form;
    }

    void click(QWidget *form, QWidget *control)
    {
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, control->mapTo(form, control->rect().center()));
    }

private slots:
    void init()
    {
        m_folder = new TempProgramFolder;
        QVERIFY(writeGif(m_folder->file("gifs/inicio.gif"), squareFrames(3), 5, 0));
        m_sound.played.clear();
        m_app = new GameApp(m_sound, m_random);
    }

    void cleanup()
    {
        delete m_app;
        m_app = nullptr;
        delete m_folder;
        m_folder = nullptr;
    }

    // The window opens centred with its designed size, credits showing, the
    // notice and the hover note hidden, the title animation set and the
    // greeting sound played once.
    void loadsCentredWithCreditsAndGreeting()
    {
        Form1 *form = shownForm();
        QVERIFY(form);
        const vud::ScreenTwips screen = vud::screenTwips();
        QCOMPARE(form->windowTitle(), QStringLiteral("VUD 2.0"));
        QCOMPARE(form->size(), QSize(screen.toPixelsX(7965), screen.toPixelsY(7905)));
        // (12000 - 7965) \ 2 = 2017 and (9000 - 7905) \ 2 = 547 twips.
        QCOMPARE(form->pos(), QPoint(screen.toPixelsX(2017), screen.toPixelsY(547)));
        QCOMPARE(form->palette().color(QPalette::Window), QColor(Qt::white));

        QCOMPARE(form->Label1->text(), QStringLiteral("V U D"));
        QCOMPARE(form->Label5->text(), QStringLiteral("Un puzzle para los más pequeños de la casa"));
        QCOMPARE(form->Label6->text(), QStringLiteral("Introduce tu nombre"));
        QCOMPARE(form->Label2[0]->text(), QStringLiteral("Versión 2.0"));
        for (QLabel *label : form->Label2)
            QVERIFY(label->isVisible());
        QVERIFY(!form->Label3->isVisible());
        QVERIFY(!form->Label4->isVisible());
        QVERIFY(form->Text1->text().isEmpty());
        QCOMPARE(form->Command1[0]->text(), QStringLiteral("CONTINUAR"));
        QCOMPARE(form->Command1[1]->text(), QStringLiteral("Tipo de licencia Freeware"));
        QCOMPARE(form->Command1[0]->faceColour(), QColor(192, 192, 255));
        QCOMPARE(form->Command1[1]->faceColour(), QColor(255, 255, 192));

        QCOMPARE(form->Gif89a1->file(), m_folder->file("gifs/inicio.gif"));
        QCOMPARE(form->Gif89a1->geometry(), screen.toPixels(2880, 1680, 2055, 1695));

        QCOMPARE(m_sound.played.size(), 1);
        QCOMPARE(m_sound.played[0].path, inicioSound());
    }

    // Every text stands where the design puts it, in its font and colour.
    void textsAsDesigned()
    {
        Form1 *form = shownForm();
        QVERIFY(form);
        const vud::ScreenTwips screen = vud::screenTwips();
        struct Expected
        {
            QWidget *widget;
            QRect twips;
            double points;
            bool bold;
            QColor colour; // invalid: the window's ordinary text colour
        };
        const QColor black(Qt::black);
        const QVector<Expected> expected = {
            {form->Label1, {1320, 240, 5415, 1095}, 48, true, QColor(0, 0, 192)},
            {form->Label2[0], {3120, 1200, 2295, 495}, 18, true, black},
            {form->Label2[4], {720, 4080, 4455, 375}, 14.25, true, black},
            {form->Label2[1], {720, 4440, -1, 375}, 14.25, true, black},
            {form->Label2[2], {720, 4800, -1, 375}, 14.25, true, black},
            {form->Label2[3], {720, 5160, -1, 375}, 14.25, true, black},
            {form->Label3, {720, 3960, 4815, 1815}, 14.25, false, black},
            {form->Label6, {600, 6000, 1695, 615}, 14.25, false, black},
            {form->Text1, {2400, 6000, 5055, 615}, 24, true, QColor()},
            {form->Command1[0], {600, 6720, 6855, 735}, 27.75, true, QColor()},
            {form->Command1[1], {5760, 4080, 1695, 1455}, 9.75, false, QColor()},
        };
        for (const Expected &e : expected) {
            const QString name = e.widget->objectName();
            QRect designed = screen.toPixels(e.twips.x(), e.twips.y(), qMax(0, e.twips.width()), e.twips.height());
            if (e.twips.width() < 0)
                designed.setWidth(e.widget->width());
            QVERIFY2(e.widget->geometry() == designed, qPrintable(name));
            QVERIFY2(e.widget->font().family() == QStringLiteral("Arial"), qPrintable(name));
            QVERIFY2(qFuzzyCompare(e.widget->font().pointSizeF(), e.points), qPrintable(name));
            QVERIFY2(e.widget->font().bold() == e.bold, qPrintable(name));
            if (e.colour.isValid())
                QVERIFY2(e.widget->palette().color(QPalette::WindowText) == e.colour, qPrintable(name));
        }
        // The line about the game: green, and only as much smaller than
        // 15.75 points as it takes to stay on one line.
        QCOMPARE(form->Label5->geometry(), screen.toPixels(1200, 3600, 6255, 615));
        QCOMPARE(form->Label5->palette().color(QPalette::WindowText), QColor(0, 192, 0));
        QVERIFY(form->Label5->font().pointSizeF() <= 15.75 && form->Label5->font().pointSizeF() >= 14.5);
        QVERIFY(form->Label5->fontMetrics().horizontalAdvance(form->Label5->text()) <= form->Label5->width());
    }

    // "CONTINUAR" holds the focus; Tab goes to the notice button and then to
    // the name box.
    void focusStartsOnContinueAndTabsToTheNameLast()
    {
        Form1 *form = shownForm();
        QVERIFY(form);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QCOMPARE(QApplication::focusWidget(), form->Command1[0]);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form->Command1[1]);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form->Text1);
    }

    void noticeButtonToggles_data()
    {
        QTest::addColumn<int>("presses");
        QTest::addColumn<bool>("noticeShown");
        QTest::addColumn<QString>("caption");
        QTest::newRow("once: the notice") << 1 << true << QStringLiteral("Autor");
        QTest::newRow("twice: the credits again") << 2 << false << QStringLiteral("Tipo de licencia Freeware");
        QTest::newRow("three times: the notice again") << 3 << true << QStringLiteral("Autor");
    }
    // Each press swaps the credit lines for the free-distribution notice or
    // back, "Versión 2.0" stays, and every press plays the greeting sound.
    void noticeButtonToggles()
    {
        QFETCH(int, presses);
        QFETCH(bool, noticeShown);
        QFETCH(QString, caption);
        Form1 *form = shownForm();
        QVERIFY(form);
        m_sound.played.clear();
        for (int press = 0; press < presses; ++press)
            click(form, form->Command1[1]);

        QCOMPARE(form->Command1[1]->text(), caption);
        QCOMPARE(form->Label3->isVisible(), noticeShown);
        if (noticeShown)
            QVERIFY(form->Label3->text().contains(QStringLiteral("gratuito")));
        for (int index = 1; index <= 4; ++index)
            QCOMPARE(form->Label2[index]->isVisible(), !noticeShown);
        QVERIFY(form->Label2[0]->isVisible());
        QCOMPARE(m_sound.played.size(), presses);
        for (const SnapshotSound::Played &played : m_sound.played)
            QCOMPARE(played.path, inicioSound());
        QVERIFY(m_app->hasStartScreen());
    }

    void continueOpensResultsAndSelection_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        // The results database: none kept, or one the game cannot use.
        QTest::addColumn<QString>("database");
        QTest::addColumn<bool>("byEnter"); // Enter in the name box instead of CONTINUAR
        QTest::newRow("Ana") << QStringLiteral("Ana") << QStringLiteral("Ana  TUS RESULTADOS SON") << QString() << false;
        QTest::newRow("empty name") << QString() << QStringLiteral("  TUS RESULTADOS SON") << QString() << false;
        QTest::newRow("blanks kept") << QStringLiteral(" Luis ") << QStringLiteral(" Luis   TUS RESULTADOS SON")
                                     << QString() << false;
        QTest::newRow("garbage database") << QStringLiteral("Ana") << QStringLiteral("Ana  TUS RESULTADOS SON")
                                          << QStringLiteral("garbage") << false;
        QTest::newRow("database is a folder") << QStringLiteral("Ana")
                                              << QStringLiteral("Ana  TUS RESULTADOS SON")
                                              << QStringLiteral("folder") << false;
        QTest::newRow("unwritable data folder") << QStringLiteral("Ana")
                                                << QStringLiteral("Ana  TUS RESULTADOS SON")
                                                << QStringLiteral("unwritable") << false;
        QTest::newRow("Enter in the name box") << QStringLiteral("Eva") << QStringLiteral("Eva  TUS RESULTADOS SON")
                                               << QString() << true;
    }
    // The typed name heads the results list; the results list and the
    // selection screen are on show before the sound plays, and the start
    // screen goes away.
    void continueOpensResultsAndSelection()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(bool, byEnter);
        QFETCH(QString, database);
        // Storage that cannot be used changes nothing the child sees.
        std::unique_ptr<records::ResultsWriter> writer;
        std::unique_ptr<PermissionsBindRoot> bound;
        if (!database.isEmpty()) {
            QString path = m_folder->file("resultados.sqlite");
            if (database == "garbage") {
                QVERIFY(writeBytes(path, QByteArray(5000, '\x5a')));
            } else if (database == "folder") {
                QVERIFY(QDir().mkpath(path));
            } else {
                QVERIFY(QDir().mkpath(m_folder->file("cerrada")));
                path = m_folder->file("cerrada/resultados.sqlite");
                QVERIFY(QFile::setPermissions(m_folder->file("cerrada"), QFile::ReadOwner | QFile::ExeOwner));
                bound = std::make_unique<PermissionsBindRoot>();
            }
            writer = std::make_unique<records::ResultsWriter>(path);
            m_app->setResultsWriter(writer.get());
        }
        Form1 *form = shownForm();
        QVERIFY(form);
        QPointer<Form1> watch(form);
        click(form, form->Text1);
        QTest::keyClicks(form->Text1, name);
        m_sound.played.clear();
        if (byEnter)
            QTest::keyClick(form->Text1, Qt::Key_Return);
        else
            click(form, form->Command1[0]);

        QCOMPARE(m_app->results()->windowTitle(), caption);
        QVERIFY(m_app->results()->isVisible());
        QTRY_VERIFY(m_app->hasSelection());
        QVERIFY(!m_app->hasResumeOffer());
        QVERIFY(m_app->selection()->isVisible());
        QCOMPARE(m_sound.played.size(), 1);
        QCOMPARE(m_sound.played[0].path, inicioSound());
        QVERIFY(m_sound.played[0].resultsShown);
        QVERIFY(m_sound.played[0].selectionShown);
        QVERIFY(!m_app->hasStartScreen());
        QTRY_VERIFY(watch.isNull());
    }

    void hoverNote_data()
    {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<bool>("noteShown");
        QTest::newRow("over the title") << QStringList{"Label1"} << true;
        QTest::newRow("title then background") << QStringList{"Label1", "background"} << false;
        QTest::newRow("title then another control") << QStringList{"Label1", "Label5"} << true;
        QTest::newRow("title then the frame") << QStringList{"Label1", "frame"} << false;
        QTest::newRow("another control only") << QStringList{"Label5"} << false;
    }
    // The note appears over the title and goes only over the bare window.
    void hoverNote()
    {
        QFETCH(QStringList, path);
        QFETCH(bool, noteShown);
        Form1 *form = shownForm();
        QVERIFY(form);
        const vud::ScreenTwips screen = vud::screenTwips();
        for (const QString &place : path) {
            QPoint point;
            if (place == QLatin1String("Label1"))
                point = form->Label1->geometry().center();
            else if (place == QLatin1String("Label5"))
                point = form->Label5->geometry().topLeft() + QPoint(20, 10);
            else if (place == QLatin1String("frame"))
                point = QPoint(screen.toPixelsX(250), screen.toPixelsY(3000));
            else
                point = QPoint(screen.toPixelsX(600), screen.toPixelsY(5600));
            QTest::mouseMove(form->windowHandle(), point);
            QCoreApplication::processEvents();
        }
        QCOMPARE(form->Label4->isVisible(), noteShown);
    }
};

QTEST_MAIN(TestStart)
#include "tst_start.moc"
