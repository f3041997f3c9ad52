#include "core/datapaths.h"
#include "puzzlefile/puzzleimport.h"
#include "support/testsupport.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QtTest>

#include <sys/stat.h>

using namespace vud;
using namespace vudtest;

namespace {

using Entries = QVector<QPair<QString, QByteArray>>;
using Files = QMap<QString, QByteArray>;

// One entry of an archive written by hand, to say what no zip tool would.
struct RawEntry
{
    QByteArray name;
    QByteArray data;            // stored as is
    quint16 flags = 0;
    quint16 method = 0;         // 0 stored, 8 deflated (data already deflated)
    quint32 mode = 0100644;     // the Unix mode in the attributes
    qint64 claimedSize = -1;    // the unpacked size the directory claims
    bool badChecksum = false;
};

QByteArray le(quint64 value, int bytes)
{
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out += char((value >> (8 * i)) & 0xff);
    return out;
}

QByteArray rawZip(const QVector<RawEntry> &entries)
{
    QByteArray local, central;
    for (const RawEntry &e : entries) {
        const quint32 crc = vudtest::crc32(e.data) ^ (e.badChecksum ? 1u : 0u);
        const quint64 size = e.claimedSize >= 0 ? quint64(e.claimedSize) : quint64(e.data.size());
        const QByteArray common = le(e.flags, 2) + le(e.method, 2) + le(0, 4) + le(crc, 4)
            + le(quint64(e.data.size()), 4) + le(size, 4) + le(quint64(e.name.size()), 2) + le(0, 2);
        central += le(0x02014b50, 4) + le(0x0314, 2) + le(20, 2) + common + le(0, 2) + le(0, 2) + le(0, 2)
            + le(quint64(e.mode) << 16, 4) + le(quint64(local.size()), 4) + e.name;
        local += le(0x04034b50, 4) + le(20, 2) + common + e.name + e.data;
    }
    return local + central + le(0x06054b50, 4) + le(0, 4) + le(quint64(entries.size()), 2)
        + le(quint64(entries.size()), 2) + le(quint64(central.size()), 4) + le(quint64(local.size()), 4) + le(0, 2);
}

// Deflated bytes without zlib's wrapping.
QByteArray deflated(const QByteArray &bytes)
{
    const QByteArray wrapped = qCompress(bytes, 9);
    return wrapped.mid(6, wrapped.size() - 10);
}

QByteArray pngBytes(QColor colour = Qt::red)
{
    QImage image(12, 9, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray gifBytes(int frames)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("d.gif");
    if (!writeGif(path, squareFrames(frames, QSize(6, 4))))
        return QByteArray();
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

const QByteArray kLines = "sol.gif,3,4,\r\nluna.gif,10,2,\r\n";

Entries puzzleEntries()
{
    return {{"vud.txt", "formato=1\nprograma=VUD 2.0\n"}, {"imagenes/gato.png", pngBytes()},
            {"coordenadas/gato.txt", kLines}, {"gifs/sol.gif", gifBytes(2)}, {"gifs/luna.gif", gifBytes(3)}};
}

// The installed layout of a temporary program folder: the user's folder and
// one installed folder.
struct Installed
{
    TempProgramFolder folder;
    QString user = folder.path() + "/usuario";
    QString installed = folder.path() + "/sistema/vud";
    Installed()
    {
        QDir(folder.file("imagenes")).removeRecursively();
        for (const char *sub : {"imagenes", "gifs", "coordenadas"})
            QDir().mkpath(installed + "/" + sub);
    }
    // Every file and folder below the user's and installed folders, hidden
    // ones too, with the files' bytes.
    Files tree() const
    {
        Files files;
        for (const QString &root : {user, installed}) {
            QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                QFile file(path);
                files.insert(path, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<folder>"));
            }
        }
        return files;
    }
    void put(const Files &files) const
    {
        for (auto it = files.cbegin(); it != files.cend(); ++it) {
            QDir().mkpath(QFileInfo(folder.file(it.key())).absolutePath());
            QVERIFY(writeBytes(folder.file(it.key()), it.value()));
        }
    }
    PuzzleImport import(const QByteArray &archive) const
    {
        const QString path = folder.file("puzzle.vud");
        writeBytes(path, archive);
        return importPuzzleFile(path);
    }
};

} // namespace

// A puzzle file goes from one machine's data folder to another's. A fault
// here loses a puzzle on the way, reveals the wrong drawings, changes a
// puzzle already there, or lets a hostile file write where it should not.
class TestPuzzleFile : public QObject
{
    Q_OBJECT

private slots:
    void exportedPuzzleHoldsItsFiles()
    {
        Installed layout;
        layout.put({{"sistema/vud/imagenes/gato.png", pngBytes()}, {"usuario/coordenadas/gato.txt", kLines},
                    {"usuario/gifs/sol.gif", gifBytes(2)}, {"sistema/vud/gifs/luna.gif", gifBytes(3)},
                    {"sistema/vud/gifs/otro.gif", gifBytes(1)}});
        // The coordinates beside the picture's folder are the installed ones.
        QVERIFY(writeBytes(layout.installed + "/coordenadas/gato.txt", kLines));
        const QString out = layout.folder.file("gato.vud");
        QCOMPARE(writePuzzleFile(layout.installed + "/imagenes/gato.png", "gato.png", out).error,
                 PuzzleFileError::None);
        const PuzzleFileRead read = readPuzzleFile(out);
        QCOMPARE(read.error, PuzzleFileError::None);
        QCOMPARE(read.archive.pictureName, QString("gato.png"));
        QCOMPARE(read.archive.picture, pngBytes());
        QCOMPARE(read.archive.coordinates, kLines);
        QCOMPARE(read.archive.drawings.keys(), QStringList({"luna.gif", "sol.gif"}));
        QCOMPARE(read.archive.drawings.value("sol.gif"), gifBytes(2));

        // A drawing the coordinates name that is nowhere: nothing is written.
        QVERIFY(QFile::remove(layout.user + "/gifs/sol.gif"));
        QVERIFY(QFile::remove(out));
        const PuzzleFileWrite failed = writePuzzleFile(layout.installed + "/imagenes/gato.png", "gato.png", out);
        QCOMPARE(failed.error, PuzzleFileError::WriteFailed);
        QCOMPARE(failed.detail, QString("sol.gif"));
        QVERIFY(!QFileInfo::exists(out));
    }

    // Names beyond ASCII travel as UTF-8 and arrive spelled as they left.
    void accentedNamesTravel()
    {
        Installed layout;
        layout.put({{"sistema/vud/imagenes/ñandú.png", pngBytes()},
                    {"sistema/vud/coordenadas/ñandú.txt", "árbol.gif,1,2,\r\n"},
                    {"sistema/vud/gifs/árbol.gif", gifBytes(2)}});
        const QString out = layout.folder.file("viaje.vud");
        QCOMPARE(writePuzzleFile(layout.installed + "/imagenes/ñandú.png", "ñandú.png", out).error,
                 PuzzleFileError::None);
        QVERIFY(QDir(layout.installed).removeRecursively());
        const PuzzleImport result = importPuzzleFile(out);
        QCOMPARE(int(result.outcome), int(ImportOutcome::Imported));
        QCOMPARE(result.pictureName, QString("ñandú.png"));
        QVERIFY(QFileInfo(layout.user + "/imagenes/ñandú.png").isFile());
        QVERIFY(QFileInfo(layout.user + "/gifs/árbol.gif").isFile());
        QFile coordinates(layout.user + "/coordenadas/ñandú.txt");
        QVERIFY(coordinates.open(QIODevice::ReadOnly));
        QCOMPARE(coordinates.readAll(), QString("árbol.gif,1,2,\r\n").toLocal8Bit());
    }

    void importNeverChangesWhatIsThere_data()
    {
        QTest::addColumn<Files>("existing");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("pictureName");
        QTest::addColumn<Files>("added"); // below the user's folder
        const QByteArray sol = gifBytes(2), luna = gifBytes(3), picture = pngBytes();
        const Files whole{{"imagenes/gato.png", picture}, {"coordenadas/gato.txt", kLines},
                          {"gifs/sol.gif", sol}, {"gifs/luna.gif", luna}};
        auto in = [](const QString &root, const Files &files) {
            Files out;
            for (auto it = files.cbegin(); it != files.cend(); ++it)
                out.insert(root + "/" + it.key(), it.value());
            return out;
        };
        QTest::newRow("into an empty folder") << Files() << int(ImportOutcome::Imported) << "gato.png" << whole;
        QTest::newRow("the same puzzle is the user's")
            << in("usuario", whole) << int(ImportOutcome::AlreadyThere) << "gato.png" << Files();
        QTest::newRow("the same puzzle is installed")
            << in("sistema/vud", whole) << int(ImportOutcome::AlreadyThere) << "gato.png" << Files();
        QTest::newRow("another picture of that name, case ignored")
            << Files{{"usuario/imagenes/GATO.png", pngBytes(Qt::blue)}} << int(ImportOutcome::Imported)
            << "gato_2.png"
            << Files{{"imagenes/gato_2.png", picture}, {"coordenadas/gato_2.txt", kLines},
                     {"gifs/sol.gif", sol}, {"gifs/luna.gif", luna}};
        QTest::newRow("the same picture with other drawings")
            << in("usuario", Files{{"imagenes/gato.png", picture}, {"coordenadas/gato.txt", "sol.gif,0,0,\r\n"}})
            << int(ImportOutcome::Imported) << "gato_2.png"
            << Files{{"imagenes/gato_2.png", picture}, {"coordenadas/gato_2.txt", kLines},
                     {"gifs/sol.gif", sol}, {"gifs/luna.gif", luna}};
        QTest::newRow("another drawing of that name")
            << Files{{"sistema/vud/gifs/sol.gif", gifBytes(1)}} << int(ImportOutcome::Imported) << "gato.png"
            << Files{{"imagenes/gato.png", picture}, {"coordenadas/gato.txt", "sol_2.gif,3,4,\r\nluna.gif,10,2,\r\n"},
                     {"gifs/sol_2.gif", sol}, {"gifs/luna.gif", luna}};
        QTest::newRow("the same drawing is there")
            << Files{{"sistema/vud/gifs/sol.gif", sol}} << int(ImportOutcome::Imported) << "gato.png"
            << Files{{"imagenes/gato.png", picture}, {"coordenadas/gato.txt", kLines}, {"gifs/luna.gif", luna}};
        QTest::newRow("a coordinates file of that name without its picture")
            << Files{{"usuario/coordenadas/gato.txt", "x.gif,1,1,\r\n"}} << int(ImportOutcome::Imported)
            << "gato_2.png"
            << Files{{"imagenes/gato_2.png", picture}, {"coordenadas/gato_2.txt", kLines},
                     {"gifs/sol.gif", sol}, {"gifs/luna.gif", luna}};
        QTest::newRow("another picture would find its coordinates")
            << Files{{"sistema/vud/imagenes/gato.jpg", picture}} << int(ImportOutcome::Imported) << "gato_2.png"
            << Files{{"imagenes/gato_2.png", picture}, {"coordenadas/gato_2.txt", kLines},
                     {"gifs/sol.gif", sol}, {"gifs/luna.gif", luna}};
    }
    void importNeverChangesWhatIsThere()
    {
        QFETCH(Files, existing);
        QFETCH(int, outcome);
        QFETCH(QString, pictureName);
        QFETCH(Files, added);
        Installed layout;
        layout.put(existing);
        const Files before = layout.tree();
        const PuzzleImport result = layout.import(zipBytes(puzzleEntries()));
        QCOMPARE(int(result.outcome), outcome);
        QCOMPARE(result.pictureName, pictureName);
        Files after = layout.tree();
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QCOMPARE(after.take(it.key()), it.value());
        for (const char *folder : {"", "/imagenes", "/gifs", "/coordenadas", "/sonidos"})
            after.remove(layout.user + QLatin1String(folder));
        QCOMPARE(after, in(layout.user, added));
    }

    void hostileFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("archive");
        QTest::addColumn<int>("error");
        const QByteArray png = pngBytes(), gif = gifBytes(1);
        const Entries good = puzzleEntries();
        auto with = [&](const QString &name, const QByteArray &bytes) {
            Entries entries = good;
            entries.append({name, bytes});
            return zipBytes(entries);
        };
        auto replaced = [&](int index, const QByteArray &bytes) {
            Entries entries = good;
            entries[index].second = bytes;
            return zipBytes(entries);
        };
        auto raw = [](QVector<RawEntry> entries) { return rawZip(entries); };
        const int bad = int(PuzzleFileError::BadEntry), large = int(PuzzleFileError::TooLarge);
        QTest::newRow("not a zip") << png << int(PuzzleFileError::NotAZip);
        QTest::newRow("empty") << QByteArray() << int(PuzzleFileError::NotAZip);
        const QByteArray whole = zipBytes(good);
        QTest::newRow("truncated") << whole.left(whole.size() * 2 / 3) << int(PuzzleFileError::NotAZip);
        QTest::newRow("checksum") << raw({{"imagenes/gato.png", png, 0, 0, 0100644, -1, true}})
                                  << int(PuzzleFileError::Damaged);
        QTest::newRow("unpacks to more than it says")
            << raw({{"imagenes/gato.png", deflated(png + png), 0, 8, 0100644, png.size()}})
            << int(PuzzleFileError::Damaged);
        QTest::newRow("climbs out") << with("imagenes/../../gato.png", png) << bad;
        QTest::newRow("absolute") << with("/imagenes/perro.png", png) << bad;
        QTest::newRow("in a subfolder") << with("gifs/animales/sol.gif", gif) << bad;
        QTest::newRow("backslash") << with("imagenes\\perro.png", png) << bad;
        QTest::newRow("hidden") << with("gifs/.sol.gif", gif) << bad;
        QTest::newRow("outside the layout") << with("sonidos/fin.wav", "RIFF") << bad;
        QTest::newRow("duplicate, case ignored") << with("gifs/SOL.gif", gif) << bad;
        QTest::newRow("Latin-1 name") << raw({{"imagenes/ni\xf1o.png", png}}) << bad;
        QTest::newRow("UTF-8 name not marked as UTF-8") << raw({{"imagenes/ni\xc3\xb1o.png", png}}) << bad;
        QTest::newRow("invalid UTF-8 marked as UTF-8") << raw({{"imagenes/ni\xc3(o.png", png, 1 << 11}}) << bad;
        QTest::newRow("control character") << with("imagenes/ga\nto.png", png) << bad;
        QTest::newRow("symbolic link") << raw({{"imagenes/gato.png", "/etc/passwd", 0, 0, 0120777}}) << bad;
        QTest::newRow("device") << raw({{"imagenes/gato.png", "", 0, 0, 0020644}}) << bad;
        QTest::newRow("encrypted") << raw({{"imagenes/gato.png", png, 1}}) << bad;
        QTest::newRow("another puzzle's coordinates") << with("coordenadas/perro.txt", kLines) << bad;
        QVector<RawEntry> many;
        for (int i = 0; i < kPuzzleFileMostEntries + 1; ++i)
            many.append({"gifs/" + QByteArray::number(i) + ".gif", ""});
        QTest::newRow("too many entries") << raw(many) << large;
        QTest::newRow("an entry claims too much")
            << raw({{"imagenes/gato.png", deflated(png), 0, 8, 0100644, kPuzzleFileMostEntryBytes + 1}}) << large;
        QVector<RawEntry> heavy;
        for (int i = 0; i < 3; ++i)
            heavy.append({"gifs/" + QByteArray::number(i) + ".gif", QByteArray(kPuzzleFileMostEntryBytes / 100, 'x'),
                          0, 8, 0100644, kPuzzleFileMostEntryBytes - 1});
        QTest::newRow("all entries claim too much") << raw(heavy) << large;
        const QByteArray zeros = deflated(QByteArray(2 * 1024 * 1024, '\0'));
        QTest::newRow("claims more than deflate can give")
            << raw({{"imagenes/gato.png", zeros, 0, 8, 0100644, zeros.size() * (kPuzzleFileMostRatio + 1)}}) << large;
        QTest::newRow("newer format") << replaced(0, "formato=2\n") << int(PuzzleFileError::NewerFormat);
        QTest::newRow("no picture") << zipBytes({{"vud.txt", "formato=1\n"}}) << int(PuzzleFileError::NoPicture);
        QTest::newRow("two pictures") << with("imagenes/perro.png", png) << int(PuzzleFileError::NoPicture);
        QTest::newRow("a GIF called PNG") << replaced(1, gif) << int(PuzzleFileError::BadPicture);
        QTest::newRow("text called PNG") << replaced(1, "hola") << int(PuzzleFileError::BadPicture);
        QTest::newRow("a picture of no known kind")
            << zipBytes({{"imagenes/gato.txt", "hola"}}) << int(PuzzleFileError::BadPicture);
        QTest::newRow("a drawing that is no GIF") << replaced(3, png) << int(PuzzleFileError::BadDrawing);
        QTest::newRow("a drawing that is not there")
            << zipBytes(Entries(good.begin(), good.end() - 1)) << int(PuzzleFileError::MissingDrawing);
    }
    void hostileFilesAreRefused()
    {
        QFETCH(QByteArray, archive);
        QFETCH(int, error);
        Installed layout;
        layout.put({{"usuario/imagenes/perro.png", pngBytes(Qt::blue)}});
        // The data folders themselves may be made, as a save makes them.
        QVERIFY(makeUserDataFolders());
        const Files before = layout.tree();
        const PuzzleImport result = layout.import(archive);
        QCOMPARE(int(result.outcome), int(ImportOutcome::Refused));
        QCOMPARE(int(result.error), error);
        QVERIFY(!result.message().isEmpty());
        // Nothing half-imported, not even the temporary folder.
        QCOMPARE(layout.tree(), before);
        QCOMPARE(QDir(layout.folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({"coordenadas", "gifs", "puzzle.vud", "sistema", "sonidos", "usuario"}));
    }

    void aFifoIsNoPuzzleFile()
    {
        Installed layout;
        const QString fifo = layout.folder.file("fifo.vud");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QCOMPARE(int(importPuzzleFile(fifo).error), int(PuzzleFileError::Unreadable));
    }

    void droppedPictureIsCopiedUnderAFreeName()
    {
        Installed layout;
        layout.put({{"usuario/imagenes/gato.png", pngBytes(Qt::blue)}, {"foto/gato.png", pngBytes()},
                    {"foto/nota.png", "hola"}});
        const PuzzleImport copied = importPictureFile(layout.folder.file("foto/gato.png"));
        QCOMPARE(int(copied.outcome), int(ImportOutcome::Imported));
        QCOMPARE(copied.pictureName, QString("gato_2.png"));
        QFile file(layout.user + "/imagenes/gato_2.png");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), pngBytes());
        // Dropped twice, a picture is there once.
        QCOMPARE(int(importPictureFile(layout.folder.file("usuario/imagenes/gato_2.png")).outcome),
                 int(ImportOutcome::AlreadyThere));
        QCOMPARE(int(importPictureFile(layout.folder.file("foto/nota.png")).error), int(PuzzleFileError::BadPicture));
    }

private:
    static Files in(const QString &root, const Files &files)
    {
        Files out;
        for (auto it = files.cbegin(); it != files.cend(); ++it)
            out.insert(root + "/" + it.key(), it.value());
        return out;
    }
};

QTEST_MAIN(TestPuzzleFile)
#include "tst_puzzlefile.moc"
