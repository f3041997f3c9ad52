#pragma once

#include "core/preview.h"
#include "core/thumbnails.h"
#include "core/twips.h"

#include <QCache>
#include <QObject>
#include <QStringList>
#include <QThreadPool>
#include <QVector>

#include <atomic>
#include <memory>

namespace vud {

// What a preview was made from: the file's size and modification time. A
// preview stays good while its file keeps both, so an edited or replaced
// file is decoded again.
struct FileStamp
{
    qint64 size = -1;       // -1: no regular file
    qint64 modifiedMs = 0;

    bool isValid() const { return size >= 0; }
    bool operator==(const FileStamp &other) const
    {
        return size == other.size && modifiedMs == other.modifiedMs;
    }
};

FileStamp fileStamp(const QString &path);

// Makes a gallery page's previews without ever holding up the window's
// thread: the files are decoded in worker threads, as many as the machine has
// cores, straight at their fitted size. Previews come first from a memory
// cache (bounded in bytes, keyed by path and checked against the file's
// stamp), then from the desktop's thumbnail cache, and only then from the
// file, whose new thumbnail is written once the whole page is shown.
//
// Lives on the window's thread, which alone receives previewReady; the
// workers only hand over finished images. Destroying the loader drops the
// decodes not yet started and waits for the running ones.
class PreviewLoader : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultMemoryBytes = 32 * 1024 * 1024;

    // thumbnailFolder: the large-thumbnail folder to read and write; by
    // default the desktop's; empty: none.
    explicit PreviewLoader(const ScreenTwips &screen, QObject *parent = nullptr);
    PreviewLoader(const ScreenTwips &screen, const QString &thumbnailFolder, QObject *parent = nullptr);
    ~PreviewLoader() override;

    // Asks for one page: slot i shows paths[i], an empty path shows nothing.
    // Previews still in memory, and files that are no regular file, are
    // reported before this returns; the others each as soon as a worker has
    // made it. A new page replaces the previous one: previews of the previous
    // page still under way are kept in memory but never reported, and its
    // decodes not yet started are skipped.
    void requestPage(const QStringList &paths);

    // Slots of the current page not reported yet.
    int pending() const;

    // Blocks until no worker is busy (closing, tests, benchmarks). Finished
    // previews are still reported through the event loop afterwards.
    void waitForDone();

    void setMemoryLimit(int bytes) { m_memory.setMaxCost(bytes); }
    qsizetype memoryUsed() const { return m_memory.totalCost(); }
    QString thumbnailFolder() const { return m_thumbnailFolder; }

    // What a worker hands over for one file (defined with the workers' code).
    struct Made;

signals:
    void previewReady(int slot, const vud::PreviewPicture &preview);

private:
    struct Remembered
    {
        FileStamp stamp;
        PreviewPicture preview;
    };
    void startDecode(int slot, const QString &path);
    void finished(int generation, int slot, const QString &path, const Made &made);
    void writeThumbnails();

    ScreenTwips m_screen;
    QString m_thumbnailFolder;
    QCache<QString, Remembered> m_memory;
    QVector<QString> m_waiting;   // per slot: the path whose preview is awaited
    QVector<QPair<thumbnails::Original, QImage>> m_unwritten; // thumbnails made, to be stored
    int m_generation = 0;
    // The page the workers still work for; -1 once the loader closes.
    std::shared_ptr<std::atomic<int>> m_currentPage;
    QThreadPool m_workers;
};

} // namespace vud
