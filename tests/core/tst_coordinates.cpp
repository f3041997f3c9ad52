#include "core/coordinates.h"
#include "core/datapaths.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>
#include <sys/resource.h>

using namespace vud;
using vudtest::readAll;
using vudtest::TempProgramFolder;
using vudtest::writeBytes;

using Placements = QVector<DrawingPlacement>;
Q_DECLARE_METATYPE(DrawingPlacement)

namespace {

// A source that never ends: the pattern over and over, counting what it gave.
class EndlessDevice : public QIODevice
{
public:
    explicit EndlessDevice(QByteArray pattern) : m_pattern(std::move(pattern)) { open(ReadOnly | Unbuffered); }
    bool isSequential() const override { return true; }
    qint64 delivered = 0;

protected:
    qint64 readData(char *data, qint64 size) override
    {
        for (qint64 i = 0; i < size; ++i)
            data[i] = m_pattern.at(int((delivered + i) % m_pattern.size()));
        delivered += size;
        return size;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_pattern;
};

} // namespace

// The coordinates file ties a saved puzzle to its drawings: the editor writes
// it, the game's reveal reads it. A wrong byte means a lost or misplaced
// drawing; a hostile line must never reach a file outside gifs.
class TestCoordinates : public QObject
{
    Q_OBJECT

private slots:
    void dataPathsHangBelowTheProgramFolder()
    {
        TempProgramFolder folder;
        QCOMPARE(programFolder(), folder.path());
        QCOMPARE(dataPath("\\sonidos\\fin.wav"), folder.path() + "/sonidos/fin.wav");
        QCOMPARE(dataPath("\\imagenes\\"), folder.path() + "/imagenes/");
        setProgramFolder(folder.path() + "/");
        QCOMPARE(programFolder(), folder.path());
    }

    // Only the layout's own backslashes separate folders: in a folder or file
    // name a backslash is an ordinary character, so a picture called
    // "..\..\x.bmp" cannot make the reveal read a file above coordenadas.
    void backslashesInNamesStayInTheName()
    {
        TempProgramFolder folder;
        const QString program = folder.path() + "/vud\\juegos";
        QVERIFY(QDir().mkpath(program + "/coordenadas"));
        setProgramFolder(program);
        QCOMPARE(dataPath("\\coordenadas\\"), program + "/coordenadas/");
        QCOMPARE(coordinatesPathFor("..\\..\\x.bmp"), program + "/coordenadas/..\\..\\x.txt");
        QVERIFY(writeBytes(folder.path() + "/x.txt", "sol.gif,1,2,\r\n"));
        QVERIFY(writeBytes(program + "/coordenadas/x.txt", "sol.gif,1,2,\r\n"));
        QVERIFY(!readCoordinatesFile(coordinatesPathFor("..\\..\\x.bmp")).has_value());
        QVERIFY(readCoordinatesFile(coordinatesPathFor("x.bmp")).has_value());
    }

    void fileListsShowNormalFilesSortedWithoutCase()
    {
        TempProgramFolder folder;
        for (const char *name : {"b.jpg", "A.bmp", "c.png", ".hidden.jpg"})
            writeBytes(folder.file(QString("imagenes/") + name), "x");
        QDir(folder.path()).mkpath("imagenes/sub");
        // What is no regular file once links are followed is never offered;
        // a link to a regular file is.
        QCOMPARE(mkfifo(QFile::encodeName(folder.file("imagenes/tubo.png")).constData(), 0644), 0);
        QVERIFY(QFile::link("/dev/zero", folder.file("imagenes/cero.png")));
        QVERIFY(QFile::link(folder.file("imagenes/tubo.png"), folder.file("imagenes/d.png")));
        QVERIFY(QFile::link(folder.file("imagenes/nada.png"), folder.file("imagenes/e.png")));
        QVERIFY(QFile::link(folder.file("imagenes/c.png"), folder.file("imagenes/f.png")));
        QCOMPARE(listFiles(dataPath("\\imagenes\\")), QStringList({"A.bmp", "b.jpg", "c.png", "f.png"}));
        QCOMPARE(listFolders(dataPath("\\imagenes")), QStringList({"sub"}));
        QCOMPARE(listFiles(dataPath("\\missing")), QStringList());
    }

    void namingRuleDropsTheLastFourCharacters_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("expected");
        QTest::newRow("bmp") << "gato.bmp" << "gato.txt";
        QTest::newRow("upper case") << "GATO.BMP" << "GATO.txt";
        QTest::newRow("four-letter extension") << "foto.jpeg" << "foto..txt";
        QTest::newRow("short name") << "abc" << ".txt";
        QTest::newRow("empty") << "" << ".txt";
    }
    void namingRuleDropsTheLastFourCharacters()
    {
        QFETCH(QString, picture);
        QFETCH(QString, expected);
        QCOMPARE(coordinatesFileName(picture), expected);
    }

    void existenceTestIgnoresCaseAndWildcards()
    {
        TempProgramFolder folder;
        writeBytes(folder.file("coordenadas/gato.txt"), "abeja.gif,1,2,\r\n");
        writeBytes(folder.file("coordenadas/perro.txt"), "");
        QDir(folder.path()).mkpath("coordenadas/carpeta.txt");

        QVERIFY(fileExistsIgnoringCase(coordinatesPathFor("gato.bmp")));
        QVERIFY(fileExistsIgnoringCase(coordinatesPathFor("GATO.BMP")));
        QCOMPARE(findFileIgnoringCase(coordinatesPathFor("GATO.BMP")), folder.file("coordenadas/gato.txt"));
        QVERIFY(!fileExistsIgnoringCase(coordinatesPathFor("gat.bmp")));
        // Wildcards are ordinary characters: they never match another file.
        QVERIFY(!fileExistsIgnoringCase(coordinatesPathFor("*.bmp")));
        QVERIFY(!fileExistsIgnoringCase(coordinatesPathFor("g?to.bmp")));
        QVERIFY(!fileExistsIgnoringCase(coordinatesPathFor("*ato.bmp")));
        // Folders are not files.
        QVERIFY(!fileExistsIgnoringCase(coordinatesPathFor("carpeta.bmp")));
        // Of two files whose names differ only in case, the one named exactly
        // is read, whichever sorts first.
        writeBytes(folder.file("coordenadas/Gato.txt"), "sol.gif,3,4,\r\n");
        QCOMPARE(findFileIgnoringCase(coordinatesPathFor("gato.bmp")), folder.file("coordenadas/gato.txt"));
        QCOMPARE(findFileIgnoringCase(coordinatesPathFor("Gato.bmp")), folder.file("coordenadas/Gato.txt"));
        QCOMPARE(readCoordinatesFile(coordinatesPathFor("gato.bmp")), std::optional<Placements>({{"abeja.gif", 1, 2}}));

        setProgramFolder(folder.path() + "/nowhere");
        QVERIFY(!fileExistsIgnoringCase(coordinatesPathFor("gato.bmp")));
        QVERIFY(!readCoordinatesFile(coordinatesPathFor("gato.bmp")).has_value());
    }

    void lineBuilderWritesPlainDecimalsAndATrailingComma()
    {
        QCOMPARE(coordinatesLine("abeja.gif", 212, 87), QString("abeja.gif,212,87,"));
        QCOMPARE(coordinatesLine("x_elmani.gif", 0, 0), QString("x_elmani.gif,0,0,"));
        QCOMPARE(coordinatesLine("a.gif", -3, 1000000), QString("a.gif,-3,1000000,"));

        // Names a line can carry are read back as written; the others are
        // refused before any line is built.
        for (const char *name : {"abeja.gif", "mi abeja;1.gif", "x.gif "}) {
            QVERIFY(isStorableDrawingName(name));
            const auto back = parseCoordinatesLine(coordinatesLine(name, 4, 5));
            QVERIFY(back.has_value());
            QCOMPARE(back->name, QString(name));
        }
        for (const char *name : {"", "a,5,6,.gif", "a\r.gif", "a\n.gif"})
            QVERIFY(!isStorableDrawingName(name));
    }

    void readerTakesWhatALineHolds_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<Placements>("expected");
        const DrawingPlacement abeja{"abeja.gif", 212, 87};
        const DrawingPlacement sol{"sol.gif", 5, 6};

        QTest::newRow("one line") << QByteArray("abeja.gif,212,87,\r\n") << Placements{abeja};
        QTest::newRow("no final line end") << QByteArray("abeja.gif,212,87,") << Placements{abeja};
        QTest::newRow("text after the third comma")
            << QByteArray("abeja.gif,212,87,xyz\r\n") << Placements{abeja};
        QTest::newRow("more commas after the third")
            << QByteArray("abeja.gif,212,87,1,2,\r\n") << Placements{abeja};
        QTest::newRow("empty lines anywhere")
            << QByteArray("\r\n\r\nabeja.gif,212,87,\r\n\r\nsol.gif,5,6,\r\n\r\n")
            << Placements{abeja, sol};
        QTest::newRow("lf and lone cr line ends")
            << QByteArray("abeja.gif,212,87,\nsol.gif,5,6,\r") << Placements{abeja, sol};
        QTest::newRow("same drawing twice keeps file order")
            << QByteArray("sol.gif,5,6,\r\nabeja.gif,212,87,\r\nsol.gif,5,6,\r\n")
            << Placements{sol, abeja, sol};
        QTest::newRow("empty file") << QByteArray() << Placements{};
        QTest::newRow("only empty lines") << QByteArray("\r\n\r\n") << Placements{};
        QTest::newRow("negative and signed numbers")
            << QByteArray("sol.gif,-5,+6,\r\n") << Placements{DrawingPlacement{"sol.gif", -5, 6}};
        QTest::newRow("name with blanks is a name")
            << QByteArray("mi sol.gif,5,6,\r\n") << Placements{DrawingPlacement{"mi sol.gif", 5, 6}};
    }
    void readerTakesWhatALineHolds()
    {
        QFETCH(QByteArray, content);
        QFETCH(Placements, expected);
        TempProgramFolder folder;
        QVERIFY(writeBytes(folder.file("coordenadas/gato.txt"), content));
        const auto read = readCoordinatesFile(coordinatesPathFor("gato.bmp"));
        QVERIFY(read.has_value());
        QCOMPARE(*read, expected);
    }

    void malformedAndHostileLinesAreSkipped_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("no comma") << QByteArray("abeja.gif");
        QTest::newRow("two commas") << QByteArray("abeja.gif,212,87");
        QTest::newRow("blank line is a line, and malformed") << QByteArray("   ");
        QTest::newRow("x not a number") << QByteArray("abeja.gif,doce,87,");
        QTest::newRow("y with a decimal point") << QByteArray("abeja.gif,212,8.7,");
        QTest::newRow("x with a blank") << QByteArray("abeja.gif, 212,87,");
        QTest::newRow("empty x") << QByteArray("abeja.gif,,87,");
        QTest::newRow("sign only") << QByteArray("abeja.gif,-,87,");
        QTest::newRow("x too large for 32 bits") << QByteArray("abeja.gif,2147483648,87,");
        QTest::newRow("y too small for 32 bits") << QByteArray("abeja.gif,1,-2147483649,");
        QTest::newRow("hex") << QByteArray("abeja.gif,0x10,87,");
        QTest::newRow("empty name") << QByteArray(",212,87,");
        QTest::newRow("dot") << QByteArray(".,212,87,");
        QTest::newRow("dot dot") << QByteArray("..,212,87,");
        QTest::newRow("parent path") << QByteArray("../secreto.gif,1,2,");
        QTest::newRow("sub path") << QByteArray("animales/pez.gif,1,2,");
        QTest::newRow("backslash path") << QByteArray("..\\secreto.gif,1,2,");
        QTest::newRow("absolute") << QByteArray("/etc/passwd,1,2,");
        QTest::newRow("drive") << QByteArray("C:secreto.gif,1,2,");
        QTest::newRow("resource path") << QByteArray(":secreto.gif,1,2,");
        QTest::newRow("NUL in the name") << QByteArray("so\0l.gif,1,2,", 13);
        QTest::newRow("UTF-16") << QByteArray("s\0o\0l\0.\0g\0i\0f\0,\0" "1\0,\0" "2\0,\0", 24);
        QTest::newRow("longer than a line may be")
            << QByteArray(kLongestCoordinatesLine, 'a') + ".gif,1,2,";
    }
    void malformedAndHostileLinesAreSkipped()
    {
        QFETCH(QByteArray, line);
        TempProgramFolder folder;
        QVERIFY(writeBytes(folder.file("coordenadas/gato.txt"),
                           "sol.gif,1,2,\r\n" + line + "\r\nluna.gif,3,4,\r\n"));
        const auto read = readCoordinatesFile(coordinatesPathFor("gato.bmp"));
        QVERIFY(read.has_value());
        QCOMPARE(*read, (Placements{{"sol.gif", 1, 2}, {"luna.gif", 3, 4}}));
    }

    // The reader reads only what it can use: at most kMostDrawings
    // placements and kMostCoordinatesBytes bytes, whatever the source holds,
    // so a link to /dev/zero or a huge file costs a bounded time and memory.
    void readerStopsAtItsBounds_data()
    {
        QTest::addColumn<QByteArray>("pattern");
        QTest::addColumn<int>("expected");
        QTest::addColumn<qint64>("mostRead");
        QTest::newRow("endless NUL bytes: one endless line, skipped")
            << QByteArray(1, '\0') << 0 << kMostCoordinatesBytes;
        QTest::newRow("endless empty lines") << QByteArray("\r\n") << 0 << kMostCoordinatesBytes;
        // Reading stops at the drawing limit, a chunk past the last line read.
        QTest::newRow("endless drawings") << QByteArray("sol.gif,1,2,\r\n") << kMostDrawings
                                          << qint64(kMostDrawings * 14 + 16 * 1024);
    }
    void readerStopsAtItsBounds()
    {
        QFETCH(QByteArray, pattern);
        QFETCH(int, expected);
        QFETCH(qint64, mostRead);
        EndlessDevice source(pattern);
        const auto read = readCoordinates(source);
        QVERIFY(read.has_value());
        QCOMPARE(read->size(), expected);
        for (const DrawingPlacement &p : *read)
            QCOMPARE(p, (DrawingPlacement{"sol.gif", 1, 2}));
        QVERIFY2(source.delivered <= mostRead, qPrintable(QString::number(source.delivered)));
    }

    void readerKeepsTheLinesWithinItsBounds_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("expected");
        const QByteArray line("sol.gif,1,2,\r\n");
        QTest::newRow("3000 lines") << line.repeated(3000) << kMostDrawings;
        QTest::newRow("a 10 MB line between two lines")
            << line + QByteArray(10 * 1024 * 1024, 'x') + "\r\n" + line << 1;
        QTest::newRow("a line of the longest length is kept")
            << QByteArray(kLongestCoordinatesLine - 5, 's') + ",1,2,\r\n" + line << 2;
        QTest::newRow("a line one byte longer is skipped")
            << QByteArray(kLongestCoordinatesLine - 4, 's') + ",1,2,\r\n" + line << 1;
        QTest::newRow("a line just within the byte limit")
            << QByteArray(kMostCoordinatesBytes - line.size(), '\n') + line << 1;
        QTest::newRow("a line past the byte limit")
            << QByteArray(kMostCoordinatesBytes, '\n') + line << 0;
    }
    void readerKeepsTheLinesWithinItsBounds()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, expected);
        TempProgramFolder folder;
        QVERIFY(writeBytes(folder.file("coordenadas/gato.txt"), content));
        const auto read = readCoordinatesFile(coordinatesPathFor("gato.bmp"));
        QVERIFY(read.has_value());
        QCOMPARE(read->size(), expected);
        for (const DrawingPlacement &p : *read)
            QCOMPARE(p.x, 1);
    }

    // Anything that is no regular file reads as a missing coordinates file,
    // without blocking: a FIFO would wait for a writer, a device never ends.
    void nonRegularFilesReadAsMissing_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"fifo", "link to /dev/zero", "link to a fifo", "link loop", "dangling link"})
            QTest::newRow(kind) << QString(kind);
    }
    void nonRegularFilesReadAsMissing()
    {
        QFETCH(QString, kind);
        TempProgramFolder folder;
        const QString path = folder.file("coordenadas/gato.txt");
        const QString fifo = folder.file("tubo");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        if (kind == "fifo")
            QVERIFY(QFile::rename(fifo, path));
        else if (kind == "link to /dev/zero")
            QVERIFY(QFile::link("/dev/zero", path));
        else if (kind == "link to a fifo")
            QVERIFY(QFile::link(fifo, path));
        else if (kind == "link loop")
            QVERIFY(QFile::link(path, path));
        else
            QVERIFY(QFile::link(folder.file("nada.txt"), path));
        alarm(20); // a read that blocks ends the test instead of hanging it
        QVERIFY(!readCoordinatesFile(coordinatesPathFor("gato.bmp")).has_value());
        alarm(0);
    }

    void largestThirtyTwoBitValuesAreKept()
    {
        const auto p = parseCoordinatesLine("a.gif,2147483647,-2147483648,");
        QVERIFY(p.has_value());
        QCOMPARE(p->x, 2147483647);
        QCOMPARE(p->y, int(-2147483647 - 1));
    }

    void unreadableFileReadsAsMissing()
    {
        TempProgramFolder folder;
        const QString path = folder.file("coordenadas/gato.txt");
        QVERIFY(writeBytes(path, "sol.gif,1,2,\r\n"));
        QFile::setPermissions(path, QFileDevice::Permissions());
        vudtest::PermissionsBindRoot permissionsBind;
        QFile probe(path);
        if (probe.open(QIODevice::ReadOnly) && !permissionsBind.active())
            QSKIP("running as root where permissions cannot be made to bind");
        QVERIFY2(!probe.isOpen(), "the file should be unreadable here");
        QVERIFY(fileExistsIgnoringCase(path));
        QVERIFY(!readCoordinatesFile(coordinatesPathFor("gato.bmp")).has_value());
    }

    void writerProducesExactBytes()
    {
        TempProgramFolder folder;
        const QString path = dataPath("\\coordenadas\\523dibujo.txt");
        const QStringList lines{coordinatesLine("abeja.gif", 212, 87), coordinatesLine("sol.gif", 0, 0),
                                coordinatesLine("abeja.gif", 5, 1200)};
        QCOMPARE(writeCoordinatesFile(path, lines), WriteOutcome::Written);
        QCOMPARE(readAll(path), QByteArray("abeja.gif,212,87,\r\nsol.gif,0,0,\r\nabeja.gif,5,1200,\r\n"));

        // What the editor writes, the game reads back in the same order.
        const auto read = readCoordinatesFile(coordinatesPathFor("523dibujo.bmp"));
        QVERIFY(read.has_value());
        QCOMPARE(*read, (Placements{{"abeja.gif", 212, 87}, {"sol.gif", 0, 0}, {"abeja.gif", 5, 1200}}));
    }

    void writerWithNoLinesMakesAnEmptyFile()
    {
        TempProgramFolder folder;
        const QString path = dataPath("\\coordenadas\\vacio.txt");
        QCOMPARE(writeCoordinatesFile(path, {}), WriteOutcome::Written);
        QVERIFY(QFileInfo(path).isFile());
        QCOMPARE(QFileInfo(path).size(), qint64(0));
        const auto read = readCoordinatesFile(path);
        QVERIFY(read.has_value());
        QVERIFY(read->isEmpty());
    }

    void writerNeverTouchesAnExistingFile_data()
    {
        QTest::addColumn<QString>("existing");
        QTest::addColumn<QString>("written");
        QTest::newRow("same name") << "gato.txt" << "gato.txt";
        QTest::newRow("other case") << "Gato.TXT" << "gato.txt";
    }
    void writerNeverTouchesAnExistingFile()
    {
        QFETCH(QString, existing);
        QFETCH(QString, written);
        TempProgramFolder folder;
        QVERIFY(writeBytes(folder.file("coordenadas/" + existing), "old.gif,1,1,\r\n"));
        QCOMPARE(writeCoordinatesFile(dataPath("\\coordenadas\\" + written), {"new.gif,2,2,"}),
                 WriteOutcome::AlreadyExists);
        QCOMPARE(readAll(folder.file("coordenadas/" + existing)), QByteArray("old.gif,1,1,\r\n"));
        QCOMPARE(QDir(folder.file("coordenadas")).entryList(QDir::Files).size(), 1);
    }

    void wildcardNameIsWrittenUnderItsOwnName()
    {
        TempProgramFolder folder;
        QVERIFY(writeBytes(folder.file("coordenadas/gato.txt"), "old.gif,1,1,\r\n"));
        QCOMPARE(writeCoordinatesFile(dataPath("\\coordenadas\\*.txt"), {"a.gif,1,1,"}), WriteOutcome::Written);
        QCOMPARE(readAll(folder.file("coordenadas/gato.txt")), QByteArray("old.gif,1,1,\r\n"));
        QCOMPARE(readAll(folder.file("coordenadas/*.txt")), QByteArray("a.gif,1,1,\r\n"));
    }

    void failedWriteReportsFailureAndLeavesNothing()
    {
        TempProgramFolder folder;
        // A missing folder cannot take the file.
        QCOMPARE(writeCoordinatesFile(dataPath("\\nowhere\\a.txt"), {"a.gif,1,1,"}), WriteOutcome::Failed);
        QVERIFY(!QFileInfo::exists(folder.file("nowhere/a.txt")));
    }

    void writeFailingPartWayRemovesWhatItWrote()
    {
        // A file-size limit makes the write fail after the first bytes, as a
        // full disk would, also for a user who may write anywhere.
        TempProgramFolder folder;
        const QString target = dataPath("\\coordenadas\\lleno.txt");
        struct rlimit old;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        auto previous = signal(SIGXFSZ, SIG_IGN);
        struct rlimit tight = old;
        tight.rlim_cur = 20;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
        const WriteOutcome outcome = writeCoordinatesFile(
            target, {coordinatesLine("abeja.gif", 212, 87), coordinatesLine("mariposa.gif", 1, 2)});
        setrlimit(RLIMIT_FSIZE, &old);
        signal(SIGXFSZ, previous);
        QCOMPARE(outcome, WriteOutcome::Failed);
        QVERIFY(!QFileInfo::exists(target));
    }
};

QTEST_MAIN(TestCoordinates)
#include "tst_coordinates.moc"
