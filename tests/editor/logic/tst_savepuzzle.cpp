#include "core/coordinates.h"
#include "core/datapaths.h"
#include "editor/logic/puzzlesave.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Editor;
Q_DECLARE_METATYPE(Editor::SaveOutcome)
using vudtest::readAll;
using vudtest::TempProgramFolder;
using vudtest::writeBytes;

namespace {

QImage picture(QSize size = QSize(40, 30))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(qRgb(30, 160, 90));
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(size.width() - 1, size.height() - 1, qRgb(0, 0, 255));
    return image;
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

} // namespace

// A save must never lose a puzzle: what is on disk is either the whole new
// puzzle or exactly what was there before, and a failure is never reported
// as success.
class TestSavePuzzle : public QObject
{
    Q_OBJECT

private slots:
    void savesBitmapAndCoordinatesUnderOneName()
    {
        TempProgramFolder folder;
        const QStringList lines{"abeja.gif,212,87,", "mariposa.gif,0,0,", "abeja.gif,5,300,"};
        QCOMPARE(savePuzzle("523dibujo", picture(), lines), SaveOutcome::Saved);

        QCOMPARE(readAll(folder.file("coordenadas/523dibujo.txt")),
                 QByteArray("abeja.gif,212,87,\r\nmariposa.gif,0,0,\r\nabeja.gif,5,300,\r\n"));
        const QString bitmap = folder.file("imagenes/523dibujo.bmp");
        QCOMPARE(QImageReader(bitmap).format(), QByteArray("bmp"));
        QCOMPARE(readAll(bitmap).left(2), QByteArray("BM"));
        const QImage saved(bitmap);
        QCOMPARE(saved.size(), QSize(40, 30));
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), picture());
        // Ordinary files, as the file-creation mask makes them.
        const mode_t mask = umask(0);
        umask(mask);
        for (const QString &path : {bitmap, folder.file("coordenadas/523dibujo.txt")}) {
            struct stat status;
            QCOMPARE(stat(QFile::encodeName(path).constData(), &status), 0);
            QCOMPARE(status.st_mode & 0777, 0666 & ~mask);
        }
        // No temporary file is left beside them.
        QCOMPARE(entries(folder.file("imagenes")), QStringList{"523dibujo.bmp"});
        QCOMPARE(entries(folder.file("coordenadas")), QStringList{"523dibujo.txt"});
    }

    void noPlacementsGiveAnEmptyCoordinatesFile()
    {
        TempProgramFolder folder;
        QCOMPARE(savePuzzle("vacio", picture(), {}), SaveOutcome::Saved);
        QVERIFY(QFileInfo::exists(folder.file("coordenadas/vacio.txt")));
        QCOMPARE(QFileInfo(folder.file("coordenadas/vacio.txt")).size(), 0);
        QVERIFY(QFileInfo::exists(folder.file("imagenes/vacio.bmp")));
    }

    void anExistingPuzzleIsNeverTouched_data()
    {
        QTest::addColumn<QString>("existing");
        QTest::addColumn<QString>("name");
        QTest::newRow("same name") << "gato.txt" << "gato";
        QTest::newRow("other case") << "GATO.TXT" << "gato";
    }
    void anExistingPuzzleIsNeverTouched()
    {
        QFETCH(QString, existing);
        QFETCH(QString, name);
        TempProgramFolder folder;
        QVERIFY(writeBytes(folder.file("coordenadas/" + existing), "abeja.gif,1,2,\r\n"));
        QVERIFY(writeBytes(folder.file("imagenes/gato.bmp"), "old picture"));
        QCOMPARE(savePuzzle(name, picture(), {"mariposa.gif,3,4,"}), SaveOutcome::AlreadyExists);
        QCOMPARE(readAll(folder.file("coordenadas/" + existing)), QByteArray("abeja.gif,1,2,\r\n"));
        QCOMPARE(readAll(folder.file("imagenes/gato.bmp")), QByteArray("old picture"));
        QCOMPARE(entries(folder.file("imagenes")), QStringList{"gato.bmp"});
        QCOMPARE(entries(folder.file("coordenadas")), QStringList{existing});
    }

    void aPictureWithoutCoordinatesIsReplaced()
    {
        TempProgramFolder folder;
        QVERIFY(writeBytes(folder.file("imagenes/gato.bmp"), "old picture"));
        QCOMPARE(savePuzzle("gato", picture(), {"abeja.gif,1,2,"}), SaveOutcome::Saved);
        QCOMPARE(QImage(folder.file("imagenes/gato.bmp")).size(), QSize(40, 30));
        QCOMPARE(readAll(folder.file("coordenadas/gato.txt")), QByteArray("abeja.gif,1,2,\r\n"));

        // The same name in other letters replaces that picture: one puzzle,
        // not two pictures sharing one coordinates file.
        QVERIFY(writeBytes(folder.file("imagenes/Perro.bmp"), "old picture"));
        QCOMPARE(savePuzzle("PERRO", picture(), {}), SaveOutcome::Saved);
        QCOMPARE(entries(folder.file("imagenes")), (QStringList{"Perro.bmp", "gato.bmp"}));
        QCOMPARE(QImage(folder.file("imagenes/Perro.bmp")).size(), QSize(40, 30));
        QVERIFY(QFileInfo::exists(folder.file("coordenadas/PERRO.txt")));
    }

    void wildcardsAreOrdinaryCharacters()
    {
        TempProgramFolder folder;
        QVERIFY(writeBytes(folder.file("coordenadas/gato.txt"), ""));
        QCOMPARE(savePuzzle("g*", picture(), {"abeja.gif,1,2,"}), SaveOutcome::Saved);
        QCOMPARE(savePuzzle("gat?", picture(), {}), SaveOutcome::Saved);
        QVERIFY(QFileInfo::exists(folder.file("coordenadas/g*.txt")));
        QVERIFY(QFileInfo::exists(folder.file("imagenes/gat?.bmp")));
        QCOMPARE(readAll(folder.file("coordenadas/gato.txt")), QByteArray());
    }

    void badNamesWriteNothingAnywhere_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("climbs out") << "../fuera";
        QTest::newRow("into a folder") << "sub/gato";
        QTest::newRow("backslash") << "..\\fuera";
        QTest::newRow("dot dot") << "..";
        QTest::newRow("hidden") << ".gato";
        QTest::newRow("control character") << "ga\rto";
        QTest::newRow("too long") << QString(300, 'g');
    }
    void badNamesWriteNothingAnywhere()
    {
        QFETCH(QString, name);
        TempProgramFolder folder;
        QDir(folder.path()).mkpath("imagenes/sub");
        QDir(folder.path()).mkpath("coordenadas/sub");
        const QStringList before = entries(folder.path());
        QCOMPARE(savePuzzle(name, picture(), {"abeja.gif,1,2,"}), SaveOutcome::BadName);
        QCOMPARE(entries(folder.path()), before);
        QCOMPARE(entries(folder.file("imagenes")), QStringList{"sub"});
        QCOMPARE(entries(folder.file("coordenadas")), QStringList{"sub"});
        QCOMPARE(entries(folder.file("imagenes/sub")), QStringList());
    }

    void unwritableFoldersSaveNothing_data()
    {
        QTest::addColumn<QString>("blocked");
        QTest::newRow("imagenes is a file") << "imagenes";
        QTest::newRow("coordenadas is a file") << "coordenadas";
        QTest::newRow("coordenadas missing") << "-coordenadas";
    }
    void unwritableFoldersSaveNothing()
    {
        QFETCH(QString, blocked);
        TempProgramFolder folder;
        QVERIFY(writeBytes(folder.file("imagenes/gato.bmp"), "old picture"));
        const bool remove = blocked.startsWith('-');
        const QString name = remove ? blocked.mid(1) : blocked;
        QVERIFY(QDir(folder.file(name)).removeRecursively());
        if (!remove)
            QVERIFY(writeBytes(folder.file(name), "not a folder"));

        QCOMPARE(savePuzzle("gato", picture(), {"abeja.gif,1,2,"}), SaveOutcome::Failed);
        if (name == "coordenadas") {
            // The older picture of that name survives, and nothing else is left.
            QCOMPARE(readAll(folder.file("imagenes/gato.bmp")), QByteArray("old picture"));
            QCOMPARE(entries(folder.file("imagenes")), QStringList{"gato.bmp"});
        } else {
            QVERIFY(!QFileInfo::exists(folder.file("coordenadas/gato.txt")));
            QCOMPARE(entries(folder.file("coordenadas")), QStringList());
        }
    }

    // Installed, a save goes into the user's data folder, made on the first
    // save, and the installed folder is never written; a name that an
    // installed puzzle already has is refused, case ignored.
    void installedSavesIntoTheUsersFolder()
    {
        TempProgramFolder folder;
        const QString share = folder.file("prefix/share/vud");
        QVERIFY(QDir().mkpath(share + "/coordenadas") && QDir().mkpath(share + "/imagenes"));
        QVERIFY(writeBytes(share + "/imagenes/granja.bmp", "installed picture"));
        QVERIFY(writeBytes(share + "/coordenadas/granja.txt", "abeja.gif,1,2,\r\n"));
        QVERIFY(QDir().mkpath(folder.file("prefix/bin")));
        vud::setProgramFolder(folder.file("prefix/bin"));
        const QString user = folder.file("usuario");

        const SaveOutcome taken = savePuzzle("GRANJA", picture(), {"sol.gif,3,4,"});
        const SaveOutcome saved = savePuzzle("granja2", picture(), {"sol.gif,3,4,"});
        QCOMPARE(taken, SaveOutcome::AlreadyExists);
        QCOMPARE(saved, SaveOutcome::Saved);
        QCOMPARE(readAll(user + "/coordenadas/granja2.txt"), QByteArray("sol.gif,3,4,\r\n"));
        QCOMPARE(QImage(user + "/imagenes/granja2.bmp").convertToFormat(QImage::Format_RGB32), picture());
        QCOMPARE(entries(user), QStringList({"coordenadas", "gifs", "imagenes", "sonidos"}));
        QCOMPARE(entries(share + "/imagenes"), QStringList{"granja.bmp"});
        QCOMPARE(entries(share + "/coordenadas"), QStringList{"granja.txt"});
        QCOMPARE(readAll(share + "/imagenes/granja.bmp"), QByteArray("installed picture"));
    }

    void readOnlyFolderSavesNothing()
    {
        TempProgramFolder folder;
        QVERIFY(QFile::setPermissions(folder.file("coordenadas"),
                                      QFile::ReadOwner | QFile::ExeOwner));
        SaveOutcome outcome = SaveOutcome::Saved;
        {
            vudtest::PermissionsBindRoot permissionsBind;
            if (geteuid() == 0 && !permissionsBind.active())
                QSKIP("running as root where permissions cannot be made to bind");
            outcome = savePuzzle("gato", picture(), {"abeja.gif,1,2,"});
        }
        QFile::setPermissions(folder.file("coordenadas"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(outcome, SaveOutcome::Failed);
        QCOMPARE(entries(folder.file("imagenes")), QStringList());
    }

    void aFullDiskSavesNothing_data()
    {
        QTest::addColumn<int>("limit");
        // The bitmap of 200 x 200 pixels is far larger than either limit.
        QTest::newRow("nothing fits") << 0;
        QTest::newRow("only the start of a bitmap fits") << 1000;
    }
    void aFullDiskSavesNothing()
    {
        QFETCH(int, limit);
        TempProgramFolder folder;
        QVERIFY(writeBytes(folder.file("imagenes/gato.bmp"), "old picture"));
        struct rlimit old;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        auto previous = signal(SIGXFSZ, SIG_IGN);
        struct rlimit tight = old;
        tight.rlim_cur = rlim_t(limit);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
        const SaveOutcome outcome = savePuzzle("gato", picture(QSize(200, 200)), {"abeja.gif,1,2,"});
        setrlimit(RLIMIT_FSIZE, &old);
        signal(SIGXFSZ, previous);
        QCOMPARE(outcome, SaveOutcome::Failed);
        QCOMPARE(readAll(folder.file("imagenes/gato.bmp")), QByteArray("old picture"));
        QCOMPARE(entries(folder.file("imagenes")), QStringList{"gato.bmp"});
        QCOMPARE(entries(folder.file("coordenadas")), QStringList());
    }

    // The last steps of a save: the bitmap taking its name, then the
    // coordinates file. Whichever fails, nothing of the new puzzle is left,
    // in view or hidden, and the older picture is whole.
    void aFailedFinalStepLeavesTheOldPuzzle_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<SaveOutcome>("outcome");
        QTest::newRow("the bitmap cannot take its name") << "rename" << SaveOutcome::Failed;
        QTest::newRow("a folder stands in the bitmap's place") << "folder" << SaveOutcome::Failed;
        QTest::newRow("a coordinates file appears meanwhile") << "appears" << SaveOutcome::AlreadyExists;
    }
    void aFailedFinalStepLeavesTheOldPuzzle()
    {
        QFETCH(QString, failure);
        QFETCH(SaveOutcome, outcome);
        TempProgramFolder folder;
        const QString old = failure == "folder" ? "gato.bmp/hoja.bmp" : "gato.bmp";
        QVERIFY(QDir(folder.path()).mkpath(QFileInfo(folder.file("imagenes/" + old)).path()));
        QVERIFY(writeBytes(folder.file("imagenes/" + old), "old picture"));
        int renames = 0;
        const FileReplacer replace = [&](const QString &from, const QString &to) {
            ++renames;
            // The bitmap is whole before it takes its name, and its
            // coordinates file is not in view yet.
            [&] {
                QCOMPARE(QImage(from).size(), QSize(40, 30));
                QCOMPARE(QFileInfo(to).absoluteFilePath(), QFileInfo(folder.file("imagenes/gato.bmp")).absoluteFilePath());
                QCOMPARE(vud::listFiles(folder.file("coordenadas")), QStringList());
            }();
            if (failure == "rename")
                return false;
            if (failure == "appears")
                writeBytes(folder.file("coordenadas/gato.txt"), "someone else's");
            return replaceFile(from, to);
        };
        QCOMPARE(savePuzzle("gato", picture(), {"abeja.gif,1,2,"}, replace), outcome);
        QCOMPARE(renames, 1);
        if (failure == "appears") {
            // The picture took its place; the other file is left as it was.
            QCOMPARE(QImage(folder.file("imagenes/gato.bmp")).size(), QSize(40, 30));
            QCOMPARE(entries(folder.file("coordenadas")), QStringList{"gato.txt"});
            QCOMPARE(readAll(folder.file("coordenadas/gato.txt")), QByteArray("someone else's"));
        } else {
            QCOMPARE(readAll(folder.file("imagenes/" + old)), QByteArray("old picture"));
            QCOMPARE(entries(folder.file("coordenadas")), QStringList());
        }
        QCOMPARE(entries(folder.file("imagenes")), QStringList{"gato.bmp"});
    }
};

QTEST_MAIN(TestSavePuzzle)
#include "tst_savepuzzle.moc"
