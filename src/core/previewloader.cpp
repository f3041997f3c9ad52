#include "core/previewloader.h"

#include "core/picturefile.h"
#include "core/thumbnails.h"

#include <QDateTime>
#include <QFileInfo>
#include <QRunnable>
#include <QThread>

#include <utility>

namespace vud {

namespace {

// Decodes run before thumbnail writes (which also wait until the page is
// full): a page filled quickly matters more than the file manager's cache.
constexpr int DecodePriority = 1;
constexpr int WritePriority = 0;

FileStamp stampOf(const QFileInfo &info)
{
    if (!info.isFile())
        return {};
    return {info.size(), info.lastModified().toMSecsSinceEpoch()};
}

bool fitsIn(const QSize &inner, const QSize &outer)
{
    return inner.width() <= outer.width() && inner.height() <= outer.height();
}

QImage scaledTo(const QImage &image, const QSize &size)
{
    return image.size() == size ? image : image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

struct PreviewLoader::Made
{
    FileStamp stamp;
    PreviewPicture preview;
    thumbnails::Original original; // the file as it was before its decode
    QImage thumbnail;   // to be stored in the thumbnail cache, when not null
};

namespace {

using Made = PreviewLoader::Made;

// A worker's whole job for one file. The fitted size always comes from the
// picture's own size, read from its header, whatever source the pixels have.
Made makePreview(const QString &path, const ScreenTwips &screen, const QString &thumbnailFolder)
{
    Made made;
    const QFileInfo info(path);
    made.stamp = stampOf(info);
    if (!made.stamp.isValid())
        return made;
    const QSize natural = pictureSize(path);
    if (!natural.isValid())
        return made;
    made.original = thumbnails::originalOf(info, natural);
    made.preview = fittedPreview(natural, screen);
    const QSize target = previewPixelSize(made.preview.fittedTwips, screen);

    // A picture no larger than a thumbnail is cheap to decode and gets none.
    const QSize thumbnailSize = thumbnails::largeSize(natural);
    const bool thumbnailed = !thumbnailFolder.isEmpty() && thumbnailSize != natural;
    // On a screen of many dots per inch the cell may be larger than a
    // thumbnail: then the file itself is decoded.
    const bool fromThumbnail = thumbnailed && fitsIn(target, thumbnailSize);
    if (fromThumbnail) {
        const QImage thumbnail = thumbnails::readLarge(thumbnailFolder, made.original);
        if (!thumbnail.isNull()) {
            made.preview.image = scaledTo(thumbnail, target);
            made.preview.loaded = true;
            made.preview.source = PreviewSource::Thumbnail;
            return made;
        }
    }

    const QImage decoded = readPicture(path, fromThumbnail ? thumbnailSize : target);
    if (decoded.isNull())
        return made;
    made.preview.image = scaledTo(decoded, target);
    made.preview.loaded = true;
    made.preview.source = PreviewSource::File;
    if (thumbnailed)
        made.thumbnail = scaledTo(decoded, thumbnailSize);
    return made;
}

} // namespace

FileStamp fileStamp(const QString &path)
{
    return stampOf(QFileInfo(path));
}

PreviewLoader::PreviewLoader(const ScreenTwips &screen, QObject *parent)
    : PreviewLoader(screen, thumbnails::largeFolder(), parent)
{
}

PreviewLoader::PreviewLoader(const ScreenTwips &screen, const QString &thumbnailFolder, QObject *parent)
    : QObject(parent)
    , m_screen(screen)
    , m_thumbnailFolder(thumbnailFolder)
    , m_memory(DefaultMemoryBytes)
    , m_currentPage(std::make_shared<std::atomic<int>>(0))
{
    m_workers.setMaxThreadCount(qMax(1, QThread::idealThreadCount()));
}

PreviewLoader::~PreviewLoader()
{
    // Decodes not yet started are skipped. The thumbnails already made are
    // stored (each takes a few milliseconds), and none is left half made.
    m_currentPage->store(-1);
    writeThumbnails();
    waitForDone();
}

void PreviewLoader::waitForDone()
{
    m_workers.waitForDone();
}

int PreviewLoader::pending() const
{
    int count = 0;
    for (const QString &path : m_waiting)
        if (!path.isEmpty())
            ++count;
    return count;
}

void PreviewLoader::requestPage(const QStringList &paths)
{
    const int generation = ++m_generation;
    m_currentPage->store(generation);
    m_waiting = QVector<QString>(paths.begin(), paths.end());

    // Decodes start first, so that the workers are busy while the previews
    // at hand are placed.
    QVector<QPair<int, PreviewPicture>> atHand;
    for (int slot = 0; slot < paths.size(); ++slot) {
        const QString &path = paths[slot];
        if (path.isEmpty())
            continue;
        const FileStamp stamp = fileStamp(path);
        if (!stamp.isValid()) {
            atHand.append({slot, PreviewPicture()});
            continue;
        }
        if (const Remembered *remembered = m_memory.object(path); remembered && remembered->stamp == stamp) {
            PreviewPicture preview = remembered->preview;
            preview.source = PreviewSource::Memory;
            atHand.append({slot, preview});
            continue;
        }
        startDecode(slot, path);
    }
    for (const auto &[slot, preview] : atHand) {
        // A receiver may have asked for another page meanwhile.
        if (generation != m_generation)
            return;
        m_waiting[slot].clear();
        emit previewReady(slot, preview);
    }
    if (pending() == 0)
        writeThumbnails();
}

void PreviewLoader::startDecode(int slot, const QString &path)
{
    const int generation = m_generation;
    const ScreenTwips screen = m_screen;
    const QString folder = m_thumbnailFolder;
    std::shared_ptr<std::atomic<int>> currentPage = m_currentPage;
    m_workers.start(QRunnable::create([this, generation, slot, path, screen, folder, currentPage] {
                        // A page turned away from before its decode began.
                        if (currentPage->load() != generation)
                            return;
                        const Made made = makePreview(path, screen, folder);
                        // The loader waits for its workers before it goes, so
                        // it is still there to receive this.
                        QMetaObject::invokeMethod(
                            this, [this, generation, slot, path, made] { finished(generation, slot, path, made); },
                            Qt::QueuedConnection);
                    }),
                    DecodePriority);
}

void PreviewLoader::finished(int generation, int slot, const QString &path, const Made &made)
{
    if (made.stamp.isValid()) {
        // A preview larger than the whole bound is not kept.
        m_memory.insert(path, new Remembered{made.stamp, made.preview}, made.preview.image.sizeInBytes() + 256);
    }
    if (!made.thumbnail.isNull())
        m_unwritten.append({made.original, made.thumbnail});
    if (generation == m_generation && slot < m_waiting.size() && m_waiting[slot] == path) {
        m_waiting[slot].clear();
        emit previewReady(slot, made.preview);
    }
    if (pending() == 0)
        writeThumbnails();
}

void PreviewLoader::writeThumbnails()
{
    for (const auto &[original, thumbnail] : std::as_const(m_unwritten)) {
        m_workers.start(QRunnable::create([folder = m_thumbnailFolder, original = original, thumbnail = thumbnail] {
                            thumbnails::writeLarge(folder, original, thumbnail);
                        }),
                        WritePriority);
    }
    m_unwritten.clear();
}

} // namespace vud
