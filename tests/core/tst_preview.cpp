#include "core/picturefile.h"
#include "core/picturefit.h"
#include "core/preview.h"
#include "core/previewloader.h"
#include "core/thumbnails.h"
#include "support/testsupport.h"

#include <QImageReader>
#include <QImageWriter>
#include <QtTest>

#include <csignal>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vud;

namespace {

bool writeFlat(const QString &path, QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path);
}

QColor centre(const QImage &image)
{
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

int modeOf(const QString &path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

// Asks the loader for one page and waits until each of its previews is
// reported; the workers are then idle.
QMap<int, PreviewPicture> loadPage(PreviewLoader &loader, const QStringList &paths)
{
    QMap<int, PreviewPicture> reported;
    const QMetaObject::Connection connection = QObject::connect(
        &loader, &PreviewLoader::previewReady, [&](int slot, const PreviewPicture &preview) { reported.insert(slot, preview); });
    loader.requestPage(paths);
    const bool done = QTest::qWaitFor([&] { return loader.pending() == 0; }, 20000);
    loader.waitForDone();
    QObject::disconnect(connection);
    return done ? reported : QMap<int, PreviewPicture>();
}

PreviewPicture loadOne(PreviewLoader &loader, const QString &path)
{
    return loadPage(loader, {path}).value(0);
}

} // namespace

// Every gallery cell takes the size the fitting rule gives; a cell of the
// wrong size shows the child a squashed picture.
class TestPreview : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // As the programs start.
        applyPictureLimits();
        // A writer to a FIFO whose reader has gone gets an error, not a signal.
        std::signal(SIGPIPE, SIG_IGN);
    }

    void fittingRule_data()
    {
        QTest::addColumn<double>("w");
        QTest::addColumn<double>("h");
        QTest::addColumn<QSizeF>("expected");
        QTest::newRow("small keeps its size") << 1800.0 << 1500.0 << QSizeF(1800, 1500);
        QTest::newRow("wide") << 4000.0 << 2000.0 << QSizeF(2000, 1000);
        QTest::newRow("tall") << 1500.0 << 3000.0 << QSizeF(800, 1600);
        QTest::newRow("too high, narrower") << 1500.0 << 1700.0 << QSizeF(1411, 1600);
        QTest::newRow("too high but wider") << 1999.0 << 1700.0 << QSizeF(2000, 1700);
        QTest::newRow("nearly square") << 3000.0 << 2800.0 << QSizeF(2000, 1866);
        QTest::newRow("square") << 3000.0 << 3000.0 << QSizeF(1600, 1600);
        QTest::newRow("exactly 2000 wide") << 2000.0 << 100.0 << QSizeF(2000, 100);
    }
    void fittingRule()
    {
        QFETCH(double, w);
        QFETCH(double, h);
        QFETCH(QSizeF, expected);
        QCOMPARE(fitPreview(w, h), expected);
    }

    void previewIsDecodedAtItsFittedSize()
    {
        vudtest::TempProgramFolder folder;
        const ScreenTwips screen = screenTwipsFor(800, 600);
        QVERIFY(vudtest::writeBlockPicture(folder.file("imagenes/big.jpg"), QSize(400, 200), 4, 2));
        QVERIFY(vudtest::writeBlockPicture(folder.file("imagenes/small.png"), QSize(100, 80), 2, 2));
        QVERIFY(vudtest::writeBytes(folder.file("imagenes/notes.txt"), "no picture"));

        const PreviewPicture big = loadPreview(folder.file("imagenes/big.jpg"), screen);
        QVERIFY(big.loaded);
        QCOMPARE(big.naturalTwips, QSizeF(6000, 3000));
        QCOMPARE(big.fittedTwips, QSizeF(2000, 1000));
        QCOMPARE(big.image.size(), QSize(133, 67));
        // The colours survive the scaling: left block and right block differ.
        QVERIFY(vudtest::coloursClose(big.image.pixelColor(10, 10), vudtest::blockColour(0, 0), 4));
        QVERIFY(vudtest::coloursClose(big.image.pixelColor(120, 10), vudtest::blockColour(3, 0), 4));

        const PreviewPicture small = loadPreview(folder.file("imagenes/small.png"), screen);
        QVERIFY(small.loaded);
        QCOMPARE(small.fittedTwips, QSizeF(1500, 1200));
        QCOMPARE(small.image.size(), QSize(100, 80));

        QVERIFY(!loadPreview(folder.file("imagenes/notes.txt"), screen).loaded);
        QVERIFY(!loadPreview(folder.file("imagenes/missing.jpg"), screen).loaded);
        QVERIFY(!loadPreview(QString(), screen).loaded);

        const PreviewPicture slow = loadPreviewFullDecode(folder.file("imagenes/big.jpg"), screen);
        QCOMPARE(slow.fittedTwips, big.fittedTwips);
        QCOMPARE(slow.image.size(), big.image.size());
    }

    // A portrait phone photo is stored sideways with a tag that says "rotate
    // 90": every reader shows it upright, at its upright size, also when it
    // decodes it straight at a smaller size. WebP pictures read as well.
    void picturesReadAsPhotoViewersShowThem()
    {
        vudtest::TempProgramFolder folder;
        // Stored 40 x 20: red on the left, blue on the right. Upright it is
        // 20 x 40, red on top.
        QImage stored(40, 20, QImage::Format_RGB32);
        stored.fill(Qt::blue);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                stored.setPixelColor(x, y, Qt::red);
        const QString portrait = folder.file("imagenes/retrato.jpg");
        QVERIFY(vudtest::writeJpegWithOrientation(portrait, stored, 6));
        QCOMPARE(QImageReader(portrait).size(), QSize(40, 20));
        QCOMPARE(pictureSize(portrait), QSize(20, 40));
        for (const QSize &size : {QSize(), QSize(10, 20)}) {
            const QImage upright = readPicture(portrait, size);
            QCOMPARE(upright.size(), size.isValid() ? size : QSize(20, 40));
            QVERIFY(upright.pixelColor(upright.width() / 2, 2).red() > 200);
            QVERIFY(upright.pixelColor(upright.width() / 2, upright.height() - 3).blue() > 200);
        }
        const PreviewPicture preview = loadPreview(portrait, screenTwipsFor(800, 600));
        QCOMPARE(preview.naturalTwips, QSizeF(300, 600));
        QCOMPARE(preview.image.size(), QSize(20, 40));

        QVERIFY2(QImageReader::supportedImageFormats().contains("webp"),
                 "Qt's image format plug-ins are not installed");
        const QString webp = folder.file("imagenes/foto.webp");
        QVERIFY(vudtest::writeBlockPicture(webp, QSize(64, 48), 2, 2));
        QCOMPARE(pictureSize(webp), QSize(64, 48));
        QCOMPARE(readPicture(webp, QSize(32, 24)).size(), QSize(32, 24));
    }

    // Only regular files are read: a folder or a FIFO named like a picture
    // is no picture, and reading it never blocks; nor is a file that only
    // has a GIF's name.
    void onlyRegularFilesAreRead()
    {
        vudtest::TempProgramFolder folder;
        QVERIFY(QDir().mkpath(folder.file("imagenes/carpeta.png")));
        const QString fifo = folder.file("imagenes/tubo.png");
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        const QString link = folder.file("imagenes/enlace.png");
        QVERIFY(QFile::link(fifo, link));
        // A GIF's name without its signature, whose frame claims 35376 x
        // 20045 pixels: found by the fuzzer, it once took seconds to refuse.
        const QString fake = folder.file("imagenes/falso.gif");
        QVERIFY(vudtest::writeBytes(fake, QByteArray::fromHex("0347494603048100000304810000000000ff0000"
                                                              "00ff00ff000021fe037675640021f90405050003"
                                                              "002c00000000308a4d4e47024401003b")));
        QVERIFY(!pictureSize(fake).isValid());
        QVERIFY(readPicture(fake, QSize(100, 100)).isNull());
        // A GIF of an odd version ("GIF8" then anything) whose screen is
        // 14592 x 1024 pixels, past the animation bounds: also a fuzzer's
        // find, decoded whole (60 MB) before the bounds took every version.
        const QString odd = folder.file("imagenes/raro.gif");
        QVERIFY(vudtest::writeBytes(odd, QByteArray::fromHex("47494638036100390004800000")
                                             + vudtest::handMadeGif(QSize(4, 4), {QRect(0, 0, 1, 1)}).mid(13)));
        QVERIFY(!pictureSize(odd).isValid());
        QVERIFY(readPicture(odd).isNull());
        for (const QString &path : {folder.file("imagenes/carpeta.png"), fifo, link}) {
            QVERIFY(!isRegularFile(path));
            QVERIFY(!pictureSize(path).isValid());
            QVERIFY(readPicture(path).isNull());
        }
    }

    // A file replaced by a FIFO between its check and its opening is refused
    // at once, by every reader. Whoever opened the FIFO by its name would
    // get the picture's own bytes from a writer waiting there.
    void aFileSwappedAfterItsCheckIsNeverRead_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("reader");
        QTest::newRow("PNG read whole") << "foto.png" << "picture";
        QTest::newRow("JPEG decoded scaled") << "foto.jpg" << "scaled";
        QTest::newRow("JPEG's size") << "foto.jpg" << "size";
        QTest::newRow("GIF played") << "dibujo.gif" << "animation";
        QTest::newRow("thumbnail") << "foto.png" << "thumbnail";
    }
    void aFileSwappedAfterItsCheckIsNeverRead()
    {
        QFETCH(QString, file);
        QFETCH(QString, reader);
        vudtest::TempProgramFolder folder;
        const QString path = folder.file("imagenes/" + file);
        if (file.endsWith(".gif"))
            QVERIFY(vudtest::writeGif(path, vudtest::squareFrames(2), 2));
        else
            QVERIFY(writeFlat(path, QSize(400, 300), QColor(200, 40, 40)));
        const QString thumbnailFolder = folder.file("miniaturas");
        const thumbnails::Original original = thumbnails::originalOf(QFileInfo(path), QSize(400, 300));
        QVERIFY(thumbnails::writeLarge(thumbnailFolder, original, QImage(path).scaled(256, 192)));
        const QString swapped = reader == "thumbnail"
            ? thumbnailFolder + QLatin1Char('/') + thumbnails::fileName(thumbnails::fileUri(path))
            : path;
        QFile stored(swapped);
        QVERIFY(stored.open(QIODevice::ReadOnly));
        const QByteArray bytes = stored.readAll();
        stored.close();

        std::thread writer;
        setCheckedPathHook([&](const QString &checked) {
            if (checked != swapped || writer.joinable())
                return;
            QVERIFY(QFile::remove(swapped));
            QVERIFY(::mkfifo(QFile::encodeName(swapped).constData(), 0600) == 0);
            writer = std::thread([name = QFile::encodeName(swapped), bytes] {
                const int fd = ::open(name.constData(), O_WRONLY);
                if (fd >= 0) {
                    (void)!::write(fd, bytes.constData(), size_t(bytes.size()));
                    ::close(fd);
                }
            });
        });
        bool read = false;
        if (reader == "picture")
            read = !readPicture(path).isNull();
        else if (reader == "scaled")
            read = !readPicture(path, QSize(40, 30)).isNull();
        else if (reader == "size")
            read = pictureSize(path).isValid();
        else if (reader == "animation")
            read = !readAnimation(path).isEmpty();
        else
            read = !thumbnails::readLarge(thumbnailFolder, original).isNull();
        setCheckedPathHook(nullptr);
        QVERIFY(writer.joinable());
        // Lets a writer still waiting for a reader go.
        const int release = ::open(QFile::encodeName(swapped).constData(), O_RDONLY | O_NONBLOCK);
        writer.join();
        ::close(release);
        QVERIFY(!read);
    }

    // The scale and place of a picture in a box: covering a board's grid,
    // or fitting inside the editor's work area.
    void pictureFits_data()
    {
        QTest::addColumn<bool>("cover");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("offset");
        QTest::newRow("cover: wider box cuts top and bottom") << true << QSize(4000, 3000) << QSize(720, 480)
                                                              << 0.18 << QSize(720, 540) << QPoint(0, -30);
        QTest::newRow("cover: taller box cuts the sides") << true << QSize(1600, 900) << QSize(600, 600)
                                                          << 0.6666666666666666 << QSize(1067, 600)
                                                          << QPoint(-233, 0);
        QTest::newRow("cover: exact size") << true << QSize(720, 480) << QSize(720, 480) << 1.0
                                           << QSize(720, 480) << QPoint(0, 0);
        QTest::newRow("cover: small picture grows") << true << QSize(200, 150) << QSize(720, 480) << 3.6
                                                    << QSize(720, 540) << QPoint(0, -30);
        QTest::newRow("cover: empty picture") << true << QSize() << QSize(720, 480) << 1.0 << QSize()
                                              << QPoint(0, 0);
        QTest::newRow("fit: photo shrinks") << false << QSize(4000, 3000) << QSize(719, 600) << 0.17975
                                            << QSize(719, 539) << QPoint(0, 30);
        QTest::newRow("fit: tall photo") << false << QSize(3000, 4000) << QSize(719, 600) << 0.15
                                         << QSize(450, 600) << QPoint(134, 0);
        QTest::newRow("fit: small keeps its size") << false << QSize(300, 200) << QSize(719, 600) << 1.0
                                                   << QSize(300, 200) << QPoint(209, 200);
    }
    void pictureFits()
    {
        QFETCH(bool, cover);
        QFETCH(QSize, picture);
        QFETCH(QSize, box);
        QFETCH(double, scale);
        QFETCH(QSize, size);
        QFETCH(QPoint, offset);
        const PictureFit fit = cover ? coverBox(picture, box) : fitInsideBox(picture, box);
        QCOMPARE(fit.scale, scale);
        QCOMPARE(fit.size, size);
        QCOMPARE(fit.offset, offset);
    }

    void thumbnailNames_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("uri");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain path") << "/home/jens/photos/me.png" << QByteArray("file:///home/jens/photos/me.png")
                                    << "c6ee772d9e49320e97ec29a7eb5b1697.png";
        // Escaped byte for byte as the desktop's own tools write it (gio info).
        QTest::newRow("escapes") << QStringLiteral("/tmp/urit/a b;c#%[]\u00f1!$&'()*+,:=@~{}^`|<>?\"x")
                                 << QByteArray("file:///tmp/urit/a%20b%3Bc%23%25%5B%5D%C3%B1!$&'()*+,:=@~"
                                               "%7B%7D%5E%60%7C%3C%3E%3F%22x")
                                 << "c4ba9e83dc10ce453ee36691cb4a0a9f.png";
    }
    void thumbnailNames()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, uri);
        QFETCH(QString, name);
        QCOMPARE(thumbnails::fileUri(path), uri);
        QCOMPARE(thumbnails::fileName(uri), name);
    }

    // A page's first preview is decoded and its thumbnail stored as the
    // desktop expects; a new loader (a new run) takes it from the thumbnail,
    // the same loader from memory, each at the fitted size.
    void previewsComeFromFileThenThumbnailThenMemory()
    {
        vudtest::TempProgramFolder folder;
        QTemporaryDir cache;
        const QString thumbnailFolder = cache.filePath(QStringLiteral("thumbnails/large"));
        const ScreenTwips screen = screenTwipsFor(800, 600);
        const QString photo = folder.file("imagenes/photo.jpg");
        QVERIFY(writeFlat(photo, QSize(1200, 900), QColor(200, 40, 40)));
        const QByteArray uri = thumbnails::fileUri(photo);

        PreviewLoader first(screen, thumbnailFolder);
        const PreviewPicture decoded = loadOne(first, photo);
        QVERIFY(decoded.loaded);
        QCOMPARE(decoded.source, PreviewSource::File);
        QCOMPARE(decoded.fittedTwips, QSizeF(2000, 1500));
        QCOMPARE(decoded.image.size(), QSize(133, 100));

        const QString stored = thumbnailFolder + QLatin1Char('/') + thumbnails::fileName(uri);
        QImageReader reader(stored);
        QCOMPARE(reader.format(), QByteArray("png"));
        const QImage written = reader.read();
        QCOMPARE(written.size(), QSize(256, 192));
        QCOMPARE(written.text("Thumb::URI"), QString::fromLatin1(uri));
        QCOMPARE(written.text("Thumb::MTime").toLongLong(), QFileInfo(photo).lastModified().toSecsSinceEpoch());
        QCOMPARE(written.text("Thumb::Size").toLongLong(), QFileInfo(photo).size());
        QCOMPARE(modeOf(stored), 0600);
        QCOMPARE(modeOf(thumbnailFolder), 0700);
        QCOMPARE(modeOf(cache.filePath(QStringLiteral("thumbnails"))), 0700);
        QCOMPARE(QDir(thumbnailFolder).entryList(QDir::Files | QDir::Hidden), QStringList(thumbnails::fileName(uri)));

        PreviewLoader second(screen, thumbnailFolder);
        const PreviewPicture thumbnail = loadOne(second, photo);
        QCOMPARE(thumbnail.source, PreviewSource::Thumbnail);
        QCOMPARE(thumbnail.fittedTwips, decoded.fittedTwips);
        QCOMPARE(thumbnail.image.size(), decoded.image.size());
        QVERIFY(vudtest::coloursClose(centre(thumbnail.image), QColor(200, 40, 40), 8));

        const PreviewPicture remembered = loadOne(second, photo);
        QCOMPARE(remembered.source, PreviewSource::Memory);
        QCOMPARE(remembered.image.size(), decoded.image.size());
    }

    void staleThumbnailIsIgnored_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("URI of another file") << "uri";
        QTest::newRow("older modification time") << "mtime";
        QTest::newRow("other file size") << "size";
        QTest::newRow("other shape") << "shape";
        QTest::newRow("no keys") << "keys";
    }
    // A thumbnail that does not belong to the file as it is now is never
    // shown: the file is decoded and a good thumbnail replaces the bad one.
    void staleThumbnailIsIgnored()
    {
        QFETCH(QString, fault);
        vudtest::TempProgramFolder folder;
        QTemporaryDir cache;
        const QString thumbnailFolder = cache.filePath(QStringLiteral("large"));
        QVERIFY(QDir().mkpath(thumbnailFolder));
        const QString photo = folder.file("imagenes/photo.png");
        QVERIFY(writeFlat(photo, QSize(800, 600), QColor(200, 40, 40)));
        const QFileInfo info(photo);
        const QByteArray uri = thumbnails::fileUri(photo);

        QImage planted(fault == "shape" ? QSize(192, 256) : QSize(256, 192), QImage::Format_RGB32);
        planted.fill(QColor(20, 220, 20));
        if (fault != "keys") {
            planted.setText("Thumb::URI", QString::fromLatin1(fault == "uri" ? thumbnails::fileUri(photo + "x") : uri));
            planted.setText("Thumb::MTime", QString::number(info.lastModified().toSecsSinceEpoch() - (fault == "mtime")));
            planted.setText("Thumb::Size", QString::number(info.size() + (fault == "size")));
        }
        const QString stored = thumbnailFolder + QLatin1Char('/') + thumbnails::fileName(uri);
        QVERIFY(planted.save(stored, "png"));

        PreviewLoader loader(screenTwipsFor(800, 600), thumbnailFolder);
        const PreviewPicture preview = loadOne(loader, photo);
        QCOMPARE(preview.source, PreviewSource::File);
        QVERIFY(vudtest::coloursClose(centre(preview.image), QColor(200, 40, 40), 8));
        const QImage replaced = thumbnails::readLarge(thumbnailFolder, thumbnails::originalOf(info, QSize(800, 600)));
        QVERIFY(vudtest::coloursClose(centre(replaced), QColor(200, 40, 40), 8));
    }

    void changedFileIsDecodedAgain_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("fromMemory");
        QTest::newRow("unchanged") << "" << true;
        QTest::newRow("replaced by another picture") << "replace" << false;
        QTest::newRow("modification time changed") << "touch" << false;
        QTest::newRow("removed") << "remove" << false;
    }
    // The memory cache answers only while a file keeps its size and
    // modification time.
    void changedFileIsDecodedAgain()
    {
        QFETCH(QString, change);
        QFETCH(bool, fromMemory);
        vudtest::TempProgramFolder folder;
        const QString photo = folder.file("imagenes/photo.png");
        QVERIFY(writeFlat(photo, QSize(300, 150), QColor(200, 40, 40)));
        PreviewLoader loader(screenTwipsFor(800, 600), QString());
        QCOMPARE(loadOne(loader, photo).source, PreviewSource::File);

        QColor expected(200, 40, 40);
        if (change == "replace") {
            // Same name, another picture written in its place.
            const QString other = folder.file("imagenes/other.png");
            QVERIFY(writeFlat(other, QSize(100, 200), QColor(30, 30, 220)));
            QVERIFY(QFile::remove(photo));
            QVERIFY(QFile::rename(other, photo));
            expected = QColor(30, 30, 220);
        } else if (change == "touch") {
            QFile file(photo);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(QFileInfo(photo).lastModified().addSecs(-60), QFileDevice::FileModificationTime));
        } else if (change == "remove") {
            QVERIFY(QFile::remove(photo));
        }

        const PreviewPicture again = loadOne(loader, photo);
        QCOMPARE(again.source == PreviewSource::Memory, fromMemory);
        QCOMPARE(again.loaded, change != "remove");
        if (again.loaded) {
            QVERIFY(vudtest::coloursClose(centre(again.image), expected, 8));
            // 300 x 150 pixels fit as 2000 x 1000 twips, 100 x 200 as 800 x 1600.
            QCOMPARE(again.image.size(), change == "replace" ? QSize(53, 107) : QSize(133, 67));
        }
    }

    // The receiver may turn to another page from within a report of the
    // previews at hand: what is left of the old page is then never reported,
    // and every slot of the new page is.
    void aPageTurnedWhileReportedShowsOnlyTheNewPage()
    {
        vudtest::TempProgramFolder folder;
        QStringList oldPage, newPage;
        for (int i = 0; i < 2; ++i) {
            oldPage << folder.file(QStringLiteral("imagenes/old%1.png").arg(i));
            newPage << folder.file(QStringLiteral("imagenes/new%1.png").arg(i));
            // 1500, 1800, 2100 and 2400 twips wide: each report names its file.
            QVERIFY(writeFlat(oldPage.last(), QSize(100 + 20 * i, 100), Qt::red));
            QVERIFY(writeFlat(newPage.last(), QSize(140 + 20 * i, 100), Qt::blue));
        }
        PreviewLoader loader(screenTwipsFor(800, 600), QString());
        QCOMPARE(loadPage(loader, oldPage).size(), 2); // both now in memory

        bool turned = false;
        QMap<int, double> shownAfterTheTurn; // slot -> natural width in twips
        int reportsAfterTheTurn = 0;
        connect(&loader, &PreviewLoader::previewReady, this, [&](int slot, const PreviewPicture &preview) {
            if (!turned) {
                turned = true;
                loader.requestPage(newPage);
                return;
            }
            ++reportsAfterTheTurn;
            shownAfterTheTurn.insert(slot, preview.naturalTwips.width());
        });
        loader.requestPage(oldPage);
        QVERIFY(QTest::qWaitFor([&] { return loader.pending() == 0; }, 20000));
        loader.waitForDone();
        QCoreApplication::processEvents();
        QCOMPARE(shownAfterTheTurn, (QMap<int, double>{{0, 2100.0}, {1, 2400.0}}));
        QCOMPARE(reportsAfterTheTurn, 2);
    }

    // The thumbnails made for a page are stored when the loader goes, also
    // when it goes with another page still under way.
    void thumbnailsOfAPageLeftEarlyAreStored()
    {
        vudtest::TempProgramFolder folder;
        QTemporaryDir cache;
        const QString thumbnailFolder = cache.filePath(QStringLiteral("large"));
        const QStringList page{folder.file("imagenes/a.png"), folder.file("imagenes/b.png")};
        for (const QString &path : page)
            QVERIFY(writeFlat(path, QSize(400, 300), QColor(200, 40, 40)));
        // Slow enough that its report never comes before the loader goes.
        const QString large = folder.file("imagenes/grande.png");
        QVERIFY(writeFlat(large, QSize(2000, 2000), QColor(30, 30, 220)));

        auto loader = std::make_unique<PreviewLoader>(screenTwipsFor(800, 600), thumbnailFolder);
        connect(loader.get(), &PreviewLoader::previewReady, this, [&](int slot) {
            if (slot == 0)
                loader->requestPage({large});
        });
        loader->requestPage(page);
        // Both made; their reports wait in the event queue. The first turns
        // the page, so that neither report finds a page all shown.
        loader->waitForDone();
        QCoreApplication::processEvents();
        loader.reset();
        for (const QString &path : page) {
            const QFileInfo info(path);
            QVERIFY2(!thumbnails::readLarge(thumbnailFolder, thumbnails::originalOf(info, QSize(400, 300))).isNull(),
                     qPrintable(info.fileName()));
        }
    }

    // The memory cache stays within its bound in bytes, dropping the
    // previews used longest ago.
    void memoryStaysWithinItsBound()
    {
        vudtest::TempProgramFolder folder;
        QStringList paths;
        for (int i = 0; i < 9; ++i) {
            paths << folder.file(QStringLiteral("imagenes/p%1.png").arg(i));
            QVERIFY(writeFlat(paths.last(), QSize(100, 100), QColor(20 * i, 100, 100)));
        }
        PreviewLoader loader(screenTwipsFor(800, 600), QString());
        const int onePreview = 100 * 100 * 4;
        loader.setMemoryLimit(4 * onePreview);
        QCOMPARE(loadPage(loader, paths).size(), 9);
        QVERIFY(loader.memoryUsed() <= 4 * onePreview);
        QVERIFY(loader.memoryUsed() > 2 * onePreview);
        int remembered = 0;
        for (const PreviewPicture &preview : loadPage(loader, paths)) {
            QVERIFY(preview.loaded);
            remembered += preview.source == PreviewSource::Memory;
        }
        QVERIFY2(remembered >= 3 && remembered <= 4, qPrintable(QString::number(remembered)));
    }
};

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
