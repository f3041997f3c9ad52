#include "core/random.h"
#include "editor/ui/chooser.h"
#include "editor/ui/editorwindow.h"
#include "editor/ui/picturesurface.h"
#include "game/logic/screenlogic.h"
#include "game/ui/gameapp.h"
#include "game/ui/selection.h"
#include "game/ui/start.h"
#include "support/testsupport.h"
#include "uisupport/recordingdialogs.h"
#include "uisupport/recordingsound.h"
#include "widgets/gifdisplay.h"
#include "widgets/sound.h"

#include "core/coordinates.h"
#include "core/datapaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QPushButton>
#include <QtTest>

// Run by install_relocated.sh from the bin folder of an installed prefix that
// was moved after installing, exactly where the programs are: the game's and
// the editor's windows must find the installed sample data from the binary's
// own folder, and an editor save must land in the user's data folder.
class TestInstalled : public QObject
{
    Q_OBJECT

    QString m_share;
    QString m_user;
    vudtest::RecordingSound m_sound;

    QStringList installedPictures() const
    {
        return QDir(m_share + "/imagenes").entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    }

private slots:
    void initTestCase()
    {
        m_share = QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/vud");
        m_user = qEnvironmentVariable("XDG_DATA_HOME") + "/vud";
        QVERIFY(!qEnvironmentVariable("XDG_DATA_HOME").isEmpty());
        QVERIFY2(!vud::isPortableLayout(), "the test must run from an installed bin folder");
        QCOMPARE(vud::installedDataFolders().value(0), m_share);
        QCOMPARE(vud::userDataFolder(), m_user);
        QVERIFY(installedPictures().size() >= 9);
    }

    void gameShowsTheInstalledData()
    {
        vudtest::ScriptedRandom random;
        GameApp game(m_sound, random);
        Form1 *start = game.startScreen();
        start->show();
        QVERIFY(QTest::qWaitForWindowExposed(start));
        QCOMPARE(start->Gif89a1->file(), m_share + "/gifs/inicio.gif");

        Form2 *selection = game.selection();
        selection->showModeless();
        QVERIFY(QTest::qWaitForWindowExposed(selection));
        QCOMPARE(selection->File1().ListCount(), int(installedPictures().size()));
        QCOMPARE(selection->File1().fullPath(0), m_share + "/imagenes/" + installedPictures().first());
        QTRY_VERIFY(selection->Image1[0]->hasPicture());
    }

    void editorSavesIntoTheUsersFolder()
    {
        RecordingDialogs dialogs;
        dialogs.answers.enqueue(QStringLiteral("mipuzle"));
        vud::StandardRandom names;
        Editor::Form1 form(dialogs, names);
        form.showEditor();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.pictureFiles(), installedPictures());
        QPushButton *next = nullptr;
        QPushButton *save = nullptr;
        for (QPushButton *b : form.findChildren<QPushButton *>("Command1")) {
            if (b->property("index").toInt() == 1)
                next = b;
            if (b->property("index").toInt() == 3)
                save = b;
        }
        QVERIFY(next && save);
        QTest::mouseClick(next, Qt::LeftButton);
        QVERIFY(form.surface()->hasPicture());
        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(dialogs.messages, QStringList());
        QVERIFY(QFileInfo(m_user + "/imagenes/mipuzle.bmp").isFile());
        QVERIFY(QFileInfo(m_user + "/coordenadas/mipuzle.txt").isFile());
        // Exported beside the user's folder, for the desktop to recognise.
        dialogs.files.enqueue(QFileInfo(m_user).absolutePath() + "/mipuzle.vud");
        form.exportPuzzle();
        QCOMPARE(dialogs.messages, QStringList{"El puzzle se ha exportado a mipuzle.vud."});

        // The game lists the new puzzle among the installed ones and reads
        // its coordinates from the user's folder.
        Screens::FileList list;
        list.setDataFolder("\\imagenes\\");
        QCOMPARE(list.ListCount(), int(installedPictures().size()) + 1);
        bool found = false;
        for (int i = 0; i < list.ListCount(); ++i) {
            if (list.List(i) == "mipuzle.bmp") {
                found = true;
                QCOMPARE(list.fullPath(i), m_user + "/imagenes/mipuzle.bmp");
                QCOMPARE(vud::coordinatesPathFor(list.List(i), list.fullPath(i)), m_user + "/coordenadas/mipuzle.txt");
            }
        }
        QVERIFY(found);
    }
};

QTEST_MAIN(TestInstalled)
#include "tst_installed.moc"
