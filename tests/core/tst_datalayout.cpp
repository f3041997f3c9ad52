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
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, dir.path() + "/etc");
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path() + "/config");
    }
    ~InstalledLayout()
    {
        setProgramFolder(QString());
        setUserDataFolder(QString());
        qputenv("XDG_DATA_DIRS", oldDataDirs);
    }
    // Writes the shared folders' line into a settings file ("etc" for the
    // system's, "config" for the user's).
    void settings(const QString &where, const QByteArray &line) const
    {
        QVERIFY(QDir().mkpath(dir.path() + "/" + where + "/vud"));
        QVERIFY(writeBytes(dir.path() + "/" + where + "/vud/vud.conf", "[datos]\n" + line + "\n"));
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

    // A classroom's shared folder, named in the system settings file, comes
    // after the user's folder and before the installed ones; a broken entry
    // adds nothing and never blocks.
    void sharedFoldersComeAfterTheUsers_data()
    {
        QTest::addColumn<QByteArray>("system");
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<QStringList>("expected");
        const QStringList plain{"user", "share", "system"};
        QTest::newRow("none") << QByteArray() << QByteArray() << plain;
        QTest::newRow("the system's") << QByteArray("carpetas=SCHOOL") << QByteArray()
                                      << QStringList{"user", "school", "share", "system"};
        QTest::newRow("the system's, then the user's")
            << QByteArray("carpetas=SCHOOL/") << QByteArray("carpetas=OTHER, SCHOOL")
            << QStringList{"user", "school", "other", "share", "system"};
        QTest::newRow("missing, relative, a file, a device, the user's and an installed one")
            << QByteArray("carpetas=MISSING, escuela, FILE, /dev/null, DEVLINK, USER, SHARE, SCHOOL") << QByteArray()
            << QStringList{"user", "school", "share", "system"};
        QTest::newRow("a settings file that is no settings file")
            << QByteArray("\x01\xff[[[=\n\x00carpetas") << QByteArray() << plain;
    }
    void sharedFoldersComeAfterTheUsers()
    {
        QFETCH(QByteArray, system);
        QFETCH(QByteArray, user);
        QFETCH(QStringList, expected);
        InstalledLayout layout;
        const QString school = layout.dir.path() + "/escuela", other = layout.dir.path() + "/otro";
        QVERIFY(QDir().mkpath(school + "/imagenes"));
        QVERIFY(QDir().mkpath(other));
        QVERIFY(QDir().mkpath(layout.user + "/imagenes"));
        QVERIFY(writeBytes(layout.dir.path() + "/archivo", "x"));
        QVERIFY(QFile::link("/dev/zero", layout.dir.path() + "/dispositivo"));
        auto filled = [&](QByteArray line) {
            return line.replace("SCHOOL", QFile::encodeName(school)).replace("OTHER", QFile::encodeName(other))
                .replace("MISSING", QFile::encodeName(layout.dir.path() + "/falta"))
                .replace("FILE", QFile::encodeName(layout.dir.path() + "/archivo"))
                .replace("DEVLINK", QFile::encodeName(layout.dir.path() + "/dispositivo"))
                .replace("USER", QFile::encodeName(layout.user)).replace("SHARE", QFile::encodeName(layout.share));
        };
        if (!system.isEmpty())
            layout.settings("etc", filled(system));
        if (!user.isEmpty())
            layout.settings("config", filled(user));
        const QMap<QString, QString> names{{layout.user, "user"}, {school, "school"}, {other, "other"},
                                           {layout.share, "share"}, {layout.system, "system"}};
        QStringList got;
        for (const QString &folder : dataFolders())
            got << names.value(folder, folder);
        QCOMPARE(got, expected);
        QCOMPARE(writableDataFolder(), layout.user);

        // The shared folder's pictures merge as the installed ones do.
        layout.files(school, "imagenes", {"gato.bmp", "pez.bmp"});
        layout.files(layout.user, "imagenes", {"Gato.bmp"});
        QStringList listed;
        for (const DataEntry &entry : listDataFiles("\\imagenes"))
            listed << entry.path;
        QStringList wanted{layout.user + "/imagenes/Gato.bmp"};
        if (expected.contains("school"))
            wanted << school + "/imagenes/pez.bmp";
        QCOMPARE(listed, wanted);
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
