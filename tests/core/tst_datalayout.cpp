#include "core/coordinates.h"
#include "core/datapaths.h"
#include "support/testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace vud;
using vudtest::writeBytes;

namespace {

// An installed layout in a temporary folder: the program in prefix/bin, its
// data in prefix/share/vud, a system data folder, and the user's data folder.
struct InstalledLayout
{
    QTemporaryDir dir;
    QString bin, share, system, user;
    QByteArray oldDataDirs = qgetenv("XDG_DATA_DIRS");

    InstalledLayout()
        : bin(dir.path() + "/prefix/bin"), share(dir.path() + "/prefix/share/vud"),
          system(dir.path() + "/system/vud"), user(dir.path() + "/home/vud")
    {
        QDir().mkpath(bin);
        for (const char *folder : kDataFolders) {
            QDir().mkpath(share + "/" + folder);
            QDir().mkpath(system + "/" + folder);
        }
        // The prefix's share is reached a second time through the system list.
        qputenv("XDG_DATA_DIRS", QFile::encodeName(dir.path() + "/system:" + dir.path() + "/prefix/share"));
        setProgramFolder(bin);
        setUserDataFolder(user);
    }
    ~InstalledLayout()
    {
        setProgramFolder(QString());
        setUserDataFolder(QString());
        qputenv("XDG_DATA_DIRS", oldDataDirs);
    }
    // Writes each name below folder + "/" + sub.
    void files(const QString &folder, const QString &sub, const QStringList &names) const
    {
        for (const QString &name : names)
            QVERIFY(writeBytes(folder + "/" + sub + "/" + name, "x"));
    }
};

QStringList described(const QVector<DataEntry> &entries, const InstalledLayout &layout)
{
    QStringList out;
    for (const DataEntry &e : entries) {
        QString where = QFileInfo(e.path).absolutePath();
        where = where.startsWith(layout.user) ? "user" : where.startsWith(layout.share) ? "installed" : "system";
        out << e.name + "@" + where;
    }
    return out;
}

} // namespace

// Once installed, the programs read the user's data folder first and then the
// installed ones, and write only into the user's. A fault here hides a
// child's own pictures, lists a puzzle twice, reveals another puzzle's
// drawings, or writes where the user cannot.
class TestDataLayout : public QObject
{
    Q_OBJECT

private slots:
    void layoutFollowsTheProgramFolder()
    {
        InstalledLayout layout;
        QVERIFY(!isPortableLayout());
        QCOMPARE(dataFolders(), QStringList({layout.user, layout.share, layout.system}));
        QCOMPARE(writableDataFolder(), layout.user);
        QCOMPARE(findDataPath("\\sonidos\\", "fin.wav"), layout.user + "/sonidos/fin.wav");

        // A program folder holding imagenes is the portable layout: nothing
        // else is read or written.
        QVERIFY(QDir().mkpath(layout.bin + "/imagenes"));
        QVERIFY(isPortableLayout());
        QCOMPARE(dataFolders(), QStringList{layout.bin});
        QCOMPARE(writableDataFolder(), layout.bin);
        QVERIFY(makeUserDataFolders());
        QVERIFY(!QFileInfo::exists(layout.user));
    }

    void mergedListingShowsEachNameOnce_data()
    {
        QTest::addColumn<QStringList>("user");
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QStringList>("system");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("interleaved by name, case ignored")
            << QStringList{"b.png", "D.bmp"} << QStringList{"a.bmp", "c.jpg"} << QStringList{"E.gif"}
            << QStringList{"a.bmp@installed", "b.png@user", "c.jpg@installed", "D.bmp@user", "E.gif@system"};
        QTest::newRow("the user's picture replaces the installed one")
            << QStringList{"gato.bmp"} << QStringList{"gato.bmp", "perro.bmp"} << QStringList{"perro.bmp"}
            << QStringList{"gato.bmp@user", "perro.bmp@installed"};
        QTest::newRow("across folders a name in other case is the same name")
            << QStringList{"GATO.BMP"} << QStringList{"gato.bmp"} << QStringList{}
            << QStringList{"GATO.BMP@user"};
        QTest::newRow("no user folder yet") << QStringList() << QStringList{"a.bmp"} << QStringList{}
                                            << QStringList{"a.bmp@installed"};
    }
    void mergedListingShowsEachNameOnce()
    {
        QFETCH(QStringList, user);
        QFETCH(QStringList, installed);
        QFETCH(QStringList, system);
        QFETCH(QStringList, expected);
        InstalledLayout layout;
        if (!user.isEmpty())
            QVERIFY(QDir().mkpath(layout.user + "/imagenes"));
        layout.files(layout.user, "imagenes", user);
        layout.files(layout.share, "imagenes", installed);
        layout.files(layout.system, "imagenes", system);
        QCOMPARE(described(listDataFiles("\\imagenes\\"), layout), expected);
        // The same rule for the drawing folders below gifs.
        QVERIFY(QDir().mkpath(layout.share + "/gifs/animales"));
        QVERIFY(QDir().mkpath(layout.user + "/gifs/Animales"));
        QCOMPARE(described(listDataFolders("\\gifs"), layout), QStringList{"Animales@user"});
    }

    void lookupsTakeTheUsersFileFirst()
    {
        InstalledLayout layout;
        layout.files(layout.share, "gifs", {"abeja.gif", "x_elmani.gif"});
        layout.files(layout.system, "gifs", {"sol.gif", "abeja.gif"});
        QVERIFY(QDir().mkpath(layout.user + "/gifs"));
        layout.files(layout.user, "gifs", {"abeja.gif"});
        QCOMPARE(findDataPath("\\gifs\\", "abeja.gif"), layout.user + "/gifs/abeja.gif");
        QCOMPARE(findDataPath("\\gifs\\x_elmani.gif"), layout.share + "/gifs/x_elmani.gif");
        QCOMPARE(findDataPath("\\gifs\\", "sol.gif"), layout.system + "/gifs/sol.gif");
    }

    // The reveal reads the coordinates beside the chosen picture's own
    // folder: an installed puzzle of the same base name as a user's must not
    // lend the user's picture its drawings.
    void coordinatesAreReadBesideThePicture()
    {
        InstalledLayout layout;
        QCOMPARE(coordinatesPathFor("gato.bmp", layout.user + "/imagenes/gato.bmp"),
                 layout.user + "/coordenadas/gato.txt");
        QCOMPARE(coordinatesPathFor("GATO.BMP", layout.share + "/imagenes/GATO.BMP"),
                 layout.share + "/coordenadas/GATO.txt");
        QVERIFY(QDir().mkpath(layout.bin + "/imagenes"));
        QCOMPARE(coordinatesPathFor("gato.bmp", layout.share + "/imagenes/gato.bmp"),
                 layout.bin + "/coordenadas/gato.txt");
    }

    void userFoldersAreMadeWhenFirstNeeded()
    {
        InstalledLayout layout;
        QVERIFY(!QFileInfo::exists(layout.user));
        QVERIFY(makeUserDataFolders());
        QCOMPARE(QDir(layout.user).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList({"coordenadas", "gifs", "imagenes", "sonidos"}));
        QVERIFY(writeBytes(layout.dir.path() + "/home/blocked", "not a folder"));
        setUserDataFolder(layout.dir.path() + "/home/blocked/vud");
        QVERIFY(!makeUserDataFolders());
    }
};

QTEST_MAIN(TestDataLayout)
#include "tst_datalayout.moc"
