#pragma once

#include "records/records.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <QWaitCondition>
#include <deque>
#include <memory>

class QThread;

namespace records {

// The game's way to the results database: every call returns at once and
// the work is done in order on a thread of its own, with its own connection,
// so that the window's thread never waits for the disk, nor for another
// program's lock. Nothing touches the disk before the first call.
//
// Of several boards saved for one child while the thread is busy, only the
// latest is written: it is the one that would be resumed.
class ResultsWriter : public QObject
{
    Q_OBJECT

public:
    // The database at path (ResultsStore::defaultPath() when empty, taken
    // when the first call is made on the thread).
    explicit ResultsWriter(const QString &path = QString(), QObject *parent = nullptr);
    // Writes whatever is still queued, then stops the thread.
    ~ResultsWriter() override;

    // After every drop: the child's board (see ResultsStore::saveBoard).
    void saveBoard(const UnfinishedBoard &board);
    // The board is over without a finished game: forget it.
    void clearBoard(const QString &typedName);
    // A finished game; the child's unfinished board is forgotten with it.
    void recordGame(const FinishedGame &game);
    // Asks for the child's unfinished board; boardLoaded answers, on the
    // thread this object belongs to, after every save asked before.
    void requestBoard(const QString &typedName);

    // Waits until everything asked so far is done (the program's end, tests).
    void flush();
    // The same, waiting no longer than timeoutMs: true when all was done.
    bool flush(int timeoutMs);

    // The last failure's text for the adult; empty after a call succeeded.
    QString errorText() const;

signals:
    // found is false when the child has no board worth offering (none, one
    // that makes no sense, or whose picture changed or went).
    void boardLoaded(const QString &typedName, bool found, const records::UnfinishedBoard &board);

private:
    struct Task;
    void enqueue(Task task);
    void run();

    QString m_path;
    mutable QMutex m_mutex;
    QWaitCondition m_wake;
    QWaitCondition m_idle;
    std::deque<Task> m_tasks;
    bool m_busy = false;
    bool m_stopping = false;
    QString m_error;
    std::unique_ptr<QThread> m_thread;
};

} // namespace records

Q_DECLARE_METATYPE(records::UnfinishedBoard)
